// brelvan-cli diagnose FALL.brv [--verfahren original|intervall]
#include "cli/DiagnoseCommand.h"

#include <cmath>
#include <optional>

#include "cli/CliInterface.h"
#include "cli/CliTexts.h"
#include "cli/Options.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "document/DocumentDiagnostics.h"
#include "document/HeadlessSession.h"
#include "engine/Diagnostics.h"
#include "engine/Run.h"
#include "support/Json.h"
#include "support/TextFormat.h"

using brelvan::cformat;
using cli::tx;

namespace {

const char* help() {
    return tx(
        "Aufruf: brelvan-cli diagnose FALL.brv [--verfahren original|intervall]\n"
        "                                      [--modell fetkovich|veh|carter-tracy|topf]\n"
        "Rechnet den Fall und gibt die Kennzahlen der Diagnosegrafiken aus: die p/z-Gerade\n"
        "(Ausgleich über den Anfangspunkt und die Meßpunkte), ihr volumetrisches OGIP, den\n"
        "relativen Anstieg des Cole-Werts (0.1 = 10 %), den RMS-Fehler der Drücke und ob die\n"
        "Meßpunkte Wasserzufluss zeigen (ja, nein oder unklar), mit der Begründung: ein F-Test\n"
        "auf 5 %, ob die gemessenen p/z über die volumetrische Gerade durch (0, (p/z)i)\n"
        "biegen. Die Werte des Falls (OGIP, WIP, J-Wert) gehen nicht ein.\n"
        "  --verfahren original|intervall   Zuflussverfahren (Vorgabe: das des Falls)\n"
        "  --modell fetkovich|veh|carter-tracy|topf   Zuflussmodell (Vorgabe: das des Falls)\n"
        "  --json   gibt die Kennzahlen als ein JSON-Objekt aus (volumetric_ogip, cole_rise,\n"
        "           rms_error, mean_error, water_drive, water_drive_verdict, ...)\n"
        "„-“ als FALL.brv liest den Fall von der Standardeingabe. Rückgabewert 3, wenn die\n"
        "Rechnung mit einem Abbruch endet (die Diagnose beruht dann auf den Zeilen davor).");
}

int usage(const std::string& error) {
    return cli::usage(error, help());
}

} // namespace

int cmdDiagnose(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    if (!cli::prepare(args, {"verfahren", "modell"}, help(), p, status, {"json"}))
        return status;
    std::string error;
    if (p.positional.size() != 1)
        return usage(tx("Bitte genau eine Falldatei angeben."));
    std::optional<int> scheme, model;
    if (!cli::schemeOption(p, scheme, error) || !cli::modelOption(p, model, error))
        return usage(error);

    CliInterface ui;
    CBrelvanDoc doc;
    brelvan::ConfirmOptions options;
    options.model = model;
    if (brelvan::openCase(doc, ui, cli::inputPath(p.positional[0]), options) !=
        brelvan::OpenOutcome::Opened)
        return cli::kFailed;
    if (scheme)
        doc.m_iVerfahren = brelvan::engine::influxScheme(*scheme);

    const brelvan::DocumentDiagnostics diagnostics = brelvan::diagnoseDocument(doc);
    const brelvan::engine::Diagnostics& d = diagnostics.diag;
    if (d.residuals.empty()) {
        ui.error(
            tx("Der Fall hat keinen gemessenen Druck; ohne Meßpunkte gibt es keine Diagnose."));
        return cli::kFailed;
    }
    if (diagnostics.aborted)
        ui.message(tx("Die Rechnung wurde abgebrochen; die Diagnose beruht auf den Zeilen davor."));
    const int done = diagnostics.aborted ? cli::kAborted : cli::kOk;

    if (p.switches.count("json")) {
        brelvan::json::Writer j;
        j.beginObject().field("ogip", d.ogip).field("pz_initial_bar", d.pzInit);
        j.key("pz_line");
        if (d.pzLine.valid)
            j.beginObject()
                .field("intercept_bar", d.pzLine.intercept)
                .field("slope_bar_per_mio_m3", d.pzLine.slope)
                .endObject();
        else
            j.null();
        j.field("volumetric_ogip", d.volumetricOgip)
            .field("cole_rise", d.check.coleRise)
            .field("rms_error", d.rms)
            .field("mean_error", d.meanError)
            .field("measured_points", static_cast<int>(d.residuals.size()))
            .field("water_drive", d.check.support)
            .field("water_drive_verdict",
                   d.check.verdict == brelvan::engine::WaterVerdict::Yes  ? "yes"
                   : d.check.verdict == brelvan::engine::WaterVerdict::No ? "no"
                                                                          : "unclear")
            .field("reason", d.check.reason)
            .field("aborted", diagnostics.aborted)
            .endObject();
        cli::printOut(j.text());
        return done;
    }

    if (d.pzLine.valid)
        cli::printOut(cformat(tx("p/z-Gerade: Achsenabschnitt %.4f Steigung %.8f"),
                              d.pzLine.intercept, d.pzLine.slope));
    else
        cli::printOut(tx("p/z-Gerade: nicht bestimmbar (alle Meßpunkte bei Gp = 0)"));
    if (std::isfinite(d.volumetricOgip))
        cli::printOut(cformat(tx("Volumetrisches OGIP: %.3f"), d.volumetricOgip));
    else
        cli::printOut(tx("Volumetrisches OGIP: nicht bestimmbar (die p/z-Gerade fällt nicht)"));
    cli::printOut(cformat(tx("Cole-Anstieg: %.4f"), d.check.coleRise));
    cli::printOut(cformat(tx("RMS-Fehler: %.4f"), d.rms));
    cli::printOut(brelvan::engine::verdictLine(d.check));
    cli::printOut(d.check.reason);
    return done;
}
