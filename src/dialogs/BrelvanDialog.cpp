#include "dialogs/BrelvanDialog.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTimer>

std::function<int(QDialog&)> BrelvanDialog::s_modalHook;

namespace {

class TallerEntries : public QStyledItemDelegate {
public:
    TallerEntries(int extra, QObject* parent) : QStyledItemDelegate(parent), m_extra(extra) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(size.height() + m_extra);
        return size;
    }

private:
    int m_extra;
};

} // namespace

void BrelvanDialog::makeEntriesTaller(QListWidget* list, int extra) {
    list->setItemDelegate(new TallerEntries(extra, list));
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
    QDialog::showEvent(event);
}

int BrelvanDialog::runModal(QDialog& dialog) {
    if (auto* own = qobject_cast<BrelvanDialog*>(&dialog)) {
        own->ensureInitialized();
    }
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

QLabel* BrelvanDialog::addLabel(const QString& text, int x, int y, int width, int height) {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QRect r = unitRect(x, y, width, height);
    // The room the visible text needs (trailing blanks show nothing).
    const QFontMetrics fm(label->font());
    const int needed = fm.horizontalAdvance(QString(text).remove(QRegularExpression(" +$"))) + 1;
    if (needed > r.width()) {
        r.setWidth(needed);
    }
    if (fm.height() > r.height()) {
        r.setHeight(fm.height());
    }
    label->setGeometry(r);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
                QWidget* earlier = m_pending;
                m_pending = nullptr;
                runHandler(m_leaveHandlers[earlier]);
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
