// The user interface of the fuzz harnesses: says nothing, answers every question with Yes, and
// confirms the input dialog with the checks of OK, as the batch tool does.
#pragma once

#include <string>
#include <vector>

#include "document/HeadlessSession.h"
#include "support/UserInterface.h"

class FuzzUi : public brelvan::UserInterface {
public:
    void message(const std::string&) override {}
    bool question(const std::string&) override { return true; }
    void showSensResults(const std::vector<std::string>&) override {}
    bool runInputDialog(DlgInputData& dlg) override {
        return brelvan::confirmInputDialog(dlg, *this);
    }
};
