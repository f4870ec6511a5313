// brelvan-cli: evaluates and fits cases from the command line, with the program's own rules
// and report.
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/DiagnoseCommand.h"
#include "cli/GrafikCommand.h"
#include "cli/Options.h"
#include "cli/ZuflussCommand.h"

namespace {

const char* const kUsageText =
    "Aufruf: brelvan-cli BEFEHL [ARGUMENTE]\n"
    "\n"
    "Befehle:\n"
    "  bericht FALL.brv        rechnet den Fall und gibt den Ergebnisbericht aus\n"
    "  sensitivitaet FALL.brv  sucht OGIP, WIP und J-Wert mit dem kleinsten Fehler\n"
    "  anpassen FALL.brv       passt OGIP, WIP und J-Wert an, mit 95-%-Bereichen\n"
    "  karte FALL.brv          rechnet die Fehlerkarte zweier Parameter\n"
    "  jwert                   berechnet J-Wert und Wasser-in-place aus der Geometrie\n"
    "  zwert                   berechnet die pseudokritischen Werte und den z-Wert\n"
    "  zufluss                 rechnet den Wasserzufluss eines Druckverlaufs nach einem Modell\n"
    "  neu NEU.brv             legt einen neuen Fall an\n"
    "  zeigen FALL.brv         zeigt alle gespeicherten Felder eines Falls\n"
    "  grafik                  zeichnet die Grafik eines Falls (nur in Builds mit Grafik)\n"
    "  diagnose FALL.brv       p/z-Gerade, Cole-Anstieg, RMS-Fehler und Wasserzufluss\n"
    "\n"
    "„brelvan-cli BEFEHL --help“ beschreibt einen Befehl.\n"
    "Rückgabewert: 0 Erfolg, 1 Aufruffehler, 2 Datei nicht lesbar oder schreibbar bzw.\n"
    "Eingabe abgelehnt.";

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        cli::printErr(kUsageText);
        return cli::kUsage;
    }
    const std::string command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "hilfe") {
        cli::printOut(kUsageText);
        return cli::kOk;
    }
    if (command == "bericht")
        return cmdBericht(rest);
    if (command == "sensitivitaet")
        return cmdSensitivitaet(rest);
    if (command == "anpassen")
        return cmdAnpassen(rest);
    if (command == "karte")
        return cmdKarte(rest);
    if (command == "jwert")
        return cmdJWert(rest);
    if (command == "zwert")
        return cmdZWert(rest);
    if (command == "neu")
        return cmdNeu(rest);
    if (command == "zeigen")
        return cmdZeigen(rest);
    if (command == "diagnose")
        return cmdDiagnose(rest);
    if (command == "zufluss")
        return cmdZufluss(rest);
    if (command == "grafik") {
#ifdef BRELVAN_HAVE_CHART
        return brelvanGrafikCommand(rest);
#else
        cli::printErr("Diese Ausgabe von brelvan-cli wurde ohne Grafik gebaut; der Befehl "
                      "„grafik“ steht nicht zur Verfügung.");
        return cli::kUsage;
#endif
    }
    cli::printErr("Unbekannter Befehl „" + command + "“.\n");
    cli::printErr(kUsageText);
    return cli::kUsage;
}
