// The batch tool's user interface: what the desktop program shows in a message box goes to
// standard error, one message after the other; questions are answered as the command needs.
// The input dialog is answered by brelvan::openCase (document/HeadlessSession.h).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/UserInterface.h"

class CliInterface : public brelvan::UserInterface {
public:
    void message(const std::string& text) override;
    void error(const std::string& text) override;
    // Answers `answer`; the summary question of the sensitivity search is kept in
    // `sensSummary` instead of being written out.
    bool question(const std::string& text) override;
    void showSensResults(const std::vector<std::string>& lines) override;
    // Shows no dialog: cancelled.
    bool runInputDialog(DlgInputData& data) override;

    bool answer = false;
    // Every question is the sensitivity search's summary (the only question its run asks),
    // in whichever language it comes.
    bool keepsSummary = false;
    std::string sensSummary;
};
