// The report's line formats and the header block.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "document/CBrelvanDoc.h"
#include "engine/Report.h"
#include "testing/EngineCases.h"

TEST(ReportLines, TableRowsKeepTheirColumns) {
    using namespace brelvan::report;
    // The measured and the production-only row of the report's description.
    EXPECT_EQ(measuredRow(15, 6, 1995, 365, 120.5, 205.3, 210.0, 230.1, 235.2, 1.234, 1500.0),
              "    15. 6.1995   365   120.5  205.3   210.0   230.1  235.2   1.234  1500.0");
    EXPECT_EQ(productionRow(1, 1, 1996, 365, 130.26, 200.04, 225.0, 1.5),
              "     1. 1.1996   365   130.3  200.0     *     225.0    *     1.500    *");
}

TEST(ReportLines, ClosingAndAbortLines) {
    using namespace brelvan::report;
    EXPECT_EQ(meanErrorLine(2.2822), "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : 2.28 BAR");
    const std::string none = meanErrorLine(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(none.substr(0, kMeanErrorPrefix.size()), kMeanErrorPrefix);
    EXPECT_EQ(none, "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein Meßwert verglichen");
    EXPECT_EQ(kTableHeader[0].size(), 73u);
    EXPECT_EQ(kTableHeader[1].size(), 72u);
    EXPECT_EQ(kTableHeader[2].size(), 74u);
    EXPECT_EQ(kTitle.size(), 62u);
    for (std::string_view label : kComponentLabels)
        EXPECT_EQ(label.size(), 7u) << label;
}

TEST(ReportHeader, NewCaseDefaults) {
    CBrelvanDoc doc;
    doc.OnNewDocument();
    doc.m_strFeldname.clear();
    doc.m_dZInit = 1.0;
    doc.writeheader();
    ASSERT_EQ(doc.m_Ausgabe.size(), 15u);
    EXPECT_EQ(doc.m_Ausgabe[1], "   FELD :");
    // Exactly one composition line.
    EXPECT_EQ(doc.m_Ausgabe[3], "   GASZUSAMMENSETZUNG (PROZENT)");
    EXPECT_EQ(doc.m_Ausgabe[4], "    CH4    : 100.00");
    EXPECT_EQ(doc.m_Ausgabe[5], " ");
    EXPECT_EQ(doc.m_Ausgabe[13], "   FOERDERBEGINN                      : 1. 1.2000");
    // The values stand in one column, after the colon in column 39.
    for (std::size_t i = 6; i <= 13; ++i)
        EXPECT_EQ(doc.m_Ausgabe[i][38], ':') << doc.m_Ausgabe[i];
}

TEST(ReportHeader, CompositionLinesInIndexOrder) {
    CBrelvanDoc doc;
    doc.OnNewDocument();
    for (std::size_t i = 0; i < 15; ++i)
        doc.m_fGas[i] = static_cast<float>(i % 3); // every third component is 0
    doc.m_strFeldname = "Großfeld Süd";
    doc.writeheader();
    EXPECT_EQ(doc.m_Ausgabe[1], "   FELD :Großfeld Süd");
    std::vector<std::string> lines(doc.m_Ausgabe.begin() + 4, doc.m_Ausgabe.begin() + 14);
    const std::vector<std::string> expected = {
        "    CO2    :   1.00", "    N2     :   2.00", "    C2H6   :   1.00", "    C3H8   :   2.00",
        "    nC4H10 :   1.00", "    iC5H12 :   2.00", "    C6H14  :   1.00", "    C7H16  :   2.00",
        "    C9H20  :   1.00", "    C10H22 :   2.00"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(doc.m_Ausgabe[14], " ");
}

TEST(ReportHeader, UnreadableFirstLine) {
    // Header block, no table header, the closing lines.
    CBrelvanDoc doc;
    setWorkedCase(doc);
    doc.m_Zeilen = {"kein Datum", "1.1.2001 500 225"};
    doc.compute();
    ASSERT_EQ(doc.m_Ausgabe.size(), 17u);
    EXPECT_EQ(doc.m_Ausgabe[14], " ");
    EXPECT_EQ(doc.m_Ausgabe[15], " ");
    EXPECT_EQ(doc.m_Ausgabe[16],
              "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein Meßwert verglichen");
    EXPECT_EQ(findLine(doc.m_Ausgabe, "       DATUM"), -1);
    EXPECT_EQ(doc.m_MaxWerte, 0);
}

// Every way a run can end, written from its numbers alone: the lines of a full run after the
// table (before them the header and the rows), the lines of a grid case of the search, and the
// messages. A negative decay factor of the ending row comes first in both.
TEST(ReportWriter, EveryEndInBothDetailsWithItsMessages) {
    using brelvan::engine::RunEnd;
    using brelvan::report::Detail;
    const std::string cause =
        "WAHRSCHEINLICH IST DER J-WERT FUER DEN ZEITSCHRITT ZU GROSS ODER DER ZEITSCHRITT ZU LANG.";
    const std::string remedy = "EVENTUELL ZUSAETZLICHEN GP-WERT VOR 1.7.2002 EINFUEGEN.";
    struct Case {
        RunEnd end;
        double value, limit;
        std::vector<std::string> lines; // of the end
        bool message;                   // the lines joined are the one message
        bool inGridCase;                // the lines stand in a grid case's report too
    };
    const Case cases[] = {
        {RunEnd::Time, 0, 0, {"ABBRUCH WEGEN FALSCHER ZEIT: 1.7.2002 "}, true, true},
        {RunEnd::Production,
         5000,
         4000,
         {"ABBRUCH KUM.PRODUKTION  5000.0 > OGIP VON  4000.0\n"},
         true,
         true},
        {RunEnd::Numeric,
         0,
         0,
         {"ABBRUCH WEGEN UNGUELTIGER RECHENWERTE BEI 1.7.2002 "},
         true,
         true},
        {RunEnd::SearchLimit,
         0,
         0,
         {"ABBRUCH BEI 1.7.2002: DIE DRUCKSUCHE HAT NACH 200 AUSWERTUNGEN KEINEN DRUCK GEFUNDEN."},
         true,
         true},
        {RunEnd::Invasion,
         24.514,
         0,
         {"DIE WASSERINVASION IST GROESSER ALS DAS INITIALE GASGEFUELLTE",
          "PORENVOLUMEN VON:  24.51 MIO M3.DER ZEITSCHRITT IST ZUGROSS.", remedy},
         false,
         false},
        {RunEnd::ImpossiblePressure,
         251.26,
         250,
         {"ABBRUCH BEI 1.7.2002: DER DRUCK VON 251.3 BAR LIEGT UEBER DEM INITIALEN DRUCK VON 250.0 "
          "BAR.",
          cause, remedy},
         true,
         true},
        {RunEnd::ImpossiblePz,
         365.94,
         267.3,
         {"ABBRUCH BEI 1.7.2002: P/Z VON 365.9 BAR LIEGT UEBER DEM INITIALEN P/Z VON 267.3 BAR.",
          cause, remedy},
         true,
         true},
        {RunEnd::ImpossibleInflux,
         -0.1314,
         0,
         {"ABBRUCH BEI 1.7.2002: DER KUMULATIVE WASSERZUFLUSS WAERE NEGATIV (-0.131 MIO M3).",
          cause, remedy},
         true,
         true},
    };
    CBrelvanDoc doc;
    setWorkedCase(doc);
    const brelvan::engine::RunInputs in = doc.runInputs();
    const WrittenRun worked = runWritten(in);
    ASSERT_EQ(worked.rows.size(), 4u);
    // The first two rows computed, the run ends on the third (1.7.2002), which noted a decay
    // factor above 1 first; the production start lies before 1900.
    brelvan::engine::RunResult r = worked;
    r.rows.resize(2);
    r.notes = {{brelvan::engine::RunNote::Kind::YearBefore1900, -1, 0, 0},
               {brelvan::engine::RunNote::Kind::NegativeDecay, 2, 1.25, 1200}};
    const std::string decay = "NEGATIVES DWE expwert:  1.25 bei Gp:1200.00\n";
    const std::size_t header = static_cast<std::size_t>(findLine(worked.report, "       DATUM"));
    // Header, table header and the two rows, as the complete run has them.
    const std::vector<std::string> before(worked.report.begin(),
                                          worked.report.begin() + static_cast<long>(header) + 6);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.end));
        r.status = {c.end, 2, 1, 7, 2002, c.value, c.limit, 200};
        std::vector<std::string> full = before;
        full.push_back(decay);
        full.insert(full.end(), c.lines.begin(), c.lines.end());
        std::vector<std::string> messages = {"ERROR JAHR < 1900"};
        if (c.message) {
            std::string joined;
            for (const std::string& line : c.lines)
                joined += (joined.empty() ? "" : "\n") + line;
            messages.push_back(joined);
        }
        const auto text = brelvan::report::runText(in, r, Detail::Full);
        EXPECT_EQ(text.lines, full);
        EXPECT_EQ(text.messages, messages);
        std::vector<std::string> grid = {decay};
        if (c.inGridCase)
            grid.insert(grid.end(), c.lines.begin(), c.lines.end());
        const auto gridText = brelvan::report::runText(in, r, Detail::GridCase);
        EXPECT_EQ(gridText.lines, grid);
        EXPECT_EQ(gridText.messages, messages);
    }

    // A case that admits no computation: the header, then its line, no table.
    r.rows.clear();
    r.notes.clear();
    r.status = {};
    r.status.end = RunEnd::InvalidCase;
    const auto invalid = brelvan::report::runText(in, r);
    const std::string line = "ABBRUCH WEGEN UNGUELTIGER FALLDATEN (TEMPERATUR, DRUCK, OGIP, WIP, "
                             "KOMPRESSIBILITAET ODER J-WERT)";
    ASSERT_EQ(invalid.lines.size(), header + 1);
    EXPECT_EQ(invalid.lines.back(), line);
    EXPECT_EQ(invalid.messages, std::vector<std::string>{line});
    EXPECT_EQ(brelvan::report::runText(in, r, Detail::GridCase).lines,
              std::vector<std::string>{line});
}
