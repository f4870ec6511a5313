#include "cli/Options.h"

#include "cli/CliTexts.h"

#include "engine/WaterZoneModels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "support/FileIo.h"
#include "support/Numbers.h"
#include "support/TextFormat.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace cli {

const char* const kVersion = BRELVAN_VERSION;

const std::array<const char*, 15> kComponentNames = {
    "H2S",    "CO2",    "N2",    "CH4",   "C2H6",  "C3H8",  "iC4H10", "nC4H10",
    "iC5H12", "nC5H12", "C6H14", "C7H16", "C8H18", "C9H20", "C10H22"};

namespace {

// The English name of every option and switch (German, English); names the same in both
// languages (--x, --ogip, --k, --csv ...) are left out.
constexpr std::pair<std::string_view, std::string_view> kEnglishNames[] = {
    {"verfahren", "scheme"},
    {"modell", "model"},
    {"aus", "out"},
    {"jwert", "jvalue"},
    {"speichern", "save"},
    {"faelle", "cases"},
    {"ueberschreiben", "overwrite"},
    {"winkel", "angle"},
    {"tiefe", "depth"},
    {"breite", "width"},
    {"temperatur", "temperature"},
    {"druck", "pressure"},
    {"feld", "field"},
    {"kompress", "compressibility"},
    {"beginn", "production-start"},
    {"druckdatei", "pressure-file"},
    {"druckformat", "pressure-format"},
    {"druckverlauf", "pressure-history"},
    {"csv-spalten", "csv-columns"},
    {"csv-dezimal", "csv-decimal"},
    {"csv-datum", "csv-date"},
    {"csv-trenner", "csv-separator"},
    {"csv-kopfzeile", "csv-header"},
    {"fest", "fixed"},
    {"achsen", "axes"},
    {"punkte", "points"},
    {"dritter", "third"},
    {"seite", "page"},
    {"art", "kind"},
    {"lupe", "magnify"},
};

// English words of option values (German option name, English word, German word).
struct ValueWord {
    std::string_view option, english, german;
};
constexpr ValueWord kEnglishValues[] = {
    {"x", "days", "tage"},
    {"verfahren", "interval", "intervall"},
    {"modell", "pot", "topf"},
    {"modell", "all", "alle"},
    {"csv-format", "comma", "komma"},
    {"csv-format", "point", "punkt"},
    {"csv-dezimal", "comma", "komma"},
    {"csv-dezimal", "point", "punkt"},
    {"csv-datum", "DMY", "TMJ"},
    {"csv-datum", "MDY", "MTJ"},
    {"csv-datum", "YMD", "JMT"},
    {"start", "grid", "gitter"},
    {"start", "case", "fall"},
    {"dritter", "fixed", "fest"},
    {"dritter", "optimised", "optimiert"},
    {"dritter", "optimized", "optimiert"},
    {"re", "infinite", "unendlich"},
    {"seite", "portrait", "hoch"},
    {"seite", "landscape", "quer"},
    {"art", "history", "verlauf"},
    {"art", "residuals", "residuen"},
};

// Options whose value is a comma-separated list of parameter names.
constexpr std::string_view kParameterLists[] = {"fest", "achsen"};

// The German word of a value: the English one replaced where the option has it.
std::string germanValue(std::string_view option, const std::string& value) {
    for (const std::string_view list : kParameterLists) {
        if (option != list)
            continue;
        std::string out;
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = value.find(',', start);
            const std::string item = value.substr(start, end - start);
            out += item == "jvalue" ? std::string("jwert") : item;
            if (end == std::string::npos)
                return out;
            out += ',';
            start = end + 1;
        }
    }
    for (const ValueWord& w : kEnglishValues)
        if (w.option == option && w.english == value)
            return std::string(w.german);
    return value;
}

// The German name for `name` among `names`: `name` itself, or the German name of the English
// name; empty when neither is among them.
std::string germanName(const std::string& name, const std::vector<std::string>& names) {
    if (std::find(names.begin(), names.end(), name) != names.end())
        return name;
    for (const auto& [german, english] : kEnglishNames)
        if (english == name && std::find(names.begin(), names.end(), german) != names.end())
            return std::string(german);
    return {};
}

} // namespace

std::string optionName(std::string_view german) {
    if (brelvan::currentLanguage() == brelvan::Language::English)
        for (const auto& [de, en] : kEnglishNames)
            if (de == german)
                return std::string(en);
    return std::string(german);
}

bool takeLanguageOption(std::vector<std::string>& args, std::string& error) {
    std::optional<std::string> code;
    std::string given;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        std::string name = a;
        std::optional<std::string> value;
        if (const auto eq = a.find('='); eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
        }
        if (name != "--sprache" && name != "--language") {
            rest.push_back(a);
            continue;
        }
        if (code) {
            error = brelvan::cformat(tx("Die Option „%s“ ist mehrfach angegeben."), name);
            return false;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                error = brelvan::cformat(tx("Der Option „%s“ fehlt ihr Wert (de oder en)."), name);
                return false;
            }
            value = args[++i];
        }
        given = name;
        code = *value;
    }
    if (code) {
        const std::optional<brelvan::Language> language = brelvan::languageFromCode(*code);
        if (!language) {
            error = brelvan::cformat(
                tx("Unbekannte Sprache „%s“ für %s; möglich sind „de“ (Deutsch) und „en“ "
                   "(Englisch)."),
                *code, given);
            return false;
        }
        brelvan::setCurrentLanguage(*language);
    }
    args = std::move(rest);
    return true;
}

bool parseArgs(const std::vector<std::string>& args, const std::vector<std::string>& known,
               Parsed& out, std::string& error, const std::vector<std::string>& switches) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded) {
            out.positional.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            out.help = true;
            continue;
        }
        if (a.size() < 3 || a.compare(0, 2, "--") != 0) {
            out.positional.push_back(a);
            continue;
        }
        // `typed` as given, for the messages; `name` the German name.
        std::string typed = a.substr(2);
        std::optional<std::string> value;
        if (const auto eq = typed.find('='); eq != std::string::npos) {
            value = typed.substr(eq + 1);
            typed.resize(eq);
        }
        if (const std::string name = germanName(typed, switches); !name.empty()) {
            if (value) {
                error = brelvan::cformat(tx("Die Option „--%s“ nimmt keinen Wert."), typed);
                return false;
            }
            if (!out.switches.insert(name).second) {
                error = brelvan::cformat(tx("Die Option „--%s“ ist mehrfach angegeben."), typed);
                return false;
            }
            continue;
        }
        const std::string name = germanName(typed, known);
        if (name.empty()) {
            error = brelvan::cformat(tx("Unbekannte Option „--%s“."), typed);
            return false;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                error = brelvan::cformat(tx("Der Option „--%s“ fehlt ihr Wert."), typed);
                return false;
            }
            value = args[++i];
        }
        if (!out.options.emplace(name, germanValue(name, *value)).second) {
            error = brelvan::cformat(tx("Die Option „--%s“ ist mehrfach angegeben."), typed);
            return false;
        }
    }
    return true;
}

std::optional<double> number(const std::string& text) {
    return brelvan::parseDouble(text);
}
std::optional<float> numberF(const std::string& text) {
    return brelvan::parseFloat(text);
}
std::optional<int> integer(const std::string& text) {
    return brelvan::parseInt(text);
}

bool range(const std::string& text, double& min, double& max) {
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return false;
    const auto a = number(text.substr(0, colon));
    const auto b = number(text.substr(colon + 1));
    if (!a || !b)
        return false;
    min = *a;
    max = *b;
    return true;
}

bool date(const std::string& text, int& day, int& month, int& year) {
    const auto dot1 = text.find('.');
    const auto dot2 = dot1 == std::string::npos ? dot1 : text.find('.', dot1 + 1);
    if (dot2 == std::string::npos)
        return false;
    const auto d = integer(text.substr(0, dot1));
    const auto m = integer(text.substr(dot1 + 1, dot2 - dot1 - 1));
    const auto y = integer(text.substr(dot2 + 1));
    if (!d || !m || !y)
        return false;
    day = *d;
    month = *m;
    year = *y;
    return true;
}

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

} // namespace

bool gasList(const std::string& text, std::array<float, 15>& gas, std::string& error) {
    std::array<float, 15> read{};
    std::array<bool, 15> seen{};
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string item = text.substr(start, end - start);
        const auto eq = item.find('=');
        if (eq == std::string::npos) {
            error = brelvan::cformat(tx("„%s“ ist keine Angabe der Form NAME=PROZENT."), item);
            return false;
        }
        const std::string name = item.substr(0, eq);
        int index = -1;
        for (int i = 0; i < 15; ++i)
            if (sameName(name, kComponentNames[i]))
                index = i;
        if (index < 0) {
            error = brelvan::cformat(tx("Unbekannte Gaskomponente „%s“."), name);
            return false;
        }
        if (seen[index]) {
            error = brelvan::cformat(tx("Die Gaskomponente %s ist mehrfach angegeben."),
                                     kComponentNames[index]);
            return false;
        }
        const auto value = numberF(item.substr(eq + 1));
        if (!value) {
            error = brelvan::cformat(tx("„%s“ ist kein Prozentwert für %s."), item.substr(eq + 1),
                                     kComponentNames[index]);
            return false;
        }
        seen[index] = true;
        read[index] = *value;
        start = end + 1;
    }
    gas = read;
    return true;
}

void printOut(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

void printErr(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
}

bool prepare(const std::vector<std::string>& args, const std::vector<std::string>& known,
             const char* help, Parsed& parsed, int& status,
             const std::vector<std::string>& switches) {
    std::string error;
    if (!parseArgs(args, known, parsed, error, switches)) {
        printErr(error);
        printErr(help);
        status = kUsage;
        return false;
    }
    if (parsed.help) {
        printOut(help);
        status = kOk;
        return false;
    }
    return true;
}

const char* modelHelp() {
    return tx("  --modell fetkovich|veh|carter-tracy|topf   Zuflussmodell (ohne die Option das des "
              "Falls)");
}

int usage(const std::string& error, const char* help) {
    printErr(error);
    printErr(help);
    return kUsage;
}

bool modelOption(const Parsed& p, std::optional<int>& model, std::string& error) {
    const auto it = p.options.find("modell");
    if (it == p.options.end())
        return true;
    brelvan::waterzone::Model m;
    if (!brelvan::waterzone::modelFromWord(it->second, m)) {
        error = brelvan::cformat(
            tx("--modell erwartet „fetkovich“, „veh“, „carter-tracy“ oder „topf“, nicht „%s“."),
            it->second);
        return false;
    }
    model = static_cast<int>(m);
    return true;
}

bool schemeOption(const Parsed& p, std::optional<int>& scheme, std::string& error) {
    const auto it = p.options.find("verfahren");
    if (it == p.options.end())
        return true;
    if (it->second == "original")
        scheme = 0;
    else if (it->second == "intervall")
        scheme = 1;
    else {
        error = brelvan::cformat(
            tx("--verfahren erwartet „original“ oder „intervall“, nicht „%s“."), it->second);
        return false;
    }
    return true;
}

std::string inputPath(const std::string& argument) {
    return argument == "-" ? std::string("/dev/stdin") : argument;
}

brelvan::IoResult<> writeOutput(const std::string& path, std::string_view bytes) {
    if (path == "-") {
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
            std::fflush(stdout) != 0)
            return brelvan::IoResult<>::failure(brelvan::systemErrorText(errno));
        return {};
    }
    return brelvan::writeFileAtomically(path, bytes);
}

bool flushStdout() {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    const int code = errno;
    printErr(code ? brelvan::cformat(tx("Die Ausgabe kann nicht geschrieben werden: %s."),
                                     brelvan::systemErrorText(code))
                  : std::string(tx("Die Ausgabe kann nicht geschrieben werden.")));
    return false;
}

bool mayWriteCase(const Parsed& p, const std::string& path) {
    if (p.switches.count("ueberschreiben"))
        return true;
    std::error_code ec;
    if (!std::filesystem::exists(brelvan::pathFromUtf8(path), ec))
        return true;
    printErr(brelvan::cformat(tx("Die Datei „%s“ gibt es schon; sie wird nur mit --ueberschreiben "
                                 "ersetzt."),
                              path));
    return false;
}

} // namespace cli
