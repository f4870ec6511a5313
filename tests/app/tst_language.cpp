// The desktop program's language: "--sprache" over the menu's stored choice over the
// environment, the menu "Sprache / Language", and the main window, the views and the charts in
// English with the program's catalogues, German without them.
#include <QAction>
#include <QActionGroup>
#include <QChart>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <memory>

#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "document/CBrelvanDoc.h"
#include "testing/FakeUserInterface.h"
#include "views/ChartExport.h"
#include "views/DiagnosticChart.h"
#include "views/DiagnosticCommands.h"
#include "views/Translations.h"

using namespace brelvan;
using namespace brelvan::app;
using namespace brelvan::cmd;

namespace {

const QStringList kCatalogues = {QStringLiteral("brelvan_dialogs_en"),
                                 QStringLiteral("brelvan_views_en"),
                                 QStringLiteral("brelvan_app_en")};

QSettings programSettings() {
    return QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                     QStringLiteral("brelvan"));
}

// argv of a command line, writable as main's.
struct Args {
    explicit Args(const QStringList& words) {
        for (const QString& w : words)
            storage.push_back(w.toStdString());
        for (std::string& w : storage)
            pointers.push_back(w.data());
        pointers.push_back(nullptr);
        argc = static_cast<int>(storage.size());
    }
    QStringList rest() const {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromUtf8(pointers[static_cast<size_t>(i)]);
        return list;
    }
    std::vector<std::string> storage;
    std::vector<char*> pointers;
    int argc = 0;
};

QStringList menuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (const QAction* a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

QAction* languageEntry(const CMainFrame& frame, const char* code) {
    return frame.findChild<QAction*>(QStringLiteral("Language_%1").arg(QLatin1String(code)));
}

QString axisTitle(QChart& chart, Qt::Orientation orientation) {
    const QList<QAbstractAxis*> axes = chart.axes(orientation);
    return axes.isEmpty() ? QString() : axes.front()->titleText();
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

    FakeUserInterface* m_ui = nullptr;
    CBrelvanApp* m_app = nullptr;
    views::Translations m_translations;

    CMainFrame& frame() { return *m_app->frame(); }
    void start() {
        m_ui = new FakeUserInterface;
        m_app = new CBrelvanApp(*m_ui);
        m_app->m_askSave = [](const QString&) { return 1; };
        QCOMPARE(m_app->InitInstance({}), CBrelvanApp::Start::Run);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        programSettings().clear();
    }
    void cleanup() {
        delete m_app;
        delete m_ui;
        m_app = nullptr;
        m_ui = nullptr;
        m_translations.clear();
        setCurrentLanguage(Language::German);
        programSettings().clear();
    }

    // ---- The choice at start

    void commandLineOverStoredOverEnvironment_data() {
        QTest::addColumn<int>("option"); // -1 none, else a Language
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("environment");
        QTest::addColumn<int>("expected");
        const int de = static_cast<int>(Language::German);
        const int en = static_cast<int>(Language::English);
        QTest::newRow("option en over stored de") << en << de << de << en;
        QTest::newRow("option de over stored en") << de << en << en << de;
        QTest::newRow("stored en over environment de") << -1 << en << de << en;
        QTest::newRow("stored de over environment en") << -1 << de << en << de;
        QTest::newRow("environment alone") << -1 << -1 << en << en;
    }
    void commandLineOverStoredOverEnvironment() {
        QFETCH(int, option);
        QFETCH(int, stored);
        QFETCH(int, environment);
        QFETCH(int, expected);
        const auto language = [](int v) {
            return v < 0 ? std::nullopt : std::optional<Language>(static_cast<Language>(v));
        };
        QCOMPARE(views::chooseLanguage(language(option), language(stored),
                                       static_cast<Language>(environment)),
                 static_cast<Language>(expected));
    }

    void languageOptionIsTakenOutOfTheCommandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("rest");
        QTest::addColumn<int>("language"); // -1 none
        QTest::addColumn<QString>("invalid");
        QTest::addColumn<bool>("missing");
        QTest::newRow("separate value")
            << QStringList{"brelvan", "--sprache", "en", "fall.brv"}
            << QStringList{"brelvan", "fall.brv"} << static_cast<int>(Language::English)
            << QString() << false;
        QTest::newRow("English name with =")
            << QStringList{"brelvan", "--print", "--language=de", "fall.brv"}
            << QStringList{"brelvan", "--print", "fall.brv"} << static_cast<int>(Language::German)
            << QString() << false;
        QTest::newRow("last one counts")
            << QStringList{"brelvan", "--sprache=de", "--language", "en"} << QStringList{"brelvan"}
            << static_cast<int>(Language::English) << QString() << false;
        QTest::newRow("unknown code") << QStringList{"brelvan", "--sprache", "fr", "x.brv"}
                                      << QStringList{"brelvan", "x.brv"} << -1 << "fr" << false;
        QTest::newRow("value missing")
            << QStringList{"brelvan", "x.brv", "--sprache"} << QStringList{"brelvan", "x.brv"} << -1
            << QString() << true;
        QTest::newRow("other arguments untouched")
            << QStringList{"brelvan", "--print-to", "--sprache-x", "fall.brv"}
            << QStringList{"brelvan", "--print-to", "--sprache-x", "fall.brv"} << -1 << QString()
            << false;
    }
    void languageOptionIsTakenOutOfTheCommandLine() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, rest);
        QFETCH(int, language);
        QFETCH(QString, invalid);
        QFETCH(bool, missing);
        Args argv(args);
        const views::LanguageOption option =
            views::takeLanguageOption(argv.argc, argv.pointers.data());
        QCOMPARE(argv.rest(), rest);
        QCOMPARE(argv.pointers[static_cast<size_t>(argv.argc)], nullptr);
        QCOMPARE(option.language.has_value(), language >= 0);
        if (language >= 0)
            QCOMPARE(*option.language, static_cast<Language>(language));
        QCOMPARE(QString::fromStdString(option.invalid), invalid);
        QCOMPARE(option.missingValue, missing);
        QCOMPARE(option.problem(), !invalid.isEmpty() || missing);
    }

    void storedLanguageRoundTrip() {
        QVERIFY(!CBrelvanApp::storedLanguage());
        CBrelvanApp::storeLanguage(Language::English);
        QCOMPARE(programSettings().value("Settings/Language").toString(), QStringLiteral("en"));
        QCOMPARE(CBrelvanApp::storedLanguage(), std::optional<Language>(Language::English));
        CBrelvanApp::storeLanguage(Language::German);
        QCOMPARE(CBrelvanApp::storedLanguage(), std::optional<Language>(Language::German));
        // A value edited by hand that is no language counts as none.
        programSettings().setValue("Settings/Language", "fr");
        QVERIFY(!CBrelvanApp::storedLanguage());
    }

    // ---- The menu

    void menuStoresTheChoiceAndSaysWhenItTakesEffect() {
        start();
        const QList<QAction*> menus = frame().menuBar()->actions();
        QCOMPARE(menus.size(), 5);
        QCOMPARE(menus[3]->text(), QStringLiteral("Sprache / Language"));
        QCOMPARE(menus.last()->text(), QStringLiteral("&?")); // before the help menu
        QAction* german = languageEntry(frame(), "de");
        QAction* english = languageEntry(frame(), "en");
        QVERIFY(german && english);
        QVERIFY(german->isCheckable() && english->isCheckable());
        QVERIFY(german->isChecked());
        QVERIFY(!english->isChecked());

        english->trigger();
        QCOMPARE(CBrelvanApp::storedLanguage(), std::optional<Language>(Language::English));
        QVERIFY(english->isChecked());
        QVERIFY(!german->isChecked());
        QCOMPARE(m_ui->messages.size(), size_t(1));
        // In the language chosen first, then in the one shown.
        const QString said = QString::fromStdString(m_ui->messages.front());
        QVERIFY2(said.startsWith("The language changes the next time brelvan starts."),
                 qPrintable(said));
        QVERIFY2(said.contains("Die Sprache wechselt beim nächsten Start"), qPrintable(said));
        // The running program stays in its language until the next start.
        QCOMPARE(currentLanguage(), Language::German);
        QCOMPARE(frame().mainMenu(0)->title(), QStringLiteral("&Datei"));

        // Back to the language shown: stored, nothing to say.
        german->trigger();
        QCOMPARE(CBrelvanApp::storedLanguage(), std::optional<Language>(Language::German));
        QCOMPARE(m_ui->messages.size(), size_t(1));
    }

    void menuShowsTheRunningLanguage() {
        QVERIFY(m_translations.install(Language::English, kCatalogues).isEmpty());
        start();
        QVERIFY(languageEntry(frame(), "en")->isChecked());
        QVERIFY(!languageEntry(frame(), "de")->isChecked());
        languageEntry(frame(), "de")->trigger();
        QCOMPARE(CBrelvanApp::storedLanguage(), std::optional<Language>(Language::German));
        const QString said = QString::fromStdString(m_ui->messages.at(0));
        QVERIFY2(said.startsWith("Die Sprache wechselt beim nächsten Start von brelvan."),
                 qPrintable(said));
        QVERIFY(said.endsWith("The language changes the next time brelvan starts."));
    }

    // ---- The texts

    void mainWindowInEnglishWithTheCatalogues() {
        QCOMPARE(m_translations.install(Language::English, kCatalogues), QStringList());
        QCOMPARE(currentLanguage(), Language::English);
        start();
        QCOMPARE(menuTitles(frame()),
                 (QStringList{"&File", "&Edit", "&View", "Sprache / Language", "&Help"}));
        QCOMPARE(frame().action(ID_FILE_NEW)->text(), QStringLiteral("&New\tCtrl+N"));
        QCOMPARE(frame().action(ID_FILE_NEW)->statusTip(),
                 QStringLiteral("Creates a new document."));
        QCOMPARE(frame().action(ID_FILE_NEW)->toolTip(), QStringLiteral("New"));
        QCOMPARE(frame().action(ID_MISFIT_MAP)->text(), QStringLiteral("Misfit Map"));
        QCOMPARE(frame().action(ID_DIAG_COLE)->text(), QStringLiteral("Cole Plot"));
        QCOMPARE(frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
        QCOMPARE(frame().contextMenu()->actions().at(0)->text(), QStringLiteral("Change Data"));
        // The menu's title and entries are the same in both languages.
        QCOMPARE(languageEntry(frame(), "de")->text(), QStringLiteral("Deutsch"));
        QCOMPARE(languageEntry(frame(), "en")->text(), QStringLiteral("English"));
    }

    void mainWindowGermanWithoutThem() {
        QVERIFY(m_translations.install(Language::German, kCatalogues).isEmpty());
        start();
        QCOMPARE(menuTitles(frame()),
                 (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "Sprache / Language", "&?"}));
        QCOMPARE(frame().action(ID_FILE_NEW)->text(), QStringLiteral("&Neu\tStrg+N"));
        QCOMPARE(frame().statusBar()->currentMessage(), QStringLiteral("Bereit"));
    }

    void chartsInEnglishAndGerman() {
        for (const Language language : {Language::English, Language::German}) {
            m_translations.install(language, kCatalogues);
            const bool english = language == Language::English;
            views::DiagnosticData none; // no results yet: axes and title only
            std::unique_ptr<QChart> history(
                views::createDiagnosticChart(views::DiagnosticKind::History, none));
            QCOMPARE(axisTitle(*history, Qt::Horizontal),
                     english ? QStringLiteral("Cum. production Gp (million m3)")
                             : QStringLiteral("Kum. Produktion Gp (Mio m3)"));
            QVERIFY(history->title().contains(english ? "No results" : "Keine Ergebnisse"));
            QCOMPARE(views::diagnosticTitle(views::DiagnosticKind::Residuals),
                     english ? QStringLiteral("Residuals") : QStringLiteral("Residuen"));

            // The chart program's picture: its heading in the language.
            QTemporaryDir dir;
            CBrelvanDoc doc;
            const QString path = dir.filePath(QStringLiteral("chart.svg"));
            QVERIFY(views::exportChart(doc, path, {}));
            const QByteArray svg = fileBytes(path);
            QVERIFY(svg.contains(
                english ? QByteArray("Shut-in Pressures, Water Influx")
                        : QString::fromUtf8("Schließdrücke und Wasserinvasion").toUtf8()));
        }
    }

    void chartAxesInEnglishWithResults() {
        m_translations.install(Language::English, kCatalogues);
        views::DiagnosticData data;
        data.valid = true;
        data.chartType = 0;
        std::unique_ptr<QChart> history(
            views::createDiagnosticChart(views::DiagnosticKind::History, data));
        QCOMPARE(axisTitle(*history, Qt::Horizontal), QStringLiteral("Time (days)"));
        QStringList vertical;
        for (QAbstractAxis* a : history->axes(Qt::Vertical))
            vertical << a->titleText();
        QVERIFY2(vertical.contains("Pressure (bar)"), qPrintable(vertical.join('|')));
        QVERIFY2(vertical.contains("Water influx We (million m3)"), qPrintable(vertical.join('|')));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
