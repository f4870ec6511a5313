// The gas zone's values (c_f, c_w, S_wi, Bw) and the produced water Wp of a pressure line:
// stored where the case has them, and nowhere else, so that every case without them keeps its
// bytes; the lines with Wp stay readable by the original format.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "document/CsvImport.h"
#include "document/DlgInputData.h"
#include "support/PressureLine.h"
#include "testing/FakeUserInterface.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"

namespace {

std::string le32(std::uint32_t v) {
    std::string s;
    for (int shift = 0; shift < 32; shift += 8)
        s += static_cast<char>((v >> shift) & 0xFF);
    return s;
}

std::string leDouble(double v) {
    ByteWriter w;
    w.writeDouble(v);
    return std::string(w.bytes().begin(), w.bytes().end());
}

std::string field(const std::string& tag, const std::string& payload) {
    return tag + le32(static_cast<std::uint32_t>(payload.size())) + payload;
}

std::string block(const std::string& fields) {
    return "BRVX" + le32(static_cast<std::uint32_t>(fields.size())) + fields;
}

// What the original program reads of a line: "%d%c%d%c%d %lf %lf".
struct Original {
    int fields = 0;
    double gp = 0, pressure = 0;
};
Original readAsOriginal(const std::string& line) {
    Original o;
    int d = 0, m = 0, y = 0;
    char s1 = 0, s2 = 0;
    o.fields =
        std::sscanf(line.c_str(), "%d%c%d%c%d %lf %lf", &d, &s1, &m, &s2, &y, &o.gp, &o.pressure);
    return o;
}

} // namespace

TEST(GasZoneCase, DefaultsSaveTheOldBytesOtherValuesTheirFields) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    EXPECT_EQ(doc.m_dKompressFormation, 0.0);
    EXPECT_EQ(doc.m_dKompressWasser, 0.0);
    EXPECT_EQ(doc.m_dSwi, 0.0);
    EXPECT_EQ(doc.m_dBw, 1.0);
    const std::string plain = caseBytes(doc);
    EXPECT_EQ(plain.find("BRVX"), std::string::npos);

    // Each value that differs from its default is one field, in a fixed order.
    doc.m_dKompressFormation = 14.5;
    doc.m_dBw = 1.02;
    const std::string two = caseBytes(doc);
    EXPECT_EQ(two, plain + block(field("KFOR", leDouble(14.5)) + field("BW  ", leDouble(1.02))));
    doc.m_dKompressWasser = 4.4;
    doc.m_dSwi = 0.25;
    doc.m_iVerfahren = brelvan::engine::InfluxScheme::IntervalMean;
    const std::string all = caseBytes(doc);
    EXPECT_EQ(all, plain + block(field("VERF", le32(1)) + field("KFOR", leDouble(14.5)) +
                                 field("KWAS", leDouble(4.4)) + field("SWI ", leDouble(0.25)) +
                                 field("BW  ", leDouble(1.02))));

    // Round trip, and a file without the fields gives the defaults back.
    CBrelvanDoc back;
    ByteReader r1(all);
    {
        const brelvan::IoResult<> read = back.Serialize(r1);
        ASSERT_TRUE(read) << read.error();
    }
    EXPECT_EQ(back.m_dKompressFormation, 14.5);
    EXPECT_EQ(back.m_dKompressWasser, 4.4);
    EXPECT_EQ(back.m_dSwi, 0.25);
    EXPECT_EQ(back.m_dBw, 1.02);
    EXPECT_EQ(caseBytes(back), all);
    ByteReader r2(plain);
    {
        const brelvan::IoResult<> read = back.Serialize(r2);
        ASSERT_TRUE(read) << read.error();
    }
    EXPECT_EQ(back.m_dKompressFormation, 0.0);
    EXPECT_EQ(back.m_dSwi, 0.0);
    EXPECT_EQ(back.m_dBw, 1.0);
    EXPECT_EQ(caseBytes(back), plain);
}

// The bundled cases, written before these values existed, come back byte for byte.
TEST(GasZoneCase, ExampleCasesSaveTheirOwnBytes) {
    for (const char* name : {"beispiel.brv", "sauergas.brv"}) {
        const std::string bytes = readFile(std::string(BRELVAN_SOURCE_DIR) + "/examples/" + name);
        ASSERT_FALSE(bytes.empty()) << name;
        CBrelvanDoc doc;
        ByteReader reader(bytes);
        {
            const brelvan::IoResult<> read = doc.Serialize(reader);
            ASSERT_TRUE(read) << name << read.error();
        }
        EXPECT_EQ(doc.m_dBw, 1.0);
        EXPECT_EQ(caseBytes(doc), bytes) << name;
    }
}

TEST(GasZoneCase, ImpossibleStoredValuesAreRefusedAndTheCaseStays) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    const std::string plain = caseBytes(doc);
    const std::string bad[] = {
        block(field("SWI ", leDouble(1.0))),  // no gas left
        block(field("KFOR", leDouble(-1.0))), // a pore volume that grows as p falls
        block(field("KWAS", leDouble(std::numeric_limits<double>::quiet_NaN()))),
        block(field("BW  ", leDouble(0.0))),
        block(field("BW  ", le32(1))), // 4 bytes where 8 belong
    };
    for (const std::string& tail : bad) {
        CBrelvanDoc target;
        worked_case::set(target);
        target.m_dSwi = 0.1;
        const std::string before = documentState(target);
        const std::string bytes = plain + tail;
        ByteReader reader(bytes);
        const brelvan::IoResult<> read = target.Serialize(reader);
        EXPECT_FALSE(read);
        EXPECT_NE(read.error().find("Erweiterungsblock"), std::string::npos) << read.error();
        EXPECT_EQ(documentState(target), before);
    }
}

TEST(GasZoneCase, DialogRangesOfTheFourValues) {
    FakeUserInterface ui;
    DlgInputData d;
    worked_case::setReservoir(d);
    d.m_fGas[3] = 100;
    d.OnInitDialog(ui);
    EXPECT_EQ(d.checkRanges(ui), 0);
    struct Row {
        double DlgInputData::*member;
        double value;
        int id;
    };
    const Row rows[] = {
        {&DlgInputData::m_dKompressFormation, -0.1, DlgInputData::kIdKompressFormation},
        {&DlgInputData::m_dKompressFormation, 100.5, DlgInputData::kIdKompressFormation},
        {&DlgInputData::m_dKompressWasser, -1, DlgInputData::kIdKompressWasser},
        {&DlgInputData::m_dSwi, 0.95, DlgInputData::kIdSwi},
        {&DlgInputData::m_dBw, 0.4, DlgInputData::kIdBw},
        {&DlgInputData::m_dBw, 2.5, DlgInputData::kIdBw},
    };
    for (const Row& r : rows) {
        DlgInputData probe = d;
        probe.*r.member = r.value;
        EXPECT_EQ(probe.checkRanges(ui), r.id) << r.value;
    }
    DlgInputData edge = d;
    edge.m_dKompressFormation = 100;
    edge.m_dKompressWasser = 0;
    edge.m_dSwi = 0.9;
    edge.m_dBw = 2;
    EXPECT_EQ(edge.checkRanges(ui), 0);
}

// ---- Wp, the fourth number of a pressure line

TEST(ProducedWaterLine, ReadAfterThePressureRefusedWhereImpossible) {
    struct Row {
        const char* text;
        int count;
        double water;
        const char* problem; // part of the reason; "" for none
    };
    const Row rows[] = {
        {"1.7.1990 12.5 251.0 0.75", 7, 0.75, ""},
        {"1.7.1990 12.5 0 1,5", 7, 1.0, ""}, // "1" then text, as scanf reads it
        {"1.7.1990 12.5 251.0 Kommentar", 7, 0, ""},
        {"1.7.1990 12.5 251.0", 7, 0, ""},
        {"1.7.1990 12.5", 6, 0, ""},
        {"1.7.1990 12.5 251.0 -0.5", 7, -0.5, "Der Wp-Wert darf nicht negativ sein"},
        {"1.7.1990 12.5 251.0 1e300", 7, 0, "Der Wp-Wert „1e300“ liegt außerhalb"},
        {"1.7.1990 12.5 251.0 nan", 7, 0, "keine endliche Zahl"},
    };
    for (const Row& r : rows) {
        brelvan::PressureLine line;
        EXPECT_EQ(brelvan::scanPressureLine(r.text, line), r.count) << r.text;
        EXPECT_EQ(line.water, r.water) << r.text;
        const std::string problem = brelvan::pressureLineProblem(r.text);
        if (*r.problem == 0)
            EXPECT_EQ(problem, "") << r.text;
        else
            EXPECT_NE(problem.find(r.problem), std::string::npos) << problem;
    }
}

// Every way a line with Wp enters the list writes it so that the original format reads the
// same Gp and pressure from it (0 for a production-only row with water), and a line without
// Wp exactly as before.
TEST(ProducedWaterLine, ListLinesStayReadableByTheOriginalFormat) {
    std::setlocale(LC_NUMERIC, "C");
    FakeUserInterface ui;
    ui.defaultAnswer = true;
    DlgInputData d;
    d.m_iTag = 1;
    d.m_iMonat = 1;
    d.m_iJahr = 1990;
    d.OnInitDialog(ui);
    d.setOption(1); // append
    for (const char* typed :
         {"15.6.1995 120.5 210 1.25", "1.1.1996 130 0 1.5", "1.7.1996 140 205", "1.1.1997 150"}) {
        d.m_strZeile = typed;
        ASSERT_TRUE(d.OnKillfocusZeile(ui)) << typed;
    }
    ASSERT_EQ(d.m_Zeilen.size(), 4u);
    EXPECT_EQ(d.m_Zeilen[2], "      1. 7.1996        140.000             205.0 ");
    EXPECT_EQ(d.m_Zeilen[3], "      1. 1.1997        150.000");
    EXPECT_EQ(d.m_Zeilen[0], "     15. 6.1995        120.500             210.0        1.2500");

    TempDir dir;
    const std::string path = dir.file("druck.txt");
    writeFile(path, "Feld A\n1.7.1990 12.5 251.0 0.125\n1.1.1991 40.0 0 0.5\n1.7.1991 71.25 "
                    "238.4\n");
    DlgInputData imported;
    imported.importPressureFile(path, ui);
    ASSERT_EQ(imported.m_Zeilen.size(), 3u);
    EXPECT_EQ(imported.m_Zeilen[2], "      1. 7.1991         71.250             238.4");

    brelvan::csv::Options o;
    const brelvan::csv::Result csv =
        brelvan::csv::read("Datum;Gp;Druck;Wp\n15.6.1995;120,5;210;1,25\n1.1.1996;130;;1,5\n"
                           "1.7.1996;140;205;\n",
                           o);
    ASSERT_EQ(csv.error, "");
    EXPECT_EQ(csv.columnWater, 3);
    ASSERT_EQ(csv.rows.size(), 3u);
    EXPECT_EQ(csv.rows[2].listLine, "      1. 7.1996        140.000             205.0 ");

    struct Expect {
        std::string line;
        double gp, pressure, water;
    };
    const std::vector<Expect> expected = {
        {d.m_Zeilen[0], 120.5, 210, 1.25},        {d.m_Zeilen[1], 130, 0, 1.5},
        {imported.m_Zeilen[0], 12.5, 251, 0.125}, {imported.m_Zeilen[1], 40, 0, 0.5},
        {csv.rows[0].listLine, 120.5, 210, 1.25}, {csv.rows[1].listLine, 130, 0, 1.5},
    };
    for (const Expect& e : expected) {
        const Original o = readAsOriginal(e.line);
        EXPECT_EQ(o.fields, 7) << e.line;
        EXPECT_DOUBLE_EQ(o.gp, e.gp) << e.line;
        EXPECT_DOUBLE_EQ(o.pressure, e.pressure) << e.line;
        brelvan::PressureLine line;
        EXPECT_EQ(brelvan::scanPressureLine(e.line, line), 7) << e.line;
        EXPECT_NEAR(line.water, e.water, 1e-6) << e.line;
    }
}

// A production-only row with water (0 as its pressure) is no measurement.
TEST(ProducedWaterLine, WaterRowWithoutPressureIsNoMeasurement) {
    FakeUserInterface ui;
    DlgInputData d;
    d.m_Zeilen = {"1.1.1996 130 0 1.5"};
    EXPECT_FALSE(d.PruefeMesswerte(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Es liegen keine Druckmeßwerte vor!");
    d.m_Zeilen = {"1.1.1996 130 0 1.5", "1.1.1997 150 200 2.0"};
    EXPECT_TRUE(d.PruefeMesswerte(ui));
    EXPECT_EQ(d.m_dMaxGp, 150.0);
    // Typed with a negative Wp: refused with the reason, the list unchanged.
    d.OnInitDialog(ui);
    d.setOption(1);
    d.m_strZeile = "1.1.1998 160 190 -1";
    ui.messages.clear();
    EXPECT_FALSE(d.OnKillfocusZeile(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Der Wp-Wert darf nicht negativ sein.");
    EXPECT_EQ(d.m_Zeilen.size(), 2u);
}
