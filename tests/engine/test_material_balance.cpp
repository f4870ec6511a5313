// The material balance run: the worked case, the aborts, quiet mode, the row limit and
// damaged input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "testing/EngineCases.h"
#include "testing/FakeUserInterface.h"

namespace {

// Every entry of the five series is a finite number and the counts are inside the capacity.
void expectSaneSeries(const CBrelvanDoc& doc) {
    EXPECT_GE(doc.m_Max2Werte, 0);
    EXPECT_LE(doc.m_Max2Werte, doc.m_MaxWerte);
    EXPECT_LE(doc.m_MaxWerte, CBrelvanDoc::kMaxRows);
    for (int k = 0; k < CBrelvanDoc::kSeriesSize; ++k) {
        const auto i = static_cast<std::size_t>(k);
        ASSERT_TRUE(std::isfinite(doc.m_fXRechen[i]) && std::isfinite(doc.m_fPRechen[i]) &&
                    std::isfinite(doc.m_fWERechen[i]) && std::isfinite(doc.m_fXMess[i]) &&
                    std::isfinite(doc.m_fPMess[i]))
            << "entry " << k;
    }
}

struct Fixture : ::testing::Test {
    CBrelvanDoc doc;
    FakeUserInterface ui;
    void SetUp() override {
        doc.setUserInterface(&ui);
        setWorkedCase(doc);
    }
};

using WorkedCase = Fixture;
using Aborts = Fixture;
using RunModes = Fixture;
using DamagedInput = Fixture;

} // namespace

// The published figures of the worked case (independent source): z_i 0.935, V_i 24.51, the
// days, pressures, p/z, WE, estimates and the mean error 2.28 bar (13.52 bar with J 200).
TEST_F(WorkedCase, PublishedFigures) {
    const double error = doc.compute();
    EXPECT_NEAR(error, 2.28, 0.005);
    EXPECT_NEAR(doc.m_dZInit, 0.935, 5e-4);
    EXPECT_TRUE(ui.calls.empty());

    ASSERT_EQ(doc.m_MaxWerte, 4);
    ASSERT_EQ(doc.m_Max2Werte, 3);
    const float days[] = {366, 731, 912, 1096};
    const double p[] = {223.8, 201.8, 194.4, 182.5};
    const double we[] = {0.238, 0.792, 1.178, 1.680};
    EXPECT_EQ(doc.m_fXRechen[0], 0.0f);
    EXPECT_EQ(doc.m_fPRechen[0], 250.0f);
    EXPECT_EQ(doc.m_fWERechen[0], 0.0f);
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k + 1);
        EXPECT_EQ(doc.m_fXRechen[i], days[k]);
        EXPECT_NEAR(doc.m_fPRechen[i], p[k], 0.05);
        EXPECT_NEAR(doc.m_fWERechen[i], we[k], 0.0005);
    }
    EXPECT_EQ(doc.m_fPMess[0], 250.0f);
    const float measuredDays[] = {366, 731, 1096};
    const float measured[] = {225, 205, 185};
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k + 1);
        EXPECT_EQ(doc.m_fXMess[i], measuredDays[k]);
        EXPECT_EQ(doc.m_fPMess[i], measured[k]);
    }
    EXPECT_EQ(doc.m_fXRechen[5], 0.0f);
    EXPECT_EQ(doc.m_strXAchse, "Zeit in Tagen");

    // With J 200 no row settles within five passes.
    setWorkedCase(doc, 200);
    EXPECT_NEAR(doc.compute(), 13.52, 0.005);
}

// The complete report of the worked case. The numbers are the published figures except the
// measured p/z (244.1, 224.3, 203.5), which this code produced; the layout is the report's.
TEST_F(WorkedCase, CompleteReport) {
    doc.compute();
    const std::vector<std::string> expected = {
        "   GASLAGERSTAETTE MIT INVASION EINES BRELVANS NACH FETKOVITCH",
        "   FELD :Testfeld",
        " ",
        "   GASZUSAMMENSETZUNG (PROZENT)",
        "    CH4    : 100.00",
        " ",
        "   LAGERSTAETTENTEMPERATUR    (GRAD C):    80.0",
        "   ORIGINAL-GAS-IN-PLACE     (MIO M*3):  5000.0",
        "   ORIGINAL-WASSER-IN-PLACE  (MIO M*3): 20000.0",
        "   INITIALER LAGERSTAETTENDRUCK  (BAR):   250.0",
        "   INITIALER Z-WERT                (-):   0.935",
        "   KOMRESSIBILITAET          (E-5/BAR):     9.5",
        "   J-WERT NACH FETKOVITCH (M3/TAG BAR):    50.0",
        "   FOERDERBEGINN                      : 1. 1.2000",
        " ",
        "       DATUM    ZEIT   KUM.   DRUCK   DRUCK    P/Z    P/Z     WE     OGIP",
        "                      PRODKT.   P    MESSWERT       MESSWERT            ",
        "                TAGE  MIO M3   BAR     BAR     BAR    BAR   MIO M3  MIO M3",
        " ",
        "     1. 1.2001   366   500.0  223.8   225.0   242.9  244.1   0.238  5746.6",
        "     1. 1.2002   731  1000.0  201.8   205.0   221.0  224.3   0.792  6210.5",
        "     1. 7.2002   912  1200.0  194.4     *     213.4    *     1.178    *",
        "     1. 1.2003  1096  1500.0  182.5   185.0   200.9  203.5   1.680  6285.3",
        " ",
        "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : 2.28 BAR",
    };
    EXPECT_EQ(doc.m_Ausgabe, expected);

    // With J 200 no row settles: each table line is followed by its warning, and the closing
    // lines count them after the unchanged mean error.
    setWorkedCase(doc, 200);
    doc.compute();
    const std::vector<std::string> closing(doc.m_Ausgabe.end() - 11, doc.m_Ausgabe.end());
    const std::vector<std::string> expectedClosing = {
        "     1. 1.2001   366   500.0  229.3   225.0   248.2  244.1   0.752  5746.6",
        "  WARNUNG: DER DRUCK ZUM 1.1.2001 HAT SICH IN 5 DURCHLAEUFEN NICHT EINGESTELLT (LETZTE "
        "AENDERUNG 0.27 BAR)",
        "     1. 1.2002   731  1000.0  216.7   205.0   236.0  224.3   2.302  6210.5",
        "  WARNUNG: DER DRUCK ZUM 1.1.2002 HAT SICH IN 5 DURCHLAEUFEN NICHT EINGESTELLT (LETZTE "
        "AENDERUNG 0.48 BAR)",
        "     1. 7.2002   912  1200.0  215.2     *     234.5    *     3.273    *",
        "  WARNUNG: DER DRUCK ZUM 1.7.2002 HAT SICH IN 5 DURCHLAEUFEN NICHT EINGESTELLT (LETZTE "
        "AENDERUNG 0.02 BAR)",
        "     1. 1.2003  1096  1500.0  209.5   185.0   228.8  203.5   4.465  6285.3",
        "  WARNUNG: DER DRUCK ZUM 1.1.2003 HAT SICH IN 5 DURCHLAEUFEN NICHT EINGESTELLT (LETZTE "
        "AENDERUNG 0.03 BAR)",
        " ",
        "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG :13.52 BAR",
        "     ZEILEN OHNE EINGESTELLTEN DRUCK          :    4",
    };
    EXPECT_EQ(closing, expectedClosing);
}

TEST_F(Aborts, EachEndsTheReportWithItsLines) {
    struct Row {
        const char* name;
        std::vector<std::string> lines;
        double ogip, jValue;
        std::vector<std::string> messages; // message boxes, in order
        std::vector<std::string> tail;     // the last report lines
        int maxWerte;
    };
    const Row rows[] = {
        {"row dated before the previous row",
         {"1.1.2002 1000 205", "1.1.2001 1100 200"},
         5000,
         50,
         {"ABBRUCH WEGEN FALSCHER ZEIT: 1.1.2001 "},
         {"ABBRUCH WEGEN FALSCHER ZEIT: 1.1.2001 "},
         1},
        {"date that does not exist",
         {"1.1.2001 500 225", "31.4.2001 600 220"},
         5000,
         50,
         {"ABBRUCH WEGEN FALSCHER ZEIT: 31.4.2001 "},
         {"ABBRUCH WEGEN FALSCHER ZEIT: 31.4.2001 "},
         1},
        {"year before 1900",
         {"1.1.1899 500 225"},
         5000,
         50,
         {"ERROR JAHR < 1900", "ABBRUCH WEGEN FALSCHER ZEIT: 1.1.1899 "},
         {"ABBRUCH WEGEN FALSCHER ZEIT: 1.1.1899 "},
         0},
        {"production equal to OGIP",
         {"1.1.2001 500 225", "1.1.2002 5000 205"},
         5000,
         50,
         {"ABBRUCH KUM.PRODUKTION  5000.0 > OGIP VON  5000.0\n"},
         {"ABBRUCH KUM.PRODUKTION  5000.0 > OGIP VON  5000.0\n"},
         1},
        {"water invasion beyond the gas pore volume",
         {"1.1.2001 500 225", "1.1.2010 4000 100"},
         5000,
         1000,
         {},
         {"DIE WASSERINVASION IST GROESSER ALS DAS INITIALE GASGEFUELLTE",
          "PORENVOLUMEN VON:  24.51 MIO M3.DER ZEITSCHRITT IST ZUGROSS.",
          "EVENTUELL ZUSAETZLICHEN GP-WERT VOR 1.1.2010 EINFUEGEN."},
         1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        setWorkedCase(doc, r.jValue);
        doc.m_dOGIP = r.ogip;
        doc.m_Zeilen = r.lines;
        ui.calls.clear();
        const double error = doc.compute();
        EXPECT_EQ(ui.texts("message"), r.messages);
        ASSERT_GE(doc.m_Ausgabe.size(), r.tail.size());
        const std::vector<std::string> tail(doc.m_Ausgabe.end() - static_cast<long>(r.tail.size()),
                                            doc.m_Ausgabe.end());
        EXPECT_EQ(tail, r.tail);
        EXPECT_EQ(doc.m_MaxWerte, r.maxWerte);
        // The result covers the rows finished before the abort.
        if (r.maxWerte == 0)
            EXPECT_TRUE(std::isnan(error));
        else
            EXPECT_TRUE(std::isfinite(error));
        expectSaneSeries(doc);
    }
}

TEST_F(Aborts, NegativeDecayIsReportedAndItsNegativeInfluxEndsTheRun) {
    doc.m_dJWert = -50;
    const double error = doc.compute();
    const int first = findLine(doc.m_Ausgabe, "NEGATIVES DWE expwert:");
    ASSERT_GE(first, 0);
    // Written before the row's outcome, with a newline of its own.
    EXPECT_EQ(doc.m_Ausgabe[static_cast<std::size_t>(first)].back(), '\n');
    EXPECT_NE(doc.m_Ausgabe[static_cast<std::size_t>(first)].find(" bei Gp:500.00\n"),
              std::string::npos);
    // Water leaving the gas zone from the start: a negative cumulative influx, no error value.
    const std::vector<std::string> tail(doc.m_Ausgabe.begin() + first + 1, doc.m_Ausgabe.end());
    ASSERT_EQ(tail.size(), 3u);
    EXPECT_EQ(tail[0],
              "ABBRUCH BEI 1.1.2001: DER KUMULATIVE WASSERZUFLUSS WAERE NEGATIV (-0.131 MIO M3).");
    EXPECT_EQ(tail[2], "EVENTUELL ZUSAETZLICHEN GP-WERT VOR 1.1.2001 EINFUEGEN.");
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_TRUE(std::isnan(error));
}

TEST_F(RunModes, QuietModeAddsOnlyAbortLines) {
    const double normal = doc.compute();
    doc.m_bSensitivitaet = true;
    doc.m_Ausgabe = {"vorher"};
    doc.m_strXAchse = "unverändert";
    doc.m_iGrafiktyp = 1;
    const double quiet = doc.compute();
    EXPECT_EQ(quiet, normal);
    EXPECT_EQ(doc.m_Ausgabe, std::vector<std::string>{"vorher"});
    EXPECT_EQ(doc.m_strXAchse, "unverändert");
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_EQ(doc.m_Max2Werte, 0);
    EXPECT_EQ(doc.m_fPRechen[0], 250.0f);
    EXPECT_EQ(doc.m_fPMess[0], 250.0f);
    for (std::size_t i = 1; i < CBrelvanDoc::kSeriesSize; ++i)
        ASSERT_TRUE(doc.m_fXRechen[i] == 0 && doc.m_fPRechen[i] == 0 && doc.m_fWERechen[i] == 0 &&
                    doc.m_fXMess[i] == 0 && doc.m_fPMess[i] == 0);

    // The production abort shows its message and adds its line; the water-invasion abort
    // stays silent.
    doc.m_Zeilen = {"1.1.2001 6000 225"};
    doc.compute();
    EXPECT_EQ(ui.texts("message"),
              std::vector<std::string>{"ABBRUCH KUM.PRODUKTION  6000.0 > OGIP VON  5000.0\n"});
    EXPECT_EQ(doc.m_Ausgabe.size(), 2u);
    doc.m_dJWert = 1000;
    doc.m_Zeilen = {"1.1.2010 4000 100"};
    doc.compute();
    EXPECT_EQ(doc.m_Ausgabe.size(), 2u);
    EXPECT_EQ(ui.texts("message").size(), 1u);
}

TEST_F(RunModes, RowLimitAndChartAxis) {
    doc.m_Zeilen.clear();
    for (int i = 0; i < 400; ++i) {
        const int month = i % 12 + 1, year = 2001 + i / 12;
        doc.m_Zeilen.push_back("1." + std::to_string(month) + "." + std::to_string(year) + " " +
                               std::to_string(2 * (i + 1)) + (i % 3 == 0 ? " 240" : ""));
    }
    doc.m_iGrafiktyp = 1;
    EXPECT_TRUE(std::isfinite(doc.compute()));
    EXPECT_EQ(doc.m_MaxWerte, 299);
    EXPECT_EQ(doc.m_Max2Werte, 100);        // rows 0, 3, ..., 297
    EXPECT_EQ(doc.m_fXRechen[299], 598.0f); // x is Gp
    EXPECT_EQ(doc.m_fXMess[100], 596.0f);
    EXPECT_EQ(doc.m_strXAchse, "Kum.Produktion in Mio m3");
    // Header 15 lines, table header 4, 299 rows, closing 2.
    EXPECT_EQ(doc.m_Ausgabe.size(), 15u + 4u + 299u + 2u);
    expectSaneSeries(doc);
}

TEST_F(RunModes, WithoutWaterZoneTheBalanceIsVolumetric) {
    // W_ei = 0: no influx whatever J is; p/z falls on the straight line (p/z)_i (1 - Gp/G).
    doc.m_dWIP = 0;
    const double e50 = doc.compute();
    double tpc = 0, ppc = 0;
    doc.pseudocrit(tpc, ppc);
    const double pzInit = 250 / doc.m_dZInit;
    const double gp[] = {500, 1000, 1200, 1500};
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k + 1);
        EXPECT_EQ(doc.m_fWERechen[i], 0.0f);
        const double p = doc.m_fPRechen[i];
        EXPECT_NEAR(p / doc.zfactor(80, p, tpc, ppc), pzInit * (1 - gp[k] / 5000), 0.01);
    }
    doc.m_dJWert = 5000;
    EXPECT_EQ(doc.compute(), e50);
}

TEST_F(RunModes, RowOnTheProductionStartAndMeasuredAboveTheInitialLine) {
    // dt = 0: the decay factor is 1, no influx, the pressure is the volumetric one. A measured
    // pressure above the initial p/z line gets the estimate 0.
    doc.m_Zeilen = {"1.1.2000 100 260"};
    doc.compute();
    EXPECT_EQ(doc.m_fXRechen[1], 0.0f);
    EXPECT_EQ(doc.m_fWERechen[1], 0.0f);
    const std::string& row = doc.m_Ausgabe[doc.m_Ausgabe.size() - 3];
    EXPECT_EQ(row.substr(0, 22), "     1. 1.2000     0  ");
    EXPECT_EQ(row.substr(row.size() - 16), "   0.000     0.0");
}

TEST_F(RunModes, NoMeasuredPressureCompared) {
    // All rows production-only or with pressure 0: the mean-error line says so in words and
    // the result is not a number; the run ends normally.
    doc.m_Zeilen = {"1.1.2001 500", "1.1.2002 1000 0", "1.1.2003 1500 -5"};
    EXPECT_TRUE(std::isnan(doc.compute()));
    EXPECT_EQ(doc.m_MaxWerte, 3);
    EXPECT_EQ(doc.m_Max2Werte, 0);
    EXPECT_EQ(doc.m_Ausgabe.back(),
              "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein Meßwert verglichen");
    EXPECT_EQ(doc.m_Ausgabe[doc.m_Ausgabe.size() - 2], " ");
}

TEST_F(DamagedInput, LinesWithValuesOutOfAnyRange) {
    struct Row {
        const char* line;
        const char* lastLineStart; // of the report
        int maxWerte;
    };
    const Row rows[] = {
        // A Gp that is no possible number ends the lines before its row; a pressure that is
        // none leaves a production-only row. The report shows neither.
        {"1.1.2001 inf 225", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 0},
        {"1.1.2001 nan 225", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 0},
        {"1.1.2001 -inf 225", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 0},
        {"1.1.2001 -1e308 225", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 0},
        {"1.1.2001 1e30 225", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 0},
        {"1.1.2001 500 inf", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 1},
        {"1.1.2001 500 nan", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 1},
        {"1.1.2001 500 1e300", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 1},
        {"1.1.2001 500 1e30", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 1},
        {"1.1.2147483647 500 225", "", -1},
        {"31.12.99999999999 500 225", "", -1},
        {"1.1.2001 500 225 trailing words", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG :", 1},
        {"", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 0},
        {"1.1", "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.line);
        setWorkedCase(doc);
        doc.m_Zeilen = {r.line};
        doc.compute();
        expectSaneSeries(doc);
        if (r.maxWerte >= 0) {
            EXPECT_EQ(doc.m_MaxWerte, r.maxWerte);
        }
        ASSERT_FALSE(doc.m_Ausgabe.empty());
        EXPECT_EQ(doc.m_Ausgabe.back().substr(0, std::string(r.lastLineStart).size()),
                  r.lastLineStart);
        for (const std::string& line : doc.m_Ausgabe) {
            EXPECT_EQ(line.find("nan"), std::string::npos) << line;
            EXPECT_EQ(line.find("inf"), std::string::npos) << line;
            EXPECT_EQ(line.find("0000000000000"), std::string::npos) << line;
        }
    }
}

TEST_F(DamagedInput, CaseValuesThatAdmitNoComputation) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* name;
        void (*damage)(CBrelvanDoc&);
    };
    const Row rows[] = {
        {"temperature nan", [](CBrelvanDoc& d) { d.m_dTemperatur = kNaN; }},
        {"temperature at absolute zero", [](CBrelvanDoc& d) { d.m_dTemperatur = -273; }},
        {"initial pressure 0", [](CBrelvanDoc& d) { d.m_dDruck = 0; }},
        {"initial pressure negative", [](CBrelvanDoc& d) { d.m_dDruck = -10; }},
        {"OGIP inf", [](CBrelvanDoc& d) { d.m_dOGIP = kInf; }},
        {"WIP nan", [](CBrelvanDoc& d) { d.m_dWIP = kNaN; }},
        {"J inf", [](CBrelvanDoc& d) { d.m_dJWert = kInf; }},
        {"compressibility nan", [](CBrelvanDoc& d) { d.m_dKompress = kNaN; }},
        {"no gas at all", [](CBrelvanDoc& d) { d.m_fGas.fill(0.0f); }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        setWorkedCase(doc);
        r.damage(doc);
        ui.calls.clear();
        EXPECT_TRUE(std::isnan(doc.compute()));
        ASSERT_EQ(ui.texts("message").size(), 1u);
        EXPECT_EQ(ui.texts("message")[0].substr(0, 35), "ABBRUCH WEGEN UNGUELTIGER FALLDATEN");
        EXPECT_EQ(doc.m_Ausgabe.back(), ui.texts("message")[0]);
        EXPECT_EQ(doc.m_MaxWerte, 0);
        expectSaneSeries(doc);
    }
}

TEST_F(DamagedInput, AbsurdButFiniteValuesStayFinite) {
    // Values a sensitivity range may produce (negative J, negative WIP) or far out of range.
    struct Row {
        double ogip, wip, jValue, pressure, temperature;
    };
    const Row rows[] = {
        {5000, -20000, 50, 250, 80}, {5000, 20000, -1e4, 250, 80},    {5000, 1e-300, 1e4, 250, 80},
        {1e-3, 20000, 50, 250, 80},  {1e300, 1e300, 1e300, 1e4, 1e4}, {5000, 20000, 50, 1e-300, 80},
        {-5000, 20000, 50, 250, 80}, {5000, 20000, 50, 250, -272.9},
    };
    for (const Row& r : rows) {
        setWorkedCase(doc);
        doc.m_dOGIP = r.ogip;
        doc.m_dWIP = r.wip;
        doc.m_dJWert = r.jValue;
        doc.m_dDruck = r.pressure;
        doc.m_dTemperatur = r.temperature;
        doc.compute();
        SCOPED_TRACE(doc.m_Ausgabe.back());
        expectSaneSeries(doc);
        EXPECT_TRUE(std::isfinite(doc.m_dZInit) && doc.m_dZInit > 0);
    }
}
