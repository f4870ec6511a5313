// The report file "aus.txt": written in Windows-1252 with the title, read back without losing
// a character, failures told instead of success.
#include <gtest/gtest.h>

#include <sstream>

#include "document/CBrelvanDoc.h"
#include "document/DocumentCommands.h"
#include "testing/FakeUserInterface.h"
#include "testing/TestFiles.h"

namespace {

struct AusTxt : ::testing::Test {
    TempDir dir;
    FakeUserInterface ui;
    CBrelvanDoc doc;
    void SetUp() override {
        doc.setUserInterface(&ui);
        doc.OnNewDocument();
        doc.m_strAusTxtOrdner = dir.path().string();
        doc.SetPathName("/daten/Fall Süd.brv");
    }
    std::string ausTxt() const { return dir.file("aus.txt"); }
    // A message as shown: the text, then the folder of "aus.txt".
    std::string inFolder(const std::string& text) const {
        return text + "\nOrdner: " + dir.path().string();
    }
};

const char* const kWritten = "Die Ergebnisse sind in die Datei aus.txt geschrieben!";

} // namespace

TEST_F(AusTxt, WritesTitleAndLinesLiterally) {
    doc.m_Ausgabe = {"   FELD :Meß", "100 % sicher %d %s", "ABBRUCH mit Umbruch\n", " "};
    doc.OnWriteAusTxt();
    EXPECT_EQ(readFile(ausTxt()), "Fall S\xFC"
                                  "d.brv\n   FELD :Me\xDF\n100 % sicher %d %s\n"
                                  "ABBRUCH mit Umbruch\n\n \n");
    EXPECT_EQ(ui.messages, std::vector<std::string>{inFolder(kWritten)});
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(AusTxt, EmptyReportGivesAnEmptyFileAndStillSucceeds) {
    writeFile(ausTxt(), "alter Inhalt");
    doc.OnWriteAusTxt();
    EXPECT_EQ(readFile(ausTxt()), "");
    EXPECT_EQ(ui.messages, std::vector<std::string>{inFolder(kWritten)});
}

TEST_F(AusTxt, AFileThatCannotBeWrittenIsReportedInsteadOfSuccess) {
    doc.m_Ausgabe = {"Zeile"};
    const std::string folders[] = {dir.file("gibt-es-nicht"), dir.path().string()};
    std::filesystem::create_directory(ausTxt()); // "aus.txt" is a folder in the second case
    for (const std::string& folder : folders) {
        ui.messages.clear();
        ui.errors.clear();
        doc.m_strAusTxtOrdner = folder;
        doc.OnWriteAusTxt();
        EXPECT_TRUE(ui.messages.empty()) << folder;
        ASSERT_EQ(ui.errors.size(), 1u) << folder;
        EXPECT_NE(ui.errors[0].find("nicht"), std::string::npos) << ui.errors[0];
        EXPECT_NE(ui.errors[0].find("aus.txt"), std::string::npos) << ui.errors[0];
    }
}

TEST(AusTxtLines, EveryCharacterIsKept) {
    struct Row {
        const char* what;
        std::string file;
        std::vector<std::string> lines;
    };
    const std::string longLine(150, 'x');
    const Row rows[] = {
        {"two lines", "a\nb\n", {"a", "b"}},
        {"last line without break", "ab\ncd", {"ab", "cd"}},
        {"one character", "x\n", {"x"}},
        {"one character, no break", "x", {"x"}},
        {"empty line", "\n", {""}},
        {"empty lines between", "a\n\n\nb\n", {"a", "", "", "b"}},
        {"150 characters", longLine + "\nz\n", {longLine, "z"}},
        {"carriage returns", "a\r\nb\r\n", {"a", "b"}},
        {"empty file", "", {}},
        {"Windows-1252", "Me\xDF \x80\n", {"Meß €"}},
        {"percent", "100 %d\n", {"100 %d"}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(brelvan::readReportLines(r.file), r.lines) << r.what;
}

TEST_F(AusTxt, ReadingReplacesTheReportAndCounts) {
    doc.m_Ausgabe = {"alt"};
    std::string file;
    for (int i = 1; i <= 1200; ++i)
        file += std::to_string(i) + "\n";
    writeFile(ausTxt(), file);
    doc.OnReadAusTxt();
    ASSERT_EQ(doc.m_Ausgabe.size(), 1000u);
    EXPECT_EQ(doc.m_Ausgabe.front(), "1");
    EXPECT_EQ(doc.m_Ausgabe.back(), "1000");
    EXPECT_EQ(ui.updates, 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{inFolder("1000 Zeilen wurden eingelesen")});

    // No file: the report stays, and the message says why.
    std::filesystem::remove(ausTxt());
    ui.messages.clear();
    doc.OnReadAusTxt();
    EXPECT_EQ(doc.m_Ausgabe.size(), 1000u);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("sie existiert nicht"), std::string::npos) << ui.errors[0];
    EXPECT_NE(ui.errors[0].find("Der Bericht bleibt unverändert"), std::string::npos);
    EXPECT_EQ(ui.updates, 1);

    // A folder in its place, likewise.
    std::filesystem::create_directory(ausTxt());
    doc.OnReadAusTxt();
    EXPECT_EQ(doc.m_Ausgabe.size(), 1000u);
    ASSERT_EQ(ui.errors.size(), 2u);
    EXPECT_NE(ui.errors[1].find("es ist ein Ordner"), std::string::npos) << ui.errors[1];
}

TEST_F(AusTxt, AWrittenReportReadsBackAsTitleAndLines) {
    doc.m_Ausgabe = {"   GASLAGERSTAETTE", "   FELD :Meßfeld", " ", "x", std::string(120, '-')};
    doc.OnWriteAusTxt();
    doc.OnReadAusTxt();
    std::vector<std::string> expected = {"Fall Süd.brv"};
    expected.insert(expected.end(),
                    {"   GASLAGERSTAETTE", "   FELD :Meßfeld", " ", "x", std::string(120, '-')});
    EXPECT_EQ(doc.m_Ausgabe, expected);
    EXPECT_EQ(ui.messages.back(), inFolder("6 Zeilen wurden eingelesen"));
}

TEST(Hilfe, TellsWhenTheHelpCannotBeFound) {
    for (const bool found : {false, true}) {
        FakeUserInterface ui;
        ui.helpResult = found;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        doc.OnHilfe();
        EXPECT_EQ(ui.helps, 1);
        EXPECT_EQ(ui.messages, found ? std::vector<std::string>{}
                                     : std::vector<std::string>{"Hilfedatei nicht gefunden!"});
    }
}
