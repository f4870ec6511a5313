#include "dialogs/BrelvanDialog.h"

#include "dialogs/FittedText.h"
#include "dialogs/ScreenFit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

std::function<int(QDialog&)> BrelvanDialog::s_modalHook;

void BrelvanDialog::makeEntriesTaller(QListWidget* list, int extra) {
    list->setItemDelegate(new FittedEntries(extra, list));
}

void BrelvanDialog::CountingUi::message(const std::string& text) {
    ++m_shown;
    m_inner.message(text);
}

void BrelvanDialog::CountingUi::error(const std::string& text) {
    ++m_shown;
    m_inner.error(text);
}

bool BrelvanDialog::CountingUi::question(const std::string& text) {
    ++m_shown;
    return m_inner.question(text);
}

void BrelvanDialog::CountingUi::showSensResults(const std::vector<std::string>& lines) {
    ++m_shown;
    m_inner.showSensResults(lines);
}

BrelvanDialog::BrelvanDialog(brelvan::UserInterface& ui, QWidget* parent)
    : QDialog(parent), m_countingUi(ui) {
    setModal(true);
    // Dialog base units as Windows derives them from the dialog's font: the mean width of the
    // 52 letters and the character height.
    const QFontMetrics fm(font());
    const int letters = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = std::max(1, (letters / 26 + 1) / 2);
    m_baseY = std::max(1, fm.height());
}

BrelvanDialog::~BrelvanDialog() = default;

QWidget* BrelvanDialog::control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void BrelvanDialog::ensureInitialized() {
    if (!m_initialized) {
        m_initialized = true;
        initDialog();
    }
}

void BrelvanDialog::showEvent(QShowEvent* event) {
    ensureInitialized();
    fitIntoScreen();
    QDialog::showEvent(event);
}

void BrelvanDialog::fitIntoScreen() {
    const QScreen* s = screen();
    if (!s) {
        return;
    }
    // Room for the window frame and title bar around the client area.
    const QSize room = s->availableGeometry().size() - QSize(16, 48);
    if (layout()) {
        // A laid-out dialog: smaller, and scrolling where its layout needs more room.
        brelvan::dialogs::fitWindowIntoScreen(this);
        return;
    }
    if (m_scrolled || (width() <= room.width() && height() <= room.height())) {
        return;
    }
    // Larger than the screen (a large scale factor, a small screen): the controls keep their
    // places on a page that scrolls inside a resizable window.
    const QSize full = size();
    auto* page = new QWidget;
    const QList<QWidget*> children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow()) {
            continue;
        }
        const bool hidden = child->isHidden();
        const QRect geometry = child->geometry();
        child->setParent(page);
        child->setGeometry(geometry);
        if (!hidden) {
            child->show();
        }
    }
    page->setFixedSize(full);
    auto* area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(page);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(area);
    setMinimumSize(QSize(160, 120).boundedTo(room));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(full.boundedTo(room));
    setSizeGripEnabled(true);
    m_scrolled = true;
}

int BrelvanDialog::runModal(QDialog& dialog) {
    if (auto* own = qobject_cast<BrelvanDialog*>(&dialog)) {
        own->ensureInitialized();
    }
    // Not larger than the screen, whatever kind of dialog it is.
    brelvan::dialogs::fitWindowIntoScreen(&dialog);
    if (s_modalHook) {
        return s_modalHook(dialog);
    }
    return dialog.exec();
}

int BrelvanDialog::unitsToPixelsX(int x) const {
    return (x * m_baseX + 2) / 4;
}
int BrelvanDialog::unitsToPixelsY(int y) const {
    return (y * m_baseY + 4) / 8;
}

QRect BrelvanDialog::unitRect(int x, int y, int width, int height) const {
    const int left = unitsToPixelsX(x);
    const int top = unitsToPixelsY(y);
    return QRect(left, top, unitsToPixelsX(x + width) - left, unitsToPixelsY(y + height) - top);
}

void BrelvanDialog::setClientSize(int width, int height) {
    setFixedSize(unitsToPixelsX(width), unitsToPixelsY(height));
}

void BrelvanDialog::registerControl(int id, QWidget* widget) {
    m_controls[id] = widget;
    widget->setObjectName(QString::number(id));
}

QLineEdit* BrelvanDialog::addEdit(int id, int x, int y, int width, int height) {
    auto* edit = new QLineEdit(this);
    edit->setGeometry(unitRect(x, y, width, height));
    registerControl(id, edit);
    return edit;
}

void BrelvanDialog::fitListLines(QListWidget* list, const QStringList& lines) {
    auto* entries = dynamic_cast<FittedEntries*>(list->itemDelegate());
    if (!entries) {
        return;
    }
    list->setTextElideMode(Qt::ElideNone);
    QStyle* style = list->style();
    const int scrollBar = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int margins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int available = list->width() - 2 * list->frameWidth() - scrollBar - margins - 2;
    if (fitted::fixedPitch(list->font())) {
        // Columns of a fixed-pitch font line up only with blanks as wide as every character:
        // a smaller font instead of narrower blanks, down to 6 points.
        entries->setBlankWidth(-1);
        QFont f = list->font();
        auto widest = [&lines](const QFont& font) {
            const QFontMetricsF fm(font);
            qreal w = 0;
            for (const QString& line : lines)
                w = std::max(w, fm.horizontalAdvance(fitted::visiblePart(line)));
            return w;
        };
        for (qreal size = f.pointSizeF(); size > 6 && widest(f) > available; size -= 0.5)
            f.setPointSizeF(size - 0.5);
        if (!lines.isEmpty())
            list->setFont(f);
        list->viewport()->update();
        return;
    }
    const QFontMetricsF fm(list->font());
    const qreal blank = fitted::blankToFit(fm, lines, available);
    entries->setBlankWidth(blank < fm.horizontalAdvance(QLatin1Char(' ')) ? blank : -1);
    list->viewport()->update();
}

QLabel* BrelvanDialog::addLabel(const QString& text, int x, int y, int width, int height) {
    auto* label = new FittedLabel(text, this);
    QRect r = unitRect(x, y, width, height);
    // The box is the room up to the next control; a text that needs more first gets narrower
    // blanks, then an earlier start, then a wider box.
    label->fitInto(r.width() - 1);
    const QSize hint = label->sizeHint();
    if (hint.width() > r.width()) {
        // Still too wide: the box starts further left, as far as the dialog's margin allows,
        // and keeps its right end.
        const int left = std::max(unitsToPixelsX(2), r.right() + 1 - hint.width());
        r.setLeft(std::min(r.left(), left));
    }
    r.setWidth(std::max(r.width(), hint.width()));
    r.setHeight(std::max(r.height(), hint.height()));
    label->setGeometry(r);
    return label;
}

QPushButton* BrelvanDialog::addButton(int id, const QString& text, int x, int y, int width,
                                      int height) {
    auto* button = new QPushButton(text, this);
    button->setGeometry(unitRect(x, y, width, height));
    registerControl(id, button);
    return button;
}

QGroupBox* BrelvanDialog::addGroup(const QString& title, int x, int y, int width, int height) {
    auto* group = new QGroupBox(title, this);
    group->setGeometry(unitRect(x, y, width, height));
    group->setProperty("unitX", x);
    group->setProperty("unitY", y);
    return group;
}

QRadioButton* BrelvanDialog::addRadio(QGroupBox* group, int id, const QString& text, int x, int y,
                                      int width, int height) {
    auto* radio = new QRadioButton(text, group);
    // Placed in dialog units of the dialog, relative to the group box that holds it.
    const QRect outer = unitRect(x, y, width, height);
    const QRect box = group->geometry();
    QRect r(outer.topLeft() - box.topLeft(), outer.size());
    if (radio->sizeHint().width() > r.width()) {
        r.setWidth(radio->sizeHint().width());
    }
    radio->setGeometry(r);
    registerControl(id, radio);
    return radio;
}

bool BrelvanDialog::takeFields() {
    QWidget* failed = m_dx.fromControls(ui());
    if (!failed) {
        return true;
    }
    failed->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(failed)) {
        edit->selectAll();
    }
    return false;
}

void BrelvanDialog::onFocusLeave(QWidget* widget, std::function<void()> handler) {
    m_leaveHandlers[widget] = std::move(handler);
    widget->installEventFilter(this);
}

bool BrelvanDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_handlerRunning && isVisible()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Only a move to another control of this dialog counts: another window taking the
        // focus (a message box, a menu) leaves the field where it is.
        const bool withinDialog = reason != Qt::ActiveWindowFocusReason &&
                                  reason != Qt::PopupFocusReason &&
                                  reason != Qt::MenuBarFocusReason;
        QWidget* next = QApplication::focusWidget();
        if (widget && withinDialog && next && next->window() == this &&
            m_leaveHandlers.count(widget) != 0) {
            if (m_pending && m_pending != widget) {
                // Two departures before the first handler had its turn: the earlier one runs
                // first.
                // When that one showed a message, the focus has gone back to its failing field
                // and this departure is void.
                QWidget* earlier = m_pending;
                m_pending = nullptr;
                if (!runHandler(m_leaveHandlers[earlier])) {
                    return QDialog::eventFilter(watched, event);
                }
            }
            m_pending = widget;
            runPendingLater();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BrelvanDialog::runPendingLater() {
    QTimer::singleShot(0, this, [this] {
        if (!m_pending) {
            return;
        }
        if (!isVisible()) {
            m_pending = nullptr;
            return;
        }
        // Not inside another handler's message box, and not while a mouse button is held: the
        // click in progress comes first and lets the handler run before its own action.
        if (m_handlerRunning || QApplication::mouseButtons() != Qt::NoButton) {
            QTimer::singleShot(20, this, [this] { runPendingLater(); });
            return;
        }
        flushPendingHandler();
    });
}

bool BrelvanDialog::flushPendingHandler() {
    if (!m_pending) {
        return true;
    }
    QWidget* widget = m_pending;
    m_pending = nullptr;
    const auto it = m_leaveHandlers.find(widget);
    if (it == m_leaveHandlers.end()) {
        return true;
    }
    return runHandler(it->second);
}

bool BrelvanDialog::runHandler(const std::function<void()>& action) {
    const bool outer = m_handlerRunning;
    const int before = m_countingUi.shown();
    m_handlerRunning = true;
    action();
    m_handlerRunning = outer;
    return m_countingUi.shown() == before;
}

void BrelvanDialog::onClicked(QAbstractButton* button, std::function<void()> action) {
    connect(button, &QAbstractButton::clicked, this, [this, action = std::move(action)] {
        if (m_handlerRunning) {
            return;
        }
        if (!flushPendingHandler()) {
            return;
        }
        runHandler(action);
    });
}
