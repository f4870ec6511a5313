// Opening a case without a window: the outcomes, the options a command line gives the
// confirmed input dialog, and the order of the messages.
#include <gtest/gtest.h>

#include <string>

#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "document/HeadlessSession.h"
#include "testing/FakeUserInterface.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"

namespace {

std::string savedCase(const TempDir& dir, void (*change)(CBrelvanDoc&) = nullptr) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    if (change)
        change(doc);
    const std::string path = dir.file("fall.brv");
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

} // namespace

TEST(HeadlessSession, OpensComputesAndKeepsTheCallersInterface) {
    TempDir dir;
    const std::string path = savedCase(dir);
    FakeUserInterface ui;
    CBrelvanDoc doc;
    ASSERT_EQ(brelvan::openCase(doc, ui, path), brelvan::OpenOutcome::Opened);
    EXPECT_EQ(&doc.ui(), &ui);
    EXPECT_EQ(doc.m_MaxWerte, 4);
    EXPECT_EQ(doc.m_Ausgabe.back(), "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : 2.28 BAR");
    EXPECT_TRUE(ui.texts("message").empty());

    // The scheme and the chart type of a command line reach the computation.
    brelvan::ConfirmOptions options;
    options.scheme = brelvan::engine::InfluxScheme::IntervalMean;
    options.chartType = 1;
    CBrelvanDoc interval;
    ASSERT_EQ(brelvan::openCase(interval, ui, path, options), brelvan::OpenOutcome::Opened);
    EXPECT_EQ(interval.m_iVerfahren, brelvan::engine::InfluxScheme::IntervalMean);
    EXPECT_EQ(interval.m_strXAchse, "Kum.Produktion in Mio m3");
    EXPECT_EQ(interval.m_Ausgabe.back(),
              "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : 1.34 BAR");

    // A further step that refuses refuses the dialog: nothing is computed.
    options.then = [](DlgInputData&, brelvan::UserInterface& u) {
        u.message("nein");
        return false;
    };
    CBrelvanDoc refused;
    EXPECT_EQ(brelvan::openCase(refused, ui, path, options), brelvan::OpenOutcome::Refused);
    EXPECT_EQ(refused.m_MaxWerte, 0);
    EXPECT_EQ(ui.texts("message").back(), "nein");
}

TEST(HeadlessSession, UnreadableAndRefusedCasesSayWhy) {
    TempDir dir;
    FakeUserInterface ui;
    CBrelvanDoc doc;
    EXPECT_EQ(brelvan::openCase(doc, ui, dir.file("fehlt.brv")), brelvan::OpenOutcome::Unreadable);
    ASSERT_EQ(ui.texts("error").size(), 1u);
    EXPECT_NE(ui.texts("error")[0].find("fehlt.brv"), std::string::npos);

    // A case without measured pressures: the checks of OK refuse it with their message.
    const std::string path = savedCase(dir, [](CBrelvanDoc& d) { d.m_Zeilen = {"1.1.2001 500"}; });
    FakeUserInterface checks;
    EXPECT_EQ(brelvan::openCase(doc, checks, path), brelvan::OpenOutcome::Refused);
    EXPECT_FALSE(checks.texts("message").empty());
    EXPECT_EQ(doc.m_MaxWerte, 0);
}
