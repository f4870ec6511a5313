// A forwarding user interface passes on every call, with its arguments and answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/UserInterface.h"
#include "testing/FakeUserInterface.h"

TEST(ForwardingInterface, PassesOnEveryCallAndItsAnswer) {
    FakeUserInterface inner;
    inner.answer({true, false});
    inner.helpResult = true;
    inner.inputDialogResult = true;
    brelvan::ForwardingInterface outer(inner);
    brelvan::UserInterface& ui = outer;

    ui.message("m");
    ui.error("e");
    EXPECT_TRUE(ui.question("q1"));
    EXPECT_FALSE(ui.question("q2"));
    ui.beginWaitCursor();
    ui.endWaitCursor();
    ui.showSensResults({"a", "b"});
    DlgInputData data;
    data.m_dOGIP = 123;
    EXPECT_TRUE(ui.runInputDialog(data));
    EXPECT_TRUE(ui.showHelp());
    ui.updateAllViews();

    EXPECT_EQ(inner.kinds(),
              (std::vector<std::string>{"message", "error", "question", "question",
                                        "beginWaitCursor", "endWaitCursor", "showSensResults",
                                        "runInputDialog", "showHelp", "updateAllViews"}));
    EXPECT_EQ(inner.transcript(), "m\ne\nq1\nq2\n");
    EXPECT_EQ(inner.sensResults, (std::vector<std::vector<std::string>>{{"a", "b"}}));
    EXPECT_EQ(inner.shown.m_dOGIP, 123);
}
