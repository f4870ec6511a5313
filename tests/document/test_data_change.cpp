// The editing cycle: what the input dialog gets, which changes mark the case modified, what is
// copied back, and that every confirmed dialog recomputes and redraws.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "document/CBrelvanDoc.h"
#include "testing/FakeUserInterface.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"

namespace {

struct DataChange : ::testing::Test {
    FakeUserInterface ui;
    CBrelvanDoc doc;
    void SetUp() override {
        doc.setUserInterface(&ui);
        worked_case::set(doc);
        doc.m_dMinOGIP = 4000;
        doc.m_dMaxOGIP = 6000;
        doc.m_dMinWIP = 10000;
        doc.m_dMaxWIP = 30000;
        doc.m_dMinJ = 10;
        doc.m_dMaxJ = 100;
        doc.m_fPermeabilitaet = 100;
        doc.m_fRadiusGWC = 1000;
        doc.m_bGeaendert = false;
        doc.m_bNeueDaten = false;
        doc.m_Ausgabe = {"alter Bericht"};
    }
};

} // namespace

TEST_F(DataChange, TheDialogGetsEveryCopiedField) {
    ui.dialog = [](DlgInputData&) { return false; };
    doc.m_iGrafiktyp = 1;
    doc.m_iVerfahren = brelvan::engine::InfluxScheme::IntervalMean;
    doc.m_bSensitivitaet = true;
    doc.m_fGas[0] = 1.5f;
    doc.OnDataChange();
    const DlgInputData& d = ui.shown;
    EXPECT_EQ(d.m_strFeldname, "Beispielfeld");
    EXPECT_EQ(d.m_fGas, doc.m_fGas);
    EXPECT_EQ(d.m_Zeilen, doc.m_Zeilen);
    EXPECT_EQ(d.m_dKompress, 9.5);
    EXPECT_EQ(d.m_iJahr, 2000);
    EXPECT_EQ(d.m_iMonat, 1);
    EXPECT_EQ(d.m_iTag, 1);
    EXPECT_EQ(d.m_dJWert, 50);
    EXPECT_EQ(d.m_dOGIP, 5000);
    EXPECT_EQ(d.m_dDruck, 250);
    EXPECT_EQ(d.m_dTemperatur, 80);
    EXPECT_EQ(d.m_dWIP, 20000);
    EXPECT_EQ(d.m_fPermeabilitaet, 100.0f);
    EXPECT_EQ(d.m_fViskositaet, 1.0f);
    EXPECT_EQ(d.m_fRadiusGWC, 1000.0f);
    EXPECT_EQ(d.m_fWinkel, 360.0f);
    EXPECT_EQ(d.m_iGrafiktyp, 1);
    EXPECT_EQ(d.m_iVerfahren, 1);
    EXPECT_EQ(d.m_dMinOGIP, 4000);
    EXPECT_EQ(d.m_dMaxWIP, 30000);
    EXPECT_EQ(d.m_dMaxJ, 100);
    EXPECT_EQ(d.m_dMaxGp, 1500);
    EXPECT_EQ(d.m_bSensitivitaet, 1);
}

TEST_F(DataChange, CancelChangesNothing) {
    ui.dialog = [](DlgInputData& d) {
        d.m_dOGIP = 1;
        d.m_Zeilen.clear();
        return false;
    };
    const std::string before = documentState(doc);
    doc.OnDataChange();
    EXPECT_EQ(documentState(doc), before);
    EXPECT_EQ(ui.updates, 0);
}

TEST_F(DataChange, ComparedFieldsMarkTheCaseModified) {
    struct Row {
        const char* what;
        std::function<void(DlgInputData&)> edit;
        bool changes;
        bool storedOnly = false; // a stored field the chart's comparison leaves out
    };
    const Row rows[] = {
        {"nothing", [](DlgInputData&) {}, false},
        {"Kompress", [](DlgInputData& d) { d.m_dKompress = 9.6; }, true},
        {"Jahr", [](DlgInputData& d) { d.m_iJahr = 1999; }, true},
        {"Monat", [](DlgInputData& d) { d.m_iMonat = 2; }, true},
        {"Tag", [](DlgInputData& d) { d.m_iTag = 2; }, true},
        {"JWert", [](DlgInputData& d) { d.m_dJWert = 50.000001; }, true},
        {"OGIP", [](DlgInputData& d) { d.m_dOGIP = 5001; }, true},
        {"Druck", [](DlgInputData& d) { d.m_dDruck = 251; }, true},
        {"Feldname case", [](DlgInputData& d) { d.m_strFeldname = "beispielfeld"; }, true},
        {"Temperatur", [](DlgInputData& d) { d.m_dTemperatur = 81; }, true},
        {"WIP", [](DlgInputData& d) { d.m_dWIP = 20001; }, true},
        {"MaxGp", [](DlgInputData& d) { d.m_dMaxGp = 1400; }, true},
        {"Grafiktyp", [](DlgInputData& d) { d.m_iGrafiktyp = 1; }, true},
        {"Verfahren", [](DlgInputData& d) { d.m_iVerfahren = 1; }, true},
        {"C10H22", [](DlgInputData& d) { d.m_fGas[14] = 0.001f; }, true},
        {"H2S", [](DlgInputData& d) { d.m_fGas[0] = 1.0f; }, true},
        // Not compared for the chart, but stored: they mark the case modified only (below).
        {"a measured pressure",
         [](DlgInputData& d) {
             d.m_Zeilen[1] = "      1. 1.2002       1000.000             206.0";
         },
         false, true},
        {"J inputs",
         [](DlgInputData& d) {
             d.m_fPermeabilitaet = 5;
             d.m_fWinkel = 90;
             d.m_fTiefe = 7;
         },
         false, true},
        {"sensitivity ranges",
         [](DlgInputData& d) {
             d.m_dMinOGIP = 1;
             d.m_dMaxJ = 2;
         },
         false},
    };
    for (const Row& r : rows) {
        FakeUserInterface rowUi;
        CBrelvanDoc rowDoc;
        rowDoc.setUserInterface(&rowUi);
        worked_case::set(rowDoc);
        rowDoc.m_bNeueDaten = false;
        rowDoc.m_bGeaendert = !r.changes;
        DlgInputData ended;
        rowUi.dialog = [&](DlgInputData& d) {
            r.edit(d);
            ended = d;
            return true;
        };
        rowDoc.OnDataChange();
        EXPECT_EQ(rowDoc.m_bGeaendert, r.changes) << r.what;
        EXPECT_EQ(rowDoc.IsModified(), r.changes || r.storedOnly) << r.what;
        EXPECT_EQ(rowDoc.m_bNeueDaten, r.changes) << r.what;
        EXPECT_EQ(rowUi.updates, 1) << r.what;
        // Copied back, compared or not.
        EXPECT_EQ(rowDoc.m_dKompress, ended.m_dKompress) << r.what;
        EXPECT_EQ(rowDoc.m_strFeldname, ended.m_strFeldname) << r.what;
        EXPECT_EQ(rowDoc.m_fGas, ended.m_fGas) << r.what;
        EXPECT_EQ(rowDoc.m_Zeilen, ended.m_Zeilen) << r.what;
        EXPECT_EQ(rowDoc.m_fPermeabilitaet, ended.m_fPermeabilitaet) << r.what;
        EXPECT_EQ(rowDoc.m_fWinkel, ended.m_fWinkel) << r.what;
        EXPECT_EQ(rowDoc.m_fTiefe, ended.m_fTiefe) << r.what;
        EXPECT_EQ(rowDoc.m_dMinOGIP, ended.m_dMinOGIP) << r.what;
        EXPECT_EQ(rowDoc.m_dMaxJ, ended.m_dMaxJ) << r.what;
        EXPECT_EQ(rowDoc.m_dMaxGp, ended.m_dMaxGp) << r.what;
        EXPECT_EQ(rowDoc.m_iGrafiktyp, ended.m_iGrafiktyp) << r.what;
        EXPECT_EQ(rowDoc.m_iVerfahren, brelvan::engine::influxScheme(ended.m_iVerfahren)) << r.what;
    }
}

TEST_F(DataChange, EveryConfirmationRecomputes) {
    ui.dialog = [](DlgInputData&) { return true; };
    doc.OnDataChange();
    ASSERT_FALSE(doc.m_Ausgabe.empty());
    EXPECT_EQ(doc.m_Ausgabe.front(),
              "   GASLAGERSTAETTE MIT INVASION EINES BRELVANS NACH FETKOVITCH");
    EXPECT_EQ(doc.m_Ausgabe.back(), "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : 2.28 BAR");
    EXPECT_EQ(doc.m_MaxWerte, 4);
    EXPECT_EQ(doc.m_Max2Werte, 3);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.m_bNeueDaten);
    EXPECT_EQ(ui.updates, 1);
}

TEST_F(DataChange, AnEmptyDialogListKeepsTheLines) {
    const auto lines = doc.m_Zeilen;
    ui.dialog = [](DlgInputData& d) {
        d.m_Zeilen.clear();
        return true;
    };
    doc.OnDataChange();
    EXPECT_EQ(doc.m_Zeilen, lines);

    ui.dialog = [](DlgInputData& d) {
        d.m_Zeilen.resize(2);
        return true;
    };
    doc.OnDataChange();
    EXPECT_EQ(doc.m_Zeilen, std::vector<std::string>(lines.begin(), lines.begin() + 2));
}

TEST_F(DataChange, ARequestedSearchRunsInsteadOfOneComputation) {
    ui.dialog = [](DlgInputData& d) {
        d.m_bSensitivitaet = 1;
        return true;
    };
    doc.OnDataChange();
    EXPECT_EQ(doc.m_SensErgebnisse.size(), 64u);
    EXPECT_FALSE(doc.m_bSensitivitaet);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].rfind("Es wurden 65 Fälle gerechnet\n", 0), 0u);
    EXPECT_EQ(doc.m_Ausgabe.front(),
              "   GASLAGERSTAETTE MIT INVASION EINES BRELVANS NACH FETKOVITCH");
    EXPECT_EQ(ui.updates, 1);
}

TEST_F(DataChange, NewCaseIsUntitledWithDefaultsAndNoFieldName) {
    doc.SetPathName("/daten/alt.brv");
    doc.SetModifiedFlag(true);
    ui.dialog = [](DlgInputData&) { return false; };
    doc.OnFileNew();
    EXPECT_EQ(ui.dialogs, 1);
    EXPECT_EQ(ui.shown.m_dOGIP, 1.0);
    EXPECT_EQ(ui.shown.m_dDruck, 1.0);
    EXPECT_TRUE(ui.shown.m_Zeilen.empty());
    // A new case is not the old field under another name.
    EXPECT_EQ(ui.shown.m_strFeldname, "");
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_dMinOGIP, 0);
    // The old case's report is not shown for the new one.
    EXPECT_TRUE(doc.m_Ausgabe.empty());
    EXPECT_FALSE(doc.m_bBerechnet);
}
