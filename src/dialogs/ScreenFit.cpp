#include "dialogs/ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace brelvan::dialogs {

namespace {

// Room kept for the window frame and title bar around the client area, in device-independent
// pixels (a platform without frames reports none).
QSize frameRoom(const QWidget* window) {
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    return frame.isValid() && !frame.isEmpty() ? frame : QSize(16, 48);
}

// The window's layout and the widgets it manages move onto a page inside a scroll area.
void scrollContents(QWidget* window) {
    QLayout* old = window->layout();
    auto* page = new QWidget;
    page->setLayout(old); // takes the layout and its widgets off the window
    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("ScreenFitScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(area);
}

class ScreenFitFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow() && (qobject_cast<QDialog*>(w) || qobject_cast<QMainWindow*>(w)))
                fitWindowIntoScreen(w);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void fitWindowIntoScreen(QWidget* window) {
    if (!window)
        return;
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QSize room = free.size() - frameRoom(window);
    if (room.width() <= 0 || room.height() <= 0)
        return;
    // A dialog's own layout; a main window lays out its bars and central widget itself.
    if (QLayout* layout = qobject_cast<QDialog*>(window) ? window->layout() : nullptr;
        layout && window->property("brelvanScreenFit").isNull()) {
        const QSize needed = layout->minimumSize();
        if (needed.width() > room.width() || needed.height() > room.height()) {
            window->setProperty("brelvanScreenFit", true);
            scrollContents(window);
        }
    }
    // A window without a layout places its controls itself (the data entry dialogs put them
    // on a scrolling page when they do not fit): cutting it smaller would hide them.
    const bool laidOut = window->layout() != nullptr;
    if (laidOut &&
        (window->minimumWidth() > room.width() || window->minimumHeight() > room.height()))
        window->setMinimumSize(window->minimumSize().boundedTo(room));
    if (laidOut && (window->width() > room.width() || window->height() > room.height()))
        window->resize(window->size().boundedTo(room));
    // Inside the screen's free area, frame included.
    const QSize frame = frameRoom(window);
    const QRect outer(window->pos(), window->size() + frame);
    if (window->isVisible() || window->testAttribute(Qt::WA_Moved)) {
        QPoint to = outer.topLeft();
        to.setX(std::clamp(to.x(), free.left(),
                           std::max(free.left(), free.right() + 1 - outer.width())));
        to.setY(std::clamp(to.y(), free.top(),
                           std::max(free.top(), free.bottom() + 1 - outer.height())));
        if (to != outer.topLeft())
            window->move(to);
    }
}

void installScreenFit(QObject* parent) {
    if (qApp)
        qApp->installEventFilter(new ScreenFitFilter(parent));
}

} // namespace brelvan::dialogs
