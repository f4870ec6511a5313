// "brelvan-cli diagnose" end to end: the six lines on the bundled example, their figures against
// the engine's own diagnosis, and the refusals (no measured pressure, bad options).
#include <gtest/gtest.h>

#include "document/CBrelvanDoc.h"
#include "engine/Diagnostics.h"
#include "support/TextFormat.h"
#include "testing/CliRun.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"

namespace {

using Result = cli_run::Result;

Result diagnose(std::vector<std::string> args) {
    args.insert(args.begin(), "diagnose");
    return cli_run::run(args);
}

// Whether the case carries an influx scheme of its own.
template <class Doc> constexpr bool kCaseHasScheme = requires(Doc d) {
    d.m_iVerfahren;
};

const std::string kBeispiel = std::string(BRELVAN_SOURCE_DIR) + "/examples/beispiel.brv";

} // namespace

// Exactly six lines in their formats, with the engine's diagnosis of the case.
TEST(DiagnoseCommand, SixLinesOnTheExample) {
    const Result r = diagnose({kBeispiel});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 6u);
    CBrelvanDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(kBeispiel));
    const brelvan::engine::RunInputs in = doc.runInputs();
    const brelvan::engine::Diagnostics d =
        brelvan::engine::diagnose(brelvan::engine::run(in), in, doc.m_iGrafiktyp);
    EXPECT_EQ(r.lines[0], brelvan::cformat("p/z-Gerade: Achsenabschnitt %.4f Steigung %.8f",
                                           d.pzLine.intercept, d.pzLine.slope));
    EXPECT_EQ(r.lines[1], brelvan::cformat("Volumetrisches OGIP: %.3f", d.volumetricOgip));
    EXPECT_EQ(r.lines[2], brelvan::cformat("Cole-Anstieg: %.4f", d.check.coleRise));
    EXPECT_EQ(r.lines[3], brelvan::cformat("RMS-Fehler: %.4f", d.rms));
    EXPECT_EQ(r.lines[4], brelvan::engine::verdictLine(d.check));
    EXPECT_EQ(r.lines[5], d.check.reason);
    // Three measured points leave one degree of freedom for the scatter: the points cannot
    // tell a water zone from scatter, whatever the case's stored OGIP says.
    EXPECT_EQ(r.lines[4], "Wasserzufluss: unklar");
    EXPECT_EQ(diagnose({kBeispiel, "--verfahren", "original"}).lines, r.lines);
}

TEST(DiagnoseCommand, Refusals) {
    TempDir dir;
    Result r = diagnose({});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.lines.empty());
    r = diagnose({kBeispiel, "--verfahren", "schnell"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--verfahren"), std::string::npos);
    r = diagnose({dir.file("fehlt.brv")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.lines.empty());

    // A case without any measured pressure has nothing to diagnose (the case's own checks
    // already refuse it).
    CBrelvanDoc doc;
    worked_case::set(doc);
    doc.m_Zeilen = {"1.1.2001 500", "1.1.2002 1000"};
    const std::string path = dir.file("ohne.brv");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    r = diagnose({path});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_NE(r.err.find("Druckmeßwerte"), std::string::npos) << r.err;
}

// "--verfahren intervall" needs a case that knows the influx schemes; a build whose case has
// none refuses it instead of quietly computing the original scheme.
TEST(DiagnoseCommand, InfluxSchemeOption) {
    const Result r = diagnose({kBeispiel, "--verfahren", "intervall"});
    if constexpr (kCaseHasScheme<CBrelvanDoc>) {
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.lines.size(), 6u);
    } else {
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.lines.empty());
        EXPECT_NE(r.err.find("intervall"), std::string::npos) << r.err;
    }
}
