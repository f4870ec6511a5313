// What the data entry dialogs share: controls placed in dialog units and reachable by their
// control ids, the data exchange, the focus-leave handlers, and the accepting button "OK"
// (id 1000) as the only way to end a dialog with OK.
#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialogs/DataExchangeQt.h"
#include "support/UserInterface.h"

class QAbstractButton;
class QGroupBox;
class QListWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class BrelvanDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kIdOk = 1000;
    static constexpr int kIdCancel = 2;

    BrelvanDialog(brelvan::UserInterface& ui, QWidget* parent);
    ~BrelvanDialog() override;

    // The control with the id of the dialog template, nullptr when there is none.
    QWidget* control(int id) const;

    // QDialog's standard accept does nothing: only the button "OK" ends a dialog with OK.
    void accept() override {}

    // The dialog's initialisation, run once before it is first shown (also when a test runs the
    // dialog without showing it).
    void ensureInitialized();

    // Shows `dialog` modally and returns its result. Tests replace the modal loop with a
    // function of their own (which fills and closes the dialog and returns its result).
    static int runModal(QDialog& dialog);
    static std::function<int(QDialog&)> s_modalHook;

    // One dialog unit in pixels, from the dialog's font as Windows computes it.
    int unitsToPixelsX(int x) const;
    int unitsToPixelsY(int y) const;

protected:
    virtual void initDialog() {}
    void showEvent(QShowEvent* event) override;
    // A dialog larger than its screen's available area becomes a resizable window whose
    // controls scroll; a laid-out dialog is made no larger than the screen.
    void fitIntoScreen();

    // The user interface the handlers report through; it counts what it shows.
    brelvan::UserInterface& ui() { return m_countingUi; }

    // ---- Building the window from the template, in dialog units
    void setClientSize(int width, int height);
    QRect unitRect(int x, int y, int width, int height) const;
    QLineEdit* addEdit(int id, int x, int y, int width, int height);
    // A static text in the room of `width` units up to the next control; a text that needs
    // more gets narrower blanks (FittedLabel), and only then a wider box.
    QLabel* addLabel(const QString& text, int x, int y, int width, int height = 8);
    // The blanks of a list's entries narrowed so that the widest of `lines` fits the entries'
    // width (for lists prepared with makeEntriesTaller).
    static void fitListLines(QListWidget* list, const QStringList& lines);
    QPushButton* addButton(int id, const QString& text, int x, int y, int width, int height);
    QGroupBox* addGroup(const QString& title, int x, int y, int width, int height);
    QRadioButton* addRadio(QGroupBox* group, int id, const QString& text, int x, int y, int width,
                           int height);
    void registerControl(int id, QWidget* widget);

    // ---- Data exchange
    DataExchangeQt m_dx;
    // All fields into the members with their checks; on a failure the message has been shown,
    // the failing field has the focus and its text is selected, and false is returned.
    bool takeFields();
    void fillControls() { m_dx.toControls(); }

    // ---- Focus-leave handlers. A handler runs after the focus has moved from `widget` to
    // another control of the dialog (not when another window takes the focus). It runs once
    // the focus change is complete, and at the latest before the next button action. While a
    // handler runs (its messages, the focus going back to a failing field) no further handler
    // is started.
    void onFocusLeave(QWidget* widget, std::function<void()> handler);
    // Runs the handler waiting for its turn, if any. False when it showed a message or asked a
    // question: the button action that flushed it does not go on (as a click that the message
    // box took away).
    bool flushPendingHandler();
    // Runs `action` as a handler (with the re-entrancy guard); false when it showed something.
    bool runHandler(const std::function<void()>& action);
    bool handlerRunning() const { return m_handlerRunning; }
    // Wires a button to an action that first lets a waiting focus-leave handler run.
    void onClicked(QAbstractButton* button, std::function<void()> action);
    // Every entry of `list` `extra` pixels taller than the list's default entry height.
    static void makeEntriesTaller(QListWidget* list, int extra);
    // Ends the dialog with OK, after the dialog's own checks have passed.
    void endWithOk() { QDialog::done(QDialog::Accepted); }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class CountingUi : public brelvan::UserInterface {
    public:
        explicit CountingUi(brelvan::UserInterface& inner) : m_inner(inner) {}
        void message(const std::string& text) override;
        void error(const std::string& text) override;
        bool question(const std::string& text) override;
        void beginWaitCursor() override { m_inner.beginWaitCursor(); }
        void endWaitCursor() override { m_inner.endWaitCursor(); }
        void showSensResults(const std::vector<std::string>& lines) override;
        bool runInputDialog(DlgInputData& data) override { return m_inner.runInputDialog(data); }
        bool showHelp() override { return m_inner.showHelp(); }
        void updateAllViews() override { m_inner.updateAllViews(); }
        int shown() const { return m_shown; }

    private:
        brelvan::UserInterface& m_inner;
        int m_shown = 0;
    };

    void runPendingLater();

    CountingUi m_countingUi;
    int m_baseX = 6;
    int m_baseY = 13;
    std::map<int, QWidget*> m_controls;
    std::map<QWidget*, std::function<void()>> m_leaveHandlers;
    QWidget* m_pending = nullptr;
    bool m_handlerRunning = false;
    bool m_initialized = false;
    bool m_scrolled = false;
};
