// A scripted user interface for the document's tests: records every call and answers as told.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/DlgInputData.h"
#include "document/UserInterface.h"

class FakeUi : public brelvan::UserInterface {
public:
    void message(const std::string& text) override { messages.push_back(text); }
    void error(const std::string& text) override { errors.push_back(text); }
    bool question(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    void showSensResults(const std::vector<std::string>& lines) override { sensResults = lines; }
    bool runInputDialog(DlgInputData& data) override {
        ++dialogs;
        shown = data;
        return dialog ? dialog(data) : false;
    }
    bool showHelp() override {
        ++helps;
        return helpFound;
    }
    void updateAllViews() override { ++updates; }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    std::vector<std::string> sensResults;
    bool answer = false;
    // The input dialog: changes `data` as the user would and returns true for OK.
    std::function<bool(DlgInputData&)> dialog;
    DlgInputData shown; // what the dialog was opened with
    int dialogs = 0;
    int updates = 0;
    int helps = 0;
    bool helpFound = false;
};
