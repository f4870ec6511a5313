// The state of Caps Lock, Num Lock and Scroll Lock for the status bar's indicators: read from
// the X server when the program runs on X11, otherwise followed from the key presses seen.
#pragma once

#include <QObject>
#include <QPointer>

namespace brelvan::app {

class CMainFrame;

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Keeps the frame's indicators up to date; installed on the application.
class KeyStateWatcher : public QObject {
    Q_OBJECT
public:
    explicit KeyStateWatcher(CMainFrame* frame, QObject* parent = nullptr);

    // Reads the state (X11) or returns the one followed from key presses.
    LockKeys current() const;
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<CMainFrame> m_frame;
    LockKeys m_followed;
};

} // namespace brelvan::app
