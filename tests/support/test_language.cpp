#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/Language.h"
#include "testing/CatalogueScan.h"

namespace brelvan {
namespace {

// The first of LC_ALL, LC_MESSAGES, LANG that is set and not empty decides; only "en..." is
// English.
TEST(Language, EnvironmentOrder) {
    using L = Language;
    EXPECT_EQ(languageFromEnvironment(nullptr, nullptr, nullptr), L::German);
    EXPECT_EQ(languageFromEnvironment(nullptr, nullptr, "en_GB.UTF-8"), L::English);
    EXPECT_EQ(languageFromEnvironment("de_DE.UTF-8", "en_US.UTF-8", "en_US"), L::German);
    EXPECT_EQ(languageFromEnvironment("", "en_US.UTF-8", "de_DE"), L::English);
    EXPECT_EQ(languageFromEnvironment(nullptr, "", "en"), L::English);
    EXPECT_EQ(languageFromEnvironment("C", nullptr, "en_US"), L::German);
    EXPECT_EQ(languageFromEnvironment(nullptr, nullptr, "fr_FR"), L::German);
    EXPECT_EQ(languageFromEnvironment(nullptr, nullptr, "e"), L::German);
}

TEST(Language, Codes) {
    EXPECT_EQ(languageFromCode("de"), Language::German);
    EXPECT_EQ(languageFromCode("en"), Language::English);
    EXPECT_FALSE(languageFromCode("EN"));
    EXPECT_FALSE(languageFromCode("english"));
    EXPECT_FALSE(languageFromCode(""));
    EXPECT_STREQ(languageCode(Language::English), "en");
    EXPECT_STREQ(languageCode(Language::German), "de");
}

// Lookups go by content, answer German while German is chosen, and fall back to the German
// text when a translation is missing.
TEST(Language, CatalogueLookup) {
    static constexpr std::array<TextPair, 2> kPairs{
        {{"Druck", "Pressure"}, {"%d Zeilen", "%d rows"}}};
    const Catalogue texts(kPairs);
    const std::string key = "Druck"; // another address, same content
    setCurrentLanguage(Language::German);
    EXPECT_STREQ(texts(key.c_str()), "Druck");
    setCurrentLanguage(Language::English);
    EXPECT_STREQ(texts(key.c_str()), "Pressure");
    EXPECT_STREQ(texts("%d Zeilen"), "%d rows");
    EXPECT_STREQ(texts("Unbekannt"), "Unbekannt");
    EXPECT_EQ(texts.english("Druck"), "Pressure");
    EXPECT_FALSE(texts.english("Unbekannt"));
    setCurrentLanguage(Language::German);
}

// The check that keeps catalogues complete: it must see joined literals, escapes and printf
// conversions as the compiler does.
TEST(Language, CatalogueCheck) {
    EXPECT_EQ(testing::conversions("%-8s :%8.1f %% %2d.%4d"),
              (std::vector<std::string>{"%-8s", "%8.1f", "%2d", "%4d"}));
    static constexpr std::array<TextPair, 3> kPairs{
        {{"Druck %d", "Pressure %d"}, {"Tage %5.1f", "days %5.2f"}, {"alt", "old"}}};
    const auto problems =
        testing::catalogueProblems(Catalogue(kPairs), {"Druck %d", "Tage %5.1f", "neu"});
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_NE(problems[0].find("Tage %5.1f"), std::string::npos);
    EXPECT_NE(problems[1].find("neu"), std::string::npos);
    EXPECT_NE(problems[2].find("alt"), std::string::npos);

    const auto dir = std::filesystem::temp_directory_path() / "brelvan_catalogue_scan";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "a.cpp") << "x = tx(\"Zeile %d\\n\"\n  // Rest\n  \" weiter\\\"\");\n"
                                    "y = ctx(\"nicht\"); z = tx(kKonstante); w = tx( \"\\xe4\");\n";
    std::ofstream(dir / "a.txt") << "tx(\"nicht\")";
    EXPECT_EQ(testing::txLiterals(dir.string()),
              (std::vector<std::string>{"Zeile %d\n weiter\"", "\xe4"}));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace brelvan
