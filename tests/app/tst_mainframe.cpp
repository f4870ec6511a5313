// The main window: menus, toolbar, accelerators, prompts, the enable and check states of the
// commands, view switching, the context menu, the status bar, the recent files, the save
// question, and start-up with a case file and with the print switches.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include <functional>

#include "app/AboutDialog.h"
#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "app/KeyState.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "testing/FakeUserInterface.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"
#include "views/CBrelvanView.h"
#include "views/CGrafik.h"

using namespace brelvan::app;
using namespace brelvan::cmd;
using brelvan::views::CBrelvanView;
using brelvan::views::CGrafik;

namespace {

// The worked example case with 10000 in the water zone, written by the core into a folder of
// the test.
QString makeExample(const QString& folder) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    doc.m_dWIP = 10000;
    const QString path = folder + QStringLiteral("/beispiel.brv");
    return doc.OnSaveDocument(path.toStdString()) ? path : QString();
}

struct Item {
    QString text;
    int id; // 0: separator
};

QList<Item> itemsOf(const QMenu* menu) {
    QList<Item> items;
    for (const QAction* a : menu->actions()) {
        items.append(
            {a->isSeparator() ? QString() : a->text(), a->isSeparator() ? 0 : a->data().toInt()});
    }
    return items;
}

} // namespace

Q_DECLARE_METATYPE(QList<Item>)

class TestMainFrame : public QObject {
    Q_OBJECT
    DialogPlayer* m_ui = nullptr;
    CBrelvanApp* m_app = nullptr;

    CMainFrame& frame() { return *m_app->frame(); }
    bool enabled(int id) { return frame().action(id)->isEnabled(); }
    bool checked(int id) { return frame().action(id)->isChecked(); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                  QStringLiteral("brelvan"))
            .clear();
    }
    void init() {
        m_ui = new DialogPlayer;
        m_app = new CBrelvanApp(*m_ui);
        m_app->m_askSave = [](const QString&) { return 1; };
        QCOMPARE(m_app->InitInstance({}), CBrelvanApp::Start::Run);
    }
    void cleanup() {
        delete m_app;
        delete m_ui;
    }

    void newCaseAtStartUp() {
        QCOMPARE(frame().windowTitle(), QStringLiteral("Unbenannt[*] - brelvan"));
        QVERIFY(!frame().isWindowModified());
        QCOMPARE(m_ui->dialogs, 0); // no data dialog without arguments
        QVERIFY(qobject_cast<CBrelvanView*>(frame().GetActiveView()));
        QVERIFY(m_app->document().m_Ausgabe.empty());
    }

    void menus_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<Item>>("items");
        QTest::newRow("Datei") << 0 << "&Datei"
                               << QList<Item>{{"&Neu\tStrg+N", 57600},
                                              {"Ö&ffnen...\tStrg+O", 57601},
                                              {"S&peichern\tStrg+S", 57603},
                                              {"Speichern &unter...", 57604},
                                              {"E&xportieren …", 0},
                                              {"", 0},
                                              {"&Drucken...\tStrg+P", 57607},
                                              {"Sei&tenansicht", 57609},
                                              {"Drucker&einrichtung...", 57606},
                                              {"", 0},
                                              {"Letzte Datei", 57616},
                                              {"", 0},
                                              {"&Beenden", 57665}};
        QTest::newRow("Bearbeiten") << 1 << "&Bearbeiten"
                                    << QList<Item>{{"Daten ändern", 32772},
                                                   {"Anpassung …", 32801},
                                                   {"Zuflussrechner …", 32802},
                                                   {"Ergebnisse in aus.txt Datei", 32777},
                                                   {"Datei aus.txt lesen", 32779}};
        QTest::newRow("Ansicht") << 2 << "&Ansicht"
                                 << QList<Item>{{"Grafik", 32773},
                                                {"Text", 32774},
                                                {"Fehlerkarte", 32800},
                                                {"Druckverlauf", 32850},
                                                {"p/z – Gp", 32851},
                                                {"Cole-Diagramm", 32852},
                                                {"Havlena–Odeh", 32853},
                                                {"Residuen", 32854},
                                                {"Grafik exportieren...", 32855},
                                                {"", 0},
                                                {"&Symbolleiste", 59392},
                                                {"S&tatusleiste", 59393}};
        QTest::newRow("Sprache") << 3 << "Sprache / Language"
                                 << QList<Item>{{"Deutsch", 0}, {"English", 0}};
        QTest::newRow("?") << 4 << "&?"
                           << QList<Item>{{"Inf&o über brelvan...", 57664}, {"Hilfe", 32775}};
    }
    void menus() {
        QFETCH(int, menu);
        QFETCH(QList<Item>, items);
        QMenu* m = frame().mainMenu(menu);
        QVERIFY(m);
        QTEST(m->title(), "title");
        const QList<Item> got = itemsOf(m);
        QCOMPARE(got.size(), items.size());
        for (int i = 0; i < got.size(); ++i) {
            QCOMPARE(got[i].text, items[i].text);
            QCOMPARE(got[i].id, items[i].id);
        }
        QCOMPARE(frame().menuBar()->actions().size(), 5);
    }

    void toolbarOrderAndIcons() {
        QList<int> ids;
        for (QAction* a : frame().toolBar()->actions()) {
            ids << (a->isSeparator() ? 0 : a->data().toInt());
            if (!a->isSeparator()) {
                QVERIFY(!a->icon().isNull());
                QVERIFY(!a->toolTip().isEmpty());
            }
        }
        QCOMPARE(ids, QList<int>({57600, 57601, 57603, 0, 57607, 32772, 32773, 32774, 32800, 32784,
                                  32850, 32851, 32852, 32853, 32854, 57664}));
    }

    void accelerators_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("id");
        QTest::newRow("Ctrl+N") << "Ctrl+N" << 57600;
        QTest::newRow("Ctrl+O") << "Ctrl+O" << 57601;
        QTest::newRow("Ctrl+S") << "Ctrl+S" << 57603;
        QTest::newRow("Ctrl+P") << "Ctrl+P" << 57607;
        QTest::newRow("F1") << "F1" << 32775;
        QTest::newRow("F2") << "F2" << 32772;
        QTest::newRow("Ctrl+F2") << "Ctrl+F2" << 32772;
        QTest::newRow("F3") << "F3" << 32773;
        QTest::newRow("F4") << "F4" << 32774;
        QTest::newRow("F7") << "F7" << 32800;
        QTest::newRow("Ctrl+C") << "Ctrl+C" << 57634;
        QTest::newRow("Ctrl+Ins") << "Ctrl+Ins" << 57634;
        QTest::newRow("Ctrl+V") << "Ctrl+V" << 57637;
        QTest::newRow("Shift+Ins") << "Shift+Ins" << 57637;
        QTest::newRow("Ctrl+X") << "Ctrl+X" << 57635;
        QTest::newRow("Shift+Del") << "Shift+Del" << 57635;
        QTest::newRow("Ctrl+Z") << "Ctrl+Z" << 57643;
        QTest::newRow("Alt+Backspace") << "Alt+Backspace" << 57643;
        QTest::newRow("F6") << "F6" << 57680;
        QTest::newRow("Shift+F6") << "Shift+F6" << 57681;
    }
    void accelerators() {
        QFETCH(QString, keys);
        QFETCH(int, id);
        QVERIFY(frame().action(id));
        QVERIFY(frame().action(id)->shortcuts().contains(QKeySequence(keys)));
    }

    void prompts_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("32772") << 32772 << "Daten ändern"
                               << "Daten ändern";
        QTest::newRow("32773") << 32773 << "Zeigt die Grafik an"
                               << "Grafik";
        QTest::newRow("32774") << 32774 << "Zeigt den Text an"
                               << "Text";
        QTest::newRow("32775") << 32775 << "Ruft die Online-Hilfe auf"
                               << "";
        QTest::newRow("32777") << 32777 << "Die Ergebnisse werden in die Datei aus.txt geschrieben"
                               << "";
        QTest::newRow("32779") << 32779 << ""
                               << "";
        QTest::newRow("32784") << 32784 << "Grafik Lupe"
                               << "Grafik Lupe";
        QTest::newRow("57600") << 57600 << "Erstellt ein neues Dokument."
                               << "Neu";
        QTest::newRow("57601") << 57601 << "Öffnet ein bestehendes Dokument."
                               << "Öffnen";
        QTest::newRow("57603") << 57603 << "Speichert das aktive Dokument."
                               << "Speichern";
        QTest::newRow("57604") << 57604 << "Speichert das aktive Dokument unter neuem Namen."
                               << "Speichern unter";
        QTest::newRow("57606") << 57606 << "Ändert den Drucker und die Druckoptionen."
                               << "Druckereinrichtung";
        QTest::newRow("57607") << 57607 << "Druckt das aktive Dokument."
                               << "Drucken";
        QTest::newRow("57609") << 57609 << "Zeigt ganze Seiten an."
                               << "Seitenansicht";
        QTest::newRow("57616") << 57616 << "Öffnet dieses Dokument."
                               << "";
        QTest::newRow("57665")
            << 57665 << "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen."
            << "Beenden";
        QTest::newRow("59392") << 59392 << "Blendet die Symbolleiste ein oder aus."
                               << "Symbolleiste ein-/ausschalten";
        QTest::newRow("59393") << 59393 << "Blendet die Statusleiste ein oder aus."
                               << "Statusleiste ein-/ausschalten";
    }
    void prompts() {
        QFETCH(int, id);
        QFETCH(QString, tooltip);
        QTEST(frame().action(id)->statusTip(), "status");
        if (!tooltip.isEmpty()) { // without one Qt shows the item's text
            QCOMPARE(frame().action(id)->toolTip(), tooltip);
        }
    }

    void statusBar() {
        QCOMPARE(frame().statusBar()->currentMessage(), QStringLiteral("Bereit"));
        frame().statusBar()->showMessage(QStringLiteral("Zeigt die Grafik an"));
        frame().statusBar()->clearMessage();
        QCOMPARE(frame().statusBar()->currentMessage(), QStringLiteral("Bereit"));
        QCOMPARE(frame().indicator(0)->text(), QStringLiteral("UF"));
        QCOMPARE(frame().indicator(1)->text(), QStringLiteral("NUM"));
        QCOMPARE(frame().indicator(2)->text(), QStringLiteral("RF"));
        frame().setIndicators(false, true, false);
        QVERIFY(!frame().indicator(0)->isEnabled());
        QVERIFY(frame().indicator(1)->isEnabled());
        QVERIFY(!frame().indicator(2)->isEnabled());
    }

    // What is enabled and checked while each view is shown; checked again after every menu
    // opening and command, so the states hold whenever they are visible.
    void commandStates() {
        const auto expectText = [&] {
            QVERIFY(!enabled(ID_TEXT));
            QVERIFY(enabled(ID_GRAFIK));
            QVERIFY(!enabled(ID_GRAFIKLUPE));
        };
        expectText();
        for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT,
                       ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_APP_EXIT, ID_DATA_CHANGE,
                       ID_WRITE_AUSTXT, ID_READ_AUSTXT, ID_HILFE, ID_APP_ABOUT}) {
            QVERIFY2(enabled(id), qPrintable(QString::number(id)));
        }
        for (int id : {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_NEXT_PANE,
                       ID_PREV_PANE, ID_FILE_MRU_FILE1}) {
            QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
        }
        QVERIFY(checked(ID_VIEW_TOOLBAR));
        QVERIFY(checked(ID_VIEW_STATUS_BAR));

        frame().action(ID_GRAFIK)->trigger();
        QVERIFY(qobject_cast<CGrafik*>(frame().GetActiveView()));
        QVERIFY(!enabled(ID_GRAFIK));
        QVERIFY(enabled(ID_TEXT));
        QVERIFY(enabled(ID_GRAFIKLUPE));
        QVERIFY(!checked(ID_GRAFIKLUPE));
        frame().action(ID_GRAFIKLUPE)->trigger();
        QVERIFY(checked(ID_GRAFIKLUPE));
        // The chart keeps its magnifier while the report is shown; the command is grayed.
        frame().action(ID_TEXT)->trigger();
        expectText();
        emit frame().mainMenu(2)->aboutToShow();
        expectText();
        frame().action(ID_GRAFIK)->trigger();
        QVERIFY(checked(ID_GRAFIKLUPE));

        frame().action(ID_VIEW_TOOLBAR)->trigger();
        QVERIFY(!checked(ID_VIEW_TOOLBAR));
        QVERIFY(frame().toolBar()->isHidden());
        frame().action(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(!checked(ID_VIEW_STATUS_BAR));
    }

    void switchingCreatesTheChartOnce() {
        const int before = CGrafik::instanceCount();
        QVERIFY(!frame().findView(CMainFrame::kChartView));
        frame().OnCommand(ID_GRAFIK);
        auto* chart = frame().GetActiveView();
        frame().OnCommand(ID_TEXT);
        QCOMPARE(frame().findView(CMainFrame::kChartView), chart); // hidden, kept with id 2
        QVERIFY(qobject_cast<CBrelvanView*>(frame().findView(CMainFrame::kFirstPaneId)));
        frame().OnCommand(ID_GRAFIK);
        QCOMPARE(frame().GetActiveView(), chart);
        QVERIFY(qobject_cast<CBrelvanView*>(frame().findView(CMainFrame::kReportView)));
        frame().OnGrafik(); // already shown: nothing new
        QCOMPARE(CGrafik::instanceCount() - before, 1);
        QCOMPARE(chart->GetDocument(), &m_app->document());
        QCOMPARE(frame().findView(CMainFrame::kReportView)->GetDocument(), &m_app->document());
    }

    void contextMenu() {
        QStringList texts;
        QList<int> ids;
        for (QAction* a : frame().contextMenu()->actions()) {
            texts << a->text();
            ids << a->data().toInt();
        }
        QCOMPARE(texts, QStringList({"Daten ändern", "Datei neu", "Datei öffnen", "Speichern",
                                     "Speichern unter", "Beenden", "Grafik", "Tabelle",
                                     "Fehlerkarte", "Druckverlauf", "p/z – Gp", "Cole-Diagramm",
                                     "Havlena–Odeh", "Residuen"}));
        QCOMPARE(ids, QList<int>({32772, 57600, 57601, 57603, 57604, 57665, 32773, 32774, 32800,
                                  32850, 32851, 32852, 32853, 32854}));

        // A right click in the chart opens the menu at the mouse; "Tabelle" shows the report.
        frame().OnCommand(ID_GRAFIK);
        QPoint shownAt;
        bool chartEnabled = true;
        frame().m_popupMenu = [&](QMenu& menu, const QPoint& pos) {
            shownAt = pos;
            for (QAction* a : menu.actions()) {
                if (a->data().toInt() == ID_GRAFIK) {
                    chartEnabled = a->isEnabled();
                }
            }
            menu.actions().at(7)->trigger();
        };
        QWidget* viewport = frame().GetActiveView()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 30),
                                viewport->mapToGlobal(QPoint(20, 30)));
        QApplication::sendEvent(viewport, &event);
        QCOMPARE(shownAt, viewport->mapToGlobal(QPoint(20, 30)));
        QVERIFY(!chartEnabled);
        QVERIFY(qobject_cast<CBrelvanView*>(frame().GetActiveView()));
    }

    void aboutBox() {
        AboutDialog about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Info über brelvan"));
        QCOMPARE(about.findChild<QLabel*>("version")->text(),
                 QStringLiteral("brelvan, Version 2.0"));
        QVERIFY(!about.findChild<QLabel*>("icon")->pixmap().isNull());
    }

    void recentFilesHoldFour() {
        for (int i = 1; i <= 6; ++i) {
            m_app->addRecentFile(QStringLiteral("/tmp/fall%1.brv").arg(i));
        }
        QCOMPARE(m_app->recentFiles(), QStringList({"/tmp/fall6.brv", "/tmp/fall5.brv",
                                                    "/tmp/fall4.brv", "/tmp/fall3.brv"}));
        QSettings s(QStringLiteral("Local AppWizard-Generated Applications"),
                    QStringLiteral("brelvan"));
        QCOMPARE(s.value("Recent File List/File1").toString(), QStringLiteral("/tmp/fall6.brv"));
        QVERIFY(!s.contains("Recent File List/File5"));
        emit frame().mainMenu(0)->aboutToShow();
        QVERIFY(enabled(ID_FILE_MRU_FILE1 + 3));
        QVERIFY(frame().action(ID_FILE_MRU_FILE1)->text().startsWith("&1 "));
        // A new start reads the list back.
        DialogPlayer ui;
        CBrelvanApp again(ui);
        QCOMPARE(again.InitInstance({}), CBrelvanApp::Start::Run);
        QCOMPARE(again.recentFiles().size(), 4);
        s.clear();
    }

    void exitAsksToSaveAModifiedCase() {
        QStringList asked;
        int answer = 2;
        m_app->m_askSave = [&](const QString& text) {
            asked << text;
            return answer;
        };
        frame().show();
        frame().OnCommand(ID_APP_EXIT); // not modified: no question
        QVERIFY(asked.isEmpty());
        QVERIFY(!frame().isVisible());
        frame().show();
        m_app->document().SetModifiedFlag(true);
        frame().OnCommand(ID_APP_EXIT);
        QCOMPARE(asked, QStringList({"Möchten Sie die Änderungen an Unbenannt speichern?"}));
        QVERIFY(frame().isVisible()); // Abbrechen
        answer = 1;
        frame().OnCommand(ID_APP_EXIT);
        QVERIFY(!frame().isVisible()); // Nein
    }

    void newAsksFirstAndIsUntitledAfterwards() {
        QStringList asked;
        m_app->m_askSave = [&](const QString& text) {
            asked << text;
            return 2;
        };
        m_app->document().SetPathName("/tmp/alt.brv");
        m_app->document().SetModifiedFlag(true);
        const int dialogs = m_ui->dialogs;
        frame().OnCommand(ID_FILE_NEW);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(m_ui->dialogs, dialogs); // cancelled: nothing happened
        m_app->m_askSave = [](const QString&) { return 1; };
        frame().OnCommand(ID_FILE_NEW);
        QCOMPARE(m_ui->dialogs, dialogs + 1);
        QCOMPARE(QString::fromStdString(m_app->document().GetTitle()), QStringLiteral("Unbenannt"));
    }

    void openSaveAsAndReopen() {
        QTemporaryDir dir;
        const QString example = makeExample(dir.path());
        QVERIFY(!example.isEmpty());
        QVERIFY(m_app->OpenDocumentFile(example));
        QCOMPARE(m_ui->dialogs, 1);
        QCOMPARE(frame().windowTitle(), QStringLiteral("beispiel.brv[*] - brelvan"));
        QVERIFY(!m_app->document().m_Ausgabe.empty());
        QVERIFY(m_app->document().m_MaxWerte > 0);
        const std::string field = m_app->document().m_strFeldname;
        m_app->m_chooseFile = [&](bool save, const QString&) {
            return save ? dir.filePath("kopie") : dir.filePath("kopie.brv");
        };
        QVERIFY(m_app->OnFileSaveAs());
        QVERIFY(QFile::exists(dir.filePath("kopie.brv")));
        QCOMPARE(frame().windowTitle(), QStringLiteral("kopie.brv[*] - brelvan"));
        frame().OnCommand(ID_FILE_OPEN);
        QCOMPARE(m_app->document().m_strFeldname, field);
        QCOMPARE(m_app->recentFiles().front(), dir.filePath("kopie.brv"));
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                  QStringLiteral("brelvan"))
            .clear();
    }

    // What is confirmed in the dialog after Open is an edit: the title says so and leaving
    // asks. Cancelled, the views show no results of the case before.
    void editsConfirmedAfterOpenAreNotLost() {
        QTemporaryDir dir;
        const QString example = makeExample(dir.path());
        QVERIFY(m_app->OpenDocumentFile(example));
        QVERIFY(!frame().isWindowModified());
        QVERIFY(!m_app->document().m_Ausgabe.empty());

        m_ui->confirm = false;
        QVERIFY(m_app->OpenDocumentFile(example));
        QCOMPARE(CBrelvanView::shownLines(m_app->document()),
                 std::vector<std::string>{"Der Fall ist noch nicht berechnet."});
        QCOMPARE(m_app->document().m_MaxWerte, 0);

        m_ui->confirm = true;
        m_ui->edit = [](DlgInputData& d) { d.m_dOGIP = 5500; };
        QVERIFY(m_app->OpenDocumentFile(example));
        QVERIFY(frame().isWindowModified());
        QStringList asked;
        m_app->m_askSave = [&](const QString& text) {
            asked << text;
            return 2;
        };
        frame().show();
        frame().OnCommand(ID_APP_EXIT);
        QCOMPARE(asked, QStringList({"Möchten Sie die Änderungen an beispiel.brv speichern?"}));
        QVERIFY(frame().isVisible());
        m_app->m_askSave = [](const QString&) { return 1; };
    }

    void droppedCaseFileOpens() {
        QTemporaryDir dir;
        const QString example = makeExample(dir.path());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dir.filePath("andere.txt"))});
        QDragEnterEvent other(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame(), &other);
        QVERIFY(!other.isAccepted());
        data.setUrls({QUrl::fromLocalFile(example)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame(), &drop);
        QCOMPARE(m_ui->dialogs, 1);
        QCOMPARE(QString::fromStdString(m_app->document().GetTitle()),
                 QStringLiteral("beispiel.brv"));
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                  QStringLiteral("brelvan"))
            .clear();
    }

    // Without X11 the indicators follow the lock keys pressed in the program's windows.
    void indicatorsFollowLockKeys() {
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        KeyStateWatcher watcher(&frame());
        qApp->installEventFilter(&watcher);
        QWindow* window = frame().windowHandle();
        const bool before = frame().indicator(0)->isEnabled();
        QTest::keyClick(window, Qt::Key_CapsLock);
        QCOMPARE(frame().indicator(0)->isEnabled(), !before);
        QTest::keyClick(window, Qt::Key_ScrollLock);
        QTest::keyClick(window, Qt::Key_CapsLock);
        QCOMPARE(frame().indicator(0)->isEnabled(), before);
        QVERIFY(frame().indicator(2)->isEnabled());
        qApp->removeEventFilter(&watcher);
    }

    void startUpWithFileAndPrintSwitches() {
        QTemporaryDir dir;
        const QString example = makeExample(dir.path());
        QVERIFY(!example.isEmpty());
        {
            DialogPlayer ui;
            CBrelvanApp app(ui);
            QCOMPARE(app.InitInstance({example}), CBrelvanApp::Start::Run);
            QCOMPARE(ui.dialogs, 1);
            QCOMPARE(QString::fromStdString(app.document().GetTitle()),
                     QStringLiteral("beispiel.brv"));
        }
        {
            DialogPlayer ui;
            CBrelvanApp app(ui);
            const QString pdf = dir.filePath("bericht.pdf");
            QCOMPARE(app.InitInstance({"--print-to", pdf, example}), CBrelvanApp::Start::Done);
            QVERIFY(pdfPages(pdf.toStdString()) >= 1);
            QVERIFY(!app.frame()->isVisible());
        }
        {
            DialogPlayer ui;
            CBrelvanApp app(ui);
            const QString pdf = dir.filePath("pt.pdf");
            QCOMPARE(app.InitInstance({"/pt", example, pdf}), CBrelvanApp::Start::Done);
            QVERIFY(pdfPages(pdf.toStdString()) >= 1);
        }
        {
            // Printing into a read-only file leaves it as it was and says so.
            DialogPlayer ui;
            CBrelvanApp app(ui);
            const QString pdf = dir.filePath("nurlesen.pdf");
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("alt");
            old.close();
            QVERIFY(old.setPermissions(QFileDevice::ReadOwner));
            QCOMPARE(app.InitInstance({"/pt", example, pdf}), CBrelvanApp::Start::Failed);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("alt"));
            QVERIFY(QString::fromStdString(ui.transcript()).contains("schreibgeschützt"));
            QCOMPARE(QDir(dir.path()).entryList({"*.tmp", ".~*"}, QDir::Hidden | QDir::Files),
                     QStringList());
        }
        {
            DialogPlayer ui;
            CBrelvanApp app(ui);
            QCOMPARE(app.InitInstance({"--print-to", "KeinSolcherDrucker", example}),
                     CBrelvanApp::Start::Failed);
            QVERIFY(QString::fromStdString(ui.transcript()).contains("KeinSolcherDrucker"));
        }
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                  QStringLiteral("brelvan"))
            .clear();
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
