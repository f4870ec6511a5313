// The grid search over OGIP, WIP and J.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "engine/Sensitivity.h"
#include "support/TextFormat.h"
#include "testing/FakeUserInterface.h"
#include "testing/WorkedCase.h"

namespace {

// The summary question as the program's users know it.
constexpr const char* kSummary =
    "Es wurden 65 Fälle gerechnet\nMin.Error: %5.3f OGIP: %5.1f WIP: %5.1f JWert: %5.2f\n"
    "Wollen Sie die Einzelergebnisse sehen?";

struct Sensitivity : ::testing::Test {
    CBrelvanDoc doc;
    FakeUserInterface ui;

    void SetUp() override {
        doc.setUserInterface(&ui);
        doc.OnNewDocument();
        // The worked reservoir, with productions below the smallest OGIP the search tries.
        worked_case::setReservoir(doc);
        doc.m_Zeilen = {"1.1.2001 20 240", "1.1.2002 40 230", "1.7.2002 50", "1.1.2003 60 220"};
        setRanges(100, 400, 10, 40, 1, 4);
        doc.m_bSensitivitaet = true;
    }
    void setRanges(double o0, double o1, double w0, double w1, double j0, double j1) {
        doc.m_dMinOGIP = o0;
        doc.m_dMaxOGIP = o1;
        doc.m_dMinWIP = w0;
        doc.m_dMaxWIP = w1;
        doc.m_dMinJ = j0;
        doc.m_dMaxJ = j1;
    }
    // Lines dated on the production start, their pressures on the volumetric line of a
    // reservoir of `ogip`: there is no influx, so only OGIP matters.
    void volumetricLines(double ogip) {
        double tpc = 0, ppc = 0;
        doc.pseudocrit(tpc, ppc);
        const double pzInit = 250 / doc.zfactor(80, 250, tpc, ppc);
        doc.m_Zeilen.clear();
        for (double gp : {20.0, 40.0, 60.0})
            doc.m_Zeilen.push_back(brelvan::cformat(
                "1.1.2000 %.1f %.10f", gp, doc.pzpressure(80, pzInit * (1 - gp / ogip), tpc, ppc)));
    }
    // The error of each grid case computed one by one on a copy of the case.
    std::vector<double> gridErrors() const {
        std::vector<double> errors;
        CBrelvanDoc copy = doc;
        FakeUserInterface quiet;
        copy.setUserInterface(&quiet);
        copy.m_bSensitivitaet = true;
        for (int i = 0; i < 4; ++i)
            for (int k = 0; k < 4; ++k)
                for (int l = 0; l < 4; ++l) {
                    copy.m_dOGIP = doc.m_dMinOGIP + i * (doc.m_dMaxOGIP - doc.m_dMinOGIP) / 3;
                    copy.m_dWIP = doc.m_dMinWIP + k * (doc.m_dMaxWIP - doc.m_dMinWIP) / 3;
                    copy.m_dJWert = doc.m_dMinJ + l * (doc.m_dMaxJ - doc.m_dMinJ) / 3;
                    errors.push_back(copy.compute());
                }
        return errors;
    }
    static std::string columns(double ogip, double wip, double j) {
        return brelvan::cformat("   %12.1f   %12.1f   %12.1f", ogip, wip, j);
    }
    static bool endsWith(const std::string& s, const std::string& tail) {
        return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
    }
};

} // namespace

TEST_F(Sensitivity, GridOrderBestCaseAndAnswerNo) {
    const std::vector<double> errors = gridErrors();
    ui.defaultAnswer = false;
    doc.sensitivity();

    ASSERT_EQ(doc.m_SensErgebnisse.size(), 64u);
    EXPECT_TRUE(endsWith(doc.m_SensErgebnisse[0], columns(100, 10, 1)));
    EXPECT_TRUE(endsWith(doc.m_SensErgebnisse[1], columns(100, 10, 2)));
    EXPECT_TRUE(endsWith(doc.m_SensErgebnisse[4], columns(100, 20, 1)));
    EXPECT_TRUE(endsWith(doc.m_SensErgebnisse[63], columns(400, 40, 4)));
    std::size_t best = 0;
    for (std::size_t c = 0; c < 64; ++c) {
        const std::string& line = doc.m_SensErgebnisse[c];
        ASSERT_TRUE(std::isfinite(errors[c]));
        EXPECT_EQ(line, brelvan::cformat("%6.4f", errors[c]) +
                            columns(100 + 100.0 * (c / 16), 10 + 10.0 * (c / 4 % 4), 1.0 + c % 4));
        if (errors[c] < errors[best])
            best = c;
    }
    const double bestOgip = 100 + 100.0 * static_cast<double>(best / 16);
    const double bestWip = 10 + 10.0 * static_cast<double>(best / 4 % 4);
    const double bestJ = 1 + static_cast<double>(best % 4);

    EXPECT_EQ(ui.kinds(),
              (std::vector<std::string>{"beginWaitCursor", "endWaitCursor", "question"}));
    EXPECT_EQ(ui.texts("question")[0],
              brelvan::cformat(kSummary, errors[best], bestOgip, bestWip, bestJ));
    // No still adopts the best case and computes it normally.
    EXPECT_DOUBLE_EQ(doc.m_dOGIP, bestOgip);
    EXPECT_DOUBLE_EQ(doc.m_dWIP, bestWip);
    EXPECT_DOUBLE_EQ(doc.m_dJWert, bestJ);
    EXPECT_FALSE(doc.m_bSensitivitaet);
    EXPECT_EQ(doc.m_Ausgabe.front(),
              "   GASLAGERSTAETTE MIT INVASION EINES BRELVANS NACH FETKOVITCH");
    EXPECT_EQ(doc.m_MaxWerte, 4);
    EXPECT_EQ(doc.m_Ausgabe.back(), brelvan::cformat("     MITTLERER FEHLER BEI DER "
                                                     "DRUCKBERECHNUNG :%5.2f BAR",
                                                     errors[best]));
}

TEST_F(Sensitivity, AnswerYesShowsAllResultLines) {
    ui.answers = {true};
    doc.sensitivity();
    const auto shown = ui.of("showSensResults");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].lines, doc.m_SensErgebnisse);
    EXPECT_EQ(ui.kinds().back(), "showSensResults");
}

TEST_F(Sensitivity, FirstCaseBestAndTiesKeepTheEarlierCase) {
    // Rows on the production start day: no influx, so the 16 cases of one OGIP tie.
    volumetricLines(100);
    doc.sensitivity();
    for (std::size_t c = 1; c < 16; ++c)
        EXPECT_EQ(doc.m_SensErgebnisse[c].substr(0, 9), doc.m_SensErgebnisse[0].substr(0, 9));
    EXPECT_DOUBLE_EQ(doc.m_dOGIP, 100);
    EXPECT_DOUBLE_EQ(doc.m_dWIP, 10);
    EXPECT_DOUBLE_EQ(doc.m_dJWert, 1);

    // The best OGIP in the second block: its first case (entry 16) wins.
    volumetricLines(100);
    setRanges(70, 160, 10, 40, 1, 4);
    doc.m_bSensitivitaet = true;
    doc.sensitivity();
    EXPECT_DOUBLE_EQ(doc.m_dOGIP, 100);
    EXPECT_DOUBLE_EQ(doc.m_dWIP, 10);
    EXPECT_DOUBLE_EQ(doc.m_dJWert, 1);
    EXPECT_NE(doc.m_SensErgebnisse[16].substr(0, 9), doc.m_SensErgebnisse[0].substr(0, 9));
}

TEST_F(Sensitivity, CasesWithoutErrorValueAreListedButNeverBest) {
    // OGIP 50 is below the production of the first line: those 16 cases abort and compare
    // nothing. The search goes on and computes all 64 cases.
    setRanges(50, 200, 10, 40, 1, 4);
    doc.m_Zeilen = {"1.1.2001 60 230", "1.1.2002 80 220"};
    const std::vector<double> errors = gridErrors();
    doc.sensitivity();
    for (std::size_t c = 0; c < 64; ++c) {
        const std::string& line = doc.m_SensErgebnisse[c];
        ASSERT_FALSE(line.empty()) << c;
        if (c < 16) {
            EXPECT_TRUE(std::isnan(errors[c]));
            EXPECT_EQ(line.substr(0, 9), "kein Wert") << line;
        } else {
            EXPECT_TRUE(std::isfinite(errors[c]));
            EXPECT_TRUE(line.starts_with(brelvan::cformat("%6.4f   ", errors[c]))) << line;
        }
    }
    EXPECT_TRUE(endsWith(doc.m_SensErgebnisse[0], columns(50, 10, 1)));
    EXPECT_TRUE(endsWith(doc.m_SensErgebnisse[15], columns(50, 40, 4)));
    EXPECT_GE(doc.m_dOGIP, 100);
    // Each aborted grid case showed its message box while the wait cursor was on.
    const std::vector<std::string> kinds = ui.kinds();
    ASSERT_EQ(kinds.size(), 16u + 3u);
    EXPECT_EQ(kinds.front(), "beginWaitCursor");
    EXPECT_EQ(kinds[17], "endWaitCursor");
    EXPECT_EQ(ui.texts("message")[0], "ABBRUCH KUM.PRODUKTION    60.0 > OGIP VON    50.0\n");
    EXPECT_EQ(ui.texts("question")[0].substr(0, 40), "Es wurden 65 Fälle gerechnet\nMin.Error:");
}

TEST_F(Sensitivity, NoCaseWithErrorValueKeepsTheCaseValues) {
    setRanges(5, 17, 10, 40, 1, 4); // every OGIP below the production of the first line
    doc.m_dOGIP = 4000;
    doc.m_dWIP = 15000;
    doc.m_dJWert = 42;
    doc.sensitivity();
    for (const std::string& line : doc.m_SensErgebnisse)
        EXPECT_EQ(line.substr(0, 9), "kein Wert");
    const std::string summary = ui.texts("question").at(0);
    EXPECT_EQ(summary.substr(0, summary.find('\n')), "Es wurden 65 Fälle gerechnet");
    EXPECT_EQ(summary.find("Min.Error"), std::string::npos);
    EXPECT_NE(summary.find("Kein Fall"), std::string::npos);
    EXPECT_EQ(ui.texts("message").size(), 64u);
    EXPECT_DOUBLE_EQ(doc.m_dOGIP, 4000);
    EXPECT_DOUBLE_EQ(doc.m_dWIP, 15000);
    EXPECT_DOUBLE_EQ(doc.m_dJWert, 42);
    EXPECT_FALSE(doc.m_bSensitivitaet);
    // The final run is a normal one with the case's values.
    EXPECT_EQ(doc.m_MaxWerte, 4);
    EXPECT_EQ(doc.m_Ausgabe[7], "   ORIGINAL-GAS-IN-PLACE     (MIO M*3):  4000.0");
}

TEST(SensitivityHelp, NamesTheGridOfTheSearch) {
    std::ifstream in(BRELVAN_SOURCE_DIR "/src/dialogs/help/hilfe.html");
    ASSERT_TRUE(in);
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    using namespace brelvan::sens;
    EXPECT_NE(
        html.find(brelvan::cformat("%d × %d × %d = %d Fällen", kValues, kValues, kValues, kCases)),
        std::string::npos);
}

TEST_F(Sensitivity, AdoptsOnlyValuesTheInputDialogAccepts) {
    // A nearly flat decline: the larger the OGIP the better, and the best grid case (290000)
    // lies above the input dialog's OGIP limit of 100000. The best case within it is taken.
    volumetricLines(300000);
    setRanges(90000, 390000, 10, 40, 1, 4);
    doc.sensitivity();
    EXPECT_DOUBLE_EQ(doc.m_dOGIP, 90000);
    const std::string summary = ui.texts("question").at(0);
    EXPECT_NE(summary.find("OGIP: 290000.0"), std::string::npos) << summary;
    ASSERT_EQ(ui.texts("message").size(), 1u);
    EXPECT_EQ(ui.texts("message")[0].substr(0, 60),
              "Der beste Fall (OGIP 290000.000, WIP 10.000, J-Wert 1.0000) ");
    EXPECT_NE(ui.texts("message")[0].find("Übernommen wird der beste Fall innerhalb der Grenzen: "
                                          "OGIP 90000.000"),
              std::string::npos);

    // Ranges up to 1e308: no grid case with an error value within the limits, the case keeps
    // its values instead of taking an OGIP of 1e308.
    ui.clear();
    doc.m_dOGIP = 4000;
    doc.m_dWIP = 15000;
    doc.m_dJWert = 42;
    setRanges(1, 1e308, 10, 40, 1, 4);
    doc.m_bSensitivitaet = true;
    doc.sensitivity();
    EXPECT_DOUBLE_EQ(doc.m_dOGIP, 4000);
    EXPECT_DOUBLE_EQ(doc.m_dWIP, 15000);
    EXPECT_DOUBLE_EQ(doc.m_dJWert, 42);
    EXPECT_NE(ui.texts("message").back().find("Kein Fall innerhalb der Grenzen ergab einen "
                                              "Fehlerwert; die Werte des Falls bleiben."),
              std::string::npos);
}

// The pot ignores J: its grid keeps the case's J in every case (the lines and the values kept
// for the export say so), and the case keeps its J instead of taking the first of a row of equal
// cases.
TEST_F(Sensitivity, PotGridHoldsTheCasesJ) {
    doc.m_iModell = 3; // the pot
    doc.m_dJWert = 2.5;
    ui.defaultAnswer = false;
    doc.sensitivity();
    ASSERT_EQ(doc.m_SensErgebnisse.size(), 64u);
    ASSERT_EQ(doc.m_SensWerte.size(), 64u);
    for (std::size_t c = 0; c < 64; ++c) {
        EXPECT_TRUE(endsWith(doc.m_SensErgebnisse[c],
                             columns(100 + 100.0 * (c / 16), 10 + 10.0 * (c / 4 % 4), 2.5)))
            << doc.m_SensErgebnisse[c];
        EXPECT_EQ(doc.m_SensWerte[c].jWert, 2.5);
    }
    EXPECT_EQ(doc.m_dJWert, 2.5);
    // Another model spans the J range as before.
    const brelvan::sens::Ranges given{100, 400, 10, 40, 1, 4};
    brelvan::engine::RunInputs in = doc.runInputs();
    in.model = brelvan::waterzone::Model::Fetkovich;
    EXPECT_EQ(brelvan::sens::searchRanges(in, given).maxJ, 4);
}
