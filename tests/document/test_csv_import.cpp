// Shut-in pressure lines from CSV files as spreadsheets write them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "document/CsvImport.h"
#include "document/DlgInputData.h"
#include "engine/DayNumber.h"
#include "testing/FakeUserInterface.h"

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
        // Tab separated, JJJJ/MM/TT, decimal point.
        "date\tgp\tp\n1990/07/01\t12.5\t251\n1991/01/01\t40\t\n1991/07/01\t71.25\t238.4\n",
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
        {6, "Das Datum 31.4.1991 gibt es nicht"},
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
        many += std::to_string(i % 28 + 1) + "." + std::to_string(i / 28 % 12 + 1) + "." +
                std::to_string(1995 + i / (28 * 12)) + ";" + std::to_string(i) + ";200\n";
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

// ---- Files as German and English spreadsheet programs write them: each gives the right numbers
// or stops with its reason; nothing is guessed silently.

namespace {

struct Expect {
    double gp;
    std::optional<double> pressure;
};

void expectRows(const csv::Result& r, const std::vector<Expect>& expected) {
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(r.rows[i].gp, static_cast<float>(expected[i].gp));
        ASSERT_EQ(r.rows[i].pressure.has_value(), expected[i].pressure.has_value());
        if (expected[i].pressure) {
            EXPECT_FLOAT_EQ(*r.rows[i].pressure, static_cast<float>(*expected[i].pressure));
        }
    }
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CsvImportEvidence, ThousandsAndDecimalsAreReadFromTheFilesOwnEvidence) {
    // German: "1.500" alone may be 1,5 or 1500 -- the import stops and says why.
    const std::string germanThousands = "Datum;Gp;Druck\n1.7.1990;1.500;251\n1.1.1991;2.000;240\n";
    const csv::Result stop = csv::read(germanThousands, after1990());
    EXPECT_EQ(stop.undecided, csv::Undecided::Decimal);
    EXPECT_TRUE(contains(stop.error, "„1.500“ in Zeile 2 kann 1,500 oder 1500 bedeuten"))
        << stop.error;
    EXPECT_TRUE(stop.rows.empty());
    // The same with a row that has a decimal comma: the points group thousands.
    expectRows(csv::read(germanThousands + "1.7.1991;2.250,5;238,4\n", after1990()),
               {{1500, 251}, {2000, 240}, {2250.5, 238.4}});
    // Or chosen: comma means thousands points, point means decimal points.
    csv::Options comma = after1990();
    comma.decimal = ',';
    expectRows(csv::read(germanThousands, comma), {{1500, 251}, {2000, 240}});
    csv::Options point = after1990();
    point.decimal = '.';
    expectRows(csv::read(germanThousands, point), {{1.5, 251}, {2, 240}});

    // German decimals: "12,5" can only be a decimal comma.
    expectRows(csv::read("Datum;Gp;Druck\n1.7.1990;12,5;251,25\n", after1990()), {{12.5, 251.25}});

    // English: a quoted "1,500" alone stops as well; "1,500.0" next to it decides.
    const std::string englishThousands =
        "Date,Gp,Pressure\n1990-07-01,\"1,500\",251\n1991-01-01,\"2,000\",240\n";
    const csv::Result en = csv::read(englishThousands, after1990());
    EXPECT_EQ(en.undecided, csv::Undecided::Decimal);
    EXPECT_TRUE(contains(en.error, "„1,500“ in Zeile 2")) << en.error;
    expectRows(csv::read(englishThousands + "1991-07-01,\"2,250.5\",238.4\n", after1990()),
               {{1500, 251}, {2000, 240}, {2250.5, 238.4}});
    // English decimals, and "0,500" (no thousands group starts with 0) as a decimal comma.
    expectRows(csv::read("Date,Gp,Pressure\n1990-07-01,12.5,251.0\n", after1990()), {{12.5, 251}});
    expectRows(csv::read("Datum;Gp;Druck\n1.7.1990;0,500;251\n", after1990()), {{0.5, 251}});

    // A file that mixes both decimal characters stops.
    const csv::Result mixed =
        csv::read("Datum;Gp;Druck\n1.7.1990;12,5;251\n1.1.1991;40.5;240\n", after1990());
    EXPECT_EQ(mixed.undecided, csv::Undecided::Decimal);
    EXPECT_TRUE(mixed.rows.empty());
}

TEST(CsvImportEvidence, DatesWithSlashesAreReadInTheOrderTheColumnShows) {
    // A first field above 12 shows the day first.
    const csv::Result dayFirst =
        csv::read("Datum;Gp;Druck\n2/1/2001;10;200\n13/1/2001;20;190\n", after1990());
    ASSERT_EQ(dayFirst.rows.size(), 2u);
    EXPECT_EQ(dayFirst.dateOrder, csv::DateOrder::DayMonthYear);
    EXPECT_EQ(dayFirst.rows[0].month, 1);
    EXPECT_EQ(dayFirst.rows[0].day, 2);
    // A second field above 12 shows the month first (the US order).
    const csv::Result monthFirst =
        csv::read("Date,Gp,Pressure\n2/1/2001,10,200\n2/13/2001,20,190\n", after1990());
    ASSERT_EQ(monthFirst.rows.size(), 2u);
    EXPECT_EQ(monthFirst.dateOrder, csv::DateOrder::MonthDayYear);
    EXPECT_EQ(monthFirst.rows[0].month, 2);
    EXPECT_EQ(monthFirst.rows[0].day, 1);
    // Nothing decides: the import stops and names both readings.
    const std::string open = "Date,Gp,Pressure\n2/1/2001,10,200\n3/1/2001,20,190\n";
    const csv::Result stop = csv::read(open, after1990());
    EXPECT_EQ(stop.undecided, csv::Undecided::DateOrder);
    EXPECT_TRUE(contains(stop.error, "„2/1/2001“ in Zeile 2 kann der 2.1. oder der 1.2. sein"))
        << stop.error;
    EXPECT_TRUE(stop.rows.empty());
    csv::Options us = after1990();
    us.dateOrder = csv::DateOrder::MonthDayYear;
    const csv::Result chosen = csv::read(open, us);
    ASSERT_EQ(chosen.rows.size(), 2u);
    EXPECT_EQ(chosen.rows[1].listLine, typed("1.3.2001 20 190"));
    // Both orders in one column stop too.
    EXPECT_EQ(csv::read("Datum;Gp\n13/1/2001;10\n1/13/2001;20\n", after1990()).undecided,
              csv::Undecided::DateOrder);
}

TEST(CsvImportEvidence, TitleRowsByteOrderMarkAndCrlfAreNoData) {
    // A title and an empty line above the heading; byte order mark and CRLF line ends.
    const std::string file = "\xEF\xBB\xBF"
                             "Schliessdruecke Feld A;;\r\n\r\nDatum;Gp (Mio m3);Druck (bar)\r\n"
                             "1.7.1990;12,5;251\r\n1.1.1991;40;\r\n";
    const csv::Result r = csv::read(file, after1990());
    EXPECT_EQ(r.headerLine, 3);
    EXPECT_TRUE(r.skipped.empty());
    expectRows(r, {{12.5, 251}, {40, std::nullopt}});
    // The heading named by its line.
    csv::Options o = after1990();
    o.headerLine = 3;
    expectRows(csv::read(file, o), {{12.5, 251}, {40, std::nullopt}});
    // A heading with names the reader does not know: the row above the first date.
    const csv::Result unnamed =
        csv::read("Feld A\nA;B;C\n1.7.1990;12,5;251\n1.1.1991;40;240\n", after1990());
    EXPECT_EQ(unnamed.headerLine, 2);
    expectRows(unnamed, {{12.5, std::nullopt}, {40, std::nullopt}});
}

TEST(CsvImportEvidence, ValuesDatesAndOrderPassTheChecksOfATypedLine) {
    const csv::Result r = csv::read("Datum;Gp;Druck\n"
                                    "1.1.2001;10;200\n"         // 2: taken
                                    "31.2.2001;20;190\n"        // 3: no such date
                                    "1.3.2001;2000000000;190\n" // 4: Gp beyond any value
                                    "1.4.2001;30;2000000000\n"  // 5: pressure beyond any value
                                    "1.5.2001;40;180\n"         // 6: taken
                                    "1.5.2001;41;179\n"         // 7: the same date again
                                    "1.2.2001;42;178\n"         // 8: before the row taken last
                                    "1.6.2001;50;170\n",        // 9: taken
                                    after1990());
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[2].lineNumber, 9);
    ASSERT_EQ(r.skipped.size(), 5u);
    EXPECT_EQ(r.skipped[0].reason, "Das Datum 31.2.2001 gibt es nicht");
    EXPECT_TRUE(contains(r.skipped[1].reason, "Gp-Wert")) << r.skipped[1].reason;
    EXPECT_TRUE(contains(r.skipped[1].reason, "außerhalb jedes möglichen Wertes"));
    EXPECT_TRUE(contains(r.skipped[2].reason, "Druckwert")) << r.skipped[2].reason;
    EXPECT_EQ(r.skipped[3].reason, "Das Datum steht schon in Zeile 6");
    EXPECT_EQ(r.skipped[4].reason, "Keine zeitliche Reihenfolge (vor dem Datum der Zeile 6)");
}

TEST(CsvImportEvidence, AComputedPressureIsNeverTakenAsTheMeasuredOne) {
    const csv::Result both =
        csv::read("Datum;Gp;Druck berechnet;Druck gemessen\n1.1.2001;10;201;200\n", after1990());
    EXPECT_EQ(both.columnPressure, 3);
    expectRows(both, {{10, 200}});
    for (const char* heading : {"Date;Gp;Computed pressure", "Datum;Gp;Berechneter Druck",
                                "Date;Gp;Calculated pressure (bar)"}) {
        const csv::Result r = csv::read(std::string(heading) + "\n1.1.2001;10;201\n", after1990());
        EXPECT_EQ(r.columnPressure, -1) << heading;
        expectRows(r, {{10, std::nullopt}});
    }
}
