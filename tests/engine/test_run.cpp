// A run as a function of its inputs, the paired z evaluation and the search on many threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "engine/GasProperties.h"
#include "engine/Run.h"
#include "engine/Sensitivity.h"
#include "testing/EngineCases.h"
#include "testing/FakeUserInterface.h"

namespace {

using brelvan::engine::RunInputs;
using brelvan::engine::RunResult;

std::uint64_t bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

RunInputs workedInputs() {
    CBrelvanDoc doc;
    setWorkedCase(doc);
    return doc.runInputs();
}

brelvan::gas::Composition composition(std::initializer_list<std::pair<int, float>> parts) {
    brelvan::gas::Composition gas{};
    for (auto [index, percent] : parts)
        gas[static_cast<std::size_t>(index)] = percent;
    return gas;
}

} // namespace

TEST(PairedZ, BitForBitTheSingleEvaluationSweetAndSour) {
    const std::vector<brelvan::gas::Composition> gases = {
        composition({{3, 100}}),
        composition({{1, 2}, {2, 1}, {3, 88}, {4, 6}, {5, 2}, {7, 1}}),
        composition({{0, 25}, {1, 10}, {3, 60}, {4, 5}}), // sour
        composition({{0, 5}, {1, 40}, {3, 45}, {6, 3}, {11, 4}, {14, 3}}),
    };
    int compared = 0;
    for (const auto& gas : gases) {
        double tpc = 0, ppc = 0;
        brelvan::gas::pseudocrit(gas, tpc, ppc);
        for (double t = -20; t <= 200; t += 20) {
            const double tr = brelvan::gas::rankine(t) / tpc;
            for (double p = 0; p <= 1200; p += 7.5) {
                const double pr0 = p * 14.503f / ppc, pr1 = (p + 1) * 14.503f / ppc;
                double z0 = 0, z1 = 0;
                brelvan::gas::zHallYarboroughPair(tr, pr0, pr1, z0, z1);
                ASSERT_EQ(bits(z0), bits(brelvan::gas::zHallYarborough(tr, pr0))) << t << " " << p;
                ASSERT_EQ(bits(z1), bits(brelvan::gas::zHallYarborough(tr, pr1))) << t << " " << p;
                // Chains that end at different steps, and one that has no root to seek.
                brelvan::gas::zHallYarboroughPair(tr, pr0, -pr1, z0, z1);
                ASSERT_EQ(bits(z0), bits(brelvan::gas::zHallYarborough(tr, pr0)));
                ASSERT_EQ(z1, 1.0);
                const double pz = p / brelvan::gas::zfactor(t, p, tpc, ppc);
                ASSERT_EQ(bits(brelvan::gas::pzpressure(t, pz, tpc, ppc)),
                          bits(brelvan::gas::pzpressureSingle(t, pz, tpc, ppc)))
                    << t << " " << p;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 5000);
}

TEST(Run, SameInputsSameResultAndTheDocumentTakesItOver) {
    const RunInputs in = workedInputs();
    const WrittenRun a = runWritten(in);
    const WrittenRun b = runWritten(in);
    ASSERT_EQ(a.rows.size(), 4u);
    EXPECT_EQ(a.report, b.report);
    EXPECT_EQ(bits(a.meanError), bits(b.meanError));
    EXPECT_EQ(a.series.pRechen, b.series.pRechen);
    EXPECT_FALSE(a.aborted());

    CBrelvanDoc doc;
    FakeUserInterface ui;
    doc.setUserInterface(&ui);
    setWorkedCase(doc);
    doc.m_Ausgabe = {"old"};
    EXPECT_EQ(bits(doc.compute()), bits(a.meanError));
    EXPECT_EQ(doc.m_Ausgabe, a.report);
    EXPECT_EQ(doc.m_dZInit, a.zInit);
    EXPECT_EQ(doc.m_MaxWerte, 4);
    EXPECT_EQ(doc.m_Max2Werte, 3);
    EXPECT_EQ(doc.m_fPRechen, a.series.pRechen);
    EXPECT_EQ(doc.m_strXAchse, "Zeit in Tagen");
    // Each row's record matches its report line and its series entries.
    for (std::size_t i = 0; i < a.rows.size(); ++i) {
        EXPECT_EQ(static_cast<float>(a.rows[i].p), doc.m_fPRechen[i + 1]);
        EXPECT_EQ(static_cast<float>(a.rows[i].we), doc.m_fWERechen[i + 1]);
        EXPECT_TRUE(a.rows[i].settled);
    }
    EXPECT_TRUE(a.rows[0].measured);
    EXPECT_FALSE(a.rows[2].measured);
}

TEST(Run, QuietRunComputesTheSameRowsAndWritesOnlyAborts) {
    RunInputs in = workedInputs();
    const WrittenRun normal = runWritten(in);
    const WrittenRun quiet = runWritten(in, true);
    EXPECT_EQ(bits(quiet.meanError), bits(normal.meanError));
    ASSERT_EQ(quiet.rows.size(), normal.rows.size());
    for (std::size_t i = 0; i < quiet.rows.size(); ++i)
        EXPECT_EQ(bits(quiet.rows[i].p), bits(normal.rows[i].p));
    EXPECT_TRUE(quiet.report.empty());
    EXPECT_EQ(quiet.series.computedPoints, 0);
    EXPECT_FALSE(quiet.series.hasCaptions());

    // A quiet run extends the report of the document instead of replacing it.
    CBrelvanDoc doc;
    setWorkedCase(doc);
    doc.m_Ausgabe = {"kept"};
    doc.m_bSensitivitaet = true;
    doc.m_Zeilen = {"1.1.2001 6000"};
    doc.compute();
    EXPECT_EQ(doc.m_Ausgabe, (std::vector<std::string>{
                                 "kept", "ABBRUCH KUM.PRODUKTION  6000.0 > OGIP VON  5000.0\n"}));
}

TEST(Run, MessagesInTheOrderRaisedThenTheAbort) {
    RunInputs in = workedInputs();
    const std::vector<std::string> lines = {"1.1.2001 100 240", "1.1.1899 200 230",
                                            "1.1.2003 300 220"};
    in.rows = rowsOf(lines);
    const WrittenRun r = runWritten(in);
    EXPECT_EQ(r.messages, (std::vector<std::string>{"ERROR JAHR < 1900",
                                                    "ABBRUCH WEGEN FALSCHER ZEIT: 1.1.1899 "}));
    EXPECT_TRUE(r.aborted());
    EXPECT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.report.back(), "ABBRUCH WEGEN FALSCHER ZEIT: 1.1.1899 ");
    EXPECT_EQ(r.series.computedPoints, 1);
    EXPECT_TRUE(r.series.hasCaptions());

    CBrelvanDoc doc;
    FakeUserInterface ui;
    doc.setUserInterface(&ui);
    setWorkedCase(doc);
    doc.m_Zeilen = lines;
    doc.compute();
    EXPECT_EQ(ui.texts("message"), r.messages);
}

TEST(Search, ThreadsGiveTheSequentialResultAlsoWithAbortingCases) {
    RunInputs in = workedInputs();
    // The first OGIP values lie below the productions: those cases abort with a message; a
    // date before 1900 adds a message to every case.
    in.rows = rowsOf({"1.1.2001 500 225", "1.1.2002 1000 205", "1.1.1899 1100", "1.7.2002 1200",
                      "1.1.2003 1500 185"});
    const brelvan::sens::Ranges ranges{800, 4000, 5000, 30000, 10, 100};
    const auto sequential = brelvan::sens::search(in, ranges, 1);

    // The sequence as the cases give it one after the other.
    std::vector<std::string> messages, report;
    RunInputs one = in;
    for (int c = 0; c < brelvan::sens::kCases; ++c) {
        const auto v = brelvan::sens::gridValues(ranges, c);
        one.ogip = v.ogip;
        one.wip = v.wip;
        one.jValue = v.jValue;
        const WrittenRun r = runWritten(one, true);
        messages.insert(messages.end(), r.messages.begin(), r.messages.end());
        report.insert(report.end(), r.report.begin(), r.report.end());
        EXPECT_EQ(sequential.lines[static_cast<std::size_t>(c)],
                  brelvan::sens::resultLine(r.meanError, v.ogip, v.wip, v.jValue));
    }
    EXPECT_EQ(sequential.messages, messages);
    EXPECT_EQ(sequential.report, report);
    EXPECT_NE(std::count(messages.begin(), messages.end(), "ERROR JAHR < 1900"), 0);
    EXPECT_NE(std::count_if(report.begin(), report.end(),
                            [](const std::string& s) { return s.starts_with("ABBRUCH KUM"); }),
              0);

    for (unsigned threads : {2u, 3u, 8u, 64u, 0u}) {
        const auto parallel = brelvan::sens::search(in, ranges, threads);
        EXPECT_EQ(parallel.lines, sequential.lines) << threads;
        EXPECT_EQ(parallel.messages, sequential.messages) << threads;
        EXPECT_EQ(parallel.report, sequential.report) << threads;
        EXPECT_EQ(parallel.question, sequential.question) << threads;
        EXPECT_EQ(bits(parallel.best.ogip), bits(sequential.best.ogip));
        EXPECT_EQ(bits(parallel.best.wip), bits(sequential.best.wip));
        EXPECT_EQ(bits(parallel.best.jValue), bits(sequential.best.jValue));
        EXPECT_EQ(bits(parallel.lastZInit), bits(sequential.lastZInit));
    }
}

TEST(Search, DocumentShowsTheGridMessagesInCaseOrderWhileWaiting) {
    CBrelvanDoc doc;
    FakeUserInterface ui;
    doc.setUserInterface(&ui);
    setWorkedCase(doc);
    doc.m_Zeilen = {"1.1.2001 500 225", "1.1.2002 1000 205", "1.1.2003 1500 185"};
    doc.m_dMinOGIP = 400;
    doc.m_dMaxOGIP = 1600;
    doc.m_dMinWIP = 5000;
    doc.m_dMaxWIP = 20000;
    doc.m_dMinJ = 10;
    doc.m_dMaxJ = 40;
    doc.m_bSensitivitaet = true;

    // The messages of the grid cases computed one by one on a copy.
    CBrelvanDoc copy = doc;
    FakeUserInterface copyUi;
    copy.setUserInterface(&copyUi);
    const brelvan::sens::Ranges ranges{400, 1600, 5000, 20000, 10, 40};
    for (int c = 0; c < brelvan::sens::kCases; ++c) {
        const auto v = brelvan::sens::gridValues(ranges, c);
        copy.m_dOGIP = v.ogip;
        copy.m_dWIP = v.wip;
        copy.m_dJWert = v.jValue;
        copy.compute();
    }
    const std::vector<std::string> gridMessages = copyUi.texts("message");
    ASSERT_FALSE(gridMessages.empty());

    doc.sensitivity();
    std::vector<std::string> expected = {"beginWaitCursor"};
    expected.insert(expected.end(), gridMessages.size(), "message");
    expected.insert(expected.end(), {"endWaitCursor", "question"});
    // After the question only the final run of the adopted case may speak.
    const std::vector<std::string> kinds = ui.kinds();
    ASSERT_GE(kinds.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(kinds.begin(), kinds.begin() + expected.size()), expected);
    const std::vector<std::string> messages = ui.texts("message");
    EXPECT_EQ(std::vector<std::string>(messages.begin(), messages.begin() + gridMessages.size()),
              gridMessages);
}
