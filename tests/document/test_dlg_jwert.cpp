// The J value dialog's rules: its checks in order with their messages, the thin-ring
// conversion, and the results it leaves for the input dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "document/DlgJWertData.h"
#include "testing/FakeUserInterface.h"

namespace {

const char* const kPermNull = "Die Permeabilität bzw.die Mächtigkeit sind Null";
const char* const kPoroNull = "Die Porosität ist Null";
const char* const kTiefeNull = "Die Tiefe des linearen Brelvans ist Null";
const char* const kBreiteNull = "Die Breite des linearen Brelvans ist Null";
const char* const kRadienFolge = "Radius bis Brelvanende <= Radius bis GWC";
const char* const kRadienNull = "Radius bis GWC bzw.Radius bis Brelvanende sind Null";

DlgJWertData linear() {
    DlgJWertData d;
    d.m_fPermeabilitaet = 100;
    d.m_fMaechtigkeit = 10;
    d.m_fViskositaet = 0.5f;
    d.m_fPorositaet = 0.2f;
    d.m_fTiefe = 5000;
    d.m_fBreite = 1000;
    d.m_fWinkel = 0;
    d.OnInitDialog();
    return d;
}

DlgJWertData ring(float winkel) {
    DlgJWertData d;
    d.m_fPermeabilitaet = 100;
    d.m_fMaechtigkeit = 10;
    d.m_fViskositaet = 1;
    d.m_fPorositaet = 0.2f;
    d.m_fRadiusGWC = 1000;
    d.m_fRadiusEnde = 10000;
    d.m_fWinkel = winkel;
    d.OnInitDialog();
    return d;
}

} // namespace

TEST(DlgJWert, AcceptsLinearAndRadialInput) {
    FakeUserInterface ui{FakeUserInterface::Strict};
    DlgJWertData lin = linear();
    ASSERT_TRUE(lin.OnButtonOK(ui));
    EXPECT_NEAR(lin.m_dJWert, 10.172, 1e-9);
    EXPECT_NEAR(lin.m_dWIP, 10.0, 1e-6);

    DlgJWertData half = ring(180); // the fraction comes from the angle
    ASSERT_TRUE(half.OnButtonOK(ui));
    EXPECT_NEAR(half.m_dJWert, 34.33 / 2, 0.005);
    EXPECT_NEAR(half.m_dWIP, 622.03 / 2, 0.005);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(DlgJWert, RefusedInputsShowTheirMessagesInOrder) {
    struct Row {
        const char* name;
        DlgJWertData data;
        std::vector<std::string> messages;
    };
    auto with = [](DlgJWertData d, auto change) {
        change(d);
        return d;
    };
    const std::vector<Row> rows = {
        {"no permeability", with(linear(), [](auto& d) { d.m_fPermeabilitaet = 0; }), {kPermNull}},
        {"no thickness", with(ring(360), [](auto& d) { d.m_fMaechtigkeit = 0; }), {kPermNull}},
        {"no porosity", with(linear(), [](auto& d) { d.m_fPorositaet = 0; }), {kPoroNull}},
        {"permeability before porosity",
         with(linear(),
              [](auto& d) {
                  d.m_fPermeabilitaet = 0;
                  d.m_fPorositaet = 0;
              }),
         {kPermNull}},
        {"linear without depth",
         with(linear(), [](auto& d) { d.m_fTiefe = 0; }),
         {kTiefeNull, kRadienNull}},
        {"linear without width",
         with(linear(), [](auto& d) { d.m_fBreite = 0; }),
         {kBreiteNull, kRadienNull}},
        {"linear without depth, outer radius set",
         with(linear(),
              [](auto& d) {
                  d.m_fTiefe = 0;
                  d.m_fRadiusEnde = 500;
              }),
         {kTiefeNull}},
        {"ring with outer radius inside",
         with(ring(360), [](auto& d) { d.m_fRadiusEnde = 500; }),
         {kRadienFolge}},
        {"ring without radii",
         with(ring(90),
              [](auto& d) {
                  d.m_fRadiusGWC = 0;
                  d.m_fRadiusEnde = 0;
              }),
         {kRadienFolge, kRadienNull}},
        {"ring without inner radius",
         with(ring(90), [](auto& d) { d.m_fRadiusGWC = 0; }),
         {kRadienNull}},
        {"negative permeability", with(ring(90), [](auto& d) { d.m_fPermeabilitaet = -5; }), {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakeUserInterface ui{FakeUserInterface::Strict};
        DlgJWertData d = r.data;
        EXPECT_FALSE(d.OnButtonOK(ui));
        EXPECT_EQ(ui.messages, r.messages);
        EXPECT_EQ(d.m_dJWert, 0.0); // results are written only on success
        EXPECT_EQ(d.m_dWIP, 0.0);
    }
}

TEST(DlgJWert, ViscosityOfZeroOrBelowIsRefused) {
    for (float mu : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) {
        for (DlgJWertData d : {linear(), ring(360)}) {
            FakeUserInterface ui{FakeUserInterface::Strict};
            d.m_fViskositaet = mu;
            EXPECT_FALSE(d.OnButtonOK(ui));
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0], "Die Wasserviskosität muss größer als Null sein");
            EXPECT_EQ(d.m_dJWert, 0.0);
        }
    }
}

TEST(DlgJWert, RingTooNarrowForTheRadialFormulaIsRefused) {
    // ln(Re/Rw) <= 0.75 would give an infinite or negative J value.
    for (float re : {2000.0f, 2117.0f}) {
        FakeUserInterface ui{FakeUserInterface::Strict};
        DlgJWertData d = ring(360);
        d.m_fRadiusEnde = re;
        EXPECT_FALSE(d.OnButtonOK(ui));
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(d.m_dJWert, 0.0);
    }
    FakeUserInterface ui{FakeUserInterface::Strict};
    DlgJWertData d = ring(360);
    d.m_fRadiusEnde = 2500; // thin, but the radial formula still works
    EXPECT_TRUE(d.OnButtonOK(ui));
    EXPECT_GT(d.m_dJWert, 0.0);
}

TEST(DlgJWert, ThinRingBecomesLinearWhenTheOuterRadiusIsLeft) {
    FakeUserInterface ui{FakeUserInterface::Strict};
    DlgJWertData d = ring(90);
    d.m_fRadiusEnde = 2000;
    ASSERT_TRUE(d.OnKillfocusRadiusEnde(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Da Re/Rw < 2.943 ist, wird ein lineares Brelvan gerechnet\n mit "
                              "der Breite B: 2356.19 und der Tiefe L: 1000.00");
    EXPECT_EQ(d.m_fWinkel, 0.0f);
    EXPECT_EQ(d.m_fTiefe, 1000.0f);
    EXPECT_NEAR(d.m_fBreite, 2356.19f, 0.01f);
    EXPECT_EQ(d.m_fRadiusGWC, 1000.0f); // the radii keep their values
    EXPECT_EQ(d.m_fRadiusEnde, 2000.0f);
    EXPECT_FLOAT_EQ(d.m_fAnteil, 0.25f); // not recomputed for the angle 0

    // OK now computes the linear J value of the strip
    ui.clear();
    ASSERT_TRUE(d.OnButtonOK(ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NEAR(d.m_dJWert, 100 * 0.02543 * 10 * static_cast<double>(d.m_fBreite) / 1000.0, 1e-9);
}

TEST(DlgJWert, OuterRadiusChecks) {
    struct Row {
        float winkel, rw, re;
        bool converted;
        const char* message; // nullptr: none
    };
    const Row rows[] = {
        {360, 1000, 2943, true, "Da Re/Rw"}, // exactly 2.943 times: linear
        {360, 1000, 2943.5f, false, nullptr},
        {360, 1000, 10000, false, nullptr},
        {360, 1000, 500, false, "Re-Wert <= Rw-Wert"},
        {360, 1000, 1000, false, "Re-Wert <= Rw-Wert"},
        {0, 1000, 500, false, nullptr}, // a linear zone ignores the radii
        {0, 1000, 2000, false, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.winkel << " " << r.rw << " " << r.re);
        FakeUserInterface ui{FakeUserInterface::Strict};
        DlgJWertData d = ring(r.winkel);
        d.m_fRadiusGWC = r.rw;
        d.m_fRadiusEnde = r.re;
        EXPECT_EQ(d.OnKillfocusRadiusEnde(ui), r.converted);
        if (r.message) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].rfind(r.message, 0), 0u) << ui.messages[0];
        } else {
            EXPECT_TRUE(ui.messages.empty());
        }
        EXPECT_EQ(d.m_fWinkel, r.converted ? 0.0f : r.winkel);
    }
}

TEST(DlgJWert, RangeChecksInExchangeOrder) {
    struct Row {
        float winkel, porositaet, breite;
        int id;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Row rows[] = {
        {0, 0, 0, 0},
        {360, 1, 0, 0},
        {360.01f, 0.2f, 0, DlgJWertData::kIdWinkel},
        {-0.01f, 0.2f, 0, DlgJWertData::kIdWinkel},
        {90, 1.5f, 0, DlgJWertData::kIdPorositaet},
        {90, -0.1f, 0, DlgJWertData::kIdPorositaet},
        {400, 1.5f, 0, DlgJWertData::kIdWinkel},
        {nan, 0.2f, 0, DlgJWertData::kIdWinkel},
        {90, 0.2f, nan, DlgJWertData::kIdBreite},
        {90, 1.5f, nan, DlgJWertData::kIdBreite},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.winkel << " " << r.porositaet << " " << r.breite);
        FakeUserInterface ui{FakeUserInterface::Strict};
        DlgJWertData d;
        d.m_fWinkel = r.winkel;
        d.m_fPorositaet = r.porositaet;
        d.m_fBreite = r.breite;
        EXPECT_EQ(d.checkRanges(ui), r.id);
        EXPECT_EQ(ui.messages.size(), r.id ? 1u : 0u);
        if (r.id == DlgJWertData::kIdWinkel) {
            EXPECT_EQ(ui.messages[0], "Geben Sie eine Zahl zwischen 0 und 360 ein.");
        }
        if (r.id == DlgJWertData::kIdPorositaet) {
            EXPECT_EQ(ui.messages[0], "Geben Sie eine Zahl zwischen 0 und 1 ein.");
        }
    }
}
