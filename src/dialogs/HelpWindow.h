// The program's help window: the help page shipped with the program (German, or English when
// that is the user's language), shown in a window of its own beside the main window.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows `page` in the one help window (created on first use); false when the page cannot be
    // read.
    static bool showPage(const QString& page, QWidget* parent);
    // The open help window, nullptr when none is open.
    static HelpWindow* current();

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};
