// The case input dialog's rules: range checks in exchange order, initialisation, composition
// sum, measurement check, OK, and the hand-over to the J value and sensitivity dialogs.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "document/DataExchange.h"
#include "document/DlgInputData.h"
#include "testing/FakeUserInterface.h"

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

DlgInputData opened(DlgInputData d, FakeUserInterface& ui) {
    d.OnInitDialog(ui);
    return d;
}

} // namespace

TEST(DlgInput, InitialisationAndCompositionSum) {
    FakeUserInterface ui{FakeUserInterface::Strict};
    DlgInputData d = validCase();
    d.m_fGas = {1.5f, 2, 0.5f, 90, 4, 1, 0.25f, 0.25f, 0.1f, 0.1f, 0.1f, 0.1f, 0.05f, 0.03f, 0.02f};
    d.OnInitDialog(ui);
    // index i of the composition belongs to the control kIdGasFirst + i
    EXPECT_EQ(d.m_fH2S, 1.5f);
    EXPECT_EQ(d.m_fCO2, 2.0f);
    EXPECT_EQ(d.m_fCH4, 90.0f);
    EXPECT_EQ(d.m_fnC5H12, 0.1f);
    EXPECT_EQ(d.m_fC10H22, 0.02f);
    EXPECT_EQ(d.m_strSumme, "100.00");
    EXPECT_EQ(d.m_fBeginn, 32874.0f); // 1.1.1990
    EXPECT_EQ(d.m_iOption, 0);
    EXPECT_EQ(d.m_ListDruck, d.m_Zeilen);
    EXPECT_TRUE(ui.messages.empty());

    d.m_fCH4 = 85.5f;
    d.m_fC2H6 = 6.25f;
    d.OnKillfocusGas();
    EXPECT_EQ(d.m_fGas[3], 85.5f);
    EXPECT_EQ(d.m_fGas[4], 6.25f);
    EXPECT_EQ(d.m_strSumme, " 97.75");

    d.m_iTag = 31;
    d.m_iMonat = 4; // no such date: every line date counts as later
    d.OnKillfocusBeginn(ui);
    EXPECT_EQ(d.m_fBeginn, 0.0f);
}

// Every exchanged number with its inclusive range, in the order of the exchange.
struct RangedField {
    int id;
    void (*set)(DlgInputData&, double);
    double lo, hi;
    bool integer;
};
#define DBL(m) [](DlgInputData& d, double v) { d.m = v; }
#define FLT(m) [](DlgInputData& d, double v) { d.m = static_cast<float>(v); }
#define INT(m) [](DlgInputData& d, double v) { d.m = static_cast<int>(v); }
const RangedField kRanged[] = {
    {DlgInputData::kIdKompress, DBL(m_dKompress), 7.0, 13.0, false},
    {DlgInputData::kIdJWertFeld, DBL(m_dJWert), 0.001, 10000.0, false},
    {DlgInputData::kIdOGIP, DBL(m_dOGIP), 0.1, 100000.0, false},
    {DlgInputData::kIdDruck, DBL(m_dDruck), 1.0, 10000.0, false},
    {DlgInputData::kIdTemperatur, DBL(m_dTemperatur), 0.0, 1000.0, false},
    {DlgInputData::kIdWIP, DBL(m_dWIP), 0.1, 100000.0, false},
    {DlgInputData::kIdGasFirst + 9, FLT(m_fnC5H12), 0, 100, false},
    {DlgInputData::kIdGasFirst + 10, FLT(m_fC6H14), 0, 100, false},
    {DlgInputData::kIdGasFirst + 11, FLT(m_fC7H16), 0, 100, false},
    {DlgInputData::kIdGasFirst + 12, FLT(m_fC8H18), 0, 100, false},
    {DlgInputData::kIdGasFirst + 13, FLT(m_fC9H20), 0, 100, false},
    {DlgInputData::kIdGasFirst + 14, FLT(m_fC10H22), 0, 100, false},
    {DlgInputData::kIdGasFirst + 1, FLT(m_fCO2), 0, 100, false},
    {DlgInputData::kIdGasFirst + 2, FLT(m_fN2), 0, 100, false},
    {DlgInputData::kIdGasFirst + 3, FLT(m_fCH4), 0, 100, false},
    {DlgInputData::kIdGasFirst + 4, FLT(m_fC2H6), 0, 100, false},
    {DlgInputData::kIdGasFirst + 5, FLT(m_fC3H8), 0, 100, false},
    {DlgInputData::kIdGasFirst + 6, FLT(m_fiC4H10), 0, 100, false},
    {DlgInputData::kIdGasFirst + 7, FLT(m_fnC4H10), 0, 100, false},
    {DlgInputData::kIdGasFirst + 8, FLT(m_fiC5H12), 0, 100, false},
    {DlgInputData::kIdGasFirst, FLT(m_fH2S), 0, 100, false},
    {DlgInputData::kIdJahr, INT(m_iJahr), 1930, 2200, true},
    {DlgInputData::kIdMonat, INT(m_iMonat), 1, 12, true},
    {DlgInputData::kIdTag, INT(m_iTag), 1, 31, true},
};
#undef DBL
#undef FLT
#undef INT

// The nearest value outside the bound in the member's own type.
double beyond(const RangedField& f, double bound, double direction) {
    if (f.integer)
        return bound + direction;
    if (f.id >= DlgInputData::kIdGasFirst && f.id < DlgInputData::kIdGasFirst + 15)
        return std::nextafter(static_cast<float>(bound), static_cast<float>(bound + direction));
    return std::nextafter(bound, bound + direction);
}

TEST(DlgInput, RangesAreInclusive) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const RangedField& f : kRanged) {
        SCOPED_TRACE(f.id);
        for (double v : {f.lo, f.hi}) {
            FakeUserInterface ui{FakeUserInterface::Strict};
            DlgInputData d = opened(validCase(), ui);
            f.set(d, v);
            EXPECT_EQ(d.checkRanges(ui), 0) << v;
            EXPECT_TRUE(ui.messages.empty());
        }
        std::vector<double> outside = {beyond(f, f.lo, -1), beyond(f, f.hi, +1)};
        if (!f.integer)
            outside.insert(outside.end(), {nan, inf, -inf});
        for (double v : outside) {
            FakeUserInterface ui{FakeUserInterface::Strict};
            DlgInputData d = opened(validCase(), ui);
            f.set(d, v);
            EXPECT_EQ(d.checkRanges(ui), f.id) << v;
            EXPECT_EQ(ui.messages,
                      std::vector<std::string>{brelvan::rangeMessage(f.lo, f.hi, f.integer)});
        }
    }
    EXPECT_EQ(brelvan::rangeMessage(0.001, 10000.0, false),
              "Geben Sie eine Zahl zwischen 0.001 und 10000 ein.");
    EXPECT_EQ(brelvan::rangeMessage(1930, 2200, true),
              "Geben Sie eine ganze Zahl zwischen 1930 und 2200 ein.");
}

TEST(DlgInput, FirstFieldOutOfRangeInExchangeOrderIsReported) {
    FakeUserInterface ui{FakeUserInterface::Strict};
    DlgInputData d = opened(validCase(), ui);
    for (const RangedField& f : kRanged)
        f.set(d, beyond(f, f.hi, +1));
    // correcting the reported field each time walks through the exchange order
    for (const RangedField& f : kRanged) {
        ASSERT_EQ(d.checkRanges(ui), f.id);
        f.set(d, f.lo);
    }
    EXPECT_EQ(d.checkRanges(ui), 0);
    EXPECT_EQ(ui.messages.size(), std::size(kRanged));
}

TEST(DlgInput, MeasurementCheckFindsTheLargestGpAfresh) {
    FakeUserInterface ui{FakeUserInterface::Strict};
    DlgInputData d = opened(validCase(), ui);
    d.m_dMaxGp = 900; // stale value from the case
    EXPECT_TRUE(d.PruefeMesswerte(ui));
    EXPECT_EQ(d.m_dMaxGp, 71.25); // the production-only line (40) does not count
    // deleting the line with the largest Gp lowers it
    d.m_Zeilen.pop_back();
    EXPECT_TRUE(d.PruefeMesswerte(ui));
    EXPECT_EQ(d.m_dMaxGp, 12.5);
    // a production-only line with a larger Gp does not count
    d.m_Zeilen.push_back("1.1.1992 500");
    EXPECT_TRUE(d.PruefeMesswerte(ui));
    EXPECT_EQ(d.m_dMaxGp, 12.5);
    EXPECT_TRUE(ui.messages.empty());

    d.m_Zeilen = {"1.1.1992 500", "junk"};
    EXPECT_FALSE(d.PruefeMesswerte(ui));
    d.m_Zeilen.clear();
    EXPECT_FALSE(d.PruefeMesswerte(ui));
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
        FakeUserInterface ui{FakeUserInterface::Strict};
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

TEST(DlgInput, CheckAllRunsRangesFirst) {
    FakeUserInterface ui{FakeUserInterface::Strict};
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
    d.m_fCH4 = 96.5f;
    d.m_fH2S = 3.5f;
    EXPECT_TRUE(d.checkAll(ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(d.m_fGas[0], 3.5f); // OK takes the composition into the case
    EXPECT_EQ(d.m_fGas[3], 96.5f);
    EXPECT_EQ(d.m_dMaxGp, 71.25);
}

TEST(DlgInput, JValueDialogHandOver) {
    FakeUserInterface ui{FakeUserInterface::Strict};
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
    FakeUserInterface ui{FakeUserInterface::Strict};
    DlgInputData d = opened(validCase(), ui);
    d.m_dMaxGp = 71.25;
    d.m_bSensitivitaet = 1;
    ASSERT_TRUE(d.mayOpenSensitivity(ui));
    DlgSensitivityData s;
    d.giveSensitivity(s);
    EXPECT_EQ(s.m_bSensitivitaet, 0); // the dialog starts without a request
    EXPECT_EQ(s.m_dMaxGp, 71.25);

    s.m_dMinOGIP = 100;
    s.m_dMaxOGIP = 400;
    s.m_dMinWIP = 10;
    s.m_dMaxWIP = 40;
    s.m_dMinJ = 1;
    s.m_dMaxJ = 4;
    s.m_dMaxGp = 5; // an edit of MAX. GP-WERT has no effect
    ASSERT_TRUE(s.OnButtonOK(ui));
    d.takeSensitivity(s);
    EXPECT_EQ(d.m_bSensitivitaet, 1);
    EXPECT_EQ(d.m_dMinOGIP, 100.0);
    EXPECT_EQ(d.m_dMaxJ, 4.0);
    EXPECT_EQ(d.m_dMaxGp, 71.25);

    d.m_Zeilen.clear();
    EXPECT_FALSE(d.mayOpenSensitivity(ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Es liegen keine Druckmeßwerte vor!"});
}
