// The report's line formats and the header block.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "EngineCases.h"
#include "document/CBrelvanDoc.h"
#include "engine/Report.h"

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
