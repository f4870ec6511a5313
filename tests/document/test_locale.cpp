// The user's locale never reaches the numbers: with the C library and the streams switched to
// a decimal-comma locale, the report, the report file, the case file, the search's lines, the
// pressure file import and the dialog fields' texts are the bytes they are in the "C" locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale>
#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "document/DataExchange.h"
#include "document/DlgInputData.h"
#include "testing/FakeUserInterface.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"

namespace {

const char* const kDecimalComma = "de_DE.UTF-8";

// The process's C and C++ locales switched for one scope.
class GlobalLocale {
public:
    explicit GlobalLocale(const char* name)
        : m_c(std::setlocale(LC_ALL, nullptr)), m_cpp(std::locale()) {
        std::setlocale(LC_ALL, name);
        std::locale::global(std::locale(name));
    }
    ~GlobalLocale() {
        std::setlocale(LC_ALL, m_c.c_str());
        std::locale::global(m_cpp);
    }
    GlobalLocale(const GlobalLocale&) = delete;
    GlobalLocale& operator=(const GlobalLocale&) = delete;

private:
    std::string m_c;
    std::locale m_cpp;
};

bool localeAvailable(const char* name) {
    const locale_t l = newlocale(LC_ALL_MASK, name, nullptr);
    if (l == nullptr)
        return false;
    freelocale(l);
    return true;
}

struct Products {
    std::vector<std::string> report;
    std::string ausTxt;
    std::string caseFile;
    std::vector<std::string> sensLines;
    std::vector<std::string> imported;
    std::vector<std::string> fieldTexts;
    bool operator==(const Products&) const = default;
};

Products produce() {
    TempDir dir;
    Products made;

    // The worked case opened from its file, confirmed and computed, its report file written
    // and the case saved again.
    CBrelvanDoc source;
    worked_case::set(source);
    source.m_dKompress = 9.75; // digits after the point in the stored and reported values
    const std::string path = dir.file("fall.brv");
    writeFile(path, caseBytes(source));
    FakeUserInterface ui;
    ui.pressOkInInputDialog();
    CBrelvanDoc doc;
    doc.setUserInterface(&ui);
    doc.OnNewDocument();
    doc.m_strAusTxtOrdner = dir.path().string();
    EXPECT_TRUE(doc.OnOpenDocument(path));
    made.report = doc.m_Ausgabe;
    doc.OnWriteAusTxt();
    made.ausTxt = readFile(dir.file("aus.txt"));
    EXPECT_TRUE(doc.OnSaveDocument(dir.file("neu.brv")));
    made.caseFile = readFile(dir.file("neu.brv"));

    // The search over a small grid.
    doc.m_dMinOGIP = 4000.5;
    doc.m_dMaxOGIP = 6000.25;
    doc.m_dMinWIP = 10000;
    doc.m_dMaxWIP = 30000;
    doc.m_dMinJ = 20.5;
    doc.m_dMaxJ = 80;
    doc.m_bSensitivitaet = true;
    doc.sensitivity();
    made.sensLines = doc.m_SensErgebnisse;

    // A pressure file with decimal points.
    const std::string pressures = dir.file("druck.txt");
    writeFile(pressures, "Datum Gp Druck\n1.1.2001 500.5 225.25\n1.7.2001 750.75\n"
                         "1.1.2002 1000.125 205.5\n");
    DlgInputData dlg;
    dlg.importPressureFile(pressures, ui);
    made.imported = dlg.m_Zeilen;

    // The dialog fields' texts, there and back.
    for (const char* text : {"2.5", "1e-3", "-0.125", "1,5"}) {
        const auto v = brelvan::parseDouble(text);
        made.fieldTexts.push_back(v ? brelvan::formatDouble(*v) : "-");
        const auto f = brelvan::parseFloat(text);
        made.fieldTexts.push_back(f ? brelvan::formatFloat(*f) : "-");
    }
    return made;
}

} // namespace

TEST(DecimalCommaLocale, SameBytesAsInTheCLocale) {
    if (!localeAvailable(kDecimalComma))
        GTEST_SKIP() << "Die Locale " << kDecimalComma
                     << " fehlt; tools/install-deps.sh erzeugt sie.";
    const Products plain = produce();
    ASSERT_FALSE(plain.report.empty());
    ASSERT_FALSE(plain.sensLines.empty());
    ASSERT_EQ(plain.imported.size(), 3u);

    GlobalLocale comma(kDecimalComma);
    // The locale is in force: printf itself writes a decimal comma now.
    char probe[8];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5");
    const Products localized = produce();
    EXPECT_EQ(localized.report, plain.report);
    EXPECT_EQ(localized.ausTxt, plain.ausTxt);
    EXPECT_EQ(localized.caseFile, plain.caseFile);
    EXPECT_EQ(localized.sensLines, plain.sensLines);
    EXPECT_EQ(localized.imported, plain.imported);
    EXPECT_EQ(localized.fieldTexts, plain.fieldTexts);
}
