// brelvan-cli diagnose FALL.brv [--verfahren original|intervall]
#include "cli/DiagnoseCommand.h"

#include <cmath>
#include <optional>

#include "cli/CliInterface.h"
#include "cli/Options.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "document/DocumentDiagnostics.h"
#include "document/HeadlessSession.h"
#include "support/TextFormat.h"

using brelvan::cformat;

namespace {

const char* const kHelp =
    "Aufruf: brelvan-cli diagnose FALL.brv [--verfahren original|intervall]\n"
    "                                      [--modell fetkovich|veh|carter-tracy|topf]\n"
    "Rechnet den Fall und gibt die Kennzahlen der Diagnosegrafiken aus: die p/z-Gerade\n"
    "(Ausgleich über den Anfangspunkt und die Meßpunkte), ihr volumetrisches OGIP, den\n"
    "relativen Anstieg des Cole-Werts (0.1 = 10 %), den RMS-Fehler der Drücke und ob die\n"
    "Meßpunkte Wasserzufluss zeigen, mit der Begründung.\n"
    "  --verfahren original|intervall   Zuflussverfahren (Vorgabe: das des Falls)\n"
    "  --modell fetkovich|veh|carter-tracy|topf   Zuflussmodell (Vorgabe: das des Falls)";

int usage(const std::string& error) {
    return cli::usage(error, kHelp);
}

} // namespace

int cmdDiagnose(const std::vector<std::string>& args) {
    cli::Parsed p;
    int status = 0;
    if (!cli::prepare(args, {"verfahren", "modell"}, kHelp, p, status))
        return status;
    std::string error;
    if (p.positional.size() != 1)
        return usage("Bitte genau eine Falldatei angeben.");
    std::optional<int> scheme, model;
    if (!cli::schemeOption(p, scheme, error) || !cli::modelOption(p, model, error))
        return usage(error);

    CliInterface ui;
    CBrelvanDoc doc;
    brelvan::ConfirmOptions options;
    options.model = model;
    if (brelvan::openCase(doc, ui, p.positional[0], options) != brelvan::OpenOutcome::Opened)
        return cli::kFailed;
    if (scheme)
        doc.m_iVerfahren = brelvan::engine::influxScheme(*scheme);

    const brelvan::DocumentDiagnostics diagnostics = brelvan::diagnoseDocument(doc);
    const brelvan::engine::Diagnostics& d = diagnostics.diag;
    if (d.residuals.empty()) {
        ui.error("Der Fall hat keinen gemessenen Druck; ohne Meßpunkte gibt es keine Diagnose.");
        return cli::kFailed;
    }
    if (diagnostics.aborted)
        ui.message("Die Rechnung wurde abgebrochen; die Diagnose beruht auf den Zeilen davor.");

    if (d.pzLine.valid)
        cli::printOut(cformat("p/z-Gerade: Achsenabschnitt %.4f Steigung %.8f", d.pzLine.intercept,
                              d.pzLine.slope));
    else
        cli::printOut("p/z-Gerade: nicht bestimmbar (alle Meßpunkte bei Gp = 0)");
    if (std::isfinite(d.volumetricOgip))
        cli::printOut(cformat("Volumetrisches OGIP: %.3f", d.volumetricOgip));
    else
        cli::printOut("Volumetrisches OGIP: nicht bestimmbar (die p/z-Gerade fällt nicht)");
    cli::printOut(cformat("Cole-Anstieg: %.4f", d.check.coleRise));
    cli::printOut(cformat("RMS-Fehler: %.4f", d.rms));
    cli::printOut(d.check.support ? "Wasserzufluss: ja" : "Wasserzufluss: nein");
    cli::printOut(d.check.reason);
    return cli::kOk;
}
