// The export of a computed case as CSV and XLSX.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "document/CaseExport.h"
#include "document/CsvImport.h"
#include "engine/Report.h"
#include "testing/FakeUserInterface.h"
#include "testing/FullDisk.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"

namespace {

using namespace brelvan;

std::vector<std::string> split(const std::string& text, const std::string& by) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(by, start);
        out.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return out;
        start = end + by.size();
    }
}

struct Computed {
    FakeUserInterface ui;
    CBrelvanDoc doc;
    Computed() {
        doc.setUserInterface(&ui);
        worked_case::set(doc);
        doc.compute();
    }
};

} // namespace

TEST(TableExport, CsvFormsQuoteTextsAndKeepNumbersExact) {
    table::Table t;
    t.name = "T";
    t.columns = {{"Name; mit Trenner", -1, 0}, {"Wert (bar)", 1, 0}, {"Datum", -1, 0}};
    t.rows = {{std::string("Feld \"A\""), 0.1 + 0.2, table::Date{1, 7, 1990}},
              {std::monostate{}, -0.0, std::monostate{}},
              {std::string(" Rand"), std::nan(""), table::Date{31, 12, 2001}}};
    const std::string german = table::toCsv({t}, table::kCsvGerman);
    EXPECT_EQ(german, "\xEF\xBB\xBF\"Name; mit Trenner\";Wert (bar);Datum\r\n"
                      "\"Feld \"\"A\"\"\";0,30000000000000004;01.07.1990\r\n"
                      ";0;\r\n"
                      "\" Rand\";;31.12.2001\r\n");
    const std::string point = table::toCsv({t, t}, table::kCsvPoint);
    const std::vector<std::string> lines = split(point, "\r\n");
    ASSERT_EQ(lines.size(), 10u); // two tables, an empty line between, a final line end
    EXPECT_EQ(lines[0], "Name; mit Trenner,Wert (bar),Datum");
    EXPECT_EQ(lines[1], "\"Feld \"\"A\"\"\",0.30000000000000004,1990-07-01");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], lines[0]);

    // Every double comes back unchanged through the import's number reading.
    for (double v : {1.0 / 3, 5746.57337595025, 1e-7, 123456789.125, -2.5e300}) {
        for (char decimal : {',', '.'}) {
            double back = 0;
            ASSERT_TRUE(csv::parseNumber(shortestText(v, decimal), decimal, back));
            EXPECT_EQ(back, v);
        }
    }
}

TEST(TableExport, TheReportTableHoldsTheNumbersTheReportPrints) {
    Computed c;
    const table::Table t = reportTable(c.doc);
    ASSERT_EQ(t.rows.size(), 4u);
    ASSERT_EQ(t.columns.size(), 9u);
    EXPECT_EQ(t.columns[2].heading, "Gp (Mio m3)");
    // Each row, printed with the report's own formats, is the report's line.
    std::vector<std::string> printed;
    for (const auto& row : t.rows) {
        const auto& date = std::get<table::Date>(row[0]);
        const auto n = [&row](std::size_t i) { return std::get<double>(row[i]); };
        if (std::holds_alternative<double>(row[4]))
            printed.push_back(report::measuredRow(date.day, date.month, date.year, n(1), n(2), n(3),
                                                  n(4), n(5), n(6), n(7), n(8)));
        else
            printed.push_back(report::productionRow(date.day, date.month, date.year, n(1), n(2),
                                                    n(3), n(5), n(7)));
    }
    for (const std::string& line : printed)
        EXPECT_NE(std::find(c.doc.m_Ausgabe.begin(), c.doc.m_Ausgabe.end(), line),
                  c.doc.m_Ausgabe.end())
            << line;
    // The production-only row leaves the measured columns empty.
    EXPECT_TRUE(std::holds_alternative<std::monostate>(t.rows[2][4]));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(t.rows[2][8]));

    // A sensitivity search adds its 64 cases; the best of them is the case's new OGIP.
    c.doc.m_dMinOGIP = 3000;
    c.doc.m_dMaxOGIP = 7000;
    c.doc.m_dMinWIP = 1000;
    c.doc.m_dMaxWIP = 40000;
    c.doc.m_dMinJ = 10;
    c.doc.m_dMaxJ = 100;
    c.doc.m_bSensitivitaet = true;
    c.doc.sensitivity();
    const table::Table s = sensitivityTable(c.doc);
    ASSERT_EQ(s.rows.size(), 64u);
    double best = 1e300;
    double bestOgip = 0;
    for (const auto& row : s.rows)
        if (std::get<double>(row[1]) < best) {
            best = std::get<double>(row[1]);
            bestOgip = std::get<double>(row[2]);
        }
    EXPECT_EQ(bestOgip, c.doc.m_dOGIP);
    EXPECT_EQ(exportTables(c.doc, ExportFormat::CsvGerman).size(), 2u);
    EXPECT_EQ(exportTables(c.doc, ExportFormat::Xlsx).size(), 3u);
}

TEST(TableExport, CaseDataKeepTheTypedValues) {
    Computed c;
    c.doc.m_fPorositaet = 0.2f;
    const table::Table t = caseTable(c.doc);
    auto value = [&t](const std::string& name) -> const table::Cell& {
        for (const auto& row : t.rows)
            if (std::get<std::string>(row[0]) == name)
                return row[1];
        static const table::Cell none;
        return none;
    };
    EXPECT_EQ(std::get<double>(value("Porosität")), 0.2);
    EXPECT_EQ(std::get<double>(value("CH4")), 100.0);
    EXPECT_EQ(std::get<std::string>(value("Feld")), "Beispielfeld");
    EXPECT_EQ(std::get<table::Date>(value("Förderbeginn")).year, 2000);
}

TEST(TableExport, FilesAreWrittenWholeOrNotAtAll) {
    Computed c;
    TempDir dir;
    const auto book1 = exportCase(c.doc, dir.file("b.xlsx"), ExportFormat::Xlsx);
    ASSERT_TRUE(book1) << book1.error();
    const std::string book = readFile(dir.file("b.xlsx"));
    ASSERT_GT(book.size(), 1000u);
    EXPECT_EQ(book.substr(0, 2), "PK"); // a zip container
    EXPECT_FALSE(std::filesystem::exists(dir.file("b.xlsx.teil")));

    const auto csv = exportCase(c.doc, dir.file("b.csv"), ExportFormat::CsvPoint);
    ASSERT_TRUE(csv) << csv.error();
    EXPECT_EQ(readFile(dir.file("b.csv")).substr(0, 6), "Datum,");

    EXPECT_EQ(exportCase(c.doc, dir.file("fehlt/b.xlsx"), ExportFormat::Xlsx).error(),
              "ihren Ordner gibt es nicht");
    EXPECT_FALSE(exportCase(c.doc, dir.file("fehlt/b.csv"), ExportFormat::CsvGerman));

    CBrelvanDoc fresh;
    fresh.OnNewDocument();
    EXPECT_EQ(exportCase(fresh, dir.file("leer.csv"), ExportFormat::CsvGerman).error(),
              "es liegen keine berechneten Zeilen vor");
    EXPECT_FALSE(std::filesystem::exists(dir.file("leer.csv")));

    EXPECT_EQ(formatForPath("A.XLSX"), ExportFormat::Xlsx);
    EXPECT_EQ(formatForPath("a.csv", ExportFormat::CsvPoint), ExportFormat::CsvPoint);
    EXPECT_EQ(formatForPath("a"), ExportFormat::CsvGerman);
}

// ---- What a failed export leaves behind

namespace {

table::Table bigTable() {
    table::Table t;
    t.name = "Groß";
    t.columns = {{"Nr", 0, 0}, {"Wert (bar)", 3, 0}, {"Text", -1, 0}};
    for (int i = 0; i < 3000; ++i)
        t.rows.push_back({static_cast<double>(i), 200.0 + i / 7.0,
                          std::string("Zeile ") + std::to_string(i * 7919 % 10007)});
    return t;
}

// TMPDIR set for the lifetime of the object.
class TmpDir {
public:
    explicit TmpDir(const std::string& folder) {
        if (const char* old = std::getenv("TMPDIR"))
            m_old = old;
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TmpDir() {
        if (m_old)
            ::setenv("TMPDIR", m_old->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> m_old;
};

void failsAndLeavesTheOldFile(FullDisk::Kind kind) {
    const std::vector<table::Table> tables = {bigTable()};
    FullDisk disk(kind);
    SCOPED_TRACE(disk.how());
    const std::string old = "alte Datei\n";
    struct Export {
        std::string name;
        std::function<IoResult<>(const std::string&)> write;
    };
    const Export exports[] = {
        {"tabelle.csv",
         [&](const std::string& p) { return table::writeCsv(p, tables, table::kCsvGerman); }},
        {"tabelle.xlsx", [&](const std::string& p) { return table::writeXlsx(p, tables); }},
    };
    // The workbook's own temporary file goes into a folder of the test's, to be watched.
    TempDir workbookTemp;
    const TmpDir tmp(workbookTemp.path().string());
    for (const Export& e : exports) {
        SCOPED_TRACE(e.name);
        const std::string path = disk.file(e.name);
        ASSERT_TRUE(e.write(path));
        ASSERT_GT(readFile(path).size(), 8192u); // large enough to fail midway
        writeFile(path, old);
        disk.fill(1024);
        const IoResult<> failed = e.write(path);
        disk.release();
        ASSERT_FALSE(failed);
        EXPECT_EQ(failed.error(), "beim Schreiben: auf dem Datenträger ist kein Platz mehr");
        EXPECT_EQ(readFile(path), old);
        EXPECT_EQ(disk.names(), std::set<std::string>{e.name});
        EXPECT_TRUE(FullDisk::namesIn(workbookTemp.path().string()).empty());
        std::filesystem::remove(path);
    }
}

} // namespace

TEST(TableExport, AFullDiskLeavesTheOldFileAndNoTemporary) {
    failsAndLeavesTheOldFile(FullDisk::Kind::FileSystem);
}

TEST(TableExport, AFailingWriteLeavesTheOldFileAndNoTemporary) {
    failsAndLeavesTheOldFile(FullDisk::Kind::Hook);
}

// The workbook cannot even be made where its temporary file would go: nothing stays there,
// and the target is untouched.
TEST(TableExport, AWorkbookThatCannotBeMadeLeavesNothingBehind) {
    const std::vector<table::Table> tables = {bigTable()};
    TempDir dir;
    const std::string path = dir.file("tabelle.xlsx");
    writeFile(path, "alt");
    {
        const TmpDir tmp(dir.file("gibt-es-nicht"));
        const IoResult<> failed = table::writeXlsx(path, tables);
        ASSERT_FALSE(failed);
        EXPECT_NE(failed.error().find("Arbeitsmappe kann nicht angelegt werden"), std::string::npos)
            << failed.error();
    }
    FullDisk disk;
    if (disk.mounted()) {
        // The workbook's temporary file on the full disk: the library's own write fails.
        const TmpDir tmp(disk.folder());
        disk.fill(1024);
        const IoResult<> failed = table::writeXlsx(path, tables);
        disk.release();
        ASSERT_FALSE(failed);
        EXPECT_NE(failed.error().find("Arbeitsmappe kann nicht geschrieben werden"),
                  std::string::npos)
            << failed.error();
        EXPECT_TRUE(disk.names().empty());
    }
    EXPECT_EQ(readFile(path), "alt");
    EXPECT_EQ(FullDisk::namesIn(dir.path().string()), std::set<std::string>{"tabelle.xlsx"});
}
