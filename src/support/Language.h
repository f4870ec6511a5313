// The language of the user's texts: German, the program's own, or English beside it.
//
// German texts stand in the code as they are; English comes from a layer's catalogue, a table
// of German source texts and their English translations. A catalogue answers with the German
// text itself while the language is German, so German output stays exactly as it was.
//
// The language is chosen once at start: from "--sprache de|en" where a program takes it,
// otherwise from the environment (LC_ALL, LC_MESSAGES, LANG: the first that is set and not
// empty; "en..." gives English, anything else German).
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace brelvan {

enum class Language { German, English };

Language currentLanguage() noexcept;
void setCurrentLanguage(Language language) noexcept;

// The language the environment asks for; the arguments are the values of LC_ALL,
// LC_MESSAGES and LANG (null when unset).
Language languageFromEnvironment(const char* lcAll, const char* lcMessages,
                                 const char* lang) noexcept;
Language languageFromEnvironment() noexcept;

// "de" or "en" (as "--sprache" takes them); nothing for any other text.
std::optional<Language> languageFromCode(std::string_view code) noexcept;
const char* languageCode(Language language) noexcept;

// One text of a catalogue. Both are string literals; a printf format keeps its conversions
// in the same order in both languages.
struct TextPair {
    const char* german;
    const char* english;
};

// A layer's table of texts. Lookups are by the German text's content, not its address.
class Catalogue {
public:
    explicit Catalogue(std::span<const TextPair> pairs) : m_pairs(pairs) {}

    // The text in the current language: `german` itself in German; in English its
    // translation, or `german` when the catalogue has none (a test keeps that from happening).
    const char* operator()(const char* german) const;
    std::string_view operator()(std::string_view german) const;
    // The translation of `german`, or nothing when the catalogue has none.
    std::optional<std::string_view> english(std::string_view german) const;
    std::span<const TextPair> pairs() const { return m_pairs; }

private:
    std::span<const TextPair> m_pairs;
};

} // namespace brelvan
