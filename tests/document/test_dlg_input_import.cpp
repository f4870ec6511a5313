// Importing shut-in pressure lines from a measurement file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/DlgInputData.h"
#include "testing/FakeUserInterface.h"

namespace {

namespace fs = std::filesystem;

class Import : public testing::Test {
protected:
    void SetUp() override {
        dir =
            fs::temp_directory_path() /
            ("brelvan_import_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        d.m_iTag = 1;
        d.m_iMonat = 1;
        d.m_iJahr = 1990;
        d.m_Zeilen = {"by hand 1", "by hand 2"};
        d.OnInitDialog(ui);
        d.m_iListSelection = 1;
    }
    void TearDown() override { fs::remove_all(dir); }

    // Writes `bytes` into a file and imports it; returns the path.
    std::string import(const std::string& bytes, const std::string& name = "druck.txt") {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << bytes;
        const std::string path = p.string();
        d.importPressureFile(path, ui);
        return path;
    }

    fs::path dir;
    FakeUserInterface ui{FakeUserInterface::Strict};
    DlgInputData d;
};

const std::string kExample = "Feld A  Schliessdruecke\n"
                             "1.7.1990   12.5   251.0\n"
                             "1.1.1991   40.0\n"
                             "1.7.1991   71.25  238.4\n";
const std::vector<std::string> kExampleLines = {
    "      1. 7.1990         12.500             251.0",
    "      1. 1.1991         40.000   ",
    "      1. 7.1991         71.250             238.4",
};

} // namespace

TEST_F(Import, ExampleFileReplacesTheList) {
    const std::string path = import(kExample, "Druck März.txt"); // a UTF-8 path
    EXPECT_EQ(ui.messages, std::vector<std::string>{path + " wird geöffnet"});
    EXPECT_EQ(d.m_Zeilen, kExampleLines);
    EXPECT_EQ(d.m_ListDruck, kExampleLines);
    EXPECT_EQ(d.m_iListSelection, -1);
    EXPECT_EQ(d.m_strStatus, "3 Zeilen wurden eingelesen");
    EXPECT_EQ(d.m_strZeile, " ");
}

TEST_F(Import, LineEndsAndLastLine) {
    std::string crlf;
    for (char c : kExample) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    import(crlf);
    EXPECT_EQ(d.m_Zeilen, kExampleLines);
    // without a line break at the end
    import(kExample.substr(0, kExample.size() - 1));
    EXPECT_EQ(d.m_Zeilen, kExampleLines);
}

TEST_F(Import, Stops) {
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
        std::string message; // after " wird geöffnet"; empty: none
    };
    const std::string l1 = kExampleLines[0];
    const Row rows[] = {
        {"only the heading", "Feld A\n", {}, ""},
        {"empty file", "", {}, ""},
        {"data in the first line", "1.7.1990 12.5 251.0\n1.1.1991 40.0\n", {kExampleLines[1]}, ""},
        {"empty line after data",
         "H\n1.7.1990 12.5 251.0\n\n1.1.1991 40.0\n",
         {l1},
         "Die Zeile enhält keine 6 Werte\n "},
        {"text line in Windows-1252",
         "H\n1.7.1990 12.5 251.0\nEnde f\xfcr Feld \xd6\n",
         {l1},
         "Die Zeile enhält keine 6 Werte\n Ende für Feld Ö"},
        {"120 characters",
         "H\n1.7.1990 12.5 251.0\n1.1.1991 40.0" + std::string(107, ' ') + "\n",
         {l1},
         "In der 3.Zeile 100 Zeichen gelesen"},
        {"long heading",
         std::string(150, 'x') + "\n1.7.1990 12.5 251.0\n",
         {},
         "In der 1.Zeile 100 Zeichen gelesen"},
        {"97 characters pass", "H\n1.7.1990 12.5 251.0" + std::string(78, ' ') + "\n", {l1}, ""},
        {"98 characters fill the read",
         "H\n1.7.1990 12.5 251.0" + std::string(79, ' ') + "\n",
         {},
         "In der 2.Zeile 100 Zeichen gelesen"},
        {"no date check",
         "H\n32.13.1850 5 100\n",
         {"     32.13.1850          5.000             100.0"},
         ""},
        {"extra text ignored", "H\n1.7.1990 12.5 251.0 bar gemessen\n", {l1}, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ui.clear();
        const std::string path = import(r.bytes);
        std::vector<std::string> expected = {path + " wird geöffnet"};
        if (!r.message.empty())
            expected.push_back(r.message);
        EXPECT_EQ(ui.messages, expected);
        EXPECT_EQ(d.m_Zeilen, r.lines);
        EXPECT_EQ(d.m_ListDruck, r.lines);
        EXPECT_EQ(d.m_strStatus, std::to_string(r.lines.size()) + " Zeilen wurden eingelesen");
    }
}

TEST_F(Import, UnopenableFileKeepsTheList) {
    d.m_strStatus = "2.Zeile ausgewählt";
    d.m_strZeile = "typed";
    const std::string missing = (dir / "fehlt.txt").string();
    d.importPressureFile(missing, ui);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_TRUE(ui.messages.empty()); // no " wird geöffnet"
    EXPECT_NE(ui.errors[0].find("fehlt.txt"), std::string::npos);
    EXPECT_EQ(d.m_Zeilen, (std::vector<std::string>{"by hand 1", "by hand 2"}));
    EXPECT_EQ(d.m_ListDruck, d.m_Zeilen);
    EXPECT_EQ(d.m_iListSelection, 1);
    EXPECT_EQ(d.m_strStatus, "2.Zeile ausgewählt");
    EXPECT_EQ(d.m_strZeile, "typed");
    EXPECT_FALSE(fs::exists(missing)); // not created

    // a directory cannot be read as a file either
    ui.clear();
    d.importPressureFile(dir.string(), ui);
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(d.m_Zeilen.size(), 2u);
}

// Lines whose Gp or pressure no case can hold are skipped and counted; the others are read.
TEST_F(Import, LinesWithImpossibleNumbersAreSkippedAndCounted) {
    import("Kopf\n"
           "1.7.1990   12.5   251.0\n"
           "1.1.1991   nan    240\n"
           "1.7.1991   --1e39 238.4\n"
           "1.1.1992   80     1e39\n"
           "1.7.1992   90     230\n");
    EXPECT_EQ(d.m_Zeilen.size(), 2u);
    EXPECT_EQ(d.m_strStatus, "2 Zeilen wurden eingelesen");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1], "3 Zeilen mit ungültigen Zahlen wurden übersprungen.\n"
                              "Die erste: 3.Zeile: Der Gp-Wert „nan“ ist keine endliche Zahl.");
}

// Lines from a case file are checked at OK as well: nothing is computed from them.
TEST_F(Import, TheMeasurementCheckRefusesImpossibleNumbers) {
    d.m_Zeilen = {"1.7.1990 12.5 251.0", "1.1.1991 1e30 240"};
    EXPECT_FALSE(d.PruefeMesswerte(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "2.Zeile: Der Gp-Wert „1e30“ liegt außerhalb jedes möglichen "
                              "Wertes.\n1.1.1991 1e30 240");
}
