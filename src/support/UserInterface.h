// The one way the core reaches the user. The desktop program implements it with Qt, the batch
// tool with standard error, the tests with a scripted fake.
#pragma once

#include <string>
#include <vector>

class DlgInputData;

namespace brelvan {

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A modal message box with an OK button.
    virtual void message(const std::string& text) = 0;
    // A failure (a file that cannot be read or written); a message box with an OK button.
    virtual void error(const std::string& text) { message(text); }
    // A question with the buttons Yes and No; true for Yes.
    virtual bool question(const std::string& text) = 0;

    // The wait cursor around a long computation.
    virtual void beginWaitCursor() {}
    virtual void endWaitCursor() {}

    // The results dialog of the sensitivity search; how it is closed does not matter.
    virtual void showSensResults(const std::vector<std::string>& lines) = 0;

    // The case input dialog, shown modally on `data`; true when the user leaves it with OK,
    // `data` then holding what the dialog ends with.
    virtual bool runInputDialog(DlgInputData& data) = 0;

    // The program's help; false when the help cannot be found.
    virtual bool showHelp() { return false; }

    // All views of the document are to be drawn again.
    virtual void updateAllViews() {}
};

// Tells nothing, answers No, cancels the input dialog.
class SilentInterface : public UserInterface {
public:
    void message(const std::string&) override {}
    bool question(const std::string&) override { return false; }
    void showSensResults(const std::vector<std::string>&) override {}
    bool runInputDialog(DlgInputData&) override { return false; }
};

// Passes every call on to another user interface; a derived class overrides what it adds.
// A method added to UserInterface is added here too, so that no wrapper drops it.
class ForwardingInterface : public UserInterface {
public:
    explicit ForwardingInterface(UserInterface& inner) : m_inner(inner) {}

    void message(const std::string& text) override { m_inner.message(text); }
    void error(const std::string& text) override { m_inner.error(text); }
    bool question(const std::string& text) override { return m_inner.question(text); }
    void beginWaitCursor() override { m_inner.beginWaitCursor(); }
    void endWaitCursor() override { m_inner.endWaitCursor(); }
    void showSensResults(const std::vector<std::string>& lines) override {
        m_inner.showSensResults(lines);
    }
    bool runInputDialog(DlgInputData& data) override { return m_inner.runInputDialog(data); }
    bool showHelp() override { return m_inner.showHelp(); }
    void updateAllViews() override { m_inner.updateAllViews(); }

protected:
    UserInterface& inner() const { return m_inner; }

private:
    UserInterface& m_inner;
};

} // namespace brelvan
