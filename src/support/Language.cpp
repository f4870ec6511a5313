#include "support/Language.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace brelvan {

namespace {

std::atomic<Language> g_language{Language::German};

bool isSet(const char* value) {
    return value != nullptr && *value != '\0';
}

} // namespace

Language currentLanguage() noexcept {
    return g_language.load(std::memory_order_relaxed);
}

void setCurrentLanguage(Language language) noexcept {
    g_language.store(language, std::memory_order_relaxed);
}

Language languageFromEnvironment(const char* lcAll, const char* lcMessages,
                                 const char* lang) noexcept {
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (isSet(value)) {
            return std::strncmp(value, "en", 2) == 0 ? Language::English : Language::German;
        }
    }
    return Language::German;
}

Language languageFromEnvironment() noexcept {
    return languageFromEnvironment(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                   std::getenv("LANG"));
}

std::optional<Language> languageFromCode(std::string_view code) noexcept {
    if (code == "de") {
        return Language::German;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

const char* languageCode(Language language) noexcept {
    return language == Language::English ? "en" : "de";
}

std::optional<std::string_view> Catalogue::english(std::string_view german) const {
    for (const TextPair& pair : m_pairs) {
        if (german == pair.german) {
            return std::string_view(pair.english);
        }
    }
    return std::nullopt;
}

std::string_view Catalogue::operator()(std::string_view german) const {
    if (currentLanguage() == Language::German) {
        return german;
    }
    return english(german).value_or(german);
}

const char* Catalogue::operator()(const char* german) const {
    if (currentLanguage() == Language::German || german == nullptr) {
        return german;
    }
    for (const TextPair& pair : m_pairs) {
        if (std::strcmp(german, pair.german) == 0) {
            return pair.english;
        }
    }
    return german;
}

} // namespace brelvan
