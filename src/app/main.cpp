// The desktop program brelvan.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "app/Icons.h"
#include "app/KeyState.h"
#include "dialogs/QtUserInterface.h"

int main(int argc, char** argv) {
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
