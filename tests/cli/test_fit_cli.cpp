// The batch tool's "anpassen" and "karte" end to end on a case made from known values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "testing/CliRun.h"
#include "testing/FitCases.h"
#include "testing/TestFiles.h"

namespace {

using Result = cli_run::Result;

// A case file whose measured pressures the program made from OGIP 5000, WIP 20000, J 50, with
// noise; the case itself holds other values.
std::string makeCase(const TempDir& dir) {
    std::vector<std::string> lines;
    fit_cases::syntheticCase({5000, 20000, 50}, 8, 4, brelvan::engine::InfluxScheme::Original, 0.3,
                             11, 1, 0.25, &lines);
    CBrelvanDoc doc;
    worked_case::set(doc);
    doc.m_fGas.fill(0.0f);
    doc.m_fGas[3] = 100;
    doc.m_Zeilen = lines;
    doc.m_dOGIP = 4500;
    doc.m_dWIP = 15000;
    doc.m_dJWert = 40;
    const std::string path = dir.file("fall.brv");
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

double valueAfter(const std::string& line, const std::string& prefix) {
    EXPECT_EQ(line.compare(0, prefix.size(), prefix), 0) << line;
    return std::stod(line.substr(prefix.size()));
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

std::vector<std::string> csvLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(FitCli, AnpassenPrintsValuesErrorsAndRangesAndSaves) {
    TempDir dir;
    const std::string fall = makeCase(dir);
    const Result r = cli_run::run({"anpassen", fall, "--ogip", "3000:8000", "--wip", "5000:80000",
                                   "--jwert", "10:200", "--speichern", dir.file("neu.brv")});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 9u) << r.err;
    EXPECT_NEAR(valueAfter(r.lines[0], "OGIP: "), 5000, 100);
    EXPECT_TRUE(std::regex_match(r.lines[0], std::regex(R"(OGIP: \d+\.\d{3})")));
    EXPECT_TRUE(std::regex_match(r.lines[1], std::regex(R"(WIP: \d+\.\d{3})")));
    EXPECT_TRUE(std::regex_match(r.lines[2], std::regex(R"(J-Wert: \d+\.\d{4})")));
    EXPECT_LT(valueAfter(r.lines[3], "RMS-Fehler: "), 0.5);
    EXPECT_LT(valueAfter(r.lines[4], "Mittlerer Fehler: "), 0.5);
    const std::regex side(R"((\d+\.\d{3}|offen))");
    const char* names[] = {"OGIP-Bereich: ", "WIP-Bereich: ", "J-Wert-Bereich: "};
    for (int j = 0; j < 3; ++j)
        EXPECT_TRUE(std::regex_match(
            r.lines[5 + j],
            std::regex(std::string(names[j]) + R"((\d+\.\d{3}|offen) (\d+\.\d{3}|offen))")))
            << r.lines[5 + j];
    EXPECT_TRUE(std::regex_match(r.lines[8], std::regex(R"(Starts am Optimum: [1-9]\d* von \d+)")))
        << r.lines[8];

    const Result shown = cli_run::run({"zeigen", dir.file("neu.brv")});
    ASSERT_EQ(shown.status, 0);
    bool found = false;
    for (const std::string& line : shown.lines)
        if (line.rfind("m_dOGIP: ", 0) == 0) {
            found = true;
            EXPECT_NEAR(std::stod(line.substr(9)), valueAfter(r.lines[0], "OGIP: "), 0.001);
        }
    EXPECT_TRUE(found);
}

// The truth's water zone (150000 Mio m3) lies beyond what the input dialog accepts; the search
// box around the case's WIP of 20000 used to reach 200000, and the saved case could not be
// opened again.
TEST(FitCli, SavedFitOpensAgainWhenTheTruthLiesBeyondTheInputLimits) {
    TempDir dir;
    std::vector<std::string> lines;
    fit_cases::syntheticCase({5000, 150000, 20}, 12, 3, brelvan::engine::InfluxScheme::Original, 0,
                             0, 1, 0.25, &lines);
    CBrelvanDoc doc;
    worked_case::set(doc);
    doc.m_fGas.fill(0.0f);
    doc.m_fGas[3] = 100;
    doc.m_Zeilen = lines;
    doc.m_dOGIP = 5000;
    doc.m_dWIP = 20000;
    doc.m_dJWert = 50;
    const std::string fall = dir.file("gross-wasser.brv");
    ASSERT_TRUE(doc.OnSaveDocument(fall));
    const Result r = cli_run::run({"anpassen", fall, "--speichern", dir.file("neu.brv")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines[1], "WIP: 100000.000");
    EXPECT_NE(r.err.find("WIP liegt am Rand des Suchbereichs"), std::string::npos) << r.err;
    const Result reopened = cli_run::run({"bericht", dir.file("neu.brv")});
    EXPECT_EQ(reopened.status, 0) << reopened.err;
}

TEST(FitCli, AnpassenHoldsParametersAndChecksItsOptions) {
    TempDir dir;
    const std::string fall = makeCase(dir);
    Result r = cli_run::run({"anpassen", fall, "--fest", "jwert,wip", "--start", "fall"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 7u);
    EXPECT_EQ(r.lines[6], "Starts am Optimum: 1 von 1");
    EXPECT_EQ(r.lines[1], "WIP: 15000.000");
    EXPECT_EQ(r.lines[2], "J-Wert: 40.0000");
    EXPECT_EQ(r.lines[5].rfind("OGIP-Bereich: ", 0), 0u);

    // The WIP box ends below the truth: WIP ends on its bound, with the warning.
    r = cli_run::run({"anpassen", fall, "--wip", "2000:6000", "--fest", "jwert"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines[1], "WIP: 6000.000");
    EXPECT_NE(r.err.find("WIP liegt am Rand des Suchbereichs"), std::string::npos);

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"anpassen", fall, "--fest", "ogip,wip,jwert"},
          {"anpassen", fall, "--fest", "gas"},
          {"anpassen", fall, "--ogip", "6000:5000"},
          {"anpassen", fall, "--start", "mitte"},
          {"anpassen", fall, "--verfahren", "neu"},
          {"anpassen"}}) {
        r = cli_run::run(bad);
        EXPECT_EQ(r.status, 1) << bad.back();
        EXPECT_TRUE(r.lines.empty());
    }
    EXPECT_EQ(cli_run::run({"anpassen", dir.file("fehlt.brv")}).status, 2);
}

TEST(FitCli, KarteWritesOneCsvLinePerCell) {
    TempDir dir;
    const std::string fall = makeCase(dir);
    const std::string csv = dir.file("karte.csv");
    // OGIP from 1000: the lowest column lies below the last Gp and has no error value.
    Result r = cli_run::run({"karte", fall, "--achsen", "ogip,wip", "--ogip", "1000:9000", "--wip",
                             "5000:45000", "--jwert", "10:100", "--punkte", "5", csv});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream in(readFile(csv));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 26u);
    // Like the other exports: byte order mark, units in the headings, ";" and the decimal comma.
    EXPECT_EQ(lines[0], "\xEF\xBB\xBFOGIP (Mio m3);WIP (Mio m3);J-Wert (m3/(Tag\xC2\xB7"
                        "bar));"
                        "RMS-Fehler (bar);Mittlerer Fehler (bar)\r");
    EXPECT_EQ(lines[1], "1000;5000;40;;\r");
    EXPECT_TRUE(std::regex_match(lines[6], std::regex(R"(3000;5000;40;\d+,\d+;\d+,\d+\r)")))
        << lines[6];
    // With --csv-format punkt: "," and the decimal point, here on standard output.
    r = cli_run::run({"karte", fall, "--achsen", "ogip,wip", "--ogip", "1000:9000", "--wip",
                      "5000:45000", "--jwert", "10:100", "--punkte", "5", "--csv-format", "punkt",
                      "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 26u);
    EXPECT_EQ(r.lines[6].rfind("3000,5000,40,", 0), 0u) << r.lines[6];

    r = cli_run::run({"karte", fall, "--achsen", "wip,jwert", "--ogip", "4000:6000", "--wip",
                      "5000:45000", "--jwert", "10:100", "--punkte", "3", "--dritter", "optimiert",
                      csv});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(csv).find("4500.000000"), std::string::npos); // OGIP re-optimised

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"karte", fall, "--achsen", "ogip,ogip", "--ogip", "1:2", "--wip",
                                   "1:2", "--jwert", "1:2", csv},
          {"karte", fall, "--achsen", "ogip,wip", "--ogip", "1:2", "--wip", "1:2", csv},
          {"karte", fall, "--achsen", "ogip,wip", "--ogip", "1:2", "--wip", "1:2", "--jwert", "1:2",
           "--punkte", "1", csv},
          {"karte", fall, "--achsen", "ogip,wip", "--ogip", "1:2", "--wip", "1:2", "--jwert", "1:2",
           dir.file("karte.txt")}})
        EXPECT_EQ(cli_run::run(bad).status, 1);
    // Ranges whose values are no possible case values are refused before anything is computed
    // (a range of ±1e308 once wrote -nan and inf cells).
    for (const char* range : {"-1e308:1e308", "0:5000", "1e308:1.7e308"}) {
        r = cli_run::run({"karte", fall, "--achsen", "ogip,wip", "--ogip", range, "--wip", "1:2",
                          "--jwert", "1:2", csv});
        EXPECT_EQ(r.status, 1) << range;
        EXPECT_NE(r.err.find("ist kein Bereich MIN:MAX (0 < MIN < MAX <= 1e9) für --ogip"),
                  std::string::npos)
            << r.err;
    }
}

// The pot ignores J: a map over J is refused with the reason and writes nothing; a map over
// OGIP and WIP keeps the case's J even when the third parameter is to be re-optimised.
TEST(FitCli, KarteOfAPotHoldsJ) {
    TempDir dir;
    const std::string fall = makeCase(dir);
    const std::string csv = dir.file("karte.csv");
    Result r = cli_run::run({"karte", fall, "--modell", "topf", "--achsen", "ogip,jwert", "--ogip",
                             "4000:6000", "--wip", "5000:45000", "--jwert", "10:100", "--punkte",
                             "3", csv});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Das Topf-Modell hängt nicht vom J-Wert ab"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(csv));
    r = cli_run::run({"karte", fall, "--modell", "topf", "--achsen", "ogip,wip", "--ogip",
                      "4000:6000", "--wip", "5000:45000", "--jwert", "10:100", "--punkte", "3",
                      "--dritter", "optimiert", "--csv-format", "punkt", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 10u);
    for (std::size_t i = 1; i < r.lines.size(); ++i) {
        std::istringstream cells(r.lines[i]);
        std::string ogip, wip, j;
        std::getline(cells, ogip, ',');
        std::getline(cells, wip, ',');
        std::getline(cells, j, ',');
        EXPECT_EQ(j, "40") << r.lines[i];
    }
}

TEST(FitCli, AnpassenWritesItsTableAsCsvAndXlsx) {
    TempDir dir;
    const std::string fall = makeCase(dir);
    const std::string csv = dir.file("anpassung.csv");
    const std::string xlsx = dir.file("anpassung.xlsx");
    Result r = cli_run::run({"anpassen", fall, "--ogip", "3000:8000", "--wip", "5000:80000",
                             "--jwert", "10:200", "--csv", csv, "--xlsx", xlsx});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 9u) << r.err; // the printed lines stay as they are

    // German style: byte order mark, ";" and the decimal comma; the values are the printed ones.
    std::vector<std::string> lines = csvLines(readFile(csv));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "\xEF\xBB\xBFGröße;Wert;Anpassung;95-%-Bereich von;95-%-Bereich bis;"
                        "Bereich");
    const char* rows[] = {"OGIP (Mio m3);", "WIP (Mio m3);", "J-Wert (m3/(Tag·bar));",
                          "RMS-Fehler (bar);", "Mittlerer Fehler (bar);"};
    const char* printed[] = {"OGIP: ", "WIP: ", "J-Wert: ", "RMS-Fehler: ", "Mittlerer Fehler: "};
    for (int j = 0; j < 5; ++j) {
        const std::string& line = lines[static_cast<std::size_t>(j + 1)];
        ASSERT_EQ(line.rfind(rows[j], 0), 0u) << line;
        std::string value = line.substr(std::string(rows[j]).size());
        value = value.substr(0, value.find(';'));
        EXPECT_EQ(value.find('.'), std::string::npos) << line;
        std::replace(value.begin(), value.end(), ',', '.');
        EXPECT_NEAR(std::stod(value), valueAfter(r.lines[static_cast<std::size_t>(j)], printed[j]),
                    j < 2 ? 0.0006 : 0.00006)
            << line;
    }
    EXPECT_TRUE(std::regex_match(lines[6], std::regex(R"(Iterationen;\d+;;;;)"))) << lines[6];

    // The workbook: the table and the case data on two sheets.
    EXPECT_EQ(readFile(xlsx).substr(0, 2), "PK");
    const std::string book = unzipped(xlsx, "xl/workbook.xml");
    EXPECT_NE(book.find("name=\"Anpassung\""), std::string::npos) << book;
    EXPECT_NE(book.find("name=\"Falldaten\""), std::string::npos) << book;
    EXPECT_NE(unzipped(xlsx, "xl/sharedStrings.xml").find("95-%-Bereich von"), std::string::npos);

    // Held parameters with the decimal point: "fest" and no range; stdout unchanged.
    r = cli_run::run({"anpassen", fall, "--fest", "jwert,wip", "--start", "fall", "--csv", csv,
                      "--csv-format", "punkt"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 7u);
    lines = csvLines(readFile(csv));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Größe,Wert,Anpassung,95-%-Bereich von,95-%-Bereich bis,Bereich");
    EXPECT_EQ(lines[2], "WIP (Mio m3),15000,fest,,,");
    EXPECT_EQ(lines[3], "J-Wert (m3/(Tag·bar)),40,fest,,,");
    EXPECT_TRUE(std::regex_match(lines[4], std::regex(R"(RMS-Fehler \(bar\),\d+\.\d+,,,,)")))
        << lines[4];

    // A file that cannot be written and a bad format: exit 2 with a German message.
    r = cli_run::run({"anpassen", fall, "--fest", "jwert", "--xlsx", dir.file("nein/a.xlsx")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("kann nicht geschrieben werden"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("nein/a.xlsx")));
    r = cli_run::run({"anpassen", fall, "--csv", csv, "--csv-format", "excel"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.lines.empty()); // refused before the fit
    EXPECT_NE(r.err.find("--csv-format erwartet „komma“ oder „punkt“"), std::string::npos) << r.err;
}

TEST(FitCli, KarteWritesTheCellsAsNumbersToAWorkbook) {
    TempDir dir;
    const std::string fall = makeCase(dir);
    const std::string xlsx = dir.file("karte.xlsx");
    Result r = cli_run::run({"karte", fall, "--achsen", "ogip,wip", "--ogip", "1000:9000", "--wip",
                             "5000:45000", "--jwert", "10:100", "--punkte", "5", xlsx});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(xlsx).substr(0, 2), "PK");
    EXPECT_NE(unzipped(xlsx, "xl/workbook.xml").find("name=\"Fehlerkarte\""), std::string::npos);
    const std::string strings = unzipped(xlsx, "xl/sharedStrings.xml");
    for (const char* heading : {"OGIP (Mio m3)", "WIP (Mio m3)", "J-Wert (m3/(Tag·bar))",
                                "RMS-Fehler (bar)", "Mittlerer Fehler (bar)"})
        EXPECT_NE(strings.find(heading), std::string::npos) << heading;
    const std::string sheet = unzipped(xlsx, "xl/worksheets/sheet1.xml");
    // 25 cells after the heading; the first has no error value and so no error cells.
    EXPECT_NE(sheet.find("<row r=\"26\""), std::string::npos);
    EXPECT_EQ(sheet.find("<row r=\"27\""), std::string::npos);
    const std::regex first(R"(<row r="2"[^>]*>(.*?)</row>)");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(sheet, m, first)) << sheet.substr(0, 2000);
    EXPECT_NE(m[1].str().find("<v>1000</v>"), std::string::npos) << m[1];
    EXPECT_NE(m[1].str().find("<v>5000</v>"), std::string::npos) << m[1];
    EXPECT_NE(m[1].str().find("<v>40</v>"), std::string::npos) << m[1];
    EXPECT_EQ(m[1].str().find("r=\"D2\""), std::string::npos) << m[1];
    EXPECT_NE(sheet.find("r=\"E7\""), std::string::npos); // the cell at OGIP 3000 has one

    r = cli_run::run({"karte", fall, "--achsen", "ogip,wip", "--ogip", "1000:9000", "--wip",
                      "5000:45000", "--jwert", "10:100", "--punkte", "2",
                      dir.file("nein/karte.xlsx")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("kann nicht geschrieben werden"), std::string::npos) << r.err;
}
