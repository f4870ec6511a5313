#include "views/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>
#include <string_view>

namespace brelvan::views {

namespace {

constexpr std::string_view kOptions[] = {"--sprache", "--language"};

} // namespace

LanguageOption takeLanguageOption(int& argc, char** argv) {
    LanguageOption result;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::optional<std::string_view> value;
        bool matched = false;
        for (std::string_view option : kOptions) {
            if (arg == option) {
                matched = true;
                if (i + 1 < argc) {
                    value = argv[++i];
                } else {
                    result.missingValue = true;
                }
            } else if (arg.size() > option.size() && arg.substr(0, option.size()) == option &&
                       arg[option.size()] == '=') {
                matched = true;
                value = arg.substr(option.size() + 1);
            }
        }
        if (!matched) {
            argv[kept++] = argv[i];
            continue;
        }
        if (value) {
            if (const std::optional<Language> language = languageFromCode(*value)) {
                result.language = language;
            } else {
                result.invalid = std::string(*value);
            }
        }
    }
    if (kept < argc) {
        argv[kept] = nullptr; // argv ends with a null pointer, as from the system
    }
    argc = kept;
    return result;
}

Language chooseLanguage(std::optional<Language> commandLine, std::optional<Language> stored,
                        Language environment) {
    return commandLine ? *commandLine : stored ? *stored : environment;
}

Translations::Translations() = default;

Translations::~Translations() {
    clear();
}

void Translations::clear() {
    for (const std::unique_ptr<QTranslator>& t : m_translators) {
        QCoreApplication::removeTranslator(t.get());
    }
    m_translators.clear();
}

QStringList Translations::install(Language language, const QStringList& catalogues) {
    clear();
    setCurrentLanguage(language);
    QStringList missing;
    const auto add = [this](const QString& name, const QString& folder) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(name, folder)) {
            return false;
        }
        QCoreApplication::installTranslator(translator.get());
        m_translators.push_back(std::move(translator));
        return true;
    };
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == Language::German) {
        // Qt's own texts (standard buttons, print and file dialogs) in German.
        add(QStringLiteral("qtbase_de"), qtFolder);
        return missing;
    }
    for (const QString& catalogue : catalogues) {
        if (!add(catalogue, QStringLiteral(":/i18n"))) {
            missing << catalogue;
        }
    }
    // Qt's texts are English in its sources; a catalogue of them is taken where installed.
    add(QStringLiteral("qtbase_en"), qtFolder);
    return missing;
}

QString translateEarly(const QString& catalogue, const char* context, const char* german) {
    if (currentLanguage() == Language::English) {
        QTranslator translator;
        if (translator.load(catalogue, QStringLiteral(":/i18n"))) {
            const QString english = translator.translate(context, german);
            if (!english.isEmpty()) {
                return english;
            }
        }
    }
    return QString::fromUtf8(german);
}

} // namespace brelvan::views
