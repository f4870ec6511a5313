// English beside German in the support layer: every text it shows has its translation, and
// the reasons of a failed file operation and of a refused pressure line come in the current
// language while German stays as it was.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "testing/TestFiles.h"
#include "testing/EnglishScope.h"
#include "support/FileIo.h"
#include "support/PressureLine.h"
#include "support/SupportTexts.h"
#include "testing/CatalogueScan.h"

namespace {

std::string joined(const std::vector<std::string>& problems) {
    std::string out;
    for (const std::string& p : problems)
        out += p + "\n";
    return out;
}

} // namespace

TEST(SupportTexts, CatalogueHoldsEveryTextOfTheLayerOnce) {
    const std::vector<std::string> used = brelvan::testing::txLiterals("src/support");
    EXPECT_GE(used.size(), 30u); // the scan finds the layer's texts
    const auto problems = brelvan::testing::catalogueProblems(brelvan::support::catalogue(), used);
    EXPECT_TRUE(problems.empty()) << joined(problems);
}

// A reason assembled from parts (a system error inside a sentence, a size, a field name and
// the refused number) is whole in either language.
TEST(SupportTexts, ReasonsComeInTheCurrentLanguage) {
    const TempDir dir;
    const std::string folder = dir.file("fehlt/x.brv");
    const brelvan::IoResult<> german = brelvan::writeFileAtomically(folder, "x");
    ASSERT_FALSE(german);
    EXPECT_EQ(german.error(), "ihren Ordner gibt es nicht");
    EXPECT_EQ(brelvan::pressureLineProblem("1.1.2001 --5 200"),
              "Der Gp-Wert „--5“ ist keine gültige Zahl");
    EXPECT_EQ(brelvan::systemErrorText(ENOSPC), "auf dem Datenträger ist kein Platz mehr");
    const std::string unknown = brelvan::systemErrorText(EOWNERDEAD);
    EXPECT_EQ(unknown.rfind("Systemfehler " + std::to_string(EOWNERDEAD), 0), 0u) << unknown;

    const EnglishScope english;
    const brelvan::IoResult<> written = brelvan::writeFileAtomically(folder, "x");
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error(), "its folder does not exist");
    EXPECT_EQ(brelvan::pressureLineProblem("1.1.2001 --5 200"),
              "The Gp value “--5” is not a valid number");
    EXPECT_EQ(brelvan::pressureLineProblem("1.1.2001 500 nan"),
              "The pressure value “nan” is not a finite number");
    EXPECT_EQ(brelvan::pressureLineProblem("1.1.2001 2e9 200"),
              "The Gp value “2e9” lies outside any possible value");
    EXPECT_EQ(brelvan::pressureLineProblem("1.1.2001 500 200 -1"),
              "The Wp value must not be negative");
    EXPECT_EQ(brelvan::systemErrorText(ENOSPC), "there is no space left on the disk");
    EXPECT_EQ(
        brelvan::systemErrorText(EOWNERDEAD).rfind("system error " + std::to_string(EOWNERDEAD), 0),
        0u);
}

// A file beyond the size a case file may have: the limit stands in the reason.
TEST(SupportTexts, TooLargeNamesTheLimit) {
    const TempDir dir;
    const std::string path = dir.file("gross.bin");
    ASSERT_TRUE(brelvan::writeFileAtomically(path, std::string(3000, 'x')));
    const auto german = brelvan::readFileBounded(path, 2000);
    ASSERT_FALSE(german);
    EXPECT_EQ(german.error(),
              "sie ist größer als 2000 Bytes und damit keine Datei dieses Programms");
    const auto refused = inEnglish([&] { return brelvan::readFileBounded(path, 2000); });
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), "it is larger than 2000 bytes and so no file of this program");
}
