// The batch tool's fitting commands: "anpassen" (least-squares refinement with ranges) and
// "karte" (misfit map of two parameters).
#include <optional>
#include <sstream>

#include "cli/CliInterface.h"
#include "cli/Commands.h"
#include "cli/CsvCommands.h"
#include "cli/GrafikCommand.h"
#include "cli/Options.h"
#include "document/CBrelvanDoc.h"
#include "document/CaseExport.h"
#include "document/DlgInputData.h"
#include "document/FitExport.h"
#include "document/HeadlessSession.h"
#include "document/TextFormat.h"
#include "document/WaterZoneCase.h"
#include "engine/Fit.h"
#include "engine/FitObjective.h"
#include "engine/MisfitMap.h"
#include "engine/ModelComparison.h"

#include "support/FileIo.h"

#ifdef BRELVAN_DRAWS_CHARTS
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "views/MisfitMapPainter.h"
#endif

using brelvan::cformat;
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
        if (!cli::range(it->second, lo, hi) || !(hi > lo)) {
            error = cformat("„%s“ ist kein Bereich MIN:MAX (MIN < MAX) für --%s.", it->second,
                            kOptionNames[j]);
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
    return brelvan::openCase(doc, ui, path, options) == brelvan::OpenOutcome::Opened;
}

std::string rangeSide(double v, bool open) {
    return open ? std::string("offen") : cformat("%.3f", v);
}

// ---- anpassen

// The table of "--modell alle": each model's fit, its AIC, and the model the data support best.
void printComparison(const fit::ModelComparison& c) {
    cli::printOut("Modell                    OGIP   OGIP-Bereich (95 %)          WIP      J-Wert"
                  "  RMS-Fehler        AIC");
    for (std::size_t i = 0; i < c.fits.size(); ++i) {
        const fit::ModelFit& f = c.fits[i];
        // Padded to 22 characters (not bytes: the names hold en dashes).
        std::string name = brelvan::waterzone::modelName(f.model);
        std::size_t chars = 0;
        for (const char ch : name)
            chars += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
        name.append(chars < 22 ? 22 - chars : 0, ' ');
        if (!f.valid) {
            cli::printOut(cformat("%s  %s", name, f.problem));
            continue;
        }
        const fit::Range& r = f.ranges.ranges[fit::kOgip];
        const std::string range =
            f.ranges.computed && r.computed
                ? rangeSide(r.lo, r.openLo) + " bis " + rangeSide(r.hi, r.openHi)
                : std::string("-");
        cli::printOut(cformat("%s %9.1f   %-24s %9.1f %11.3f %11.4f %10.2f%s", name,
                              f.best.best[fit::kOgip], range, f.best.best[fit::kWip],
                              f.best.best[fit::kJWert], f.best.misfit.rms, f.aic,
                              static_cast<int>(i) == c.bestIndex ? "  *" : ""));
    }
    if (c.bestIndex >= 0)
        cli::printOut(cformat(
            "* am besten gestützt (kleinster AIC = n ln(SS/n) + 2p): %s",
            brelvan::waterzone::modelName(c.fits[static_cast<std::size_t>(c.bestIndex)].model)));
}

const char* const kAnpassenHelp =
    "Aufruf: brelvan-cli anpassen FALL.brv [--ogip MIN:MAX] [--wip MIN:MAX] [--jwert MIN:MAX]\n"
    "                             [--fest ogip,wip,jwert] [--start gitter|fall]\n"
    "                             [--verfahren original|intervall] [--speichern NEU.brv]\n"
    "                             [--modell fetkovich|veh|carter-tracy|topf|alle]\n"
    "                             [--csv DATEI.csv] [--csv-format komma|punkt]\n"
    "                             [--xlsx DATEI.xlsx]\n"
    "Passt OGIP, WIP und J-Wert nach der Methode der kleinsten Quadrate an die gemessenen\n"
    "Schließdrücke an (Levenberg-Marquardt mit Grenzen) und gibt die Werte, den RMS-Fehler,\n"
    "den mittleren Fehler und für jeden freien Parameter seinen 95-%-Bereich aus\n"
    "(Profilmethode; „offen“, wo der Bereich an die Suchgrenze stößt).\n"
    "  --ogip, --wip, --jwert MIN:MAX   Suchbereiche. Vorgabe: OGIP das 0,5- bis 2-fache,\n"
    "                   WIP und J-Wert das 0,1- bis 10-fache des Fallwerts; OGIP stets über\n"
    "                   dem größten Gp\n"
    "  --fest LISTE     festgehaltene Parameter, z.B. „jwert“ oder „wip,jwert“\n"
    "  --start gitter|fall   Start im besten Fall des 4 x 4 x 4-Rasters über den\n"
    "                   Suchbereichen (Vorgabe) oder bei den Werten des Falls\n"
    "  --verfahren original|intervall   Verfahren des Zuflusses (Vorgabe: das des Falls)\n"
    "  --modell fetkovich|veh|carter-tracy|topf|alle   Zuflussmodell (Vorgabe: das des Falls);\n"
    "                   alle: passt jedes Modell an und vergleicht sie (RMS-Fehler, AIC)\n"
    "  --speichern NEU.brv   speichert den Fall mit den angepassten Werten\n"
    "  --csv DATEI.csv  schreibt die Tabelle „Anpassung“ (Werte, frei oder fest, 95-%-Bereiche,\n"
    "                   RMS-Fehler, mittlerer Fehler, Iterationen) als CSV\n"
    "  --csv-format komma|punkt  „;“ mit Dezimalkomma (Vorgabe) oder „,“ mit Dezimalpunkt\n"
    "  --xlsx DATEI.xlsx   schreibt sie als Excel-Arbeitsmappe, die Falldaten auf dem\n"
    "                   zweiten Blatt";

} // namespace

int cmdAnpassen(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    if (!cli::prepare(args,
                      {"ogip", "wip", "jwert", "fest", "start", "verfahren", "modell", "speichern",
                       "csv", "csv-format", "xlsx"},
                      kAnpassenHelp, p, status))
        return status;
    if (p.positional.size() != 1)
        return cli::usage("Bitte genau eine Falldatei angeben.", kAnpassenHelp);
    std::string error;
    std::array<std::optional<std::pair<double, double>>, 3> given;
    std::optional<brelvan::engine::InfluxScheme> scheme;
    std::optional<int> model;
    const bool compareAll = p.options.count("modell") && p.options.at("modell") == "alle";
    if (!readRanges(p, given, error) || !readScheme(p, scheme, error) ||
        (!compareAll && !cli::modelOption(p, model, error)))
        return cli::usage(error, kAnpassenHelp);
    fit::RefineOptions options;
    if (const auto it = p.options.find("fest"); it != p.options.end()) {
        std::istringstream list(it->second);
        std::string name;
        while (std::getline(list, name, ',')) {
            int j = 0;
            while (j < fit::kParams && name != kOptionNames[j])
                ++j;
            if (j == fit::kParams)
                return cli::usage(cformat("--fest kennt „%s“ nicht (ogip, wip, jwert).", name),
                                  kAnpassenHelp);
            options.free[j] = false;
        }
        if (!options.free[0] && !options.free[1] && !options.free[2])
            return cli::usage("Mindestens ein Parameter muss frei bleiben.", kAnpassenHelp);
    }
    bool fromGrid = true;
    if (const auto it = p.options.find("start"); it != p.options.end()) {
        if (it->second == "fall")
            fromGrid = false;
        else if (it->second != "gitter")
            return cli::usage(
                cformat("--start erwartet „gitter“ oder „fall“, nicht „%s“.", it->second),
                kAnpassenHelp);
    }

    CliInterface ui;
    brelvan::ExportFormat csvStyle = brelvan::ExportFormat::CsvGerman;
    if (!cli::csvStyleOption(p, csvStyle, ui))
        return cli::kFailed;
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
    fit::Bounds box = fit::defaultBounds(caseValues, maxGp);
    for (int j = 0; j < fit::kParams; ++j)
        if (given[j]) {
            box.lo[j] = given[j]->first;
            box.hi[j] = given[j]->second;
        }
    box = fit::searchBounds(box, maxGp);
    if (!(box.hi[fit::kOgip] > box.lo[fit::kOgip])) {
        ui.error(
            cformat("Der OGIP-Bereich liegt nicht über dem größten Gp von %.3f Mio m3.", maxGp));
        return cli::kFailed;
    }
    options.bounds = box;
    if (compareAll) {
        printComparison(fit::compareModels(in, options, caseValues, fromGrid));
        return cli::kOk;
    }
    const fit::Objective objective = fit::caseObjective(in);

    fit::Point start = caseValues;
    if (fromGrid) {
        fit::Bounds grid = box;
        for (int j = 0; j < fit::kParams; ++j)
            if (!options.free[j])
                grid.lo[j] = grid.hi[j] = caseValues[j];
        const fit::GridBest g = fit::gridBest(objective, grid);
        if (g.valid)
            start = g.best;
        else
            cli::printErr("Kein Fall des Rasters ergab einen Fehlerwert; Start bei den Werten "
                          "des Falls.");
    }
    const fit::RefineResult best = fit::refine(objective, start, options);
    if (!best.valid) {
        ui.error("Am Startpunkt ergibt die Rechnung keinen Fehlerwert (kein Meßwert verglichen "
                 "oder Abbruch); es wurde nichts angepasst.");
        return cli::kFailed;
    }
    const fit::RangesResult ranges = fit::profileRanges(objective, best, options);

    cli::printOut(cformat("OGIP: %.3f", best.best[fit::kOgip]));
    cli::printOut(cformat("WIP: %.3f", best.best[fit::kWip]));
    cli::printOut(cformat("J-Wert: %.4f", best.best[fit::kJWert]));
    cli::printOut(cformat("RMS-Fehler: %.4f", best.misfit.rms));
    cli::printOut(cformat("Mittlerer Fehler: %.4f", best.misfit.meanAbs));
    if (ranges.computed) {
        for (int j = 0; j < fit::kParams; ++j) {
            const fit::Range& r = ranges.ranges[j];
            if (!r.computed)
                continue;
            cli::printOut(std::string(fit::paramName(j)) + "-Bereich: " +
                          rangeSide(r.lo, r.openLo) + " " + rangeSide(r.hi, r.openHi));
        }
    } else {
        cli::printErr(ranges.message);
    }
    for (const std::string& w : best.warnings)
        cli::printErr("Warnung: " + w + ".");

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

const char* const kKarteHelp =
    "Aufruf: brelvan-cli karte FALL.brv --achsen ogip,wip|ogip,jwert|wip,jwert\n"
    "                          --ogip MIN:MAX --wip MIN:MAX --jwert MIN:MAX [--punkte N]\n"
    "                          [--dritter fest|optimiert] [--verfahren original|intervall]\n"
    "                          [--modell fetkovich|veh|carter-tracy|topf]\n"
    "                          AUSGABE.csv|.xlsx|.svg|.png|.pdf\n"
    "Rechnet den RMS-Fehler auf einem Raster von N x N Werten (Vorgabe 41) der beiden\n"
    "Achsenparameter. Der dritte Parameter bleibt beim Wert des Falls (fest, Vorgabe) oder\n"
    "wird in jeder Zelle innerhalb seines Bereichs optimiert.\n"
    "Die CSV-Datei hat die Kopfzeile OGIP,WIP,JWert,RMSFehler,MittlererFehler und je Zelle\n"
    "eine Zeile; eine Zelle ohne Fehlerwert hat leere Fehlerfelder. Die Excel-Arbeitsmappe\n"
    "hat dieselben Spalten mit Einheiten auf dem Blatt „Fehlerkarte“. SVG, PNG und PDF zeigen\n"
    "die Karte wie die Ansicht „Fehlerkarte“ (nur in Builds mit Grafik).";

} // namespace

int cmdKarte(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    if (!cli::prepare(
            args, {"achsen", "ogip", "wip", "jwert", "punkte", "dritter", "verfahren", "modell"},
            kKarteHelp, p, status))
        return status;
    if (p.positional.size() != 2)
        return cli::usage("Bitte die Falldatei und die Ausgabedatei angeben.", kKarteHelp);
    std::string error;
    std::array<std::optional<std::pair<double, double>>, 3> given;
    std::optional<brelvan::engine::InfluxScheme> scheme;
    std::optional<int> model;
    if (!readRanges(p, given, error) || !readScheme(p, scheme, error) ||
        !cli::modelOption(p, model, error))
        return cli::usage(error, kKarteHelp);
    for (int j = 0; j < fit::kParams; ++j)
        if (!given[j])
            return cli::usage(cformat("Die Option --%s MIN:MAX fehlt.", kOptionNames[j]),
                              kKarteHelp);
    fit::MapOptions options;
    const auto axes = p.options.find("achsen");
    if (axes == p.options.end())
        return cli::usage("Die Option --achsen fehlt.", kKarteHelp);
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
        return cli::usage(cformat("--achsen erwartet „ogip,wip“, „ogip,jwert“ oder „wip,jwert“, "
                                  "nicht „%s“.",
                                  axes->second),
                          kKarteHelp);
    }
    if (const auto it = p.options.find("punkte"); it != p.options.end()) {
        const auto n = cli::integer(it->second);
        if (!n || *n < 2 || *n > 401)
            return cli::usage(cformat("--punkte erwartet eine ganze Zahl von 2 bis 401, nicht "
                                      "„%s“.",
                                      it->second),
                              kKarteHelp);
        options.points = *n;
    }
    if (const auto it = p.options.find("dritter"); it != p.options.end()) {
        if (it->second == "optimiert")
            options.optimiseThird = true;
        else if (it->second != "fest")
            return cli::usage(
                cformat("--dritter erwartet „fest“ oder „optimiert“, nicht „%s“.", it->second),
                kKarteHelp);
    }
    const std::string& output = p.positional[1];
    const auto dot = output.find_last_of('.');
    std::string suffix = dot == std::string::npos ? "" : output.substr(dot + 1);
    for (char& c : suffix)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool table = suffix == "csv" || suffix == "xlsx";
    if (!table && suffix != "svg" && suffix != "png" && suffix != "pdf")
        return cli::usage("Die Ausgabedatei muss auf .csv, .xlsx, .svg, .png oder .pdf enden.",
                          kKarteHelp);
#ifndef BRELVAN_DRAWS_CHARTS
    if (!table) {
#ifdef BRELVAN_HAVE_CHART
        // The chart program computes the same map and draws it; the batch tool loads no Qt.
        std::vector<std::string> handed{"karte"};
        handed.insert(handed.end(), args.begin(), args.end());
        return brelvanGrafikCommand(handed);
#else
        cli::printErr("Diese Ausgabe von brelvan-cli wurde ohne Grafik gebaut; die Karte kann "
                      "nur als CSV geschrieben werden.");
        return cli::kUsage;
#endif
    }
#endif

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
    const fit::MisfitMap map = fit::misfitMap(fit::caseObjective(in), options);

    if (suffix == "csv") {
        const brelvan::IoResult<> written = brelvan::writeFileAtomically(output, fit::mapCsv(map));
        if (!written) {
            ui.error(cformat("Die Datei „%s“ kann nicht geschrieben werden: %s.", output,
                             written.error()));
            return cli::kFailed;
        }
        return cli::kOk;
    }
    if (suffix == "xlsx") {
        if (!brelvan::table::writeXlsx(output, {brelvan::mapTable(map)}, error)) {
            ui.error(cformat("Die Datei „%s“ kann nicht geschrieben werden: %s.", output, error));
            return cli::kFailed;
        }
        return cli::kOk;
    }
#ifdef BRELVAN_DRAWS_CHARTS
    // Drawing needs a Qt application, but no display.
    std::unique_ptr<QGuiApplication> application;
    if (!QGuiApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "brelvan-cli";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    if (!brelvan::views::exportMisfitMapFile(map, doc.m_strFeldname, output, error)) {
        ui.error(error);
        return cli::kFailed;
    }
#endif
    return cli::kOk;
}
