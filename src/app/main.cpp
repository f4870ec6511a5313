// The desktop program brelvan.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <string_view>

#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "app/Icons.h"
#include "app/KeyState.h"
#include "dialogs/QtUserInterface.h"

namespace {

const char* const kHelp =
    "Aufruf: brelvan [FALL.brv]\n"
    "        brelvan --print FALL.brv            (auch /p FALL.brv)\n"
    "        brelvan --print-to DRUCKER FALL.brv (auch /pt)\n"
    "        brelvan --version | --help\n"
    "Öffnet den Fall (oder einen neuen) im Eingabedialog; OK rechnet ihn. --print druckt den\n"
    "Bericht des Falls auf dem Standarddrucker, --print-to auf DRUCKER.\n"
    "Ohne Fenster arbeitet das Stapelprogramm brelvan-cli.\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they need no display.
    if (argc == 2) {
        const std::string_view arg = argv[1];
        if (arg == "--version") {
            std::fputs("brelvan " BRELVAN_VERSION "\n", stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
    }
    QApplication application(argc, argv);
    // The core reads and writes numbers itself; the user's locale must never reach it.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("brelvan"));
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(brelvan::app::applicationIcon());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // Qt's own texts (standard buttons, print and file dialogs) in German.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    QtUserInterface ui;
    brelvan::app::CBrelvanApp app(ui);
    // Message boxes and dialogs belong to the main window as soon as it exists.
    app.m_frameCreated = [&ui](QWidget* frame) { ui.setParentWidget(frame); };
    QStringList args = QApplication::arguments();
    args.removeFirst();
    switch (app.InitInstance(args)) {
    case brelvan::app::CBrelvanApp::Start::Failed:
        return 1;
    case brelvan::app::CBrelvanApp::Start::Done:
        return 0;
    case brelvan::app::CBrelvanApp::Start::Run:
        break;
    }
    brelvan::app::KeyStateWatcher keys(app.frame());
    application.installEventFilter(&keys);
    return QApplication::exec();
}
