// The user interface of the tests: records every call in order, answers questions as told and
// plays the input dialog as told.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "document/DlgInputData.h"
#include "document/HeadlessSession.h"
#include "support/UserInterface.h"

#ifdef BRELVAN_GTEST
#include <gtest/gtest.h>
#endif

class FakeUserInterface : public brelvan::UserInterface {
public:
    // Strict: a question with no answer queued fails the test (and is answered No).
    enum Questions { Lenient, Strict };
    explicit FakeUserInterface(Questions questions = Lenient)
        : strictQuestions(questions == Strict) {}

    struct Call {
        std::string kind; // message, error, question, beginWaitCursor, endWaitCursor,
                          // showSensResults, runInputDialog, showHelp, updateAllViews
        std::string text;
        std::vector<std::string> lines;
    };

    // ---- Every call, in order, and the texts of the common kinds
    std::vector<Call> calls;
    std::vector<std::string> messages;  // message
    std::vector<std::string> errors;    // error
    std::vector<std::string> questions; // question
    std::vector<std::vector<std::string>> sensResults;
    int dialogs = 0; // runInputDialog
    int updates = 0; // updateAllViews
    int helps = 0;   // showHelp

    // ---- Answers
    std::deque<bool> answers;     // for the next questions, in order
    bool defaultAnswer = false;   // when no queued answer is left
    bool strictQuestions = false; // a question with no answer queued fails the test
    // The input dialog: changes `data` as the user would and returns true for OK; without one
    // the dialog returns inputDialogResult.
    std::function<bool(DlgInputData&)> dialog;
    bool inputDialogResult = false;
    DlgInputData shown; // what the input dialog was last opened with
    bool helpResult = false;

    void message(const std::string& text) override {
        calls.push_back({"message", text, {}});
        messages.push_back(text);
    }
    void error(const std::string& text) override {
        calls.push_back({"error", text, {}});
        errors.push_back(text);
    }
    bool question(const std::string& text) override {
        calls.push_back({"question", text, {}});
        questions.push_back(text);
        if (answers.empty()) {
            if (strictQuestions) {
                unexpectedQuestion(text);
                return false;
            }
            return defaultAnswer;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void beginWaitCursor() override { calls.push_back({"beginWaitCursor", {}, {}}); }
    void endWaitCursor() override { calls.push_back({"endWaitCursor", {}, {}}); }
    void showSensResults(const std::vector<std::string>& lines) override {
        calls.push_back({"showSensResults", {}, lines});
        sensResults.push_back(lines);
    }
    bool runInputDialog(DlgInputData& data) override {
        calls.push_back({"runInputDialog", {}, {}});
        ++dialogs;
        shown = data;
        return dialog ? dialog(data) : inputDialogResult;
    }
    bool showHelp() override {
        calls.push_back({"showHelp", {}, {}});
        ++helps;
        return helpResult;
    }
    void updateAllViews() override {
        calls.push_back({"updateAllViews", {}, {}});
        ++updates;
    }

    // Queues answers for the next questions.
    FakeUserInterface& answer(std::initializer_list<bool> list) {
        answers.insert(answers.end(), list);
        return *this;
    }
    // The input dialog ends as OK would end it for a user who changes nothing: the dialog's
    // initialisation, then all its checks.
    void pressOkInInputDialog() {
        dialog = [this](DlgInputData& data) { return brelvan::confirmInputDialog(data, *this); };
    }
    // Forgets the calls so far and the queued answers.
    void clear() {
        calls.clear();
        messages.clear();
        errors.clear();
        questions.clear();
        sensResults.clear();
        answers.clear();
    }

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
    static void unexpectedQuestion(const std::string& text) {
#ifdef BRELVAN_GTEST
        ADD_FAILURE() << "unexpected question: " << text;
#else
        std::fprintf(stderr, "unexpected question: %s\n", text.c_str());
        std::abort();
#endif
    }

    // Every text shown or asked, one per line.
    std::string transcript() const {
        std::string r;
        for (const Call& c : calls)
            if (!c.text.empty())
                r += c.text + '\n';
        return r;
    }
};

// The input dialog as a user plays it: OK after `edit` (the dialog's initialisation and checks
// decide, as for the user), or Abbrechen while `confirm` is false.
struct DialogPlayer : FakeUserInterface {
    bool confirm = true;
    std::function<void(DlgInputData&)> edit; // what the user changes before OK
    DialogPlayer() {
        dialog = [this](DlgInputData& data) {
            if (!confirm)
                return false;
            data.OnInitDialog(*this);
            if (edit)
                edit(data);
            return data.checkAll(*this);
        };
    }
    DialogPlayer(const DialogPlayer&) = delete;
    DialogPlayer& operator=(const DialogPlayer&) = delete;
};
