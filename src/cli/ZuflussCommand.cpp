#include "cli/ZuflussCommand.h"

#include <optional>

#include "cli/CliTexts.h"
#include "cli/Options.h"
#include "document/PressureHistory.h"
#include "engine/WaterZoneModels.h"
#include "support/FileIo.h"
#include "support/TextFormat.h"

using brelvan::cformat;
using cli::tx;
namespace wz = brelvan::waterzone;

namespace {

const char* zuflussHelp() {
    return tx(
        "Aufruf: brelvan-cli zufluss --modell M --k K --h H --mu MU --phi PHI --kompress C\n"
        "        --winkel A (--rw RW --re RE|unendlich | --tiefe L --breite B)\n"
        "        --druckverlauf DATEI\n"
        "Rechnet den kumulativen Wasserzufluss WE (Mio m3) eines Brelvans für einen Druckverlauf "
        "am\n"
        "GWC und gibt je Zeitpunkt eine Zeile „Tage WE“ aus.\n"
        "  --modell     fetkovich (Intervallmittel), veh (van Everdingen-Hurst), carter-tracy, "
        "topf\n"
        "  --k          Permeabilität (mD)     --h    Mächtigkeit (m)\n"
        "  --mu         Wasserviskosität (cp)  --phi  Porosität (Anteil)\n"
        "  --kompress   Kompressibilität (1E-5/bar)\n"
        "  --winkel     360 voller Ring, unter 360 Teilring, 0 lineares Brelvan\n"
        "  --rw, --re   Radius bis GWC und bis Brelvanende (m); --re unendlich für einen\n"
        "               unendlichen Ring (veh, carter-tracy)\n"
        "  --tiefe, --breite  Tiefe und Breite des linearen Brelvans (m)\n"
        "DATEI: je Zeile Tage seit Beginn und Druck (bar), getrennt durch Leerzeichen, Tab, „;“\n"
        "oder „,“; die erste Zeile ist Tag 0 mit dem Anfangsdruck, eine Überschrift ist erlaubt.");
}

bool numberOption(const cli::Parsed& p, const char* name, double& target, std::string& error) {
    const auto it = p.options.find(name);
    if (it == p.options.end())
        return true;
    const std::optional<double> v = cli::number(it->second);
    if (!v) {
        error =
            cformat(tx("„%s“ ist keine gültige Zahl für --%s."), it->second, cli::optionName(name));
        return false;
    }
    target = *v;
    return true;
}

} // namespace

int cmdZufluss(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    const std::vector<std::string> known = {"modell", "k",        "h",      "mu",
                                            "phi",    "kompress", "winkel", "rw",
                                            "re",     "tiefe",    "breite", "druckverlauf"};
    if (!cli::prepare(args, known, zuflussHelp(), p, status))
        return status;
    if (!p.positional.empty())
        return cli::usage(tx("Der Befehl zufluss nimmt keine Falldatei."), zuflussHelp());
    for (const char* required : {"modell", "kompress", "winkel", "druckverlauf"})
        if (!p.options.count(required))
            return cli::usage(cformat(tx("Die Option --%s fehlt."), cli::optionName(required)),
                              zuflussHelp());
    wz::Model model;
    if (!wz::modelFromWord(p.options.at("modell"), model))
        return cli::usage(cformat(tx("--modell erwartet fetkovich, veh, carter-tracy oder topf, "
                                     "nicht „%s“."),
                                  p.options.at("modell")),
                          zuflussHelp());
    wz::Rock rock;
    double compress = 0;
    std::string error;
    const bool infinite = p.options.count("re") && p.options.at("re") == "unendlich";
    if (!numberOption(p, "k", rock.k, error) || !numberOption(p, "h", rock.h, error) ||
        !numberOption(p, "mu", rock.mu, error) || !numberOption(p, "phi", rock.phi, error) ||
        !numberOption(p, "kompress", compress, error) ||
        !numberOption(p, "winkel", rock.angle, error) || !numberOption(p, "rw", rock.rw, error) ||
        (!infinite && !numberOption(p, "re", rock.re, error)) ||
        !numberOption(p, "tiefe", rock.depth, error) ||
        !numberOption(p, "breite", rock.width, error))
        return cli::usage(error, zuflussHelp());
    if (!(rock.angle >= 0 && rock.angle <= 360))
        return cli::usage(tx("--winkel muss zwischen 0 und 360 liegen."), zuflussHelp());
    const bool radial = rock.angle > 0;
    if (radial && (p.options.count("tiefe") || p.options.count("breite")))
        return cli::usage(
            tx("Ein ringförmiges Brelvan (--winkel über 0) nimmt --rw und --re, nicht "
               "--tiefe und --breite."),
            zuflussHelp());
    if (!radial && (p.options.count("rw") || p.options.count("re")))
        return cli::usage(tx("Ein lineares Brelvan (--winkel 0) nimmt --tiefe und --breite, nicht "
                             "--rw und --re."),
                          zuflussHelp());
    if (radial && !infinite && p.options.count("rw") && !p.options.count("re"))
        return cli::usage(tx("Die Option --re fehlt (eine Zahl oder „unendlich“)."), zuflussHelp());

    const std::string& path = p.options.at("druckverlauf");
    const brelvan::IoResult<std::string> bytes =
        brelvan::readFileBounded(path, std::size_t{16} << 20);
    if (!bytes) {
        cli::printErr(
            cformat(tx("Die Datei „%s“ kann nicht gelesen werden: %s."), path, bytes.error()));
        return cli::kFailed;
    }
    brelvan::PressureHistory history;
    if (!brelvan::parsePressureHistory(bytes.value(), history, error)) {
        cli::printErr(cformat("%s: %s", path, error));
        return cli::kFailed;
    }
    const wz::ZoneSetup setup = wz::zoneFromRock(model, rock, compress, history.pressures[0]);
    if (setup.missing != wz::Missing::None) {
        cli::printErr(wz::missingMessage(model, setup.missing));
        return cli::kFailed;
    }
    const std::vector<double> we = wz::influxHistory(setup.zone, history.days, history.pressures);
    std::string out;
    for (std::size_t i = 0; i < we.size(); ++i)
        out += cformat("%.1f %.6f\n", history.days[i], we[i]);
    out.pop_back();
    cli::printOut(out);
    return cli::kOk;
}
