// The desktop program brelvan.
#include <QApplication>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <clocale>
#include <cstdio>
#include <string_view>

#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "app/Icons.h"
#include "app/KeyState.h"
#include "dialogs/QtUserInterface.h"
#include "views/Translations.h"

namespace {

const char* const kHelp = QT_TRANSLATE_NOOP(
    "main",
    "Aufruf: brelvan [--sprache de|en] [FALL.brv]\n"
    "        brelvan --print FALL.brv            (auch /p FALL.brv)\n"
    "        brelvan --print-to DRUCKER FALL.brv (auch /pt)\n"
    "        brelvan --version | --help\n"
    "Öffnet den Fall (oder einen neuen) im Eingabedialog; OK rechnet ihn. --print druckt den\n"
    "Bericht des Falls auf dem Standarddrucker, --print-to auf DRUCKER.\n"
    "--sprache (auch --language) wählt die Sprache: de Deutsch, en Englisch.\n"
    "Ohne Fenster arbeitet das Stapelprogramm brelvan-cli.\n");

// The program's catalogues besides Qt's.
const QStringList kCatalogues = {QStringLiteral("brelvan_dialogs_en"),
                                 QStringLiteral("brelvan_views_en"),
                                 QStringLiteral("brelvan_app_en")};

} // namespace

int main(int argc, char** argv) {
    // The language: "--sprache", otherwise the menu's stored choice, otherwise the environment.
    const brelvan::views::LanguageOption option = brelvan::views::takeLanguageOption(argc, argv);
    const brelvan::Language language =
        brelvan::views::chooseLanguage(option.language, brelvan::app::CBrelvanApp::storedLanguage(),
                                       brelvan::languageFromEnvironment());
    brelvan::setCurrentLanguage(language);
    if (option.problem()) {
        const QString text =
            option.missingValue
                ? brelvan::views::translateEarly(
                      QStringLiteral("brelvan_app_en"), "main",
                      QT_TRANSLATE_NOOP("main", "--sprache erwartet „de“ oder „en“."))
                : brelvan::views::translateEarly(
                      QStringLiteral("brelvan_app_en"), "main",
                      QT_TRANSLATE_NOOP("main", "--sprache erwartet „de“ oder „en“, nicht „%1“."))
                      .arg(QString::fromStdString(option.invalid));
        std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stderr);
        return 1;
    }
    // Answered before Qt starts, so that they need no display.
    if (argc == 2) {
        const std::string_view arg = argv[1];
        if (arg == "--version") {
            std::fputs("brelvan " BRELVAN_VERSION "\n", stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
        if (arg == "--help" || arg == "-h") {
            const QString help =
                brelvan::views::translateEarly(QStringLiteral("brelvan_app_en"), "main", kHelp);
            std::fputs(help.toUtf8().constData(), stdout);
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

    // In German Qt's own texts (standard buttons, print and file dialogs) in German; in English
    // the program's catalogues. Numbers keep the German locale: the core formats them itself.
    brelvan::views::Translations translations;
    translations.install(language, kCatalogues);

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
