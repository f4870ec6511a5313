// The case file: its exact layout, its round trip, and the refusal of damaged files that
// leaves the open case untouched.
#include <gtest/gtest.h>

#include <functional>

#include <cmath>
#include <cstring>
#include <limits>

#include "document/Archive.h"
#include "document/CBrelvanDoc.h"
#include "support/FileIo.h"
#include "testing/FakeUserInterface.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"

namespace {

unsigned char byteAt(const std::string& s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

double doubleAt(const std::string& s, std::size_t offset) {
    ByteReader r(std::string_view(s).substr(offset));
    double v = 0;
    EXPECT_TRUE(r.readDouble(v));
    return v;
}

} // namespace

TEST(CaseFile, EmptyCaseLayout) {
    CBrelvanDoc doc;
    doc.OnNewDocument();
    const std::string b = caseBytes(doc);
    ASSERT_EQ(b.size(), 167u);
    // Little-endian fields at their fixed offsets.
    EXPECT_EQ(doubleAt(b, 0), 9.5);
    EXPECT_EQ(byteAt(b, 8), 0); // empty name: one length byte
    EXPECT_EQ(std::string(b, 9, 4), std::string("\xD0\x07\x00\x00", 4));  // year 2000
    EXPECT_EQ(std::string(b, 13, 4), std::string("\x01\x00\x00\x00", 4)); // month
    EXPECT_EQ(std::string(b, 17, 4), std::string("\x01\x00\x00\x00", 4)); // day
    EXPECT_EQ(doubleAt(b, 21), 50.0);                                     // J
    EXPECT_EQ(doubleAt(b, 29), 1.0);                                      // OGIP
    // Viscosity 1.0f is the third J input, the angle 360.0f the ninth.
    EXPECT_EQ(std::string(b, 69, 4), std::string("\x00\x00\x80\x3F", 4));
    EXPECT_EQ(std::string(b, 93, 4), std::string("\x00\x00\xB4\x43", 4));
    EXPECT_EQ(std::string(b, 117, 4), std::string("\x00\x00\xC8\x42", 4)); // CH4 = 100.0f
    EXPECT_EQ(std::string(b, 165, 2), std::string("\x00\x00", 2));         // no lines
}

TEST(CaseFile, StringAndListPrefixes) {
    struct Row {
        std::size_t length;
        std::string prefix;
    };
    const Row rows[] = {
        {0, std::string("\x00", 1)},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {300, std::string("\xFF\x2C\x01", 3)},
        {0xFFFD, std::string("\xFF\xFD\xFF", 3)},
        {0xFFFE, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const Row& r : rows) {
        CBrelvanDoc doc;
        doc.OnNewDocument();
        doc.m_strFeldname.assign(r.length, 'x');
        const std::string b = caseBytes(doc);
        EXPECT_EQ(b.size(), 166 + r.prefix.size() + r.length) << r.length;
        EXPECT_EQ(b.substr(8, r.prefix.size()), r.prefix) << r.length;

        CBrelvanDoc back;
        ByteReader reader(b);
        const brelvan::IoResult<> read = back.Serialize(reader);
        ASSERT_TRUE(read) << r.length << read.error();
        EXPECT_EQ(back.m_strFeldname, doc.m_strFeldname);
    }
    // A list of 0xFFFF lines or more has the long count.
    CBrelvanDoc doc;
    doc.OnNewDocument();
    doc.m_Zeilen.assign(0x10000, "");
    const std::string b = caseBytes(doc);
    EXPECT_EQ(b.substr(165, 6), std::string("\xFF\xFF\x00\x00\x01\x00", 6));
    CBrelvanDoc back;
    ByteReader reader(b);
    const brelvan::IoResult<> read = back.Serialize(reader);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(back.m_Zeilen.size(), 0x10000u);
}

TEST(CaseFile, RoundTripKeepsStoredFieldsAndLeavesTheOthers) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    doc.m_strFeldname = "Meß-Feld Süd";
    doc.m_dKompress = 0.1;
    doc.m_dJWert = 1.0 / 3.0;
    doc.m_iTag = 29;
    doc.m_iMonat = 2;
    doc.m_iJahr = -7;
    doc.m_fPermeabilitaet = 0.1f;
    doc.m_fMaechtigkeit = 12.3456789f;
    doc.m_fViskositaet = 0.55f;
    doc.m_fPorositaet = 0.21f;
    doc.m_fRadiusGWC = 1000.5f;
    doc.m_fRadiusEnde = 1e7f;
    doc.m_fTiefe = 3.0f;
    doc.m_fBreite = std::numeric_limits<float>::denorm_min();
    doc.m_fWinkel = 359.99f;
    doc.m_dMaxGp = 1499.9999999;
    for (int i = 0; i < 15; ++i)
        doc.m_fGas[i] = 0.1f * static_cast<float>(i);
    doc.m_Zeilen.push_back("Grüße, 5 €");

    CBrelvanDoc back;
    back.OnNewDocument();
    back.m_dMinOGIP = 11;
    back.m_dMaxJ = 22;
    back.m_bSensitivitaet = true;
    back.m_iGrafiktyp = 1;
    back.m_Ausgabe = {"Bericht"};
    const std::string stored = caseBytes(doc);
    ByteReader reader(stored);
    const brelvan::IoResult<> read = back.Serialize(reader);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(caseBytes(back), stored);
    EXPECT_EQ(back.m_strFeldname, "Meß-Feld Süd");
    EXPECT_EQ(back.m_dJWert, 1.0 / 3.0);
    EXPECT_EQ(back.m_iJahr, -7);
    EXPECT_EQ(back.m_fMaechtigkeit, 12.3456789f);
    EXPECT_EQ(back.m_fBreite, std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(back.m_fGas, doc.m_fGas);
    EXPECT_EQ(back.m_Zeilen, doc.m_Zeilen);
    // Not stored: kept as they were.
    EXPECT_EQ(back.m_dMinOGIP, 11);
    EXPECT_EQ(back.m_dMaxJ, 22);
    EXPECT_TRUE(back.m_bSensitivitaet);
    EXPECT_EQ(back.m_iGrafiktyp, 1);
    EXPECT_EQ(back.m_Ausgabe, std::vector<std::string>{"Bericht"});
}

TEST(CaseFile, TextIsWindows1252InTheFile) {
    CBrelvanDoc doc;
    doc.OnNewDocument();
    doc.m_strFeldname = "Meß€漢";
    const std::string b = caseBytes(doc);
    EXPECT_EQ(b.substr(8, 6), std::string("\x05Me\xDF\x80?", 6));

    // Bytes of the file become UTF-8 text.
    std::string file = b.substr(0, 8) + std::string("\x04\xC4\xD6\xDC\xDF", 5) + b.substr(14);
    CBrelvanDoc back;
    ByteReader reader(file);
    const brelvan::IoResult<> read = back.Serialize(reader);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(back.m_strFeldname, "ÄÖÜß");
}

TEST(CaseFile, ImpossibleLengthsAndCountsAreRefusedBeforeAllocating) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    const std::string good = caseBytes(doc);
    const std::size_t nameAt = 8;
    CBrelvanDoc empty;
    empty.OnNewDocument();
    const std::string fixed = caseBytes(empty); // name "" at 8, list count at 165

    struct Row {
        const char* what;
        std::string bytes;
    };
    const Row rows[] = {
        {"name length 2^32-1", fixed.substr(0, nameAt) +
                                   std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) +
                                   fixed.substr(nameAt + 1)},
        {"name longer than the rest", fixed.substr(0, nameAt) + "\xFE" + fixed.substr(nameAt + 1)},
        {"line count 2^32-1", fixed.substr(0, 165) + std::string("\xFF\xFF\xFF\xFF\xFF\xFF", 6)},
        {"line count 1000, three bytes left",
         fixed.substr(0, 165) + std::string("\xE8\x03\x00\x00\x00", 5)},
        {"line longer than the rest",
         fixed.substr(0, 165) + std::string("\x01\x00\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 9)},
    };
    for (const Row& r : rows) {
        CBrelvanDoc target;
        worked_case::set(target);
        const std::string before = documentState(target);
        ByteReader reader(r.bytes);
        const brelvan::IoResult<> read = target.Serialize(reader);
        const std::string& error = read.error();
        EXPECT_FALSE(read.ok()) << r.what;
        EXPECT_FALSE(error.empty()) << r.what;
        EXPECT_EQ(documentState(target), before) << r.what;
    }

    // Bytes after the line list must form the extension block; anything else is refused.
    CBrelvanDoc back;
    worked_case::set(back);
    const std::string before = documentState(back);
    const std::string longer = good + "Rest der Datei";
    ByteReader reader(longer);
    const brelvan::IoResult<> read = back.Serialize(reader);
    const std::string& error = read.error();
    EXPECT_FALSE(read.ok());
    EXPECT_NE(error.find("Erweiterungsblock"), std::string::npos) << error;
    EXPECT_EQ(documentState(back), before);
}

TEST(CaseFile, NonFiniteNumbersAreReadAsStored) {
    // The file may hold anything; the range checks of the input dialog refuse it later.
    CBrelvanDoc doc;
    doc.OnNewDocument();
    doc.m_dOGIP = std::numeric_limits<double>::quiet_NaN();
    doc.m_fGas[0] = std::numeric_limits<float>::infinity();
    CBrelvanDoc back;
    const std::string stored = caseBytes(doc);
    ByteReader reader(stored);
    const brelvan::IoResult<> read = back.Serialize(reader);
    ASSERT_TRUE(read) << read.error();
    EXPECT_TRUE(std::isnan(back.m_dOGIP));
    EXPECT_TRUE(std::isinf(back.m_fGas[0]));
}

// ---- Open and Save

namespace {

struct OpenFixture {
    FakeUserInterface ui;
    CBrelvanDoc doc;
    OpenFixture() {
        doc.setUserInterface(&ui);
        worked_case::set(doc);
        doc.m_strFeldname = "Offener Fall";
        doc.SetPathName("/irgendwo/offen.brv");
        doc.SetModifiedFlag(true);
        doc.m_Ausgabe = {"alter Bericht"};
        doc.m_iGrafiktyp = 1;
        doc.m_bNeueDaten = false;
    }
};

} // namespace

TEST(CaseFile, TruncationAtEveryOffsetLeavesTheOpenCaseUnchanged) {
    TempDir dir;
    CBrelvanDoc source;
    worked_case::set(source);
    source.m_strFeldname = "Abgeschnitten";
    const std::string bytes = caseBytes(source);
    const std::string path = dir.file("kaputt.brv");
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        writeFile(path, bytes.substr(0, n));
        OpenFixture f;
        const std::string before = documentState(f.doc);
        EXPECT_FALSE(f.doc.OnOpenDocument(path)) << n;
        EXPECT_EQ(documentState(f.doc), before) << n;
        EXPECT_EQ(f.ui.dialogs, 0) << n;
        ASSERT_EQ(f.ui.errors.size(), 1u) << n;
        EXPECT_NE(f.ui.errors[0].find(path), std::string::npos) << f.ui.errors[0];
        EXPECT_NE(f.ui.errors[0].find("bleibt unverändert"), std::string::npos);
    }
}

TEST(CaseFile, OpenAdoptsRunsTheCycleAndItsPostLoadSteps) {
    TempDir dir;
    CBrelvanDoc source;
    worked_case::set(source);
    const std::string path = dir.file("fall.brv");
    writeFile(path, caseBytes(source));

    OpenFixture f;
    f.doc.m_dMinOGIP = 123; // not stored: survives the open
    f.ui.dialog = [](DlgInputData& d) {
        d.m_iGrafiktyp = 1;
        d.m_dOGIP = 5500; // a change: the cycle marks the case modified
        return true;
    };
    ASSERT_TRUE(f.doc.OnOpenDocument(path));
    EXPECT_EQ(f.ui.dialogs, 1);
    EXPECT_EQ(f.ui.shown.m_strFeldname, "Beispielfeld");
    EXPECT_EQ(f.ui.shown.m_Zeilen, source.m_Zeilen);
    EXPECT_EQ(f.doc.m_dOGIP, 5500);
    EXPECT_EQ(f.doc.m_iGrafiktyp, 0);
    EXPECT_TRUE(f.doc.m_bGeaendert);
    EXPECT_TRUE(f.doc.m_bNeueDaten);
    EXPECT_TRUE(f.doc.m_bBerechnet);
    // The confirmed change is not in the file yet: closing must ask.
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_EQ(f.doc.GetPathName(), path);
    EXPECT_EQ(f.doc.GetTitle(), "fall.brv");
    EXPECT_EQ(f.doc.m_dMinOGIP, 123);
    EXPECT_TRUE(f.ui.errors.empty());

    // Cancelled dialog: the loaded inputs stay, nothing is computed, and the results of the
    // case before are gone rather than shown under the new name.
    OpenFixture g;
    g.doc.m_MaxWerte = 17;
    g.ui.dialog = [](DlgInputData&) { return false; };
    ASSERT_TRUE(g.doc.OnOpenDocument(path));
    EXPECT_EQ(g.doc.m_strFeldname, "Beispielfeld");
    EXPECT_TRUE(g.doc.m_Ausgabe.empty());
    EXPECT_EQ(g.doc.m_MaxWerte, 0);
    EXPECT_FALSE(g.doc.m_bBerechnet);
    EXPECT_EQ(g.doc.m_iGrafiktyp, 0);
    EXPECT_FALSE(g.doc.IsModified());

    // Confirmed without a change, and with changes to fields the cycle does not compare: the
    // case is modified exactly when a stored field differs from the file.
    const struct {
        const char* what;
        std::function<void(DlgInputData&)> edit;
        bool modified;
    } rows[] = {
        {"nothing", [](DlgInputData&) {}, false},
        {"chart type only", [](DlgInputData& d) { d.m_iGrafiktyp = 1; }, false},
        {"a line's pressure",
         [](DlgInputData& d) { d.m_Zeilen[0] = "      1. 1.2001       1000.000   206.0"; }, true},
        {"an imported list", [](DlgInputData& d) { d.m_Zeilen = {"1.1.2001 10 200"}; }, true},
        {"J inputs", [](DlgInputData& d) { d.m_fPermeabilitaet = 5; }, true},
    };
    for (const auto& r : rows) {
        OpenFixture h;
        h.ui.dialog = [&](DlgInputData& d) {
            r.edit(d);
            return true;
        };
        ASSERT_TRUE(h.doc.OnOpenDocument(path)) << r.what;
        EXPECT_EQ(h.doc.IsModified(), r.modified) << r.what;
    }
}

TEST(CaseFile, OpenRefusesWhatIsNoFile) {
    TempDir dir;
    const std::string cases[] = {dir.file("fehlt.brv"), dir.path().string()};
    for (const std::string& path : cases) {
        OpenFixture f;
        const std::string before = documentState(f.doc);
        EXPECT_FALSE(f.doc.OnOpenDocument(path));
        EXPECT_EQ(documentState(f.doc), before);
        ASSERT_EQ(f.ui.errors.size(), 1u);
        EXPECT_NE(f.ui.errors[0].find(path), std::string::npos) << f.ui.errors[0];
    }
}

TEST(CaseFile, SaveWritesTheCaseAndReplacesTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("fall.brv");
    writeFile(path, "alter Inhalt");
    OpenFixture f;
    ASSERT_TRUE(f.doc.OnSaveDocument(path));
    EXPECT_EQ(readFile(path), caseBytes(f.doc));
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_EQ(f.doc.GetPathName(), path);
    EXPECT_EQ(f.doc.GetTitle(), "fall.brv");
    // Nothing but the case file is left in the folder.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(CaseFile, FailedSaveLeavesThePreviousFileAndSaysSo) {
    TempDir dir;
    // The target is a folder with a file in it: the temporary file is written, but it cannot
    // replace the target.
    const std::string folder = dir.file("ordner.brv");
    std::filesystem::create_directory(folder);
    writeFile(folder + "/drin.txt", "bleibt");
    const std::string missing = dir.file("gibt-es-nicht/fall.brv");
    for (const std::string& path : {folder, missing}) {
        OpenFixture f;
        const std::string before = documentState(f.doc);
        EXPECT_FALSE(f.doc.OnSaveDocument(path));
        EXPECT_EQ(documentState(f.doc), before); // still modified, same path
        ASSERT_EQ(f.ui.errors.size(), 1u);
        EXPECT_NE(f.ui.errors[0].find(path), std::string::npos) << f.ui.errors[0];
        EXPECT_EQ(f.ui.errors[0].find("bisherige Datei bleibt unverändert") != std::string::npos,
                  path == folder);
    }
    EXPECT_EQ(readFile(folder + "/drin.txt"), "bleibt");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1); // no temporary file left behind
}

// A case that Open would refuse for its size is not saved: the old file and the case stay,
// and the message says why.
TEST(CaseFile, SaveRefusesACaseTooLargeToBeOpenedAgain) {
    TempDir dir;
    const std::string path = dir.file("fall.brv");
    writeFile(path, "alter Inhalt");
    OpenFixture f;
    // Long lines, enough of them for a file just over the read limit.
    const std::string line(std::size_t{1} << 20, '7');
    f.doc.m_Zeilen.assign(brelvan::kMaxFileBytes / line.size(), line);
    EXPECT_FALSE(f.doc.OnSaveDocument(path));
    EXPECT_EQ(f.doc.GetPathName(), "/irgendwo/offen.brv");
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_EQ(readFile(path), "alter Inhalt");
    ASSERT_EQ(f.ui.errors.size(), 1u);
    EXPECT_NE(f.ui.errors[0].find("höchstens 64 MiB"), std::string::npos) << f.ui.errors[0];
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// ---- The extension block after the line list

namespace {

std::string le32(std::uint32_t v) {
    std::string s;
    for (int shift = 0; shift < 32; shift += 8)
        s += static_cast<char>((v >> shift) & 0xFF);
    return s;
}

std::string field(const std::string& tag, const std::string& payload) {
    return tag + le32(static_cast<std::uint32_t>(payload.size())) + payload;
}

std::string block(const std::string& fields) {
    return "BRVX" + le32(static_cast<std::uint32_t>(fields.size())) + fields;
}

} // namespace

TEST(CaseExtension, OriginalSchemeIsSavedWithoutTheBlockTheIntervalMeanWithIt) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    EXPECT_EQ(doc.m_iVerfahren, brelvan::engine::InfluxScheme::Original);
    const std::string plain = caseBytes(doc);
    // The plain layout: the line list is the last thing in the file.
    ByteReader r(plain);
    CBrelvanDoc probe;
    ASSERT_TRUE(probe.Serialize(r));
    EXPECT_EQ(r.remaining(), 0u);

    doc.m_iVerfahren = brelvan::engine::InfluxScheme::IntervalMean;
    const std::string extended = caseBytes(doc);
    EXPECT_EQ(extended, plain + block(field("VERF", le32(1))));

    // Round trip: the scheme comes back, and a file without the block resets it to 0.
    CBrelvanDoc back;
    worked_case::set(back);
    ByteReader r1(extended);
    const brelvan::IoResult<> read1 = back.Serialize(r1);
    ASSERT_TRUE(read1) << read1.error();
    EXPECT_EQ(back.m_iVerfahren, brelvan::engine::InfluxScheme::IntervalMean);
    EXPECT_EQ(caseBytes(back), extended);
    ByteReader r2(plain);
    const brelvan::IoResult<> read2 = back.Serialize(r2);
    ASSERT_TRUE(read2) << read2.error();
    EXPECT_EQ(back.m_iVerfahren, brelvan::engine::InfluxScheme::Original);
    EXPECT_EQ(caseBytes(back), plain);
}

// The water-zone model: the default (Fetkovich) adds nothing, another model its field, after the
// scheme's; a model number outside 0 to 3 refuses the file.
TEST(CaseExtension, WaterZoneModelIsSavedOnlyWhenNotTheDefault) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    EXPECT_EQ(doc.m_iModell, 0);
    const std::string plain = caseBytes(doc);
    doc.m_iModell = 2;
    EXPECT_EQ(caseBytes(doc), plain + block(field("MODL", le32(2))));
    doc.m_iVerfahren = brelvan::engine::InfluxScheme::IntervalMean;
    const std::string both = caseBytes(doc);
    EXPECT_EQ(both, plain + block(field("VERF", le32(1)) + field("MODL", le32(2))));
    CBrelvanDoc back;
    ByteReader r(both);
    const brelvan::IoResult<> read = back.Serialize(r);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(back.m_iModell, 2);
    EXPECT_EQ(back.m_iVerfahren, brelvan::engine::InfluxScheme::IntervalMean);
    EXPECT_EQ(caseBytes(back), both);
    const std::string badBytes = plain + block(field("MODL", le32(4)));
    ByteReader bad(badBytes);
    const brelvan::IoResult<> refused = back.Serialize(bad);
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.error().find("Zuflussmodell"), std::string::npos) << refused.error();
    ByteReader again(plain);
    const brelvan::IoResult<> readAgain = back.Serialize(again);
    ASSERT_TRUE(readAgain) << readAgain.error();
    EXPECT_EQ(back.m_iModell, 0);
}

TEST(CaseExtension, UnknownFieldsAreSkippedDamagedBlocksRefused) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    const std::string plain = caseBytes(doc);
    struct Row {
        const char* what;
        std::string tail;
        bool accepted;
        int verfahren;
    };
    const Row rows[] = {
        {"unknown field before", block(field("NEU1", "abc") + field("VERF", le32(1))), true, 1},
        {"unknown field after", block(field("VERF", le32(1)) + field("ZZZZ", "")), true, 1},
        {"only an unknown field", block(field("XXXX", std::string(300, 'x'))), true, 0},
        {"empty block", block(""), true, 0},
        {"scheme 0 stored", block(field("VERF", le32(0))), true, 0},
        {"scheme 2", block(field("VERF", le32(2))), false, 0},
        {"scheme -1", block(field("VERF", le32(0xFFFFFFFFu))), false, 0},
        {"scheme in 2 bytes", block(field("VERF", std::string("\x01\x00", 2))), false, 0},
        {"scheme in 8 bytes", block(field("VERF", le32(1) + le32(0))), false, 0},
        {"other block tag", "BRVY" + le32(0), false, 0},
        {"bytes after the block", block(field("VERF", le32(1))) + "x", false, 0},
        {"field longer than the block", block("VERF" + le32(5) + le32(1)), false, 0},
        {"block length beyond the file", "BRVX" + le32(0xFFFFFFFFu), false, 0},
        {"field head cut short", block("VERF" + std::string("\x04\x00", 2)), false, 0},
    };
    for (const Row& r : rows) {
        CBrelvanDoc target;
        worked_case::set(target);
        target.m_iVerfahren = brelvan::engine::influxScheme(r.accepted ? 1 - r.verfahren : 1);
        const std::string before = documentState(target);
        const std::string bytes = plain + r.tail;
        ByteReader reader(bytes);
        const brelvan::IoResult<> read = target.Serialize(reader);
        const std::string& error = read.error();
        EXPECT_EQ(read.ok(), r.accepted) << r.what << ": " << error;
        if (r.accepted) {
            EXPECT_EQ(static_cast<int>(target.m_iVerfahren), r.verfahren) << r.what;
            EXPECT_EQ(target.m_Zeilen, doc.m_Zeilen) << r.what;
        } else {
            EXPECT_NE(error.find("Erweiterungsblock"), std::string::npos) << r.what << error;
            EXPECT_EQ(documentState(target), before) << r.what;
        }
    }
}

TEST(CaseExtension, TruncatedBlockAtEveryByteIsRefusedAndTheOpenCaseStays) {
    TempDir dir;
    CBrelvanDoc source;
    worked_case::set(source);
    const std::size_t plainSize = caseBytes(source).size();
    source.m_iVerfahren = brelvan::engine::InfluxScheme::IntervalMean;
    // An unknown field too, so that the cut also falls inside a skipped field.
    const std::string bytes = caseBytes(source).substr(0, plainSize) +
                              block(field("VERF", le32(1)) + field("NEU1", "12345"));
    const std::string path = dir.file("kaputt.brv");
    for (std::size_t n = plainSize + 1; n < bytes.size(); ++n) {
        writeFile(path, bytes.substr(0, n));
        OpenFixture f;
        const std::string before = documentState(f.doc);
        EXPECT_FALSE(f.doc.OnOpenDocument(path)) << n;
        EXPECT_EQ(documentState(f.doc), before) << n;
        EXPECT_EQ(f.ui.dialogs, 0) << n;
        ASSERT_EQ(f.ui.errors.size(), 1u) << n;
        EXPECT_NE(f.ui.errors[0].find("bleibt unverändert"), std::string::npos);
    }
    // The whole file opens with the scheme; cut just before the block it is a plain case file.
    writeFile(path, bytes);
    OpenFixture whole;
    whole.ui.dialog = [](DlgInputData& d) { return d.m_iVerfahren == 1; };
    ASSERT_TRUE(whole.doc.OnOpenDocument(path));
    EXPECT_EQ(whole.doc.m_iVerfahren, brelvan::engine::InfluxScheme::IntervalMean);
    EXPECT_EQ(whole.ui.shown.m_iVerfahren, 1);
    writeFile(path, bytes.substr(0, plainSize));
    OpenFixture plain;
    plain.doc.m_iVerfahren = brelvan::engine::InfluxScheme::IntervalMean;
    ASSERT_TRUE(plain.doc.OnOpenDocument(path));
    EXPECT_EQ(plain.doc.m_iVerfahren, brelvan::engine::InfluxScheme::Original);
}
