// "Anpassung …" and the view "Fehlerkarte" in the desktop program: progress and cancel of the
// worker, adoption of the fitted values, the view's states, its export and printing.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <thread>

#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "dialogs/BrelvanDialog.h"
#include "dialogs/DlgInput.h"
#include "dialogs/FitDialog.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "testing/DialogFixture.h"
#include "testing/FakeUserInterface.h"
#include "testing/FitCases.h"
#include "views/MisfitMapPainter.h"
#include "views/MisfitMapView.h"

using namespace brelvan;
using namespace brelvan::cmd;
using views::MisfitMapView;

namespace {

// A synthetic objective that takes its time, so that a run can be watched and cancelled.
fit::Objective slowObjective(int microseconds) {
    return [microseconds](const fit::Point& x, std::vector<double>& r) {
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
        r.clear();
        for (int i = 1; i <= 10; ++i)
            r.push_back(x[0] / 1000 - 5 + 0.01 * i * (x[1] / 20000 - 1) + 0.001 * (x[2] - 50) +
                        0.05 * ((i % 3) - 1));
        return true;
    };
}

dialogs::FitSettings box() {
    dialogs::FitSettings s;
    s.box.lo = {2000, 5000, 10};
    s.box.hi = {8000, 40000, 100};
    return s;
}

} // namespace

class TestFitGui : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                  QStringLiteral("brelvan"))
            .clear();
    }
    void cleanup() { BrelvanDialog::s_modalHook = nullptr; }

    void jobReportsProgressAndFinishes() {
        dialogs::FitJob job(slowObjective(200), box(), {5000, 20000, 50});
        QList<int> seen;
        connect(&job, &dialogs::FitJob::progressChanged, this, [&](int p) { seen << p; });
        bool finished = false;
        connect(&job, &dialogs::FitJob::finished, this, [&] { finished = true; });
        job.start();
        QTRY_VERIFY_WITH_TIMEOUT(finished, 20000);
        QVERIFY(seen.size() >= 2);
        QCOMPARE(seen.last(), 100);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QVERIFY(job.outcome().finished);
        QVERIFY(job.outcome().ranges.computed);
        const std::string text = dialogs::fitResultText(job.outcome());
        QVERIFY(text.find("RMS-Fehler: ") != std::string::npos);
        QVERIFY(text.find("95-%-Bereiche") != std::string::npos);
    }

    void cancelStopsTheWorkerAndTheWindowStaysResponsive() {
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(10);
        // "Abbrechen" in the progress dialog once it is up.
        clickLaterIn<QProgressDialog>(150, QStringLiteral("Abbrechen"));
        const auto outcome =
            dialogs::runFitWithProgress(nullptr, slowObjective(20000), box(), {5000, 20000, 50});
        QVERIFY(outcome.cancelled);
        QVERIFY(!outcome.finished);
        QVERIFY(ticks >= 5); // the event loop ran while the worker computed
        QCOMPARE(dialogs::fitResultText(outcome), std::string("Die Anpassung wurde abgebrochen."));
    }

    void settingsDialogChecksItsFields() {
        DialogPlayer ui;
        dialogs::FitDialog dlg(ui, box());
        dlg.rangeEdit(fit::kWip, true)->setText(QStringLiteral("4000"));
        dlg.onOk();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(ui.messages.size(), std::size_t(1));
        QVERIFY(ui.messages[0].rfind("WIP: ", 0) == 0);
        dlg.rangeEdit(fit::kWip, true)->setText(QStringLiteral("40000,5"));
        for (int j = 0; j < fit::kParams; ++j)
            dlg.freeBox(j)->setChecked(false);
        dlg.onOk();
        QCOMPARE(ui.messages.back(), std::string("Mindestens ein Parameter muss frei bleiben."));
        dlg.freeBox(fit::kOgip)->setChecked(true);
        dlg.onOk();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.settings().box.hi[fit::kWip], 40000.5);
        QVERIFY(dlg.settings().free[fit::kOgip] && !dlg.settings().free[fit::kWip]);
    }

    // From the Bearbeiten menu: Ja adopts the values, the case is modified and computed again;
    // Nein leaves it as it was.
    void adoptionThroughTheMainFrame() {
        DialogPlayer ui;
        app::CBrelvanApp application(ui);
        application.m_askSave = [](const QString&) { return 1; };
        QCOMPARE(application.InitInstance({}), app::CBrelvanApp::Start::Run);
        CBrelvanDoc& doc = application.document();
        const fit::Point truth{5000, 20000, 50};
        std::vector<std::string> lines;
        fit_cases::syntheticCase(truth, 6, 3, engine::InfluxScheme::Original, 0, 0, 1, 0.25,
                                 &lines);
        worked_case::set(doc);
        doc.m_fGas.fill(0.0f);
        doc.m_fGas[3] = 100;
        doc.m_Zeilen = lines;
        doc.m_dOGIP = 4600;
        doc.m_dWIP = 15000;
        doc.m_dJWert = 40;
        doc.m_dMinOGIP = 3000;
        doc.m_dMaxOGIP = 7000;
        doc.m_dMinWIP = 5000;
        doc.m_dMaxWIP = 40000;
        doc.m_dMinJ = 10;
        doc.m_dMaxJ = 100;
        doc.SetModifiedFlag(false);
        BrelvanDialog::s_modalHook = [](QDialog& d) {
            static_cast<dialogs::FitDialog&>(d).onOk();
            return d.result();
        };

        ui.defaultAnswer = false;
        application.frame()->OnCommand(ID_FIT);
        QCOMPARE(ui.questions.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(ui.questions[0])
                    .endsWith(QStringLiteral("Sollen die Werte übernommen werden?")));
        QCOMPARE(doc.m_dOGIP, 4600.0);
        QVERIFY(!doc.IsModified());

        ui.defaultAnswer = true;
        application.frame()->OnCommand(ID_FIT);
        QCOMPARE(ui.questions.size(), std::size_t(2));
        QVERIFY(std::fabs(doc.m_dOGIP - truth[0]) < 5);
        QVERIFY(std::fabs(doc.m_dJWert - truth[2]) < 0.5);
        QVERIFY(doc.IsModified());
        QVERIFY(doc.m_bNeueDaten);
        QVERIFY(!doc.m_Ausgabe.empty()); // computed with the new values
        QVERIFY(application.frame()->windowTitle().contains(QStringLiteral("[*]")));
    }

    // From the input dialog: Ja puts the values into the dialog's fields; OK then runs the
    // editing cycle with them.
    void inputDialogButtonFillsTheFields() {
        DialogPlayer ui;
        DlgInput dlg(ui);
        std::vector<std::string> lines;
        fit_cases::syntheticCase({5000, 20000, 50}, 6, 3, engine::InfluxScheme::Original, 0, 0, 1,
                                 0.25, &lines);
        dlg.m_strFeldname = "Synthetisch";
        dlg.m_fGas = {};
        dlg.m_fGas[3] = 100;
        worked_case::setReservoir(dlg);
        dlg.m_dOGIP = 4600;
        dlg.m_dWIP = 15000;
        dlg.m_dJWert = 40;
        dlg.m_iGrafiktyp = 0;
        dlg.m_Zeilen = lines;
        dlg.ensureInitialized();
        BrelvanDialog::s_modalHook = [](QDialog& d) {
            static_cast<dialogs::FitDialog&>(d).onOk();
            return d.result();
        };
        auto* button = qobject_cast<QPushButton*>(dlg.control(DlgInputData::kIdAnpassung));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Anpassung …"));
        ui.defaultAnswer = false;
        button->click();
        QCOMPARE(ui.questions.size(), std::size_t(1));
        QCOMPARE(dlg.m_dOGIP, 4600.0);
        ui.defaultAnswer = true;
        button->click();
        QVERIFY(std::fabs(dlg.m_dOGIP - 5000) < 5);
        const double shown =
            qobject_cast<QLineEdit*>(dlg.control(DlgInputData::kIdOGIP))->text().toDouble();
        QVERIFY(std::fabs(shown - dlg.m_dOGIP) < 1e-3);
    }

    void mapViewStatesExportAndPrint() {
        DialogPlayer ui;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        MisfitMapView view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        view.resize(900, 700);
        view.show();
        const auto in = fit_cases::syntheticCase({5000, 20000, 50}, 6, 3,
                                                 engine::InfluxScheme::Original, 0.3, 4);
        auto current = in;
        view.m_inputs = [&current] { return current; };
        QCOMPARE(view.state(), MisfitMapView::State::Empty);
        QVERIFY(!view.cancelButton()->isEnabled());

        view.setPair(1);
        view.setPoints(9);
        view.OnComputeMap();
        QCOMPARE(view.state(), MisfitMapView::State::Computing);
        QVERIFY(view.cancelButton()->isEnabled());
        QVERIFY(!view.computeButton()->isEnabled());
        view.waitForMap();
        QCOMPARE(view.state(), MisfitMapView::State::Current);
        QCOMPARE(view.map().cells.size(), std::size_t(81));
        QCOMPARE(view.map().axisB, int(fit::kJWert));
        QCOMPARE(view.progressBar()->value(), 100);
        QVERIFY(view.map().bestCell >= 0);

        // A redraw without a change keeps the map current.
        view.OnUpdate();
        QCOMPARE(view.state(), MisfitMapView::State::Current);
        // A change of the case leaves the map shown but marks it, and it is not exported.
        current.ogip = 5100;
        view.OnUpdate();
        QCOMPARE(view.state(), MisfitMapView::State::Stale);
        QVERIFY(!view.mapIsCurrent());
        QVERIFY(view.bestCellText().endsWith(QStringLiteral("(veraltet)")));
        int asked = 0;
        MisfitMapView::s_chooseExportFile = [&asked](QWidget*) {
            ++asked;
            return QString();
        };
        QVERIFY(!view.OnExport());
        QCOMPARE(asked, 0);
        current = in;
        view.OnUpdate();
        QCOMPARE(view.state(), MisfitMapView::State::Current);

        // Cancelling a large map.
        view.setPoints(201);
        view.setOptimiseThird(true);
        view.OnComputeMap();
        QTimer::singleShot(100, &view, [&view] { view.cancelButton()->click(); });
        view.waitForMap();
        QCOMPARE(view.state(), MisfitMapView::State::Cancelled);
        QCOMPARE(view.map().cells.size(), std::size_t(81)); // the last map stays

        QTemporaryDir dir;
        for (const char* ext : {"csv", "xlsx", "svg", "png", "pdf"}) {
            const QString path = dir.filePath(QStringLiteral("karte.") + QLatin1String(ext));
            MisfitMapView::s_chooseExportFile = [path](QWidget*) { return path; };
            QVERIFY2(view.OnExport(), ext);
            QVERIFY(QFileInfo(path).size() > 100);
        }
        QFile csv(dir.filePath(QStringLiteral("karte.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readLine().trimmed(), QByteArray("OGIP,WIP,JWert,RMSFehler,MittlererFehler"));
        QFile xlsx(dir.filePath(QStringLiteral("karte.xlsx")));
        QVERIFY(xlsx.open(QIODevice::ReadOnly));
        QCOMPARE(xlsx.read(2), QByteArray("PK"));
        MisfitMapView::s_chooseExportFile = nullptr;

        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("druck.pdf")));
        QCOMPARE(view.printDirect(printer), 1);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("druck.pdf"))).size() > 1000);
        // The view as the user sees it, to be looked at.
        QVERIFY(view.grab().save(QStringLiteral(BRELVAN_BINARY_DIR "/fehlerkarte-ansicht.png")));
    }

    // The view's ranges, the best cell's numbers, the tooltip, and a new case clearing the map.
    void mapViewRangesTooltipAndNewCase() {
        DialogPlayer ui;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        MisfitMapView view;
        view.setDocument(&doc);
        const auto in = fit_cases::syntheticCase({5000, 20000, 50}, 6, 3,
                                                 engine::InfluxScheme::Original, 0.3, 4);
        view.m_inputs = [in] { return in; };
        view.OnInitialUpdate();
        view.resize(900, 700);
        view.show();
        // Prefilled from the case around its values.
        const auto [lo, hi] = view.range(fit::kOgip);
        QVERIFY(lo > 0 && lo < 5000 && hi > 5000);
        view.setRange(fit::kOgip, 4000, 6000);
        view.setRange(fit::kWip, 10000, 30000);
        view.setPair(0);
        view.setPoints(5);
        view.OnComputeMap();
        view.waitForMap();
        QCOMPARE(view.state(), MisfitMapView::State::Current);
        QCOMPARE(view.map().valuesA.front(), 4000.0);
        QCOMPARE(view.map().valuesA.back(), 6000.0);
        QCOMPARE(view.map().valuesB.front(), 10000.0);
        QCOMPARE(view.map().valuesB.back(), 30000.0);

        const fit::MapCell& best = view.map().cells[std::size_t(view.map().bestCell)];
        const QString bestText = view.bestCellText();
        QVERIFY2(bestText.contains(QString::number(best.x[fit::kOgip], 'g', 6)),
                 qPrintable(bestText));
        QVERIFY(bestText.contains(QStringLiteral("RMS-Fehler")));
        auto* label = view.findChild<QLabel*>(QStringLiteral("MisfitBestCell"));
        QVERIFY(label && label->text() == bestText);

        // The tooltip over the raster's bottom-left cell names that cell's values.
        const QRectF plot = views::misfitPlotArea(QRectF(view.viewport()->rect()));
        const QString tip = view.cellToolTip((plot.bottomLeft() + QPointF(3, -3)).toPoint());
        const fit::MapCell& first = view.map().cell(0, 0);
        QVERIFY2(tip.contains(QStringLiteral("OGIP: 4000 Mio m3")), qPrintable(tip));
        QVERIFY(tip.contains(QStringLiteral("WIP: 10000 Mio m3")));
        QVERIFY(tip.contains(QString::number(first.misfit.rms, 'g', 6)));
        QVERIFY(view.cellToolTip(QPoint(1, 1)).isEmpty());

        // Another case: the map of the case before is gone, not marked as changed.
        doc.forgetResults();
        view.OnUpdate();
        QCOMPARE(view.state(), MisfitMapView::State::Empty);
        QVERIFY(view.map().cells.empty());
        QVERIFY(view.bestCellText().isEmpty());
    }

    void mainFrameSwitchesToTheMapView() {
        DialogPlayer ui;
        app::CBrelvanApp application(ui);
        application.m_askSave = [](const QString&) { return 1; };
        QCOMPARE(application.InitInstance({}), app::CBrelvanApp::Start::Run);
        app::CMainFrame& frame = *application.frame();
        QVERIFY(frame.action(ID_MISFIT_MAP)->isEnabled());
        frame.OnCommand(ID_MISFIT_MAP);
        auto* view = qobject_cast<MisfitMapView*>(frame.GetActiveView());
        QVERIFY(view);
        QVERIFY(!frame.action(ID_MISFIT_MAP)->isEnabled());
        QVERIFY(frame.action(ID_GRAFIK)->isEnabled() && frame.action(ID_TEXT)->isEnabled());
        frame.OnCommand(ID_TEXT);
        QCOMPARE(frame.findView(app::CMainFrame::kMisfitMapView), view);
        frame.OnCommand(ID_MISFIT_MAP);
        QCOMPARE(frame.GetActiveView(), view); // made once, reused
    }
};

QTEST_MAIN(TestFitGui)
#include "tst_fit_gui.moc"
