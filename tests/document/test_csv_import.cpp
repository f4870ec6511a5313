// Shut-in pressure lines from CSV files as spreadsheets write them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/CsvImport.h"
#include "document/DlgInputData.h"
#include "engine/DayNumber.h"
#include "support/FakeUserInterface.h"

namespace {

using namespace brelvan;

csv::Options after1990() {
    csv::Options o;
    o.beginn = static_cast<float>(tage(1, 1, 1990, nullptr));
    return o;
}

std::vector<std::string> listLines(const csv::Result& r) {
    std::vector<std::string> out;
    for (const csv::Row& row : r.rows)
        out.push_back(row.listLine);
    return out;
}

// The lines a typed line gives when appended in the input dialog.
std::string typed(const std::string& text) {
    DlgInputData d;
    FakeUserInterface ui;
    ui.defaultAnswer = true;
    d.m_iTag = 1;
    d.m_iMonat = 1;
    d.m_iJahr = 1990;
    d.OnInitDialog(ui);
    d.setOption(1);
    d.m_strZeile = text;
    d.OnKillfocusZeile(ui);
    return d.m_Zeilen.empty() ? std::string() : d.m_Zeilen.back();
}

} // namespace

TEST(CsvImport, SeparatorsAndDecimalsOfCommonSpreadsheetsGiveTheSameLines) {
    const std::vector<std::string> files = {
        // German spreadsheet: semicolon and decimal comma, CRLF, byte order mark.
        "\xEF\xBB\xBF"
        "Datum;Gp (Mio m3);Druck (bar)\r\n1.7.1990;12,5;251\r\n1.1.1991;40;\r\n"
        "01.07.1991;71,25;238,4\r\n",
        // English: comma and decimal point, ISO dates, no line end at the end.
        "Date,Cumulative production,Pressure\n1990-07-01,12.5,251.0\n1991-01-01,40,\n"
        "1991-07-01,71.25,238.4",
        // Tab separated, TT/MM/JJJJ, decimal point.
        "date\tgp\tp\n01/07/1990\t12.5\t251\n01/01/1991\t40\t\n01/07/1991\t71.25\t238.4\n",
        // Quoted cells with the decimal comma inside a comma-separated file.
        "\"Datum\",\"Gp\",\"Druck\"\n\"1.7.1990\",\"12,5\",\"251\"\n\"1.1.1991\",\"40\",\"\"\n"
        "\"1.7.1991\",\"71,25\",\"238,4\"\n"};
    const std::vector<std::string> expected = {typed("1.7.1990 12.5 251"), typed("1.1.1991 40"),
                                               typed("1.7.1991 71.25 238.4")};
    ASSERT_EQ(expected[0], "      1. 7.1990         12.500             251.0 ");
    ASSERT_EQ(expected[1], "      1. 1.1991         40.000");
    for (std::size_t i = 0; i < files.size(); ++i) {
        const csv::Result r = csv::read(files[i], after1990());
        SCOPED_TRACE(i);
        EXPECT_EQ(r.error, "");
        EXPECT_EQ(listLines(r), expected);
        EXPECT_TRUE(r.skipped.empty());
        EXPECT_TRUE(r.header);
        EXPECT_TRUE(r.columnsFromNames);
    }
    EXPECT_EQ(csv::read(files[0], after1990()).separator, ';');
    EXPECT_EQ(csv::read(files[0], after1990()).decimal, ',');
    EXPECT_EQ(csv::read(files[1], after1990()).separator, ',');
    EXPECT_EQ(csv::read(files[2], after1990()).separator, '\t');
}

TEST(CsvImport, ColumnsComeFromGermanAndEnglishNamesInAnyOrder) {
    const csv::Result en = csv::read("No.;Pressure [bar];p/z;Remark;Gp;Date\n"
                                     "1;210,5;230;x;100;15.6.1995\n",
                                     after1990());
    EXPECT_EQ(en.columnPressure, 1); // p/z is not the pressure
    EXPECT_EQ(en.columnGp, 4);
    EXPECT_EQ(en.columnDate, 5);
    ASSERT_EQ(en.rows.size(), 1u);
    EXPECT_EQ(en.rows[0].listLine, typed("15.6.1995 100 210.5"));

    // Windows-1252 heading with "ß" and "ö".
    const csv::Result de = csv::read("Me\xDF"
                                     "datum;F\xF6rdermenge kum.;Schlie\xDF"
                                     "druck\n"
                                     "1.1.1995;10;200\n",
                                     after1990());
    EXPECT_EQ(de.columnNames[2], "Schließdruck");
    EXPECT_EQ(de.columnDate, 0);
    EXPECT_EQ(de.columnGp, 1);
    EXPECT_EQ(de.columnPressure, 2);
    EXPECT_EQ(de.rows.size(), 1u);

    // Without a heading: the first date column, then the next number columns.
    const csv::Result bare = csv::read("A;1.1.1995;10;200\nB;1.1.1996;20;190\n", after1990());
    EXPECT_FALSE(bare.header);
    EXPECT_FALSE(bare.columnsFromNames);
    EXPECT_EQ(bare.columnDate, 1);
    EXPECT_EQ(bare.columnGp, 2);
    EXPECT_EQ(bare.columnPressure, 3);
    EXPECT_EQ(bare.rows.size(), 2u);
    EXPECT_EQ(bare.columnNames[0], "Spalte 1");

    // Columns chosen by the user win; a pressure column may be left out.
    csv::Options o = after1990();
    o.columnGp = 3;
    o.columnPressure = -1;
    const csv::Result chosen = csv::read("A;1.1.1995;10;200\n", o);
    ASSERT_EQ(chosen.rows.size(), 1u);
    EXPECT_EQ(chosen.rows[0].listLine, typed("1.1.1995 200"));

    // No date anywhere: an error for the whole file, no lines.
    const csv::Result none = csv::read("Gp;Druck\n10;200\n", after1990());
    EXPECT_NE(none.error, "");
    EXPECT_TRUE(none.rows.empty());
}

TEST(CsvImport, RowsThatFailTheListsRulesAreSkippedWithTheirReason) {
    const std::string file = "Datum;Gp;Druck\n"
                             "1.7.1990;12,5;251\n"     // line 2: taken
                             "32.1.1991;40;200\n"      // 3: day
                             "1.13.1991;40;200\n"      // 4: month
                             "1.1.2201;40;200\n"       // 5: year
                             "31.4.1991;40;200\n"      // 6: no such date
                             "1.1.1990;40;200\n"       // 7: the production start itself
                             ";40;200\n"               // 8: no date
                             "1.1.91;40;200\n"         // 9: two-digit year
                             "1.2.1991;;200\n"         // 10: no Gp
                             "1.2.1991;viel;200\n"     // 11: Gp not a number
                             "1.2.1991;40;hoch\n"      // 12: pressure not a number
                             "1.2.1991;-40;200\n"      // 13: negative Gp
                             ";;\n"                    // 14: empty, not reported
                             "\n"                      // 15: empty
                             "1.8.1991;1.234,5;180\n"; // 16: taken, thousands grouped
    const csv::Result r = csv::read(file, after1990());
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0].lineNumber, 2);
    EXPECT_EQ(r.rows[1].lineNumber, 16);
    EXPECT_EQ(r.rows[1].listLine, typed("1.8.1991 1234.5 180"));
    const std::vector<std::pair<int, std::string>> expected = {
        {3, "Fehler bei der Angabe der Tage"},
        {4, "Fehler bei der Angabe der Monate"},
        {5, "Fehler bei der Angabe des Jahres"},
        {6, "Keine zeitliche Reihenfolge (das Datum gibt es nicht)"},
        {7, "Keine zeitliche Reihenfolge (nicht nach dem Förderbeginn)"},
        {8, "Datum fehlt"},
        {9, "„1.1.91“ ist kein Datum (T.M.JJJJ, JJJJ-MM-TT oder TT/MM/JJJJ)"},
        {10, "Gp fehlt"},
        {11, "Gp „viel“ ist keine Zahl"},
        {12, "Druck „hoch“ ist keine Zahl"},
        {13, "Gp ist negativ"}};
    ASSERT_EQ(r.skipped.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.skipped[i].lineNumber, expected[i].first);
        EXPECT_EQ(r.skipped[i].reason, expected[i].second);
    }
    EXPECT_EQ(r.skipped[0].text, "32.1.1991;40;200");
}

TEST(CsvImport, NumbersAndDatesAreReadStrictly) {
    double v = 0;
    EXPECT_TRUE(csv::parseNumber("1.234.567,25", ',', v));
    EXPECT_DOUBLE_EQ(v, 1234567.25);
    EXPECT_TRUE(csv::parseNumber(" -0,5 ", ',', v));
    EXPECT_DOUBLE_EQ(v, -0.5);
    EXPECT_TRUE(csv::parseNumber("1,234.5", '.', v));
    EXPECT_DOUBLE_EQ(v, 1234.5);
    EXPECT_TRUE(csv::parseNumber("2,5E3", ',', v));
    EXPECT_DOUBLE_EQ(v, 2500);
    EXPECT_TRUE(csv::parseNumber("12 345,5", ',', v));
    EXPECT_DOUBLE_EQ(v, 12345.5);
    for (const char* bad :
         {"", "1.23,4", "12,3", "1,5", "1e", "1e999", "nan", "1..2", "12abc", "--1"})
        EXPECT_FALSE(csv::parseNumber(bad, '.', v)) << bad;
    EXPECT_FALSE(csv::parseNumber("1.5", ',', v)); // a group of one digit
    EXPECT_FALSE(csv::parseNumber("inf", ',', v));

    int d = 0, m = 0, y = 0;
    EXPECT_TRUE(csv::parseDate("2001-02-03", d, m, y));
    EXPECT_EQ(d * 10000 + m * 100 + y - 2001, 30200);
    EXPECT_TRUE(csv::parseDate("03.02.2001 00:00:00", d, m, y)); // with a time of day
    EXPECT_EQ(d, 3);
    EXPECT_TRUE(csv::parseDate("3/2/2001", d, m, y));
    EXPECT_EQ(m, 2);
    for (const char* bad : {"3.2.01", "2001-2-3-4", "3-2-2001", "3.2.2001 abends", "3.2", "x"})
        EXPECT_FALSE(csv::parseDate(bad, d, m, y)) << bad;
}

TEST(CsvImport, LargeAndOddFilesAreRefusedOrReadWithoutLoss) {
    EXPECT_NE(csv::read(std::string(csv::kMaxBytes + 1, 'x'), after1990()).error, "");
    EXPECT_NE(csv::read("", after1990()).error, "");
    EXPECT_NE(csv::read(";;\n\n", after1990()).error, "");
    // A quoted cell with a line break and the separator; its row keeps its line number.
    const csv::Result r = csv::read(
        "Datum;Gp;Druck;Notiz\n1.1.1995;10;200;\"a;\nb\"\n1.1.1996;20;190;\n", after1990());
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[1].lineNumber, 4);
    // Many rows: no limit of its own.
    std::string many = "Datum;Gp;Druck\n";
    for (int i = 0; i < 2000; ++i)
        many += "1.1.1995;" + std::to_string(i) + ";200\n";
    EXPECT_EQ(csv::read(many, after1990()).rows.size(), 2000u);
    EXPECT_TRUE(csv::isCsvPath("a/B.CSV"));
    EXPECT_FALSE(csv::isCsvPath("b.txt"));
}

TEST(CsvImport, TheDialogTakesThePreviewedLinesAsTheList) {
    DlgInputData d;
    FakeUserInterface ui;
    d.m_Zeilen = {"hand"};
    d.OnInitDialog(ui);
    d.takeCsvLines({"a", "b"}, true);
    EXPECT_EQ(d.m_Zeilen, (std::vector<std::string>{"hand", "a", "b"}));
    EXPECT_EQ(d.m_ListDruck, d.m_Zeilen);
    EXPECT_EQ(d.m_strStatus, "3 Zeilen wurden eingelesen");
    d.takeCsvLines({"c"}, false);
    EXPECT_EQ(d.m_Zeilen, (std::vector<std::string>{"c"}));
    EXPECT_EQ(d.m_strZeile, " ");
}
