// The batch tool's fitting commands: "anpassen" (least-squares refinement with ranges) and
// "karte" (misfit map of two parameters).
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <csignal>
#include <optional>
#include <sstream>

#include "cli/CliInterface.h"
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/CsvCommands.h"
#include "cli/GrafikCommand.h"
#include "cli/Options.h"
#include "document/CBrelvanDoc.h"
#include "document/CaseExport.h"
#include "document/DlgInputData.h"
#include "document/FitCase.h"
#include "document/FitExport.h"
#include "document/HeadlessSession.h"
#include "document/WaterZoneCase.h"
#include "engine/Fit.h"
#include "engine/FitObjective.h"
#include "engine/MisfitMap.h"
#include "engine/ModelComparison.h"
#include "support/TextFormat.h"

#include "support/FileIo.h"
#include "support/Json.h"

using brelvan::cformat;
using cli::tx;
namespace fit = brelvan::fit;

namespace {

const char* const kOptionNames[fit::kParams] = {"ogip", "wip", "jwert"};

// "--ogip MIN:MAX" and the like; absent options stay unset.
bool readRanges(const cli::Parsed& p, std::array<std::optional<std::pair<double, double>>, 3>& out,
                std::string& error) {
    for (int j = 0; j < fit::kParams; ++j) {
        const auto it = p.options.find(kOptionNames[j]);
        if (it == p.options.end())
            continue;
        double lo = 0, hi = 0;
        // Every value of the range must be a possible case value: positive and not beyond
        // 1e9 (a range of ±1e308 would make every grid value infinite).
        if (!cli::range(it->second, lo, hi) || !(hi > lo) || !(lo > 0) || !(hi <= 1e9)) {
            error = cformat(tx("„%s“ ist kein Bereich MIN:MAX (0 < MIN < MAX <= 1e9) für --%s."),
                            it->second, cli::optionName(kOptionNames[j]));
            return false;
        }
        out[j] = std::make_pair(lo, hi);
    }
    return true;
}

// "--verfahren original|intervall"
bool readScheme(const cli::Parsed& p, std::optional<brelvan::engine::InfluxScheme>& scheme,
                std::string& error) {
    std::optional<int> chosen;
    if (!cli::schemeOption(p, chosen, error))
        return false;
    if (chosen)
        scheme = static_cast<brelvan::engine::InfluxScheme>(*chosen);
    return true;
}

// Opens the case with the input dialog's checks, as "bericht" does.
bool openChecked(const std::string& path, CBrelvanDoc& doc, CliInterface& ui,
                 std::optional<brelvan::engine::InfluxScheme> scheme,
                 std::optional<int> model = {}) {
    brelvan::ConfirmOptions options;
    options.scheme = scheme;
    options.model = model;
    return brelvan::openCase(doc, ui, cli::inputPath(path), options) ==
           brelvan::OpenOutcome::Opened;
}

// The fit's result as one JSON object.
std::string fitJson(const fit::RefineResult& best, const fit::RangesResult& ranges,
                    const fit::RefineOptions& options) {
    static const char* const kKeys[fit::kParams] = {"ogip", "wip", "j"};
    brelvan::json::Writer j;
    j.beginObject()
        .field("ogip", best.best[fit::kOgip])
        .field("wip", best.best[fit::kWip])
        .field("j", best.best[fit::kJWert])
        .field("rms_error", best.misfit.rms)
        .field("mean_error", best.misfit.meanAbs)
        .field("measured_points", best.misfit.n)
        .field("iterations", best.iterations);
    j.key("free").beginObject();
    for (int k = 0; k < fit::kParams; ++k)
        j.field(kKeys[k], static_cast<bool>(options.free[k]));
    j.endObject();
    // Each free parameter's 95 % range; null for an open side (the range reaches the search
    // bound) and for a range not computed.
    j.key("ranges").beginObject();
    for (int k = 0; k < fit::kParams; ++k) {
        const fit::Range& r = ranges.ranges[k];
        if (!ranges.computed || !r.computed) {
            j.key(kKeys[k]).null();
            continue;
        }
        j.key(kKeys[k]).beginArray();
        if (r.openLo)
            j.null();
        else
            j.value(r.lo);
        if (r.openHi)
            j.null();
        else
            j.value(r.hi);
        j.endArray();
    }
    j.endObject();
    j.key("warnings").beginArray();
    for (const std::string& w : best.warnings)
        j.value(w);
    j.endArray();
    j.endObject();
    return j.text();
}

std::string rangeSide(double v, bool open) {
    return open ? std::string(tx("offen")) : cformat("%.3f", v);
}

// ---- anpassen

// The help passes through cformat: its "%%" are the percent signs of "95-%-Bereich".
std::string anpassenHelp() {
    return cformat(tx(
        "Aufruf: brelvan-cli anpassen FALL.brv [--ogip MIN:MAX] [--wip MIN:MAX] [--jwert MIN:MAX]\n"
        "                             [--fest ogip,wip,jwert] [--start gitter|fall]\n"
        "                             [--verfahren original|intervall] [--speichern NEU.brv]\n"
        "                             [--modell fetkovich|veh|carter-tracy|topf|alle]\n"
        "                             [--ueberschreiben] [--csv DATEI.csv]\n"
        "                             [--csv-format komma|punkt] [--xlsx DATEI.xlsx] [--json]\n"
        "Passt OGIP, WIP und J-Wert nach der Methode der kleinsten Quadrate an die gemessenen\n"
        "Schließdrücke an (Levenberg-Marquardt mit Grenzen) und gibt die Werte, den RMS-Fehler,\n"
        "den mittleren Fehler und für jeden freien Parameter seinen 95-%%-Bereich aus\n"
        "(Profilmethode; „offen“, wo der Bereich an die Suchgrenze stößt).\n"
        "  --ogip, --wip, --jwert MIN:MAX   Suchbereiche. Vorgabe: OGIP das 0,5- bis 2-fache,\n"
        "                   WIP und J-Wert das 0,1- bis 10-fache des Fallwerts; OGIP stets über\n"
        "                   dem größten Gp; alle Bereiche innerhalb der Grenzen des\n"
        "                   Eingabedialogs (OGIP und WIP 0,1 bis 100000, J-Wert 0,001 bis 10000)\n"
        "  --fest LISTE     festgehaltene Parameter, z.B. „jwert“ oder „wip,jwert“\n"
        "  --start gitter|fall   Starts in den besten Fällen des 4 x 4 x 4-Rasters über den\n"
        "                   Suchbereichen, bei den Werten des Falls und an über die Bereiche\n"
        "                   gestreuten Punkten; das beste Ergebnis zählt (Vorgabe). Oder nur\n"
        "                   ein Start bei den Werten des Falls\n"
        "  --verfahren original|intervall   Verfahren des Zuflusses (Vorgabe: das des Falls)\n"
        "  --modell fetkovich|veh|carter-tracy|topf|alle   Zuflussmodell (Vorgabe: das des "
        "Falls);\n"
        "                   alle: passt jedes Modell an und vergleicht sie (RMS-Fehler, AIC)\n"
        "  --speichern NEU.brv   speichert den Fall mit den angepassten Werten (eine vorhandene\n"
        "                   Datei nur mit --ueberschreiben)\n"
        "  --json           gibt das Ergebnis als ein JSON-Objekt aus (ogip, wip, j, rms_error,\n"
        "                   mean_error, ranges, ...)\n"
        "  --csv DATEI.csv  schreibt die Tabelle „Anpassung“ (Werte, frei oder fest, "
        "95-%%-Bereiche,\n"
        "                   RMS-Fehler, mittlerer Fehler, Iterationen) als CSV\n"
        "  --csv-format komma|punkt  „;“ mit Dezimalkomma (Vorgabe) oder „,“ mit Dezimalpunkt\n"
        "  --xlsx DATEI.xlsx   schreibt sie als Excel-Arbeitsmappe, die Falldaten auf dem\n"
        "                   zweiten Blatt\n"
        "„-“ als FALL.brv liest den Fall von der Standardeingabe, „--csv -“ schreibt die Tabelle\n"
        "statt der Ausgabe auf die Standardausgabe."));
}

} // namespace

int cmdAnpassen(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    if (!cli::prepare(args,
                      {"ogip", "wip", "jwert", "fest", "start", "verfahren", "modell", "speichern",
                       "csv", "csv-format", "xlsx"},
                      anpassenHelp().c_str(), p, status, {"json", "ueberschreiben"}))
        return status;
    if (p.positional.size() != 1)
        return cli::usage(tx("Bitte genau eine Falldatei angeben."), anpassenHelp().c_str());
    std::string error;
    std::array<std::optional<std::pair<double, double>>, 3> given;
    std::optional<brelvan::engine::InfluxScheme> scheme;
    std::optional<int> model;
    const bool compareAll = p.options.count("modell") && p.options.at("modell") == "alle";
    if (!readRanges(p, given, error) || !readScheme(p, scheme, error) ||
        (!compareAll && !cli::modelOption(p, model, error)) ||
        !cli::checkOutputs(p, {"csv"}, error))
        return cli::usage(error, anpassenHelp().c_str());
    const bool json = p.switches.count("json") != 0;
    if (json && cli::stdoutTaken(p, {"csv"}))
        return cli::usage(tx("--json und „--csv -“ schließen sich aus."), anpassenHelp().c_str());
    fit::RefineOptions options;
    if (const auto it = p.options.find("fest"); it != p.options.end()) {
        std::istringstream list(it->second);
        std::string name;
        while (std::getline(list, name, ',')) {
            int j = 0;
            while (j < fit::kParams && name != kOptionNames[j])
                ++j;
            if (j == fit::kParams)
                return cli::usage(cformat(tx("--fest kennt „%s“ nicht (ogip, wip, jwert)."), name),
                                  anpassenHelp().c_str());
            options.free[j] = false;
        }
        if (!options.free[0] && !options.free[1] && !options.free[2])
            return cli::usage(tx("Mindestens ein Parameter muss frei bleiben."),
                              anpassenHelp().c_str());
    }
    bool fromGrid = true;
    if (const auto it = p.options.find("start"); it != p.options.end()) {
        if (it->second == "fall")
            fromGrid = false;
        else if (it->second != "gitter")
            return cli::usage(
                cformat(tx("--start erwartet „gitter“ oder „fall“, nicht „%s“."), it->second),
                anpassenHelp().c_str());
    }

    if (const auto it = p.options.find("speichern");
        it != p.options.end() && !cli::mayWriteCase(p, it->second))
        return cli::kFailed;

    CliInterface ui;
    CBrelvanDoc doc;
    if (!openChecked(p.positional[0], doc, ui, scheme, model))
        return cli::kFailed;
    if (!compareAll && brelvan::modelOf(doc.m_iModell) == brelvan::waterzone::Model::Pot)
        options.free[fit::kJWert] = false; // the pot ignores J: its fit holds it
    brelvan::engine::RunInputs in = doc.runInputs();
    if (scheme)
        in.scheme = *scheme;
    const fit::Point caseValues{doc.m_dOGIP, doc.m_dWIP, doc.m_dJWert};
    const double maxGp = fit::largestGp(in);
    // Clipped to what the input dialog accepts, so that --speichern writes a case that opens.
    const fit::Bounds limits = brelvan::inputLimits();
    fit::Bounds box = fit::defaultBounds(caseValues, maxGp, limits);
    for (int j = 0; j < fit::kParams; ++j)
        if (given[j]) {
            box.lo[j] = given[j]->first;
            box.hi[j] = given[j]->second;
        }
    box = fit::searchBounds(box, maxGp, limits);
    if (!(box.hi[fit::kOgip] > box.lo[fit::kOgip])) {
        ui.error(cformat(tx("Der OGIP-Bereich liegt nicht über dem größten Gp von %.3f Mio m3."),
                         maxGp));
        return cli::kFailed;
    }
    options.bounds = box;
    if (compareAll) {
        for (const std::string& line :
             fit::comparisonTable(fit::compareModels(in, options, caseValues, fromGrid)))
            cli::printOut(line);
        return cli::kOk;
    }
    const fit::Objective objective = fit::caseObjective(in);

    fit::FitOptions fitOptions;
    fitOptions.refine = options;
    fitOptions.caseValues = caseValues;
    fitOptions.fromGrid = fromGrid;
    const fit::FitResult result = fit::fitCase(objective, fitOptions);
    const fit::RefineResult& best = result.best;
    if (!best.valid) {
        ui.error(tx("Am Startpunkt ergibt die Rechnung keinen Fehlerwert (kein Meßwert verglichen "
                    "oder Abbruch); es wurde nichts angepasst."));
        return cli::kFailed;
    }
    const fit::RangesResult& ranges = result.ranges;

    if (json) {
        cli::printOut(fitJson(best, ranges, options));
    } else if (!cli::stdoutTaken(p, {"csv"})) {
        cli::printOut(cformat("OGIP: %.3f", best.best[fit::kOgip]));
        cli::printOut(cformat("WIP: %.3f", best.best[fit::kWip]));
        cli::printOut(cformat(tx("J-Wert: %.4f"), best.best[fit::kJWert]));
        cli::printOut(cformat(tx("RMS-Fehler: %.4f"), best.misfit.rms));
        cli::printOut(cformat(tx("Mittlerer Fehler: %.4f"), best.misfit.meanAbs));
        if (ranges.computed) {
            for (int j = 0; j < fit::kParams; ++j) {
                const fit::Range& r = ranges.ranges[j];
                if (!r.computed)
                    continue;
                cli::printOut(cformat(tx("%s-Bereich: %s %s"), fit::paramName(j),
                                      rangeSide(r.lo, r.openLo), rangeSide(r.hi, r.openHi)));
            }
        } else {
            cli::printErr(ranges.message);
        }
    }
    if (!json) {
        cli::printOut(fit::describeStarts(result));
        for (const std::string& w : best.warnings)
            cli::printErr(cformat(tx("Warnung: %s."), w));
    }

    // The case data on the workbook's second sheet: the case as opened, before any saving.
    const auto tables = [&](brelvan::ExportFormat format) {
        std::vector<brelvan::table::Table> t = {brelvan::fitTable(best, ranges, options)};
        if (format == brelvan::ExportFormat::Xlsx)
            t.push_back(brelvan::caseTable(doc));
        return t;
    };
    if (!cli::exportTableFiles(p, tables, ui))
        return cli::kFailed;

    if (const auto it = p.options.find("speichern"); it != p.options.end()) {
        doc.m_dOGIP = best.best[fit::kOgip];
        doc.m_dWIP = best.best[fit::kWip];
        doc.m_dJWert = best.best[fit::kJWert];
        if (!doc.OnSaveDocument(it->second))
            return cli::kFailed;
    }
    return cli::kOk;
}

// ---- karte

namespace {

const char* karteHelp() {
    return tx(
        "Aufruf: brelvan-cli karte FALL.brv --achsen ogip,wip|ogip,jwert|wip,jwert\n"
        "                          --ogip MIN:MAX --wip MIN:MAX --jwert MIN:MAX [--punkte N]\n"
        "                          [--dritter fest|optimiert] [--verfahren original|intervall]\n"
        "                          [--modell fetkovich|veh|carter-tracy|topf]\n"
        "                          [--csv-format komma|punkt] AUSGABE.csv|.xlsx|.svg|.png|.pdf\n"
        "Rechnet den RMS-Fehler auf einem Raster von N x N Werten (Vorgabe 41) der beiden\n"
        "Achsenparameter. Der dritte Parameter bleibt beim Wert des Falls (fest, Vorgabe) oder\n"
        "wird in jeder Zelle innerhalb seines Bereichs optimiert.\n"
        "Die CSV-Datei hat wie die anderen Ausfuhren die Spalten mit Einheiten (OGIP, WIP, "
        "J-Wert,\n"
        "RMS-Fehler, mittlerer Fehler) und je Zelle eine Zeile, „;“ mit Dezimalkomma oder mit\n"
        "--csv-format punkt „,“ mit Dezimalpunkt; eine Zelle ohne Fehlerwert hat leere\n"
        "Fehlerfelder. „-“ schreibt die CSV-Datei auf die Standardausgabe. Die Excel-Arbeitsmappe\n"
        "hat dieselben Spalten auf dem Blatt „Fehlerkarte“. SVG, PNG und PDF zeigen die Karte wie\n"
        "die Ansicht „Fehlerkarte“ (nur in Builds mit Grafik).\n"
        "Auf einem Terminal zeigt die Standardfehlerausgabe den Fortschritt; Strg+C bricht ab,\n"
        "ohne eine Datei zu schreiben (Rückgabewert 130).");
}

// Raised by Ctrl+C while a map is computed.
std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    gInterrupted.store(true);
}

// Ctrl+C stops the map instead of the program, for as long as this lives.
class InterruptGuard {
public:
    InterruptGuard() { m_previous = std::signal(SIGINT, onInterrupt); }
    ~InterruptGuard() { std::signal(SIGINT, m_previous); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    void (*m_previous)(int) = SIG_DFL;
};

} // namespace

// The exit status of a command stopped by Ctrl+C, as the shell gives it.
constexpr int kInterrupted = 130;

int cmdKarte(const std::vector<std::string>& args, const MapPictures& pictures) {
    cli::Parsed p;
    int status = 0;
    if (!cli::prepare(args,
                      {"achsen", "ogip", "wip", "jwert", "punkte", "dritter", "verfahren", "modell",
                       "csv-format"},
                      karteHelp(), p, status))
        return status;
    if (p.positional.size() != 2)
        return cli::usage(tx("Bitte die Falldatei und die Ausgabedatei angeben."), karteHelp());
    std::string error;
    std::array<std::optional<std::pair<double, double>>, 3> given;
    std::optional<brelvan::engine::InfluxScheme> scheme;
    std::optional<int> model;
    brelvan::ExportFormat csvStyle = brelvan::ExportFormat::CsvGerman;
    if (!readRanges(p, given, error) || !readScheme(p, scheme, error) ||
        !cli::csvStyleOption(p, csvStyle, error) || !cli::modelOption(p, model, error))
        return cli::usage(error, karteHelp());
    for (int j = 0; j < fit::kParams; ++j)
        if (!given[j])
            return cli::usage(
                cformat(tx("Die Option --%s MIN:MAX fehlt."), cli::optionName(kOptionNames[j])),
                karteHelp());
    fit::MapOptions options;
    const auto axes = p.options.find("achsen");
    if (axes == p.options.end())
        return cli::usage(tx("Die Option --achsen fehlt."), karteHelp());
    if (axes->second == "ogip,wip") {
        options.axisA = fit::kOgip;
        options.axisB = fit::kWip;
    } else if (axes->second == "ogip,jwert") {
        options.axisA = fit::kOgip;
        options.axisB = fit::kJWert;
    } else if (axes->second == "wip,jwert") {
        options.axisA = fit::kWip;
        options.axisB = fit::kJWert;
    } else {
        return cli::usage(cformat(tx("--achsen erwartet „ogip,wip“, „ogip,jwert“ oder „wip,jwert“, "
                                     "nicht „%s“."),
                                  axes->second),
                          karteHelp());
    }
    if (const auto it = p.options.find("punkte"); it != p.options.end()) {
        const auto n = cli::integer(it->second);
        if (!n || *n < 2 || *n > 401)
            return cli::usage(cformat(tx("--punkte erwartet eine ganze Zahl von 2 bis 401, nicht "
                                         "„%s“."),
                                      it->second),
                              karteHelp());
        options.points = *n;
    }
    if (const auto it = p.options.find("dritter"); it != p.options.end()) {
        if (it->second == "optimiert")
            options.optimiseThird = true;
        else if (it->second != "fest")
            return cli::usage(
                cformat(tx("--dritter erwartet „fest“ oder „optimiert“, nicht „%s“."), it->second),
                karteHelp());
    }
    const std::string& output = p.positional[1];
    const auto dot = output.find_last_of('.');
    std::string suffix = output == "-"              ? "csv"
                         : dot == std::string::npos ? ""
                                                    : output.substr(dot + 1);
    for (char& c : suffix)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool table = suffix == "csv" || suffix == "xlsx";
    if (!table && suffix != "svg" && suffix != "png" && suffix != "pdf")
        return cli::usage(tx("Die Ausgabedatei muss auf .csv, .xlsx, .svg, .png oder .pdf enden."),
                          karteHelp());
    if (!table && !pictures.draw) {
        if (pictures.handOver)
            return pictures.handOver(args);
        cli::printErr(tx("Diese Ausgabe von brelvan-cli wurde ohne Grafik gebaut; die Karte kann "
                         "nur als CSV oder XLSX geschrieben werden."));
        return cli::kUsage;
    }

    CliInterface ui;
    CBrelvanDoc doc;
    if (!openChecked(p.positional[0], doc, ui, scheme, model))
        return cli::kFailed;
    brelvan::engine::RunInputs in = doc.runInputs();
    if (scheme)
        in.scheme = *scheme;
    options.loA = given[options.axisA]->first;
    options.hiA = given[options.axisA]->second;
    options.loB = given[options.axisB]->first;
    options.hiB = given[options.axisB]->second;
    options.base = {doc.m_dOGIP, doc.m_dWIP, doc.m_dJWert};
    for (int j = 0; j < fit::kParams; ++j) {
        options.bounds.lo[j] = given[j]->first;
        options.bounds.hi[j] = given[j]->second;
    }
    options.bounds = fit::searchBounds(options.bounds, fit::largestGp(in));
    options.holdJ = in.model == brelvan::waterzone::Model::Pot; // the pot ignores J
    if (const std::string problem = fit::mapProblem(options); !problem.empty()) {
        ui.error(problem);
        return cli::kFailed;
    }

    // Progress on a terminal; Ctrl+C stops the map, and nothing is written then.
    brelvan::parallel::Control control;
    control.cancel = &gInterrupted;
    const bool terminal = isatty(STDERR_FILENO) != 0;
    int shownPercent = -1;
    if (terminal)
        control.progress = [&shownPercent](int done, int total) {
            const int percent = total > 0 ? done * 100 / total : 100;
            if (percent == shownPercent)
                return;
            shownPercent = percent;
            std::fprintf(stderr, tx("\rFehlerkarte: %3d %% (%d von %d Zellen)"), percent, done,
                         total);
            std::fflush(stderr);
        };
    fit::MisfitMap map;
    {
        InterruptGuard guard;
        map = fit::misfitMap(fit::caseObjective(in), options, control);
    }
    if (terminal && shownPercent >= 0)
        std::fputc('\n', stderr);
    if (map.cancelled || gInterrupted.load()) {
        ui.error(tx("Abgebrochen; es wurde keine Datei geschrieben."));
        return kInterrupted;
    }

    if (suffix == "csv") {
        const std::string csv = brelvan::table::toCsv({brelvan::mapTable(map)},
                                                      csvStyle == brelvan::ExportFormat::CsvPoint
                                                          ? brelvan::table::kCsvPoint
                                                          : brelvan::table::kCsvGerman);
        if (const auto written = cli::writeOutput(output, csv); !written) {
            ui.error(cformat(tx("Die Datei „%s“ kann nicht geschrieben werden: %s."), output,
                             written.error()));
            return cli::kFailed;
        }
        return cli::kOk;
    }
    if (suffix == "xlsx") {
        const brelvan::IoResult<> written =
            brelvan::table::writeXlsx(output, {brelvan::mapTable(map)});
        if (!written) {
            ui.error(cformat(tx("Die Datei „%s“ kann nicht geschrieben werden: %s."), output,
                             written.error()));
            return cli::kFailed;
        }
        return cli::kOk;
    }
    if (const brelvan::IoResult<> drawn = pictures.draw(map, doc.m_strFeldname, output); !drawn) {
        ui.error(drawn.error());
        return cli::kFailed;
    }
    return cli::kOk;
}
