// The core's user interface on Qt: message boxes, Yes/No questions in the user's language, the
// wait cursor, the results dialog of the sensitivity search, the case input dialog and the
// program's help window.
#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "support/UserInterface.h"

class QWidget;

class QtUserInterface : public brelvan::UserInterface {
public:
    explicit QtUserInterface(QWidget* parent = nullptr);

    // The window that message boxes and dialogs belong to when no dialog is open.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    void message(const std::string& text) override;
    void error(const std::string& text) override;
    bool question(const std::string& text) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;
    void showSensResults(const std::vector<std::string>& lines) override;
    bool runInputDialog(DlgInputData& data) override;
    bool showHelp() override;
    void updateAllViews() override;

    // What the main window does when all views are to be drawn again.
    std::function<void()> m_updateAllViews;

    // ---- For tests: when set, no box is shown; the function records the text and answers
    // (the result counts only for questions: true is "Ja").
    enum class Box { Message, Error, Question };
    static std::function<bool(Box, const std::string& text)> s_answer;

    // The program's help page (a Qt resource); tests point it elsewhere.
    static QString s_helpFile;
    // The program's own help pages, German and English.
    static const QString kGermanHelp;
    static const QString kEnglishHelp;
    // The page the help window shows: the program's page in the current language, or the page a
    // test set.
    static QString helpPage();

private:
    QWidget* owner() const;

    QWidget* m_parent;
    int m_waitDepth = 0;
};
