// The case document in English: every text it shows has its translation, exported tables keep
// their numbers and stay readable by the import, messages keep the file, line and values they
// name, and German comes back unchanged.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "testing/TestFiles.h"
#include "document/CaseExport.h"
#include "document/CsvImport.h"
#include "document/DataExchange.h"
#include "document/DocumentTexts.h"
#include "document/HeadlessSession.h"
#include "document/PressureHistory.h"
#include "testing/FakeUserInterface.h"
#include "support/Language.h"
#include "testing/WorkedCase.h"
#include "testing/CatalogueScan.h"

namespace {

using namespace brelvan;

// English for the lifetime of the object, German again afterwards.
class InEnglish {
public:
    InEnglish() { setCurrentLanguage(Language::English); }
    ~InEnglish() { setCurrentLanguage(Language::German); }
    InEnglish(const InEnglish&) = delete;
    InEnglish& operator=(const InEnglish&) = delete;
};

bool hasGermanLetters(const std::string& text) {
    for (const char* letter : {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß", "„"})
        if (text.find(letter) != std::string::npos)
            return true;
    return false;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(text.substr(start, end - start));
    return out;
}

// One member of a zip file as `unzip -p` gives it.
std::string unzipped(const std::string& zip, const std::string& member) {
    const std::string command = "unzip -p '" + zip + "' '" + member + "' 2>/dev/null";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// The cells of a worksheet that are not shared strings (numbers and dates), as written.
std::vector<std::string> valueCells(const std::string& sheet) {
    std::vector<std::string> cells;
    for (std::size_t at = sheet.find("<c "); at != std::string::npos;
         at = sheet.find("<c ", at + 1)) {
        const std::size_t end = sheet.find('>', at);
        const std::size_t close = sheet.find("</c>", at);
        const std::string open = sheet.substr(at, end - at);
        if (open.find("t=\"s\"") == std::string::npos && close != std::string::npos)
            cells.push_back(sheet.substr(at, close - at));
    }
    return cells;
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

// The list lines an import takes from a CSV text.
std::vector<std::string> importedLines(const std::string& csvText) {
    csv::Options options;
    const csv::Result r = csv::read(csvText, options);
    EXPECT_EQ(r.error, "");
    EXPECT_TRUE(r.columnsFromNames);
    EXPECT_TRUE(r.skipped.empty());
    std::vector<std::string> out;
    for (const csv::Row& row : r.rows)
        out.push_back(row.listLine);
    return out;
}

} // namespace

// Every text the layer passes to tx() has its English, with the same printf conversions; the
// catalogue holds nothing unused, and no English text is a German one left in place.
TEST(DocumentTexts, EveryTextHasItsEnglish) {
    const std::vector<std::string> problems = brelvan::testing::catalogueProblems(
        document::catalogue(), brelvan::testing::txLiterals("src/document"));
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
    for (const TextPair& pair : document::catalogue().pairs())
        EXPECT_FALSE(hasGermanLetters(pair.english)) << pair.german << " | " << pair.english;
}

// An English export has English headings over the same rows, number for number, and the import
// finds its columns by those headings as it does in the German one.
TEST(DocumentTexts, EnglishTablesHoldTheSameNumbers) {
    Computed c;
    for (const table::CsvStyle style : {table::kCsvGerman, table::kCsvPoint}) {
        SCOPED_TRACE(style.separator);
        const std::string german = table::toCsv({reportTable(c.doc)}, style);
        std::string english;
        {
            InEnglish en;
            english = table::toCsv({reportTable(c.doc)}, style);
        }
        const std::vector<std::string> de = lines(german);
        const std::vector<std::string> en = lines(english);
        ASSERT_EQ(de.size(), c.doc.m_Tabelle.size() + 1);
        ASSERT_EQ(en.size(), de.size());
        const std::string heading =
            style.separator == ';' ? "\xEF\xBB\xBF"
                                     "Date;Time (days);Gp (million m3);Computed pressure (bar)"
                                   : "Date,Time (days),Gp (million m3),Computed pressure (bar)";
        EXPECT_EQ(en[0].rfind(heading, 0), 0u) << en[0];
        EXPECT_FALSE(hasGermanLetters(en[0])) << en[0];
        for (std::size_t row = 1; row < de.size(); ++row)
            EXPECT_EQ(en[row], de[row]);
        // Read back, both give the same list lines.
        const std::vector<std::string> back = importedLines(german);
        EXPECT_EQ(back.size(), c.doc.m_Tabelle.size());
        EXPECT_EQ(importedLines(english), back);
    }

    // The case data: English labels beside the same values.
    const table::Table de = caseTable(c.doc);
    table::Table en;
    {
        InEnglish english;
        en = caseTable(c.doc);
    }
    ASSERT_EQ(en.rows.size(), de.rows.size());
    for (std::size_t i = 0; i < de.rows.size(); ++i) {
        const std::string label = std::get<std::string>(en.rows[i][0]);
        EXPECT_FALSE(hasGermanLetters(label)) << label;
        if (!std::holds_alternative<std::string>(de.rows[i][1])) {
            // A number or a date, written as a German table writes it.
            EXPECT_EQ(table::toCsv({{"", {}, {{en.rows[i][1]}}}}, table::kCsvGerman),
                      table::toCsv({{"", {}, {{de.rows[i][1]}}}}, table::kCsvGerman))
                << label;
        }
    }
}

// The workbook: English sheet names and headings, the same numbers and dates in the same cells.
TEST(DocumentTexts, EnglishWorkbookHoldsTheSameNumbers) {
    Computed c;
    TempDir dir;
    ASSERT_TRUE(exportCase(c.doc, dir.file("de.xlsx"), ExportFormat::Xlsx));
    {
        InEnglish en;
        const IoResult<> written = exportCase(c.doc, dir.file("en.xlsx"), ExportFormat::Xlsx);
        ASSERT_TRUE(written) << written.error();
    }
    const std::string de = dir.file("de.xlsx"), en = dir.file("en.xlsx");
    const std::string bookEn = unzipped(en, "xl/workbook.xml");
    EXPECT_NE(bookEn.find("name=\"Report\""), std::string::npos) << bookEn;
    EXPECT_NE(bookEn.find("name=\"Case data\""), std::string::npos) << bookEn;
    EXPECT_NE(unzipped(de, "xl/workbook.xml").find("name=\"Falldaten\""), std::string::npos);
    const std::string stringsEn = unzipped(en, "xl/sharedStrings.xml");
    EXPECT_NE(stringsEn.find("Measured pressure (bar)"), std::string::npos);
    EXPECT_FALSE(hasGermanLetters(stringsEn)) << stringsEn;
    for (const char* sheet : {"xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml"}) {
        SCOPED_TRACE(sheet);
        const std::vector<std::string> cells = valueCells(unzipped(de, sheet));
        EXPECT_GT(cells.size(), 10u);
        EXPECT_EQ(valueCells(unzipped(en, sheet)), cells);
    }
}

// English messages keep what they name: the file and the byte of a damaged case file, the row
// and the line of a bad measurement, the line and the cells of a CSV file, and the bounds of a
// field.
TEST(DocumentTexts, EnglishMessagesNameTheFileAndTheLine) {
    InEnglish en;
    TempDir dir;
    CBrelvanDoc source;
    worked_case::set(source);

    const std::string cut = dir.file("cut.brv");
    writeFile(cut, caseBytes(source).substr(0, 100));
    FakeUserInterface ui;
    CBrelvanDoc doc;
    doc.setUserInterface(&ui);
    EXPECT_FALSE(doc.OnOpenDocument(cut));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], "The file “" + cut +
                                "” is not a complete Brelvan case file: the file ends at byte 97 "
                                "before a floating-point number.\nThe open case stays unchanged.");

    // A measurement that is no possible number, in a case file that reads well.
    CBrelvanDoc bad;
    worked_case::set(bad);
    const std::string badLine = "      1. 7.2000          nan         230.0";
    bad.m_Zeilen.insert(bad.m_Zeilen.begin() + 1, badLine);
    const std::string badPath = dir.file("bad.brv");
    writeFile(badPath, caseBytes(bad));
    FakeUserInterface badUi;
    CBrelvanDoc opened;
    EXPECT_EQ(openCase(opened, badUi, badPath), OpenOutcome::Refused);
    ASSERT_EQ(badUi.messages.size(), 1u);
    EXPECT_EQ(badUi.messages[0].rfind("Row 2: ", 0), 0u) << badUi.messages[0];
    EXPECT_TRUE(badUi.messages[0].ends_with(".\n" + badLine)) << badUi.messages[0];

    csv::Options options;
    const csv::Result skipped =
        csv::read("Datum;Gp;Druck\n1.1.2001;10;200\n31.4.2001;20;190\n1.3.2001;-5;180\n", options);
    ASSERT_EQ(skipped.skipped.size(), 2u);
    EXPECT_EQ(skipped.skipped[0].lineNumber, 3);
    EXPECT_EQ(skipped.skipped[0].reason, "The date 31.4.2001 does not exist");
    EXPECT_EQ(skipped.skipped[1].reason, "Gp is negative");
    const csv::Result undecided = csv::read("Datum;Gp;Druck\n1.1.2001;1.500;200\n", options);
    EXPECT_EQ(undecided.error, "“1.500” in line 2 may mean 1,500 (with a decimal comma) or 1500, "
                               "and nothing in the file decides whether “.” is the decimal "
                               "character.");
    const csv::Result order = csv::read("Datum;Gp\n02/01/2001;10\n", options);
    EXPECT_EQ(order.error, "The date “02/01/2001” in line 2 may be day 2 of month 1 or day 1 of "
                           "month 2, and no date of the file decides whether the day or the month "
                           "comes first.");

    PressureHistory history;
    std::string error;
    EXPECT_FALSE(parsePressureHistory("Tage;Druck\n0;200\n5;0\n", history, error));
    EXPECT_EQ(error, "The pressure in line 3 of the pressure history is not greater than 0.");

    EXPECT_EQ(rangeMessage(7, 13, false), "Enter a number between 7 and 13.");
    EXPECT_EQ(rangeMessage(1930, 2200, true), "Enter an integer between 1930 and 2200.");
}

// Switching to English and back leaves every German output as it was: nothing keeps a text of
// the language it was first asked in.
TEST(DocumentTexts, GermanComesBackUnchanged) {
    Computed c;
    const std::string before =
        table::toCsv(exportTables(c.doc, ExportFormat::Xlsx), table::kCsvGerman);
    {
        InEnglish en;
        CBrelvanDoc fresh;
        fresh.OnNewDocument();
        EXPECT_EQ(fresh.GetTitle(), "Untitled");
        EXPECT_EQ(fresh.m_strXAchse, "Time in days");
        EXPECT_EQ(csv::decimalName(','), std::string("comma"));
        EXPECT_EQ(notANumberMessage(true), "Enter an integer.");
    }
    EXPECT_EQ(table::toCsv(exportTables(c.doc, ExportFormat::Xlsx), table::kCsvGerman), before);
    EXPECT_EQ(before.substr(3, 17), "Datum;Zeit (Tage)");
    CBrelvanDoc fresh;
    fresh.OnNewDocument();
    EXPECT_EQ(fresh.GetTitle(), "Unbenannt");
    EXPECT_EQ(fresh.m_strXAchse, "Zeit in Tagen");
    EXPECT_EQ(csv::decimalName(','), std::string("Komma"));
    EXPECT_EQ(rangeMessage(7, 13, false), "Geben Sie eine Zahl zwischen 7 und 13 ein.");
}
