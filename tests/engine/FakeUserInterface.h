// A scripted user interface for the core's tests: records every call in order and answers
// questions as told (the queued answers first, then the default answer).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "document/DlgInputData.h"
#include "document/UserInterface.h"

class FakeUserInterface : public brelvan::UserInterface {
public:
    struct Call {
        std::string kind; // message, error, question, beginWaitCursor, endWaitCursor,
                          // showSensResults, runInputDialog, showHelp, updateAllViews
        std::string text;
        std::vector<std::string> lines;
    };

    std::vector<Call> calls;
    std::deque<bool> answers;       // for question, in order
    bool defaultAnswer = false;     // when no queued answer is left
    bool inputDialogResult = false; // what runInputDialog returns
    bool helpResult = false;        // what showHelp returns

    void message(const std::string& text) override { calls.push_back({"message", text, {}}); }
    void error(const std::string& text) override { calls.push_back({"error", text, {}}); }
    bool question(const std::string& text) override {
        calls.push_back({"question", text, {}});
        if (answers.empty())
            return defaultAnswer;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void beginWaitCursor() override { calls.push_back({"beginWaitCursor", {}, {}}); }
    void endWaitCursor() override { calls.push_back({"endWaitCursor", {}, {}}); }
    void showSensResults(const std::vector<std::string>& lines) override {
        calls.push_back({"showSensResults", {}, lines});
    }
    bool runInputDialog(DlgInputData&) override {
        calls.push_back({"runInputDialog", {}, {}});
        return inputDialogResult;
    }
    bool showHelp() override {
        calls.push_back({"showHelp", {}, {}});
        return helpResult;
    }
    void updateAllViews() override { calls.push_back({"updateAllViews", {}, {}}); }

    // The calls of one kind, in order.
    std::vector<Call> of(const std::string& kind) const {
        std::vector<Call> r;
        for (const Call& c : calls)
            if (c.kind == kind)
                r.push_back(c);
        return r;
    }
    std::vector<std::string> texts(const std::string& kind) const {
        std::vector<std::string> r;
        for (const Call& c : calls)
            if (c.kind == kind)
                r.push_back(c.text);
        return r;
    }
    std::vector<std::string> kinds() const {
        std::vector<std::string> r;
        for (const Call& c : calls)
            r.push_back(c.kind);
        return r;
    }
};
