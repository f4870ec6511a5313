// Editing the shut-in pressure list by hand: double click, the four operations with their
// checks, questions, status texts, and m_Zeilen following the list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/DlgInputData.h"
#include "testing/FakeUserInterface.h"

namespace {

const std::string kA = "     15. 6.1995        120.500             210.0 ";
const std::string kB = "     15. 6.1996        150.000";
const std::string kC = "      1. 1.1997        180.000             190.5 ";

enum Option { Aendern = 0, Anhaengen = 1, Einfuegen = 2, Loeschen = 3 };

class ListEditing : public testing::Test {
protected:
    void SetUp() override {
        d.m_iTag = 1;
        d.m_iMonat = 1;
        d.m_iJahr = 1990;
        d.m_Zeilen = {kA, kB, kC};
        d.OnInitDialog(ui);
    }
    // Types `text` into the edit line with `option` chosen, the list line `selected` marked,
    // and leaves the edit line.
    void edit(int option, int selected, const std::string& text) {
        d.setOption(option);
        d.m_iListSelection = selected;
        d.m_strZeile = text;
        d.OnKillfocusZeile(ui);
    }
    FakeUserInterface ui{FakeUserInterface::Strict};
    DlgInputData d;
};

} // namespace

TEST_F(ListEditing, LineChecksInOrder) {
    struct Row {
        const char* text;
        const char* message;
    };
    const Row rows[] = {
        {"", "Die Zeile enthält zu wenig Daten"},
        {" ", "Die Zeile enthält zu wenig Daten"},
        {"15.6.1995", "Die Zeile enthält zu wenig Daten"},
        {"15.6.1995 x 210", "Die Zeile enthält zu wenig Daten"},
        {"0.6.1995 120 210", "Fehler bei der Angabe der Tage"},
        {"32.6.1995 120 210", "Fehler bei der Angabe der Tage"},
        {"32.13.1800 120 210", "Fehler bei der Angabe der Tage"},
        {"15.0.1995 120 210", "Fehler bei der Angabe der Monate"},
        {"15.13.1995 120 210", "Fehler bei der Angabe der Monate"},
        {"15.6.1899 120 210", "Fehler bei der Angabe des Jahres"},
        {"15.6.2201 120 210", "Fehler bei der Angabe des Jahres"},
        {"31.4.1995 120 210", "Keine zeitliche Reihenfolge"}, // no such date
        {"29.2.1995 120 210", "Keine zeitliche Reihenfolge"},
        {"1.1.1990 120 210", "Keine zeitliche Reihenfolge"}, // the production start itself
        {"31.12.1989 120 210", "Keine zeitliche Reihenfolge"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        ui.clear();
        d.m_strStatus = "vorher";
        edit(Anhaengen, 1, r.text);
        EXPECT_EQ(ui.messages, std::vector<std::string>{r.message});
        EXPECT_TRUE(ui.questions.empty());
        EXPECT_EQ(d.m_ListDruck, (std::vector<std::string>{kA, kB, kC}));
        EXPECT_EQ(d.m_Zeilen, d.m_ListDruck);
        EXPECT_EQ(d.m_strStatus, "vorher");
        EXPECT_EQ(d.m_strZeile, r.text); // kept for correction
    }
}

TEST_F(ListEditing, AppendFormatsTheLine) {
    struct Row {
        const char* text;
        std::string line;
    };
    const Row rows[] = {
        {"15.6.1995 120.5 210", kA},
        {"15/6/1995 120.5 210", kA},
        {"15-6-1995   120.5\t210  rest", kA},
        {"15.6.1995 120.5", "     15. 6.1995        120.500"},
        {"2.1.1990 0.25 300.04", "      2. 1.1990          0.250             300.0 "},
        {"29.2.1992 5 100", "     29. 2.1992          5.000             100.0 "},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        SetUp();
        ui.clear();
        ui.answer({true});
        edit(Anhaengen, -1, r.text);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(ui.questions, std::vector<std::string>{
                                    std::string("Soll diese Zeile angehängt werden?\n") + r.text});
        ASSERT_EQ(d.m_ListDruck.size(), 4u);
        EXPECT_EQ(d.m_ListDruck[3], r.line);
        EXPECT_EQ(d.m_Zeilen, d.m_ListDruck);
        EXPECT_EQ(d.m_strStatus, "4.Zeile angehängt");
    }
}

TEST_F(ListEditing, AppendAsksAgainForTheSameLine) {
    ui.answer({true, false, true});
    edit(Anhaengen, -1, "15.6.1998 200 180");
    d.OnKillfocusZeile(ui); // the edit line keeps its text: the same question again, No
    EXPECT_EQ(d.m_ListDruck.size(), 4u);
    EXPECT_EQ(d.m_strStatus, "4.Zeile angehängt");
    d.OnKillfocusZeile(ui); // Yes: appended a second time
    EXPECT_EQ(ui.questions.size(), 3u);
    EXPECT_EQ(ui.questions[2], ui.questions[0]);
    ASSERT_EQ(d.m_ListDruck.size(), 5u);
    EXPECT_EQ(d.m_ListDruck[3], d.m_ListDruck[4]);
    EXPECT_EQ(d.m_strStatus, "5.Zeile angehängt");
    EXPECT_EQ(d.m_Zeilen, d.m_ListDruck);
}

TEST_F(ListEditing, ChangeInsertDeleteWithYes) {
    struct Row {
        int option;
        const char* question;
        std::vector<std::string> list;
        const char* status;
        int selectionAfter;
    };
    const std::string n = "     15. 6.1995        130.000             205.0 ";
    const Row rows[] = {
        {Aendern, "Soll diese Zeile geändert werden?\n", {kA, n, kC}, "2.Zeile wurde geändert", -1},
        {Einfuegen,
         "Soll diese Zeile vor der markarkierten eingefügt werden?\n",
         {kA, n, kB, kC},
         "2.Zeile eingefügt",
         2},
        // delete removes the selected line, whatever the edit line says
        {Loeschen,
         "Soll diese Zeile wirklich gelöscht werden?\n",
         {kA, kC},
         "2.Zeile gelöscht",
         -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.option);
        SetUp();
        ui.clear();
        ui.answer({true});
        edit(r.option, 1, "15.6.1995 130 205");
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(ui.questions,
                  std::vector<std::string>{std::string(r.question) + "15.6.1995 130 205"});
        EXPECT_EQ(d.m_ListDruck, r.list);
        EXPECT_EQ(d.m_Zeilen, r.list);
        EXPECT_EQ(d.m_strStatus, r.status);
        EXPECT_EQ(d.m_iAuswahl, 1);
        EXPECT_EQ(d.m_iListSelection, r.selectionAfter);
        EXPECT_EQ(d.m_strZeile, "15.6.1995 130 205");
    }
}

TEST_F(ListEditing, NoChangesNothingButRebuildsTheLines) {
    for (int option : {Aendern, Anhaengen, Einfuegen, Loeschen}) {
        SCOPED_TRACE(option);
        SetUp();
        ui.clear();
        d.m_strStatus = "1.Zeile ausgewählt";
        d.m_Zeilen = {"stale"}; // rebuilt from the list whenever the checks pass
        ui.answer({false});
        edit(option, 0, "15.6.1995 130 205");
        EXPECT_EQ(ui.questions.size(), 1u);
        EXPECT_EQ(d.m_ListDruck, (std::vector<std::string>{kA, kB, kC}));
        EXPECT_EQ(d.m_Zeilen, d.m_ListDruck);
        EXPECT_EQ(d.m_strStatus, "1.Zeile ausgewählt");
        EXPECT_EQ(d.m_iListSelection, 0);
    }
}

TEST_F(ListEditing, WithoutSelectionOnlyAppendWorks) {
    for (int option : {Aendern, Einfuegen, Loeschen}) {
        SCOPED_TRACE(option);
        SetUp();
        ui.clear();
        d.m_Zeilen = {"stale"};
        edit(option, -1, "15.6.1995 130 205");
        EXPECT_TRUE(ui.questions.empty());
        // Said, not silently ignored.
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].rfind("Keine Zeile ausgewählt: Bitte wählen Sie zuerst ", 0), 0u);
        EXPECT_EQ(d.m_iAuswahl, -1);
        EXPECT_EQ(d.m_ListDruck, (std::vector<std::string>{kA, kB, kC}));
        EXPECT_EQ(d.m_Zeilen, d.m_ListDruck);
        EXPECT_EQ(d.m_strStatus, "");
    }
    // a selection index beyond the list counts as none
    SetUp();
    edit(Loeschen, 7, "15.6.1995 130 205");
    EXPECT_EQ(d.m_iAuswahl, -1);
    EXPECT_EQ(d.m_ListDruck.size(), 3u);
}

TEST_F(ListEditing, InsertIntoTheFirstPlaceAndDatesOutOfOrder) {
    // earlier than the lines in the list but after the production start: accepted, not sorted
    ui.answer({true});
    edit(Einfuegen, 0, "2.1.1990 1 260");
    ASSERT_EQ(d.m_ListDruck.size(), 4u);
    EXPECT_EQ(d.m_ListDruck[0], "      2. 1.1990          1.000             260.0 ");
    EXPECT_EQ(d.m_ListDruck[1], kA);
    EXPECT_EQ(d.m_strStatus, "1.Zeile eingefügt");
    ui.answer({true});
    edit(Anhaengen, -1, "2.1.1991 1 260");
    EXPECT_EQ(d.m_ListDruck.back(), "      2. 1.1991          1.000             260.0 ");
}

TEST_F(ListEditing, DoubleClickSelectsALine) {
    d.m_iListSelection = 2;
    ASSERT_TRUE(d.OnDblclkListe());
    EXPECT_EQ(d.m_iAuswahl, 2);
    EXPECT_EQ(d.m_strZeile, kC);
    EXPECT_EQ(d.m_strStatus, "3.Zeile ausgewählt");

    // the selected list line passes the checks and can be changed in place
    ui.answer({true});
    d.m_strZeile = kC.substr(0, 30) + "  199.5";
    d.setOption(Aendern);
    d.OnKillfocusZeile(ui);
    EXPECT_EQ(d.m_ListDruck[2], "      1. 1.1997        180.000             199.5 ");
    EXPECT_EQ(d.m_strStatus, "3.Zeile wurde geändert");

    // where there is no line nothing happens
    for (int selection : {-1, 3, 100}) {
        d.m_iListSelection = selection;
        d.m_strZeile = "unverändert";
        d.m_iAuswahl = 1;
        EXPECT_FALSE(d.OnDblclkListe());
        EXPECT_EQ(d.m_strZeile, "unverändert");
        EXPECT_EQ(d.m_iAuswahl, 1);
    }
    DlgInputData empty;
    EXPECT_FALSE(empty.OnDblclkListe());
}
