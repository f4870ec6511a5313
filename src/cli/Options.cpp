#include "cli/Options.h"

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
        std::string name = a.substr(2);
        std::optional<std::string> value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (std::find(switches.begin(), switches.end(), name) != switches.end()) {
            if (value) {
                error = brelvan::cformat("Die Option „--%s“ nimmt keinen Wert.", name);
                return false;
            }
            if (!out.switches.insert(name).second) {
                error = brelvan::cformat("Die Option „--%s“ ist mehrfach angegeben.", name);
                return false;
            }
            continue;
        }
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            error = brelvan::cformat("Unbekannte Option „--%s“.", name);
            return false;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                error = brelvan::cformat("Der Option „--%s“ fehlt ihr Wert.", name);
                return false;
            }
            value = args[++i];
        }
        if (!out.options.emplace(name, *value).second) {
            error = brelvan::cformat("Die Option „--%s“ ist mehrfach angegeben.", name);
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
            error = brelvan::cformat("„%s“ ist keine Angabe der Form NAME=PROZENT.", item);
            return false;
        }
        const std::string name = item.substr(0, eq);
        int index = -1;
        for (int i = 0; i < 15; ++i)
            if (sameName(name, kComponentNames[i]))
                index = i;
        if (index < 0) {
            error = brelvan::cformat("Unbekannte Gaskomponente „%s“.", name);
            return false;
        }
        if (seen[index]) {
            error = brelvan::cformat("Die Gaskomponente %s ist mehrfach angegeben.",
                                     kComponentNames[index]);
            return false;
        }
        const auto value = numberF(item.substr(eq + 1));
        if (!value) {
            error = brelvan::cformat("„%s“ ist kein Prozentwert für %s.", item.substr(eq + 1),
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
            "--modell erwartet „fetkovich“, „veh“, „carter-tracy“ oder „topf“, nicht „%s“.",
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
        error = brelvan::cformat("--verfahren erwartet „original“ oder „intervall“, nicht „%s“.",
                                 it->second);
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
    printErr("Die Ausgabe kann nicht geschrieben werden" +
             (code ? ": " + brelvan::systemErrorText(code) : std::string()) + ".");
    return false;
}

bool mayWriteCase(const Parsed& p, const std::string& path) {
    if (p.switches.count("ueberschreiben"))
        return true;
    std::error_code ec;
    if (!std::filesystem::exists(brelvan::pathFromUtf8(path), ec))
        return true;
    printErr(brelvan::cformat("Die Datei „%s“ gibt es schon; sie wird nur mit --ueberschreiben "
                              "ersetzt.",
                              path));
    return false;
}

} // namespace cli
