#include "app/KeyState.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <dlfcn.h>

#include "app/CMainFrame.h"

#if __has_include(<QtGui/qguiapplication_platform.h>)
#include <QtGui/qguiapplication_platform.h>
#define BRELVAN_HAVE_X11_INTERFACE 1
#endif

namespace brelvan::app {

namespace {

// XkbGetIndicatorState from libX11, looked up at run time so the program needs no X11
// development files and runs without X as well.
using XkbGetIndicatorStateFn = int (*)(void* display, unsigned int device, unsigned int* state);
constexpr unsigned int kXkbUseCoreKbd = 0x0100;

bool readX11(LockKeys& keys) {
#ifdef BRELVAN_HAVE_X11_INTERFACE
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) {
        return false;
    }
    static XkbGetIndicatorStateFn fn = [] {
        void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        return lib ? reinterpret_cast<XkbGetIndicatorStateFn>(dlsym(lib, "XkbGetIndicatorState"))
                   : nullptr;
    }();
    unsigned int state = 0;
    if (!fn || fn(x11->display(), kXkbUseCoreKbd, &state) != 0) {
        return false;
    }
    keys.caps = state & 0x1;
    keys.num = state & 0x2;
    keys.scroll = state & 0x4;
    return true;
#else
    (void)keys;
    return false;
#endif
}

} // namespace

KeyStateWatcher::KeyStateWatcher(CMainFrame* frame, QObject* parent)
    : QObject(parent), m_frame(frame) {
    refresh();
}

LockKeys KeyStateWatcher::current() const {
    LockKeys keys = m_followed;
    readX11(keys);
    return keys;
}

void KeyStateWatcher::refresh() {
    if (m_frame) {
        const LockKeys keys = current();
        m_frame->setIndicators(keys.caps, keys.num, keys.scroll);
    }
}

bool KeyStateWatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && watched && watched->isWindowType()) {
            switch (key->key()) {
            case Qt::Key_CapsLock:
                m_followed.caps = !m_followed.caps;
                break;
            case Qt::Key_NumLock:
                m_followed.num = !m_followed.num;
                break;
            case Qt::Key_ScrollLock:
                m_followed.scroll = !m_followed.scroll;
                break;
            default:
                break;
            }
        }
        refresh();
        break;
    }
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
    case QEvent::WindowActivate:
        refresh();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brelvan::app
