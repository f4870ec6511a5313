// brelvan-cli grafik FALL.brv AUSGABE.svg|.png|.pdf [--x tage|gp] [--lupe] [--seite hoch|quer]
#include "cli/GrafikCommand.h"

// Without the desktop program's views (a build without Qt) the batch tool has no chart.
#ifdef BRELVAN_HAVE_CHART

#include <QGuiApplication>
#include <QString>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "document/UserInterface.h"
#include "views/ChartExport.h"

namespace {

const char* const kUsage =
    "Aufruf: brelvan-cli grafik FALL.brv AUSGABE.svg|.png|.pdf [--x tage|gp] [--lupe]\n"
    "                           [--seite hoch|quer]\n"
    "Rechnet den Fall und schreibt die Grafik, wie die Grafikansicht sie zeichnet:\n"
    "  --x tage|gp         x-Achse in Tagen (Vorgabe) oder kumulativer Produktion\n"
    "  --lupe              vergrößerte Bildschirmgrafik (1950 x 1125 statt 1300 x 750)\n"
    "  --seite hoch|quer   Grafik einer gedruckten Seite im Hoch- oder Querformat\n"
    "Die Dateiendung der Ausgabe wählt das Format (SVG, PNG oder PDF).\n";

// Messages on standard error; the input dialog is the dialog's checks without a window.
class GrafikInterface : public brelvan::UserInterface {
public:
    explicit GrafikInterface(int grafiktyp) : m_iGrafiktyp(grafiktyp) {}
    void message(const std::string& text) override { std::cerr << text << '\n'; }
    bool question(const std::string& text) override {
        std::cerr << text << " (Nein)\n";
        return false;
    }
    void showSensResults(const std::vector<std::string>&) override {}
    bool runInputDialog(DlgInputData& data) override {
        m_bDialogRun = true;
        data.OnInitDialog(*this);
        data.m_iGrafiktyp = m_iGrafiktyp;
        m_bChecked = data.checkAll(*this);
        return m_bChecked;
    }
    bool m_bDialogRun = false;
    bool m_bChecked = false;

private:
    int m_iGrafiktyp;
};

int usage(const std::string& problem) {
    if (!problem.empty()) {
        std::cerr << problem << '\n';
    }
    std::cerr << kUsage;
    return 1;
}

} // namespace

int brelvanGrafikCommand(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    int grafiktyp = 0;
    brelvan::views::ChartLayout layout;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (a == "--lupe") {
            layout.lupe = true;
        } else if (a == "--x" || a == "--seite") {
            if (i + 1 >= args.size()) {
                return usage("Zu " + a + " fehlt der Wert.");
            }
            const std::string& v = args[++i];
            if (a == "--x" && (v == "tage" || v == "gp")) {
                grafiktyp = v == "gp" ? 1 : 0;
            } else if (a == "--seite" && (v == "hoch" || v == "quer")) {
                layout.page = v == "hoch" ? brelvan::views::ChartLayout::Page::Portrait
                                          : brelvan::views::ChartLayout::Page::Landscape;
            } else {
                return usage("Unbekannter Wert \"" + v + "\" zu " + a + ".");
            }
        } else if (a.size() > 1 && a[0] == '-') {
            return usage("Unbekannte Option \"" + a + "\".");
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        return usage("Anzugeben sind die Falldatei und die Ausgabedatei.");
    }
    const QString output = QString::fromStdString(files[1]);
    const QString suffix = output.section(QLatin1Char('.'), -1).toLower();
    if (!output.contains(QLatin1Char('.')) ||
        (suffix != QLatin1String("svg") && suffix != QLatin1String("png") &&
         suffix != QLatin1String("pdf"))) {
        return usage("Die Ausgabedatei muss auf .svg, .png oder .pdf enden.");
    }

    // Drawing needs a Qt application, but no display.
    std::unique_ptr<QGuiApplication> application;
    if (!QGuiApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM")) {
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        }
        static int argc = 1;
        static char name[] = "brelvan-cli";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }

    GrafikInterface ui(grafiktyp);
    CBrelvanDoc doc;
    doc.setUserInterface(&ui);
    doc.OnNewDocument();
    if (!doc.OnOpenDocument(files[0])) {
        return 2;
    }
    if (!ui.m_bDialogRun || !ui.m_bChecked) {
        std::cerr << "Die Eingaben des Falls sind nicht gültig; es wurde nichts gerechnet.\n";
        return 2;
    }
    QString error;
    if (!brelvan::views::exportChart(doc, output, layout, &error)) {
        std::cerr << error.toStdString() << '\n';
        return 2;
    }
    return 0;
}

#endif // BRELVAN_HAVE_CHART
