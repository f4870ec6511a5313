// brelvan-grafik: writes the chart of a case as the chart view draws it. brelvan-cli starts it
// for its command "grafik" and hands over the arguments after "grafik" unchanged; it is a
// program of its own so that the batch tool's other commands start without loading Qt.
//
// The command line is read with the batch tool's option parser and answered with its exit
// statuses and message path. A further kind of chart is one more option in kOptions, a field
// of Request and a branch in writeChart; opening, checking and the output file are shared.
#include <QApplication>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <clocale>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliInterface.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "document/CBrelvanDoc.h"
#include "document/HeadlessSession.h"
#include "support/TextFormat.h"
#include "views/ChartExport.h"
#include "views/ChartGeometry.h"
#include "views/DiagnosticChart.h"
#include "views/MisfitMapPainter.h"
#include "views/Translations.h"

namespace {

// A text of this program in the current language.
std::string text(const char* german) {
    return brelvan::views::translateEarly(QStringLiteral("brelvan_grafik_en"), "brelvan-grafik",
                                          german)
        .toStdString();
}

// The sizes in the help are the chart's own.
std::string help() {
    return brelvan::cformat(
        text(QT_TRANSLATE_NOOP(
            "brelvan-grafik",
            "Aufruf: brelvan-cli grafik FALL.brv AUSGABE.svg|.png|.pdf [--x tage|gp] [--lupe]\n"
            "                           [--seite hoch|quer] [--art verlauf|pz|cole|ho|residuen]\n"
            "Rechnet den Fall und schreibt die Grafik, wie die Grafikansicht sie zeichnet:\n"
            "  --x tage|gp         x-Achse in Tagen (Vorgabe) oder kumulativer Produktion\n"
            "  --lupe              vergrößerte Bildschirmgrafik (%d x %d statt %d x %d)\n"
            "  --seite hoch|quer   Grafik einer gedruckten Seite im Hoch- oder Querformat\n"
            "  --art ART           eine Diagnosegrafik statt der Grafik: verlauf (Druckverlauf "
            "mit\n"
            "                      Meßpunkten), pz (p/z – Gp), cole, ho (Havlena–Odeh), residuen\n"
            "                      (--lupe gilt nur für die Grafik ohne --art)\n"
            "Die Dateiendung der Ausgabe wählt das Format (SVG, PNG oder PDF). „-“ als FALL.brv\n"
            "liest den Fall von der Standardeingabe.\n"
            "Rückgabewert 3, wenn die Rechnung mit einem Abbruch endet (die Grafik wird "
            "geschrieben).\n"
            "--sprache de|en (auch --language) wählt die Sprache der Meldungen und der Grafik.")),
        brelvan::views::kMagnifiedWidth, brelvan::views::kMagnifiedHeight,
        brelvan::views::kScreenWidth, brelvan::views::kScreenHeight);
}

// The catalogues of the chart's texts besides Qt's.
const QStringList kCatalogues = {QStringLiteral("brelvan_views_en"),
                                 QStringLiteral("brelvan_grafik_en")};

// Options with a value and switches, without the leading "--".
const std::vector<std::string> kOptions = {"x", "seite", "art"};
const std::vector<std::string> kSwitches = {"lupe"};

// What the command line asks for.
struct Request {
    std::string caseFile;
    std::string output;
    int grafiktyp = 0; // x axis: 0 days, 1 cumulative production
    brelvan::views::ChartLayout layout;
    std::optional<brelvan::views::DiagnosticKind> art; // a diagnostic plot instead of the chart
};

int usage(const std::string& problem) {
    return cli::usage(problem, help().c_str());
}

// The value of option `name` when it is one of `a` and `b`: 0 for `a`, 1 for `b`, -1 absent.
bool choice(const cli::Parsed& p, const char* name, const char* a, const char* b, int& chosen,
            std::string& error) {
    chosen = -1;
    const auto it = p.options.find(name);
    if (it == p.options.end())
        return true;
    if (it->second == a || it->second == b) {
        chosen = it->second == a ? 0 : 1;
        return true;
    }
    error = brelvan::cformat(
        text(QT_TRANSLATE_NOOP("brelvan-grafik", "--%s erwartet „%s“ oder „%s“, nicht „%s“.")),
        name, a, b, it->second);
    return false;
}

bool knownEnding(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos)
        return false;
    std::string ending = path.substr(dot + 1);
    for (char& c : ending)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return ending == "svg" || ending == "png" || ending == "pdf";
}

// Reads the command line into `request`; otherwise returns the exit status (help or usage).
std::optional<int> parse(const std::vector<std::string>& args, Request& request) {
    cli::Parsed p;
    std::string error;
    if (!cli::parseArgs(args, kOptions, p, error, kSwitches))
        return usage(error);
    if (p.help) {
        cli::printOut(help());
        return cli::kOk;
    }
    if (p.positional.size() != 2)
        return usage(text(QT_TRANSLATE_NOOP("brelvan-grafik",
                                            "Anzugeben sind die Falldatei und die Ausgabedatei.")));
    request.caseFile = p.positional[0];
    request.output = p.positional[1];
    if (!knownEnding(request.output))
        return usage(text(QT_TRANSLATE_NOOP(
            "brelvan-grafik", "Die Ausgabedatei muss auf .svg, .png oder .pdf enden.")));
    int axis = -1;
    int page = -1;
    if (!choice(p, "x", "tage", "gp", axis, error) ||
        !choice(p, "seite", "hoch", "quer", page, error))
        return usage(error);
    request.grafiktyp = axis == 1 ? 1 : 0;
    request.layout.magnified = p.switches.count("lupe") != 0;
    if (const auto it = p.options.find("art"); it != p.options.end()) {
        brelvan::views::DiagnosticKind kind;
        if (!brelvan::views::diagnosticKindFromName(it->second, kind))
            return usage(brelvan::cformat(
                text(QT_TRANSLATE_NOOP("brelvan-grafik",
                                       "--art erwartet „verlauf“, „pz“, „cole“, „ho“ oder "
                                       "„residuen“, nicht „%s“.")),
                it->second));
        request.art = kind;
    }
    if (page >= 0)
        request.layout.page = page == 0 ? brelvan::views::ChartLayout::Page::Portrait
                                        : brelvan::views::ChartLayout::Page::Landscape;
    return std::nullopt;
}

// Writes the chart the request asks for from the computed case.
brelvan::IoResult<> writeChart(const CBrelvanDoc& doc, const Request& request) {
    if (request.art) {
        // A screen-like picture, or an A4 page at 96 dpi in the orientation asked for.
        using Page = brelvan::views::ChartLayout::Page;
        const QSize size = request.layout.page == Page::Portrait    ? QSize(794, 1123)
                           : request.layout.page == Page::Landscape ? QSize(1123, 794)
                                                                    : QSize(1100, 750);
        return brelvan::views::exportDiagnosticChart(*request.art,
                                                     brelvan::views::diagnosticData(doc),
                                                     QString::fromStdString(request.output), size);
    }
    return brelvan::views::exportChart(doc, QString::fromStdString(request.output), request.layout);
}

// Draws the misfit map of "karte" as a picture.
brelvan::IoResult<> drawMap(const brelvan::fit::MisfitMap& map, const std::string& fieldName,
                            const std::string& path) {
    // Drawing needs a Qt application, but no display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "brelvan-grafik";
    static char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    brelvan::views::Translations translations;
    translations.install(brelvan::currentLanguage(), kCatalogues);
    return brelvan::views::exportMisfitMapFile(map, fieldName, path);
}

int run(const std::vector<std::string>& args, char** argv) {
    if (!args.empty() && args[0] == "--version") {
        cli::printOut(std::string("brelvan-grafik ") + cli::kVersion);
        return cli::kOk;
    }
    // The misfit map as a picture: "brelvan-cli karte" hands its image outputs over.
    if (!args.empty() && args[0] == "karte") {
        MapPictures pictures;
        pictures.draw = drawMap;
        return cmdKarte(std::vector<std::string>(args.begin() + 1, args.end()), pictures);
    }
    Request request;
    if (const auto status = parse(args, request))
        return *status;

    // Drawing needs a Qt application, but no display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    // The diagnostic plots are Qt Charts, which need the widgets' application.
    std::unique_ptr<QGuiApplication> application;
    if (request.art)
        application = std::make_unique<QApplication>(qtArgc, argv);
    else
        application = std::make_unique<QGuiApplication>(qtArgc, argv);
    // The core reads and writes numbers itself; the user's locale must never reach it.
    std::setlocale(LC_NUMERIC, "C");
    brelvan::views::Translations translations;
    translations.install(brelvan::currentLanguage(), kCatalogues);

    // The case opens as in the desktop program; its input dialog is confirmed at once.
    CliInterface ui;
    CBrelvanDoc doc;
    brelvan::ConfirmOptions options;
    options.chartType = request.grafiktyp;
    const brelvan::OpenOutcome opened =
        brelvan::openCase(doc, ui, cli::inputPath(request.caseFile), options);
    if (opened == brelvan::OpenOutcome::Unreadable)
        return cli::kFailed;
    if (opened == brelvan::OpenOutcome::Refused) {
        ui.error(text(QT_TRANSLATE_NOOP(
            "brelvan-grafik",
            "Die Eingaben des Falls sind nicht gültig; es wurde nichts gerechnet.")));
        return cli::kFailed;
    }
    if (const brelvan::IoResult<> written = writeChart(doc, request); !written) {
        ui.error(written.error());
        return cli::kFailed;
    }
    return doc.m_bAbgebrochen ? cli::kAborted : cli::kOk;
}

} // namespace

int main(int argc, char** argv) {
    // "--sprache de|en" (or "--language") anywhere, otherwise the environment.
    const brelvan::views::LanguageOption option = brelvan::views::takeLanguageOption(argc, argv);
    brelvan::setCurrentLanguage(option.language.value_or(brelvan::languageFromEnvironment()));
    if (option.problem()) {
        const int status = usage(
            option.missingValue
                ? text(QT_TRANSLATE_NOOP("brelvan-grafik", "--sprache erwartet „de“ oder „en“."))
                : brelvan::cformat(
                      text(QT_TRANSLATE_NOOP("brelvan-grafik",
                                             "--sprache erwartet „de“ oder „en“, nicht „%s“.")),
                      option.invalid));
        return cli::flushStdout() ? status : cli::kFailed;
    }
    const int status = run(std::vector<std::string>(argv + 1, argv + argc), argv);
    if (!cli::flushStdout())
        return cli::kFailed;
    return status;
}
