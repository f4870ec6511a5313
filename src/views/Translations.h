// The desktop programs' language: the "--sprache" option, the choice between the command line,
// the stored choice and the environment, and Qt's translators for the chosen language.
//
// German is the programs' own language: its texts stand in the code, and only Qt's own texts
// (standard buttons, file and print dialogs) need a translator. English comes from the
// programs' catalogues, embedded as ":/i18n/<name>.qm".
#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/Language.h"

class QTranslator;

namespace brelvan::views {

// What "--sprache" (or "--language") on a command line asks for.
struct LanguageOption {
    std::optional<Language> language; // the last valid value given
    std::string invalid;              // a value other than "de" or "en"; empty when none
    bool missingValue = false;        // the option stands last, without its value
    bool problem() const { return !invalid.empty() || missingValue; }
};

// Takes every "--sprache X", "--sprache=X", "--language X" and "--language=X" out of
// argv[1..argc-1]; argc and argv keep the other arguments in their order.
LanguageOption takeLanguageOption(int& argc, char** argv);

// The language to run in: the command line's, otherwise the one stored by the program's menu,
// otherwise the environment's.
Language chooseLanguage(std::optional<Language> commandLine, std::optional<Language> stored,
                        Language environment);

// The translators of one language, installed on the running application while this lives.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Makes `language` the process language (brelvan::setCurrentLanguage) and installs its
    // translators: in English the catalogues named (e.g. "brelvan_views_en") and Qt's English
    // texts where Qt has them; in German Qt's German texts. Returns the catalogues that could
    // not be loaded.
    QStringList install(Language language, const QStringList& catalogues);
    // Removes the translators installed so far.
    void clear();

private:
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

// A text of `context` from the catalogue `catalogue` when the language is English, without a
// running application (for help texts printed before Qt starts); `german` otherwise.
QString translateEarly(const QString& catalogue, const char* context, const char* german);

} // namespace brelvan::views
