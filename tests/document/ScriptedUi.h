// A user interface for the tests: records every message and question in order and answers the
// questions from a queue (a question with no answer queued fails the test and is answered No).
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "document/UserInterface.h"

class ScriptedUi : public brelvan::UserInterface {
public:
    std::vector<std::string> messages;  // messages and errors, in order
    std::vector<std::string> errors;    // the errors among them
    std::vector<std::string> questions; // questions, in order
    std::deque<bool> answers;           // the answers still to give
    std::vector<std::vector<std::string>> sensResults;
    int inputDialogs = 0;

    void message(const std::string& text) override { messages.push_back(text); }
    void error(const std::string& text) override {
        errors.push_back(text);
        messages.push_back(text);
    }
    bool question(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void showSensResults(const std::vector<std::string>& lines) override {
        sensResults.push_back(lines);
    }
    bool runInputDialog(DlgInputData&) override {
        ++inputDialogs;
        return false;
    }

    // Answers for the next questions.
    ScriptedUi& answer(std::initializer_list<bool> list) {
        answers.insert(answers.end(), list);
        return *this;
    }
    void clear() {
        messages.clear();
        errors.clear();
        questions.clear();
        answers.clear();
    }
};
