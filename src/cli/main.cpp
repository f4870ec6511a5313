// brelvan-cli: evaluates and fits cases from the command line, with the program's own rules
// and report.
#include <string>
#include <vector>

#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/DiagnoseCommand.h"
#include "cli/GrafikCommand.h"
#include "cli/Options.h"
#include "cli/ZuflussCommand.h"
#include "support/Language.h"
#include "support/TextFormat.h"

using brelvan::cformat;
using cli::tx;

namespace {

#ifndef BRELVAN_HAVE_CHART
int unavailableChart(const std::vector<std::string>&) {
    cli::printErr(tx("Diese Ausgabe von brelvan-cli wurde ohne Grafik gebaut; der Befehl „grafik“ "
                     "steht nicht zur Verfügung."));
    return cli::kUsage;
}
#endif

int karte(const std::vector<std::string>& args) {
    MapPictures pictures;
#ifdef BRELVAN_HAVE_CHART
    // The chart program computes the same map and draws it; the batch tool loads no Qt.
    pictures.handOver = [](const std::vector<std::string>& rest) {
        std::vector<std::string> handed{"karte"};
        handed.insert(handed.end(), rest.begin(), rest.end());
        return brelvanGrafikCommand(handed);
    };
#endif
    return cmdKarte(args, pictures);
}

// Every command: its German name, its English name, its line in the overview, and the function
// that runs it. A new command is one more entry here.
struct Command {
    const char* name;
    const char* english;
    std::string (*summary)();
    int (*run)(const std::vector<std::string>&);
};

const Command kCommands[] = {
    {"bericht", "report",
     []() -> std::string {
         return tx("bericht FALL.brv        rechnet den Fall und gibt den Ergebnisbericht aus");
     },
     cmdBericht},
    {"sensitivitaet", "sensitivity",
     []() -> std::string {
         return tx("sensitivitaet FALL.brv  sucht OGIP, WIP und J-Wert mit dem kleinsten Fehler");
     },
     cmdSensitivitaet},
    {"anpassen", "fit",
     []() -> std::string { // "%%": the percent sign of "95-%-Bereichen".
         return cformat(
             tx("anpassen FALL.brv       passt OGIP, WIP und J-Wert an, mit 95-%%-Bereichen"));
     },
     cmdAnpassen},
    {"karte", "map",
     []() -> std::string {
         return tx("karte FALL.brv          rechnet die Fehlerkarte zweier Parameter");
     },
     karte},
    {"jwert", "jvalue",
     []() -> std::string {
         return tx(
             "jwert                   berechnet J-Wert und Wasser-in-place aus der Geometrie");
     },
     cmdJWert},
    {"zwert", "zvalue",
     []() -> std::string {
         return tx("zwert                   berechnet die pseudokritischen Werte und den z-Wert");
     },
     cmdZWert},
    {"zufluss", "influx",
     []() -> std::string {
         return tx("zufluss                 rechnet den Wasserzufluss eines Druckverlaufs nach "
                   "einem Modell");
     },
     cmdZufluss},
    {"neu", "new",
     []() -> std::string { return tx("neu NEU.brv             legt einen neuen Fall an"); },
     cmdNeu},
    {"zeigen", "show",
     []() -> std::string {
         return tx("zeigen FALL.brv         zeigt alle gespeicherten Felder eines Falls");
     },
     cmdZeigen},
#ifdef BRELVAN_HAVE_CHART
    {"grafik", "chart",
     []() -> std::string { return tx("grafik                  zeichnet eine Grafik des Falls"); },
     brelvanGrafikCommand},
#else
    {"grafik", "chart",
     []() -> std::string {
         return tx("grafik                  zeichnet eine Grafik (nur in Builds mit Grafik)");
     },
     unavailableChart},
#endif
    {"diagnose", "diagnose",
     []() -> std::string {
         return tx("diagnose FALL.brv       p/z-Gerade, Cole-Anstieg, RMS-Fehler und "
                   "Wasserzufluss");
     },
     cmdDiagnose},
};

std::string usageText() {
    std::string text = tx("Aufruf: brelvan-cli BEFEHL [ARGUMENTE]\n"
                          "       brelvan-cli --version | --help\n"
                          "\n"
                          "Befehle:\n");
    for (const Command& c : kCommands)
        text += std::string("  ") + c.summary() + "\n";
    text += tx("\n"
               "„brelvan-cli BEFEHL --help“ beschreibt einen Befehl. „-“ als Dateiname steht für\n"
               "die Standardein- bzw. -ausgabe, „--“ beendet die Optionen.\n"
               "Rückgabewert: 0 Erfolg, 1 Aufruffehler, 2 Datei nicht lesbar oder schreibbar bzw.\n"
               "Eingabe abgelehnt, 3 Rechnung mit Abbruch beendet (der Bericht wird ausgegeben).");
    return text;
}

int dispatch(std::vector<std::string> args) {
    // The language first, so that every text, a refused --sprache included, is in it.
    brelvan::setCurrentLanguage(brelvan::languageFromEnvironment());
    if (std::string error; !cli::takeLanguageOption(args, error)) {
        cli::printErr(error);
        return cli::kUsage;
    }
    if (args.empty()) {
        cli::printErr(usageText());
        return cli::kUsage;
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "hilfe" || command == "help") {
        cli::printOut(usageText());
        return cli::kOk;
    }
    if (command == "--version") {
        cli::printOut(std::string("brelvan-cli ") + cli::kVersion);
        return cli::kOk;
    }
    for (const Command& c : kCommands)
        if (command == c.name || command == c.english)
            return c.run(rest);
    cli::printErr(brelvan::cformat(tx("Unbekannter Befehl „%s“.\n"), command));
    cli::printErr(usageText());
    return cli::kUsage;
}

} // namespace

int main(int argc, char** argv) {
    const int status = dispatch(std::vector<std::string>(argv + 1, argv + argc));
    // Output that could not be written (a full disk, a closed pipe) is a failure.
    if (!cli::flushStdout())
        return cli::kFailed;
    return status;
}
