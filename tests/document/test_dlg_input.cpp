// The case input dialog's rules: range checks in exchange order, initialisation, composition
// sum, measurement check, OK, and the hand-over to the J value and sensitivity dialogs.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "ScriptedUi.h"
#include "document/DlgInputData.h"

namespace {

// A case the dialog accepts: pure methane, 1.1.1990, two measured lines and one without.
DlgInputData validCase() {
    DlgInputData d;
    d.m_dKompress = 10;
    d.m_strFeldname = "Feld A";
    d.m_dJWert = 5;
    d.m_dOGIP = 1000;
    d.m_dDruck = 250;
    d.m_dTemperatur = 100;
    d.m_dWIP = 100;
    d.m_fGas[3] = 100;
    d.m_iTag = 1;
    d.m_iMonat = 1;
    d.m_iJahr = 1990;
    d.m_iGrafiktyp = 0;
    d.m_Zeilen = {"      1. 7.1990         12.500             251.0",
                  "      1. 1.1991         40.000   ",
                  "      1. 7.1991         71.250             238.4"};
    return d;
}

DlgInputData opened(DlgInputData d, ScriptedUi& ui) {
    d.OnInitDialog(ui);
    return d;
}

} // namespace

TEST(DlgInput, InitialisationFillsTheDialogOnlyState) {
    ScriptedUi ui;
    DlgInputData d = validCase();
    d.m_fGas = {1.5f, 2, 0.5f, 90, 4, 1, 0.25f, 0.25f, 0.1f, 0.1f, 0.1f, 0.1f, 0.05f, 0.03f, 0.02f};
    d.OnInitDialog(ui);
    for (int i = 0; i < DlgInputData::kComponents; ++i)
        EXPECT_EQ(d.gasField(i), d.m_fGas[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(d.m_fH2S, 1.5f);
    EXPECT_EQ(d.m_fCH4, 90.0f);
    EXPECT_EQ(d.m_fC10H22, 0.02f);
    EXPECT_EQ(d.m_strSumme, "100.00");
    EXPECT_EQ(d.m_fBeginn, 32874.0f); // 1.1.1990
    EXPECT_EQ(d.m_iOption, 0);
    EXPECT_EQ(d.m_ListDruck, d.m_Zeilen);
    EXPECT_EQ(d.m_iListSelection, -1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(DlgInput, CompositionSumAndStartDate) {
    ScriptedUi ui;
    DlgInputData d = opened(validCase(), ui);
    d.m_fCH4 = 95.5f;
    d.m_fCO2 = 2.25f;
    d.OnKillfocusGas();
    EXPECT_EQ(d.m_fGas[3], 95.5f);
    EXPECT_EQ(d.m_fGas[1], 2.25f);
    EXPECT_EQ(d.m_strSumme, " 97.75");

    d.m_iTag = 31;
    d.m_iMonat = 4; // does not exist
    d.OnKillfocusBeginn(ui);
    EXPECT_EQ(d.m_fBeginn, 0.0f);
    d.m_iTag = 1;
    d.m_iMonat = 3;
    d.m_iJahr = 1900;
    d.OnKillfocusBeginn(ui);
    EXPECT_EQ(d.m_fBeginn, 61.0f);
    d.m_iJahr = 1899;
    d.OnKillfocusBeginn(ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ERROR JAHR < 1900"});
}

TEST(DlgInput, RangesInExchangeOrder) {
    using Change = std::function<void(DlgInputData&)>;
    struct Row {
        const char* name;
        Change change;
        int id;
        const char* message;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const char* const pct = "Geben Sie eine Zahl zwischen 0 und 100 ein.";
    const std::vector<Row> rows = {
        {"valid", [](auto&) {}, 0, nullptr},
        {"lower bounds",
         [](auto& d) {
             d.m_dKompress = 7.0;
             d.m_dJWert = 0.001;
             d.m_dOGIP = 0.1;
             d.m_dDruck = 1.0;
             d.m_dTemperatur = 0.0;
             d.m_dWIP = 0.1;
             d.m_iJahr = 1930;
             d.m_iMonat = 1;
             d.m_iTag = 1;
         },
         0, nullptr},
        {"upper bounds",
         [](auto& d) {
             d.m_dKompress = 13.0;
             d.m_dJWert = 10000.0;
             d.m_dOGIP = 100000.0;
             d.m_dDruck = 10000.0;
             d.m_dTemperatur = 1000.0;
             d.m_dWIP = 10000.0;
             d.m_fCH4 = 100;
             d.m_iJahr = 2200;
             d.m_iMonat = 12;
             d.m_iTag = 31;
         },
         0, nullptr},
        {"compressibility low", [](auto& d) { d.m_dKompress = 6.999; }, 1027,
         "Geben Sie eine Zahl zwischen 7 und 13 ein."},
        {"compressibility high", [](auto& d) { d.m_dKompress = 13.001; }, 1027, nullptr},
        {"J low", [](auto& d) { d.m_dJWert = 0.0009; }, 1028,
         "Geben Sie eine Zahl zwischen 0.001 und 10000 ein."},
        {"J high", [](auto& d) { d.m_dJWert = 10000.01; }, 1028, nullptr},
        {"OGIP low", [](auto& d) { d.m_dOGIP = 0.09; }, 1024,
         "Geben Sie eine Zahl zwischen 0.1 und 100000 ein."},
        {"OGIP high", [](auto& d) { d.m_dOGIP = 100000.1; }, 1024, nullptr},
        {"pressure low", [](auto& d) { d.m_dDruck = 0.99; }, 1026, nullptr},
        {"pressure high", [](auto& d) { d.m_dDruck = 10000.5; }, 1026, nullptr},
        {"temperature low", [](auto& d) { d.m_dTemperatur = -0.1; }, 1023,
         "Geben Sie eine Zahl zwischen 0 und 1000 ein."},
        {"temperature high", [](auto& d) { d.m_dTemperatur = 1000.1; }, 1023, nullptr},
        {"WIP low", [](auto& d) { d.m_dWIP = 0.0; }, 1025, nullptr},
        {"WIP high", [](auto& d) { d.m_dWIP = 10001; }, 1025, nullptr},
        {"nC5H12 first of the composition",
         [](auto& d) {
             d.m_fH2S = -1;
             d.m_fnC5H12 = 101;
         },
         1011, pct},
        {"C10H22", [](auto& d) { d.m_fC10H22 = 100.01f; }, 1016, pct},
        {"CO2 after C10H22", [](auto& d) { d.m_fCO2 = -0.01f; }, 1003, pct},
        {"H2S last of the composition", [](auto& d) { d.m_fH2S = 100.5f; }, 1002, pct},
        {"year low", [](auto& d) { d.m_iJahr = 1929; }, 1020,
         "Geben Sie eine ganze Zahl zwischen 1930 und 2200 ein."},
        {"year high", [](auto& d) { d.m_iJahr = 2201; }, 1020, nullptr},
        {"month", [](auto& d) { d.m_iMonat = 13; }, 1019,
         "Geben Sie eine ganze Zahl zwischen 1 und 12 ein."},
        {"day", [](auto& d) { d.m_iTag = 0; }, 1018,
         "Geben Sie eine ganze Zahl zwischen 1 und 31 ein."},
        {"year before month and day",
         [](auto& d) {
             d.m_iTag = 32;
             d.m_iMonat = 0;
             d.m_iJahr = 1800;
         },
         1020, nullptr},
        {"doubles before the composition",
         [](auto& d) {
             d.m_fCH4 = 200;
             d.m_dWIP = 0;
         },
         1025, nullptr},
        {"compressibility first",
         [](auto& d) {
             d.m_dKompress = 0;
             d.m_dJWert = 0;
         },
         1027, nullptr},
        {"NaN", [=](auto& d) { d.m_dOGIP = nan; }, 1024, nullptr},
        {"infinity", [=](auto& d) { d.m_dTemperatur = inf; }, 1023, nullptr},
        {"float NaN", [](auto& d) { d.m_fN2 = std::numeric_limits<float>::quiet_NaN(); }, 1004,
         nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ScriptedUi ui;
        DlgInputData d = opened(validCase(), ui);
        r.change(d);
        EXPECT_EQ(d.checkRanges(ui), r.id);
        EXPECT_EQ(ui.messages.size(), r.id ? 1u : 0u);
        if (r.message && !ui.messages.empty()) {
            EXPECT_EQ(ui.messages[0], r.message);
        }
    }
}

TEST(DlgInput, MeasurementCheckFindsTheLargestGpAfresh) {
    ScriptedUi ui;
    DlgInputData d = opened(validCase(), ui);
    d.m_dMaxGp = 900; // stale value from the case
    EXPECT_EQ(d.PruefeMesswerte(ui), 0);
    EXPECT_EQ(d.m_dMaxGp, 71.25); // the production-only line (40) does not count
    // deleting the line with the largest Gp lowers it
    d.m_Zeilen.pop_back();
    EXPECT_EQ(d.PruefeMesswerte(ui), 0);
    EXPECT_EQ(d.m_dMaxGp, 12.5);
    // a production-only line with a larger Gp does not count
    d.m_Zeilen.push_back("1.1.1992 500");
    EXPECT_EQ(d.PruefeMesswerte(ui), 0);
    EXPECT_EQ(d.m_dMaxGp, 12.5);
    EXPECT_TRUE(ui.messages.empty());

    d.m_Zeilen = {"1.1.1992 500", "junk"};
    EXPECT_EQ(d.PruefeMesswerte(ui), -1);
    d.m_Zeilen.clear();
    EXPECT_EQ(d.PruefeMesswerte(ui), -1);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Es liegen keine Druckmeßwerte vor!",
                                                     "Es liegen keine Meßwerte vor!"}));
}

TEST(DlgInput, OkConditionsAndMessagesInOrder) {
    using Change = std::function<void(DlgInputData&)>;
    struct Row {
        const char* name;
        Change change;
        const char* message; // nullptr: accepted
    };
    const std::vector<Row> rows = {
        {"valid", [](auto&) {}, nullptr},
        {"exactly 100 percent",
         [](auto& d) {
             d.m_fCH4 = 0;
             d.m_fH2S = 0.1f;
             d.m_fCO2 = 99.8f;
             d.m_fN2 = 0.1f; // 100 in single precision, a little above in double
         },
         nullptr},
        {"a rounding step above 100",
         [](auto& d) {
             d.m_fCH4 = 0;
             d.m_fH2S = 0.3f;
             d.m_fCO2 = 99.4f;
             d.m_fN2 = 0.3f;
         },
         "Die Summe der Gaskomponenten ist > 100 !"},
        {"no composition", [](auto& d) { d.m_fCH4 = 0; }, "Bitte Gaskomponenten eingeben"},
        {"above 100", [](auto& d) { d.m_fC2H6 = 1; }, "Die Summe der Gaskomponenten ist > 100 !"},
        {"no list lines before the sum",
         [](auto& d) {
             d.m_ListDruck.clear();
             d.m_fCH4 = 0;
         },
         "Es wurden keine Schließdruckwerte eingegeben"},
        {"largest Gp equal to OGIP", [](auto& d) { d.m_dOGIP = 71.25; },
         "Die max.Kum.Produktion 71.25 >= OGIP von 71.25"},
        {"largest Gp above OGIP", [](auto& d) { d.m_dOGIP = 50; },
         "Die max.Kum.Produktion 71.25 >= OGIP von 50.00"},
        {"largest Gp 0",
         [](auto& d) {
             d.m_Zeilen = {"1.7.1990 0 251"};
             d.m_ListDruck = d.m_Zeilen;
         },
         "Es liegen keine Druckmeßwerte vor!"},
        {"measurement check first",
         [](auto& d) {
             d.m_Zeilen = {"1.7.1990 10"};
             d.m_fCH4 = 0;
         },
         "Es liegen keine Druckmeßwerte vor!"},
        {"no lines at all",
         [](auto& d) {
             d.m_Zeilen.clear();
             d.m_ListDruck.clear();
         },
         "Es liegen keine Meßwerte vor!"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ScriptedUi ui;
        DlgInputData d = opened(validCase(), ui);
        r.change(d);
        EXPECT_EQ(d.OnButtonOK(ui), r.message == nullptr);
        if (r.message) {
            EXPECT_EQ(ui.messages, std::vector<std::string>{r.message});
        } else {
            EXPECT_TRUE(ui.messages.empty());
        }
    }
}

TEST(DlgInput, OkTakesTheCompositionIntoTheCase) {
    ScriptedUi ui;
    DlgInputData d = opened(validCase(), ui);
    d.m_fCH4 = 96.5f;
    d.m_fCO2 = 2;
    d.m_fH2S = 1.5f;
    ASSERT_TRUE(d.OnButtonOK(ui));
    EXPECT_EQ(d.m_fGas[0], 1.5f);
    EXPECT_EQ(d.m_fGas[1], 2.0f);
    EXPECT_EQ(d.m_fGas[3], 96.5f);
    EXPECT_EQ(d.m_dMaxGp, 71.25);
}

TEST(DlgInput, CheckAllRunsRangesFirst) {
    ScriptedUi ui;
    DlgInputData d = opened(validCase(), ui);
    d.m_dKompress = 20;
    d.m_fCH4 = 0;
    EXPECT_FALSE(d.checkAll(ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Geben Sie eine Zahl zwischen 7 und 13 ein."});
    ui.clear();
    d.m_dKompress = 10;
    EXPECT_FALSE(d.checkAll(ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Bitte Gaskomponenten eingeben"});
    ui.clear();
    d.m_fCH4 = 100;
    EXPECT_TRUE(d.checkAll(ui));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(DlgInput, JValueDialogHandOver) {
    ScriptedUi ui;
    DlgInputData d = opened(validCase(), ui);
    d.m_fPermeabilitaet = 100;
    d.m_fMaechtigkeit = 10;
    d.m_fViskositaet = 0.5f;
    d.m_fPorositaet = 0.2f;
    d.m_fTiefe = 5000;
    d.m_fBreite = 1000;
    d.m_fRadiusGWC = 7;
    d.m_fRadiusEnde = 8;
    d.m_fWinkel = 0;

    DlgJWertData j;
    d.giveJWert(j);
    EXPECT_EQ(j.m_fPermeabilitaet, 100.0f);
    EXPECT_EQ(j.m_fViskositaet, 0.5f);
    EXPECT_EQ(j.m_fRadiusEnde, 8.0f);
    j.OnInitDialog();
    ASSERT_TRUE(j.OnButtonOK(ui));
    j.m_fTiefe = 4000; // as if changed in the J value dialog

    // No: J value and WIP stay, the nine inputs are taken anyway.
    DlgInputData no = d;
    ui.answer({false});
    no.takeJWert(j, ui);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Soll der neue J-Wert von 10.17 und der neue WI-Wert von  10.0 "
                               "genommen werden?");
    EXPECT_EQ(no.m_dJWert, 5.0);
    EXPECT_EQ(no.m_dWIP, 100.0);
    EXPECT_EQ(no.m_fTiefe, 4000.0f);

    DlgInputData yes = d;
    ui.answer({true});
    yes.takeJWert(j, ui);
    EXPECT_EQ(yes.m_dJWert, j.m_dJWert);
    EXPECT_EQ(yes.m_dWIP, j.m_dWIP);
    EXPECT_EQ(yes.m_fTiefe, 4000.0f);

    // Equal J value: no question, only the inputs.
    ui.clear();
    j.m_fBreite = 1234;
    yes.takeJWert(j, ui);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(yes.m_fBreite, 1234.0f);
}

TEST(DlgInput, SensitivityDialogHandOver) {
    ScriptedUi ui;
    DlgInputData d = opened(validCase(), ui);
    d.m_dMaxGp = 71.25;
    d.m_dMinOGIP = 100;
    d.m_dMaxOGIP = 400;
    d.m_dMinWIP = 10;
    d.m_dMaxWIP = 40;
    d.m_dMinJ = 1;
    d.m_dMaxJ = 4;
    d.m_bSensitivitaet = 1;
    EXPECT_TRUE(d.mayOpenSensitivity(ui));

    DlgSensitivityData s;
    d.giveSensitivity(s);
    EXPECT_EQ(s.m_bSensitivitaet, 0);
    EXPECT_EQ(s.m_dMaxGp, 71.25);
    EXPECT_EQ(s.m_dMinOGIP, 100.0);
    EXPECT_EQ(s.m_dMaxJ, 4.0);

    s.m_dMinWIP = 20;
    s.m_dMaxGp = 5; // an edit of MAX. GP-WERT has no effect
    ASSERT_TRUE(s.OnButtonOK(ui));
    d.m_bSensitivitaet = 0;
    d.takeSensitivity(s);
    EXPECT_EQ(d.m_bSensitivitaet, 1);
    EXPECT_EQ(d.m_dMinWIP, 20.0);
    EXPECT_EQ(d.m_dMaxGp, 71.25);

    d.m_Zeilen.clear();
    EXPECT_FALSE(d.mayOpenSensitivity(ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Es liegen keine Druckmeßwerte vor!"});
}
