#include "cli/Commands.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "cli/CliInterface.h"
#include "cli/CliTexts.h"
#include "cli/CsvCommands.h"
#include "cli/Options.h"
#include "document/Archive.h"
#include "document/CBrelvanDoc.h"
#include "document/CsvImport.h"
#include "document/DataExchange.h"
#include "document/DlgInputData.h"
#include "document/DlgJWertData.h"
#include "document/DlgSensitivityData.h"
#include "document/DocumentCommands.h"
#include "document/HeadlessSession.h"
#include "document/ListLine.h"
#include "document/WaterZoneCase.h"
#include "engine/DayNumber.h"
#include "engine/Sensitivity.h"
#include "engine/WaterZoneModels.h"
#include "support/Json.h"
#include "support/TextFormat.h"

using brelvan::cformat;
using cli::tx;

namespace {

using cli::prepare;
using cli::schemeOption;
using cli::usage;

// A number option: absent leaves `target`, a bad value is a usage error.
template <class T>
bool numberOption(const cli::Parsed& p, const char* name, T& target, std::string& error) {
    const auto it = p.options.find(name);
    if (it == p.options.end())
        return true;
    std::optional<T> v;
    if constexpr (std::is_same_v<T, float>)
        v = cli::numberF(it->second);
    else
        v = cli::number(it->second);
    if (!v) {
        error =
            cformat(tx("„%s“ ist keine gültige Zahl für --%s."), it->second, cli::optionName(name));
        return false;
    }
    target = *v;
    return true;
}

// "--x tage|gp" as the chart type: 0 days, 1 cumulative production.
bool chartType(const cli::Parsed& p, std::optional<int>& type, std::string& error) {
    const auto it = p.options.find("x");
    if (it == p.options.end())
        return true;
    if (it->second == "tage")
        type = 0;
    else if (it->second == "gp")
        type = 1;
    else {
        error = cformat(tx("--x erwartet „tage“ oder „gp“, nicht „%s“."), it->second);
        return false;
    }
    return true;
}

// "--verfahren original|intervall" as the influx scheme: 0 original, 1 interval mean.
void printLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        cli::printOut(line);
}

// What the command line gives the input dialog that is confirmed at once.
brelvan::ConfirmOptions confirmOptions(std::optional<int> type, std::optional<int> scheme,
                                       std::optional<int> model) {
    brelvan::ConfirmOptions options;
    options.chartType = type;
    options.model = model;
    if (scheme)
        options.scheme = brelvan::engine::influxScheme(*scheme);
    return options;
}

// ---- bericht

const char* berichtHelp() {
    return tx(
        "Aufruf: brelvan-cli bericht FALL.brv [--x tage|gp] [--verfahren original|intervall]\n"
        "                            [--modell fetkovich|veh|carter-tracy|topf]\n"
        "                            [--aus DATEI] [--csv DATEI.csv] [--csv-format komma|punkt]\n"
        "                            [--xlsx DATEI.xlsx]\n"
        "Öffnet den Fall, prüft die Eingaben wie der Eingabedialog bei OK, rechnet und gibt den\n"
        "Ergebnisbericht aus.\n"
        "  --x tage|gp   x-Achse der Grafik: Tage (Vorgabe) oder kumulative Produktion\n"
        "  --verfahren original|intervall\n"
        "                Zuflussberechnung: laufendes Mittel (Original) oder Intervallmittel nach\n"
        "                Fetkovich; ohne die Option die des Falls\n"
        "  --modell fetkovich|veh|carter-tracy|topf\n"
        "                Zuflussmodell: Fetkovich, van Everdingen-Hurst, Carter-Tracy oder Topf;\n"
        "                ohne die Option das des Falls\n"
        "  --aus DATEI   schreibt den Bericht zusätzlich wie „aus.txt“ in DATEI\n"
        "%s\n"
        "„-“ als FALL.brv liest den Fall von der Standardeingabe; „--aus -“ oder „--csv -“\n"
        "schreibt diese Datei statt des Berichts auf die Standardausgabe.\n"
        "Rückgabewert 3, wenn die Rechnung mit einem Abbruch endet (der Bericht sagt, warum).");
}

} // namespace

int cmdBericht(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    const std::string help = cformat(berichtHelp(), cli::exportHelp());
    if (!prepare(args, {"x", "verfahren", "modell", "aus", "csv", "csv-format", "xlsx"},
                 help.c_str(), p, status))
        return status;
    if (p.positional.size() != 1)
        return usage(tx("Bitte genau eine Falldatei angeben."), help.c_str());
    std::string error;
    std::optional<int> type, scheme, model;
    if (!chartType(p, type, error) || !schemeOption(p, scheme, error) ||
        !cli::modelOption(p, model, error) || !cli::checkOutputs(p, {"aus", "csv"}, error))
        return usage(error, help.c_str());

    CliInterface ui;
    CBrelvanDoc doc;
    if (brelvan::openCase(doc, ui, cli::inputPath(p.positional[0]),
                          confirmOptions(type, scheme, model)) != brelvan::OpenOutcome::Opened)
        return cli::kFailed;
    if (!cli::stdoutTaken(p, {"aus", "csv"}))
        printLines(doc.m_Ausgabe);
    if (const auto it = p.options.find("aus"); it != p.options.end()) {
        if (const auto written = cli::writeOutput(it->second, brelvan::reportFileText(doc));
            !written) {
            ui.error(cformat(tx("Die Datei „%s“ kann nicht geschrieben werden: %s."), it->second,
                             written.error()));
            return cli::kFailed;
        }
    }
    if (!cli::exportComputed(p, doc, ui))
        return cli::kFailed;
    return doc.m_bAbgebrochen ? cli::kAborted : cli::kOk;
}

// ---- sensitivitaet

namespace {

// The help names the grid size; it must follow the search's constants.
static_assert(brelvan::sens::kValues == 4 && brelvan::sens::kCases == 64);
const char* sensHelp() {
    return tx(
        "Aufruf: brelvan-cli sensitivitaet FALL.brv --ogip MIN:MAX --wip MIN:MAX --jwert MIN:MAX\n"
        "                                  [--x tage|gp] [--verfahren original|intervall]\n"
        "                                  [--modell fetkovich|veh|carter-tracy|topf]\n"
        "                                  [--speichern NEU.brv]\n"
        "Sucht im Raster von 4 x 4 x 4 Werten die Kombination von OGIP, WIP und J-Wert mit dem\n"
        "kleinsten mittleren Druckfehler, übernimmt sie und rechnet den Fall damit.\n"
        "Ausgabe: die 64 Ergebniszeilen, die Zusammenfassung, der Ergebnisbericht.\n"
        "  --verfahren original|intervall   Zuflussberechnung (ohne die Option die des Falls)\n"
        "%s\n"
        "  --speichern NEU.brv   speichert den Fall mit den übernommenen Werten (eine vorhandene\n"
        "                Datei nur mit --ueberschreiben)\n"
        "  --faelle DATEI.csv    schreibt die 64 Fälle des Rasters (OGIP, WIP, J-Wert, Fehler)\n"
        "                als CSV im Format von --csv-format\n"
        "  --json        gibt statt der Zeilen nur die Zusammenfassung als JSON-Objekt aus\n"
        "%s\n"
        "Rückgabewert 3, wenn die Rechnung mit den übernommenen Werten mit einem Abbruch endet.");
}

// The summary of a search as one JSON object.
std::string sensJson(const CBrelvanDoc& doc, const DlgSensitivityData& ranges) {
    // The error of the adopted case; the smallest one when no case has exactly its values.
    double best = std::numeric_limits<double>::quiet_NaN();
    for (const CBrelvanDoc::SensWert& w : doc.m_SensWerte)
        if (w.ogip == doc.m_dOGIP && w.wip == doc.m_dWIP && w.jWert == doc.m_dJWert)
            best = w.error;
    if (std::isnan(best))
        for (const CBrelvanDoc::SensWert& w : doc.m_SensWerte)
            if (std::isfinite(w.error) && !(w.error >= best))
                best = w.error;
    int compared = 0;
    for (const CBrelvanDoc::SensWert& w : doc.m_SensWerte)
        compared += std::isfinite(w.error) ? 1 : 0;
    brelvan::json::Writer j;
    j.beginObject()
        .field("ogip", doc.m_dOGIP)
        .field("wip", doc.m_dWIP)
        .field("j", doc.m_dJWert)
        .field("mean_error", best);
    j.key("ranges").beginObject();
    const std::pair<const char*, std::pair<double, double>> r[] = {
        {"ogip", {ranges.m_dMinOGIP, ranges.m_dMaxOGIP}},
        {"wip", {ranges.m_dMinWIP, ranges.m_dMaxWIP}},
        {"j", {ranges.m_dMinJ, ranges.m_dMaxJ}}};
    for (const auto& [name, range] : r)
        j.key(name).beginArray().value(range.first).value(range.second).endArray();
    j.endObject();
    j.field("cases", static_cast<int>(doc.m_SensWerte.size()))
        .field("cases_with_error", compared)
        .field("aborted", doc.m_bAbgebrochen)
        .endObject();
    return j.text();
}

} // namespace

int cmdSensitivitaet(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    const std::string helpText = cformat(sensHelp(), cli::modelHelp(), cli::exportHelp());
    const char* const help = helpText.c_str();
    if (!prepare(args,
                 {"ogip", "wip", "jwert", "x", "verfahren", "modell", "speichern", "csv",
                  "csv-format", "xlsx", "faelle"},
                 help, p, status, {"json", "ueberschreiben"}))
        return status;
    if (p.positional.size() != 1)
        return usage(tx("Bitte genau eine Falldatei angeben."), help);
    std::string error;
    std::optional<int> type, scheme, model;
    if (!chartType(p, type, error) || !schemeOption(p, scheme, error) ||
        !cli::modelOption(p, model, error) || !cli::checkOutputs(p, {"csv", "faelle"}, error))
        return usage(error, help);
    const bool json = p.switches.count("json") != 0;
    if (json && cli::stdoutTaken(p, {"csv", "faelle"}))
        return usage(tx("--json und eine Ausgabe auf „-“ schließen sich aus."), help);
    DlgSensitivityData ranges;
    const struct {
        const char* name;
        double* min;
        double* max;
    } wanted[] = {{"ogip", &ranges.m_dMinOGIP, &ranges.m_dMaxOGIP},
                  {"wip", &ranges.m_dMinWIP, &ranges.m_dMaxWIP},
                  {"jwert", &ranges.m_dMinJ, &ranges.m_dMaxJ}};
    for (const auto& w : wanted) {
        const auto it = p.options.find(w.name);
        if (it == p.options.end())
            return usage(cformat(tx("Die Option --%s MIN:MAX fehlt."), cli::optionName(w.name)),
                         help);
        if (!cli::range(it->second, *w.min, *w.max))
            return usage(cformat(tx("„%s“ ist kein Bereich MIN:MAX für --%s."), it->second,
                                 cli::optionName(w.name)),
                         help);
    }
    brelvan::ExportFormat csvStyle = brelvan::ExportFormat::CsvGerman;
    if (!cli::csvStyleOption(p, csvStyle, error))
        return usage(error, help);
    if (const auto it = p.options.find("speichern");
        it != p.options.end() && !cli::mayWriteCase(p, it->second))
        return cli::kFailed;

    CliInterface ui;
    ui.answer = false; // "Einzelergebnisse sehen?": No
    ui.keepsSummary = true;
    CBrelvanDoc doc;
    brelvan::ConfirmOptions options = confirmOptions(type, scheme, model);
    options.then = [&](DlgInputData& dlg, brelvan::UserInterface& ui) {
        // "Sensitivität berechnen" with the ranges of the command line.
        if (!dlg.mayOpenSensitivity(ui))
            return false;
        DlgSensitivityData sens;
        dlg.giveSensitivity(sens);
        sens.ranges() = ranges.ranges();
        if (!sens.OnButtonOK(ui))
            return false;
        dlg.takeSensitivity(sens);
        return true;
    };
    if (brelvan::openCase(doc, ui, cli::inputPath(p.positional[0]), options) !=
        brelvan::OpenOutcome::Opened)
        return cli::kFailed;

    const bool lines = !json && !cli::stdoutTaken(p, {"csv", "faelle"});
    if (lines)
        printLines(doc.m_SensErgebnisse);
    // The summary without its question (its last line).
    std::vector<std::string> summary;
    for (std::size_t start = 0; start <= ui.sensSummary.size();) {
        auto end = ui.sensSummary.find('\n', start);
        if (end == std::string::npos)
            end = ui.sensSummary.size();
        summary.push_back(ui.sensSummary.substr(start, end - start));
        start = end + 1;
    }
    if (!summary.empty())
        summary.pop_back();
    if (lines) {
        cli::printOut(" ");
        printLines(summary);
        cli::printOut(" ");
        printLines(doc.m_Ausgabe);
    }
    if (json)
        cli::printOut(sensJson(doc, ranges));
    if (const auto it = p.options.find("speichern"); it != p.options.end()) {
        if (!doc.OnSaveDocument(it->second))
            return cli::kFailed;
    }
    if (!cli::exportComputed(p, doc, ui))
        return cli::kFailed;
    if (const auto it = p.options.find("faelle"); it != p.options.end()) {
        const std::string csv = brelvan::table::toCsv({brelvan::sensitivityTable(doc)},
                                                      csvStyle == brelvan::ExportFormat::CsvPoint
                                                          ? brelvan::table::kCsvPoint
                                                          : brelvan::table::kCsvGerman);
        if (const auto written = cli::writeOutput(it->second, csv); !written) {
            ui.error(cformat(tx("Die Datei „%s“ kann nicht geschrieben werden: %s."), it->second,
                             written.error()));
            return cli::kFailed;
        }
    }
    return doc.m_bAbgebrochen ? cli::kAborted : cli::kOk;
}

// ---- jwert

namespace {

const char* jWertHelp() {
    return tx("Aufruf: brelvan-cli jwert --winkel A --k K --h H --mu MU --phi PHI\n"
              "                          [--rw RW --re RE] [--tiefe L --breite B]\n"
              "Berechnet den J-Wert nach Fetkovich und das Wasser-in-place des Brelvans.\n"
              "  --winkel A    360 voller Kreis, < 360 Teilkreis, 0 lineares Brelvan (Grad)\n"
              "  --k K         Permeabilität (mD)\n"
              "  --h H         Mächtigkeit (m)\n"
              "  --mu MU       Wasserviskosität (cp)\n"
              "  --phi PHI     Porosität (-)\n"
              "  --rw RW       Radius bis GWC (m), --re RE Radius bis Brelvanende (m)\n"
              "  --tiefe L     Tiefe, --breite B Breite des linearen Brelvans (m)\n"
              "  --json        gibt {\"j\": ..., \"wip\": ...} als JSON-Objekt aus");
}

} // namespace

int cmdJWert(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    const std::vector<std::string> known = {"winkel", "k",  "h",     "mu",    "phi",
                                            "rw",     "re", "tiefe", "breite"};
    if (!prepare(args, known, jWertHelp(), p, status, {"json"}))
        return status;
    if (!p.positional.empty())
        return usage(tx("Der Befehl jwert nimmt keine Datei."), jWertHelp());
    for (const char* required : {"winkel", "k", "h", "mu", "phi"})
        if (!p.options.count(required))
            return usage(cformat(tx("Die Option --%s fehlt."), cli::optionName(required)),
                         jWertHelp());
    DlgJWertData d;
    std::string error;
    if (!numberOption(p, "winkel", d.m_fWinkel, error) ||
        !numberOption(p, "k", d.m_fPermeabilitaet, error) ||
        !numberOption(p, "h", d.m_fMaechtigkeit, error) ||
        !numberOption(p, "mu", d.m_fViskositaet, error) ||
        !numberOption(p, "phi", d.m_fPorositaet, error) ||
        !numberOption(p, "rw", d.m_fRadiusGWC, error) ||
        !numberOption(p, "re", d.m_fRadiusEnde, error) ||
        !numberOption(p, "tiefe", d.m_fTiefe, error) ||
        !numberOption(p, "breite", d.m_fBreite, error))
        return usage(error, jWertHelp());

    CliInterface ui;
    if (d.checkRanges(ui) != 0)
        return cli::kFailed;
    d.OnInitDialog();
    if (d.m_fWinkel > 0)
        d.OnKillfocusRadiusEnde(ui);
    if (!d.OnButtonOK(ui))
        return cli::kFailed;
    if (p.switches.count("json")) {
        brelvan::json::Writer j;
        j.beginObject().field("j", d.m_dJWert).field("wip", d.m_dWIP).endObject();
        cli::printOut(j.text());
        return cli::kOk;
    }
    cli::printOut(cformat(tx("J-Wert: %.6f"), d.m_dJWert));
    cli::printOut(cformat("WIP: %.6f", d.m_dWIP));
    return cli::kOk;
}

// ---- zwert

namespace {

const char* zWertHelp() {
    return tx(
        "Aufruf: brelvan-cli zwert (FALL.brv | --gas LISTE) --temperatur T --druck P\n"
        "Gibt die korrigierten pseudokritischen Werte Tpc (°R) und Ppc (psia) und den z-Wert bei\n"
        "T (Grad C) und P (Bar) aus. Die Gaszusammensetzung kommt aus dem Fall oder aus LISTE,\n"
        "z.B. „H2S=1.5,CO2=2,CH4=96.5“ (Prozent; nicht genannte Komponenten sind 0).\n"
        "Komponenten: H2S CO2 N2 CH4 C2H6 C3H8 iC4H10 nC4H10 iC5H12 nC5H12 C6H14 C7H16 C8H18\n"
        "C9H20 C10H22\n"
        "  --json   gibt {\"tpc_rankine\": ..., \"ppc_psia\": ..., \"z\": ...} als JSON-Objekt "
        "aus\n"
        "„-“ als FALL.brv liest den Fall von der Standardeingabe.");
}

// Reads a case file into `doc` without the input dialog; false after the German message.
bool loadCase(const std::string& path, CBrelvanDoc& doc, CliInterface& ui) {
    const brelvan::IoResult<std::string> bytes = brelvan::readFileBounded(cli::inputPath(path));
    if (!bytes) {
        ui.error(
            cformat(tx("Die Datei „%s“ kann nicht geöffnet werden: %s."), path, bytes.error()));
        return false;
    }
    ByteReader ar(bytes.value());
    if (const brelvan::IoResult<> read = doc.Serialize(ar); !read) {
        ui.error(cformat(tx("Die Datei „%s“ ist keine vollständige Brelvan-Falldatei: %s."), path,
                         read.error()));
        return false;
    }
    return true;
}

// The composition checks of the input dialog: each percentage 0 to 100, a sum above 0 and
// not above 100 (formed in single precision, in component order).
bool checkGas(const std::array<float, 15>& gas, CliInterface& ui) {
    float sum = 0.0f;
    for (int i = 0; i < 15; ++i) {
        if (!brelvan::inRange(gas[i], 0.0, 100.0)) {
            ui.message(cli::kComponentNames[i] + std::string(": ") +
                       brelvan::rangeMessage(0.0, 100.0, false));
            return false;
        }
        sum += gas[i];
    }
    if (sum <= 0.0f) {
        ui.message(tx("Bitte Gaskomponenten eingeben"));
        return false;
    }
    if (sum > 100.0f) {
        ui.message(tx("Die Summe der Gaskomponenten ist > 100 !"));
        return false;
    }
    return true;
}

} // namespace

int cmdZWert(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    if (!prepare(args, {"gas", "temperatur", "druck"}, zWertHelp(), p, status, {"json"}))
        return status;
    const bool haveGas = p.options.count("gas") != 0;
    if (haveGas == (p.positional.size() == 1) || p.positional.size() > 1)
        return usage(tx("Bitte entweder eine Falldatei oder --gas angeben."), zWertHelp());
    for (const char* required : {"temperatur", "druck"})
        if (!p.options.count(required))
            return usage(cformat(tx("Die Option --%s fehlt."), cli::optionName(required)),
                         zWertHelp());
    double temperatur = 0;
    double druck = 0;
    std::string error;
    if (!numberOption(p, "temperatur", temperatur, error) ||
        !numberOption(p, "druck", druck, error))
        return usage(error, zWertHelp());

    CliInterface ui;
    CBrelvanDoc doc;
    doc.setUserInterface(&ui);
    doc.OnNewDocument();
    if (haveGas) {
        if (!cli::gasList(p.options["gas"], doc.m_fGas, error))
            return usage(error, zWertHelp());
    } else if (!loadCase(p.positional[0], doc, ui)) {
        return cli::kFailed;
    }
    if (!checkGas(doc.m_fGas, ui))
        return cli::kFailed;
    // The input dialog's ranges of the reservoir temperature and the pressure.
    if (!brelvan::inRange(temperatur, 0.0, 1000.0)) {
        ui.message(tx("Temperatur: ") + brelvan::rangeMessage(0.0, 1000.0, false));
        return cli::kFailed;
    }
    if (!brelvan::inRange(druck, 1.0, 10000.0)) {
        ui.message(tx("Druck: ") + brelvan::rangeMessage(1.0, 10000.0, false));
        return cli::kFailed;
    }
    double tpc = 0;
    double ppc = 0;
    doc.pseudocrit(tpc, ppc);
    const double z = doc.zfactor(temperatur, druck, tpc, ppc);
    if (p.switches.count("json")) {
        brelvan::json::Writer j;
        j.beginObject()
            .field("temperature_c", temperatur)
            .field("pressure_bar", druck)
            .field("tpc_rankine", tpc)
            .field("ppc_psia", ppc)
            .field("z", z)
            .endObject();
        cli::printOut(j.text());
        return cli::kOk;
    }
    cli::printOut(cformat("Tpc: %.6f", tpc));
    cli::printOut(cformat("Ppc: %.6f", ppc));
    cli::printOut(cformat("z: %.8f", z));
    return cli::kOk;
}

// ---- neu

namespace {

const char* neuHelp() {
    return tx(
        "Aufruf: brelvan-cli neu NEU.brv [--feld NAME] [--gas LISTE] [--temperatur T] [--druck P]\n"
        "                        [--ogip G] [--wip W] [--kompress C] [--jwert J]\n"
        "                        [--beginn T.M.JJJJ] [--druckdatei DATEI.txt|DATEI.csv]\n"
        "                        [--k K] [--h H] [--mu MU] [--phi PHI] [--rw RW] [--re RE]\n"
        "                        [--tiefe L] [--breite B] [--winkel A]\n"
        "                        [--verfahren original|intervall] [--ueberschreiben]\n"
        "                        [--druckformat text|csv] [--csv-dezimal komma|punkt]\n"
        "                        [--csv-datum TMJ|MTJ|JMT] [--csv-trenner ';'|','|tab]\n"
        "                        [--csv-kopfzeile N] [--csv-spalten D,G[,P]]\n"
        "                        [--cf CF] [--cw CW] [--swi SWI] [--bw BW]\n"
        "                        [--modell fetkovich|veh|carter-tracy|topf]\n"
        "Legt einen Fall mit den Vorgaben eines neuen Falls an, ändert die genannten Werte und\n"
        "speichert ihn in NEU.brv (eine vorhandene Datei nur mit --ueberschreiben; „-“ schreibt\n"
        "den Fall auf die Standardausgabe).\n"
        "  --gas LISTE          z.B. „H2S=1.5,CO2=2,CH4=96.5“ (nicht genannte Komponenten 0)\n"
        "  --druckdatei DATEI   liest die Schließdruckwerte wie „Druckdatei öffnen“ (erste Zeile\n"
        "                       Überschrift, dann Tag.Monat.Jahr Gp [Druck [Wp]]; eine Zeile\n"
        "                       ohne Druck, aber mit Wasser, hat 0 als Druck)\n"
        "                       oder, bei DATEI.csv, aus einer CSV-Datei (Trenner ; , oder Tab,\n"
        "                       Spalten Datum, Gp, Druck und Wp nach der Überschrift; Zeilen, die "
        "die\n"
        "                       Prüfungen der Liste nicht bestehen, werden mit Grund gemeldet)\n"
        "                       „-“ liest sie von der Standardeingabe\n"
        "  --druckformat text|csv  das Format der Druckdatei (sonst nach der Endung; bei „-“\n"
        "                       text)\n"
        "%s\n"
        "  --k --h --mu --phi --rw --re --tiefe --breite --winkel: die Daten des J-Wert-Dialogs\n"
        "                       (wie bei „brelvan-cli jwert“)\n"
        "  --verfahren          Zuflussberechnung: original (Vorgabe) oder intervall\n"
        "  --cf --cw            Kompressibilität von Gestein und Haftwasser der Gaszone\n"
        "                       (E-5/bar, Vorgabe 0)\n"
        "  --swi                Haftwassersättigung der Gaszone (Anteil, Vorgabe 0)\n"
        "  --bw                 Formationsvolumenfaktor des geförderten Wassers (m3/m3,\n"
        "                       Vorgabe 1)\n"
        "  --modell             Zuflussmodell: fetkovich (Vorgabe), veh (van Everdingen-Hurst),\n"
        "                       carter-tracy oder topf\n"
        "Übernimmt der Import keine Zeile, wird kein Fall geschrieben (Rückgabewert 2).");
}

// The checks of the input dialog's fields and of the J value dialog, before a new case is
// written: every ranged field in its range, the composition as OK wants it.
bool checkNewCase(const CBrelvanDoc& doc, CliInterface& ui) {
    DlgInputData dlg;
    dlg.reservoir() = doc.reservoir();
    for (int i = 0; i < CBrelvanDoc::kComponents; ++i)
        dlg.gasField(i) = doc.m_fGas[static_cast<std::size_t>(i)];
    // Which option gave the field, for the message.
    const auto option = [](int id) -> std::string {
        switch (id) {
        case DlgInputData::kIdKompress:
            return "--" + cli::optionName("kompress");
        case DlgInputData::kIdJWertFeld:
            return "--" + cli::optionName("jwert");
        case DlgInputData::kIdOGIP:
            return "--" + cli::optionName("ogip");
        case DlgInputData::kIdDruck:
            return "--" + cli::optionName("druck");
        case DlgInputData::kIdTemperatur:
            return "--" + cli::optionName("temperatur");
        case DlgInputData::kIdKompressFormation:
            return "--" + cli::optionName("cf");
        case DlgInputData::kIdKompressWasser:
            return "--" + cli::optionName("cw");
        case DlgInputData::kIdSwi:
            return "--" + cli::optionName("swi");
        case DlgInputData::kIdBw:
            return "--" + cli::optionName("bw");
        case DlgInputData::kIdWIP:
            return "--" + cli::optionName("wip");
        case DlgInputData::kIdTag:
        case DlgInputData::kIdMonat:
        case DlgInputData::kIdJahr:
            return "--" + cli::optionName("beginn");
        default:
            return std::string("--gas ") +
                   cli::kComponentNames[static_cast<std::size_t>(id - DlgInputData::kIdGasFirst)];
        }
    };
    // The range check names the field; its own message (without the option) stays unsaid.
    brelvan::SilentInterface quiet;
    if (const int id = dlg.checkRanges(quiet); id != 0) {
        const DlgInputData::FieldRange f = DlgInputData::rangeOf(id);
        ui.message(cformat("%s: %s", option(id), brelvan::rangeMessage(f.min, f.max, f.integer)));
        return false;
    }
    if (!checkGas(doc.m_fGas, ui))
        return false;
    DlgJWertData jwert;
    jwert.jInputs() = doc.jInputs();
    return jwert.checkRanges(ui) == 0;
}

} // namespace

int cmdNeu(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    std::vector<std::string> known = {
        "feld",  "gas",    "temperatur", "druck",  "ogip",   "wip",       "kompress",
        "jwert", "beginn", "druckdatei", "k",      "h",      "mu",        "phi",
        "rw",    "re",     "tiefe",      "breite", "winkel", "verfahren", "druckformat",
        "cf",    "cw",     "swi",        "bw",     "modell"};
    known.insert(known.end(), cli::kCsvImportOptions.begin(), cli::kCsvImportOptions.end());
    const std::string helpText = cformat(neuHelp(), cli::csvImportHelp());
    const char* const help = helpText.c_str();
    if (!prepare(args, known, help, p, status, {"ueberschreiben"}))
        return status;
    if (p.positional.size() != 1)
        return usage(tx("Bitte genau eine neue Falldatei angeben."), help);
    const std::string& target = p.positional[0];

    CliInterface ui;
    CBrelvanDoc doc;
    doc.setUserInterface(&ui);
    doc.OnNewDocument();
    std::string error;
    if (!numberOption(p, "temperatur", doc.m_dTemperatur, error) ||
        !numberOption(p, "druck", doc.m_dDruck, error) ||
        !numberOption(p, "ogip", doc.m_dOGIP, error) ||
        !numberOption(p, "wip", doc.m_dWIP, error) ||
        !numberOption(p, "kompress", doc.m_dKompress, error) ||
        !numberOption(p, "jwert", doc.m_dJWert, error) ||
        !numberOption(p, "k", doc.m_fPermeabilitaet, error) ||
        !numberOption(p, "h", doc.m_fMaechtigkeit, error) ||
        !numberOption(p, "mu", doc.m_fViskositaet, error) ||
        !numberOption(p, "phi", doc.m_fPorositaet, error) ||
        !numberOption(p, "rw", doc.m_fRadiusGWC, error) ||
        !numberOption(p, "re", doc.m_fRadiusEnde, error) ||
        !numberOption(p, "tiefe", doc.m_fTiefe, error) ||
        !numberOption(p, "breite", doc.m_fBreite, error) ||
        !numberOption(p, "winkel", doc.m_fWinkel, error) ||
        !numberOption(p, "cf", doc.m_dKompressFormation, error) ||
        !numberOption(p, "cw", doc.m_dKompressWasser, error) ||
        !numberOption(p, "swi", doc.m_dSwi, error) || !numberOption(p, "bw", doc.m_dBw, error))
        return usage(error, help);
    std::optional<int> scheme, model;
    if (!schemeOption(p, scheme, error) || !cli::modelOption(p, model, error))
        return usage(error, help);
    if (scheme)
        doc.m_iVerfahren = brelvan::engine::influxScheme(*scheme);
    if (model)
        doc.m_iModell = *model;
    if (const auto it = p.options.find("feld"); it != p.options.end())
        doc.m_strFeldname = it->second;
    if (const auto it = p.options.find("gas"); it != p.options.end()) {
        if (!cli::gasList(it->second, doc.m_fGas, error))
            return usage(error, help);
    }
    if (const auto it = p.options.find("beginn"); it != p.options.end()) {
        if (!cli::date(it->second, doc.m_iTag, doc.m_iMonat, doc.m_iJahr))
            return usage(cformat(tx("„%s“ ist kein Datum T.M.JJJJ für --beginn."), it->second),
                         help);
    }
    brelvan::csv::Options csvOptions;
    if (!cli::csvImportOptions(p, csvOptions, error))
        return usage(error, help);
    const auto druckdatei = p.options.find("druckdatei");
    bool csvFile = druckdatei != p.options.end() && brelvan::csv::isCsvPath(druckdatei->second);
    if (const auto it = p.options.find("druckformat"); it != p.options.end()) {
        if (it->second != "text" && it->second != "csv")
            return usage(
                cformat(tx("--druckformat erwartet „text“ oder „csv“, nicht „%s“."), it->second),
                help);
        if (druckdatei == p.options.end())
            return usage(tx("--druckformat gilt nur mit --druckdatei."), help);
        csvFile = it->second == "csv";
    }
    if (target != "-" && !cli::mayWriteCase(p, target))
        return cli::kFailed;
    if (!checkNewCase(doc, ui))
        return cli::kFailed;
    if (brelvan::tage(doc.m_iTag, doc.m_iMonat, doc.m_iJahr, nullptr) == 0) {
        ui.error(cformat(tx("--beginn: Das Datum %d.%d.%d gibt es nicht."), doc.m_iTag,
                         doc.m_iMonat, doc.m_iJahr));
        return cli::kFailed;
    }
    if (druckdatei != p.options.end() && csvFile) {
        if (!cli::importCsvLines(druckdatei->second, doc, ui, csvOptions))
            return cli::kFailed;
    } else if (druckdatei != p.options.end()) {
        // Read once: the file may be a FIFO.
        const std::string& path = druckdatei->second;
        const brelvan::IoResult<std::string> bytes = brelvan::readFileBounded(cli::inputPath(path));
        if (!bytes) {
            ui.error(
                cformat(tx("Die Datei „%s“ kann nicht geöffnet werden: %s."), path, bytes.error()));
            return cli::kFailed;
        }
        DlgInputData dlg;
        dlg.importPressureText(path, bytes.value(), ui);
        // The lines pass the checks of a typed line, as the rows of a CSV file do: a date
        // that does not exist or lies before the production start is not taken.
        const float beginn =
            static_cast<float>(brelvan::tage(doc.m_iTag, doc.m_iMonat, doc.m_iJahr, nullptr));
        std::vector<std::string> taken;
        for (const std::string& line : dlg.m_Zeilen) {
            const brelvan::LineCheck check = brelvan::checkListLine(line, beginn);
            if (check.fault == brelvan::LineFault::None) {
                taken.push_back(line);
                continue;
            }
            const std::string reason =
                check.fault == brelvan::LineFault::NoSuchDate
                    ? cformat(tx("Das Datum %d.%d.%d gibt es nicht"), check.line.day,
                              check.line.month, check.line.year)
                : check.fault == brelvan::LineFault::NotAfterStart
                    ? std::string(tx("Keine zeitliche Reihenfolge (nicht nach dem Förderbeginn)"))
                    : check.message;
            ui.message(cformat(tx("Zeile übersprungen (%s): %s"), reason, line));
        }
        dlg.takeCsvLines(taken, false);
        if (dlg.m_Zeilen.empty()) {
            ui.error(cformat(tx("Aus der Datei „%s“ wurde keine Zeile übernommen."), path));
            return cli::kFailed;
        }
        // The largest Gp of the lines with a pressure, as the measurement check finds it.
        dlg.m_dMaxGp = 0;
        dlg.PruefeMesswerte(ui);
        doc.m_Zeilen = dlg.m_Zeilen;
        doc.m_dMaxGp = dlg.m_dMaxGp;
    }
    if (target == "-") {
        ByteWriter out;
        doc.Serialize(out);
        const std::vector<unsigned char>& bytes = out.bytes();
        if (const auto written = cli::writeOutput(
                target,
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
            !written) {
            ui.error(
                cformat(tx("Der Fall kann nicht auf die Standardausgabe geschrieben werden: %s."),
                        written.error()));
            return cli::kFailed;
        }
        return cli::kOk;
    }
    if (!doc.OnSaveDocument(target))
        return cli::kFailed;
    return cli::kOk;
}

// ---- zeigen

namespace {

const char* zeigenHelp() {
    return tx("Aufruf: brelvan-cli zeigen FALL.brv\n"
              "Zeigt jedes gespeicherte Feld des Falls als „Name: Wert“, danach die Zeilen.\n"
              "„-“ als FALL.brv liest den Fall von der Standardeingabe.");
}

} // namespace

int cmdZeigen(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    if (!prepare(args, {}, zeigenHelp(), p, status))
        return status;
    if (p.positional.size() != 1)
        return usage(tx("Bitte genau eine Falldatei angeben."), zeigenHelp());
    CliInterface ui;
    CBrelvanDoc doc;
    doc.setUserInterface(&ui);
    doc.OnNewDocument();
    if (!loadCase(p.positional[0], doc, ui))
        return cli::kFailed;
    const auto d = [](const char* name, double v) { cli::printOut(cformat("%s: %.17g", name, v)); };
    const auto f = [](const char* name, float v) { cli::printOut(cformat("%s: %.9g", name, v)); };
    const auto i = [](const char* name, int v) { cli::printOut(cformat("%s: %d", name, v)); };
    d("m_dKompress", doc.m_dKompress);
    cli::printOut("m_strFeldname: " + doc.m_strFeldname);
    i("m_iJahr", doc.m_iJahr);
    i("m_iMonat", doc.m_iMonat);
    i("m_iTag", doc.m_iTag);
    d("m_dJWert", doc.m_dJWert);
    d("m_dOGIP", doc.m_dOGIP);
    d("m_dDruck", doc.m_dDruck);
    d("m_dTemperatur", doc.m_dTemperatur);
    d("m_dWIP", doc.m_dWIP);
    f("m_fPermeabilitaet", doc.m_fPermeabilitaet);
    f("m_fMaechtigkeit", doc.m_fMaechtigkeit);
    f("m_fViskositaet", doc.m_fViskositaet);
    f("m_fPorositaet", doc.m_fPorositaet);
    f("m_fRadiusGWC", doc.m_fRadiusGWC);
    f("m_fRadiusEnde", doc.m_fRadiusEnde);
    f("m_fTiefe", doc.m_fTiefe);
    f("m_fBreite", doc.m_fBreite);
    f("m_fWinkel", doc.m_fWinkel);
    d("m_dMaxGp", doc.m_dMaxGp);
    for (int k = 0; k < CBrelvanDoc::kComponents; ++k)
        cli::printOut(cformat("m_fGas[%d]: %.9g", k, doc.m_fGas[k]));
    i("m_iVerfahren", static_cast<int>(doc.m_iVerfahren));
    if (doc.m_iModell != 0)
        cli::printOut(cformat("m_iModell: %d (%s)", doc.m_iModell,
                              brelvan::waterzone::modelName(brelvan::modelOf(doc.m_iModell))));
    // The gas zone's values where the case has them (a case without keeps its listing).
    if (doc.m_dKompressFormation != 0 || doc.m_dKompressWasser != 0 || doc.m_dSwi != 0 ||
        doc.m_dBw != 1) {
        d("m_dKompressFormation", doc.m_dKompressFormation);
        d("m_dKompressWasser", doc.m_dKompressWasser);
        d("m_dSwi", doc.m_dSwi);
        d("m_dBw", doc.m_dBw);
    }
    i("m_Zeilen", static_cast<int>(doc.m_Zeilen.size()));
    printLines(doc.m_Zeilen);
    return cli::kOk;
}
