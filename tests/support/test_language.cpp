#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/Language.h"

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

} // namespace
} // namespace brelvan
