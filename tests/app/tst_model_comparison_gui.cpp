// "Modelle vergleichen" in the fit dialog: the batch tool's table from a worker that can be
// cancelled while the window stays responsive; the models' curves in the Druckverlauf view for
// as long as they belong to the case; and the pot water zone, which ignores J, holding J in the
// fit dialog and the map view.
#include <QChart>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QXYSeries>

#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "dialogs/BrelvanDialog.h"
#include "dialogs/FitDialog.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "document/FitCase.h"
#include "engine/FitObjective.h"
#include "testing/FitCases.h"
#include "views/DiagnosticChart.h"
#include "views/DiagnosticCommands.h"
#include "views/DiagnosticView.h"
#include "views/MisfitMapView.h"

using namespace brelvan;
using namespace brelvan::cmd;

namespace {

class ScriptedInterface : public UserInterface {
public:
    QStringList messages, questions;
    bool answer = false;
    void message(const std::string& text) override { messages << QString::fromStdString(text); }
    bool question(const std::string& text) override {
        questions << QString::fromStdString(text);
        return answer;
    }
    void showSensResults(const std::vector<std::string>&) override {}
    bool runInputDialog(DlgInputData& data) override {
        data.OnInitDialog(*this);
        return data.checkAll(*this);
    }
};

const fit::Point kTruth{5000, 20000, 50};

// The synthetic case with the fit's ranges of the existing fit tests, in a document.
void makeCase(CBrelvanDoc& doc, int model = 0) {
    std::vector<std::string> lines;
    fit_cases::syntheticCase(kTruth, 6, 3, engine::InfluxScheme::Original, 0, 0, 1, 0.25, &lines);
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
    doc.m_iModell = model;
}

QStringList seriesNames(const QChart& chart) {
    QStringList names;
    for (QAbstractSeries* s : chart.series())
        names << s->name();
    return names;
}

} // namespace

class TestModelComparisonGui : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                  QStringLiteral("brelvan"))
            .clear();
    }
    void cleanup() { BrelvanDialog::s_modalHook = nullptr; }

    // The dialog's table is the batch tool's, number for number, from the same box; the best
    // model is marked.
    void compareShowsTheBatchToolsTable() {
        ScriptedInterface ui;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        makeCase(doc);
        const engine::RunInputs in = doc.runInputs();
        const fit::Point caseValues{in.ogip, in.wip, in.jValue};
        dialogs::FitSettings start;
        start.box = fit::suggestedBounds(caseValues, fit::largestGp(in), sensitivityRanges(doc),
                                         inputLimits());
        dialogs::FitDialog dlg(ui, start);
        QVERIFY(dlg.compareButton()->isHidden());
        dlg.setCase(in, caseValues);
        QVERIFY(!dlg.compareButton()->isHidden());
        QCOMPARE(dlg.compareButton()->text(), QStringLiteral("Modelle vergleichen"));
        QVERIFY(dlg.comparisonTable()->isHidden());

        dlg.compareButton()->click();
        QVERIFY(!dlg.comparisonTable()->isHidden());
        fit::RefineOptions options;
        options.bounds = fit::searchBounds(start.box, fit::largestGp(in), inputLimits());
        const fit::ModelComparison direct = fit::compareModels(in, options, caseValues, true);
        QStringList expected;
        for (const std::string& line : fit::comparisonTable(direct))
            expected << QString::fromStdString(line);
        QCOMPARE(dlg.comparisonTable()->toPlainText(), expected.join(QLatin1Char('\n')));
        QVERIFY(direct.bestIndex >= 0);
        QVERIFY(expected[direct.bestIndex + 1].endsWith(QStringLiteral("  *")));
        QVERIFY(expected.last().startsWith(QStringLiteral("* am besten gestützt")));
        QCOMPARE(dlg.comparison().bestIndex, direct.bestIndex);
        // A curve for every model that was fitted (the unsteady ones lack their geometry here).
        int valid = 0;
        for (const fit::ModelFit& f : direct.fits)
            valid += f.valid;
        QCOMPARE(int(dlg.comparisonCurves().curves.size()), valid);
        QVERIFY(valid >= 2);
        // The dialog with its table, to be looked at.
        dlg.show();
        QVERIFY(dlg.grab().save(QStringLiteral(BRELVAN_BINARY_DIR "/modellvergleich-dialog.png")));
    }

    // "Abbrechen" in the progress dialog stops the worker; the event loop ran meanwhile and the
    // dialog keeps no comparison.
    void cancelStopsTheComparison() {
        ScriptedInterface ui;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        makeCase(doc);
        const engine::RunInputs in = doc.runInputs();
        dialogs::FitSettings start;
        start.box.lo = {3000, 5000, 10};
        start.box.hi = {7000, 40000, 100};
        dialogs::FitDialog dlg(ui, start);
        dlg.setCase(in, {in.ogip, in.wip, in.jValue});
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(5);
        bool clicked = false;
        QTimer poke;
        connect(&poke, &QTimer::timeout, this, [&clicked] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<QProgressDialog*>(w);
                    p && p->isVisible() && p->objectName() == QStringLiteral("ComparisonProgress"))
                    for (auto* b : p->findChildren<QPushButton*>())
                        if (!clicked && b->text() == QStringLiteral("Abbrechen")) {
                            clicked = true;
                            b->click();
                        }
        });
        poke.start(20);
        dlg.onCompare();
        QVERIFY(clicked);
        QVERIFY(ticks >= 2);
        QCOMPARE(dlg.comparisonTable()->toPlainText(),
                 QStringLiteral("Der Vergleich der Modelle wurde abgebrochen."));
        QVERIFY(dlg.comparison().fits.empty());
        QVERIFY(dlg.comparisonCurves().empty());
        QVERIFY(dlg.compareButton()->isEnabled());
    }

    // Through the main window: a comparison (the fit's answer Nein) puts one curve per model
    // into the Druckverlauf view beside the measured points; a change of the measurements
    // takes them away, and a new case has none.
    void historyViewOverlaysTheModels() {
        ScriptedInterface ui;
        app::CBrelvanApp application(ui);
        application.m_askSave = [](const QString&) { return 1; };
        QCOMPARE(application.InitInstance({}), app::CBrelvanApp::Start::Run);
        CBrelvanDoc& doc = application.document();
        makeCase(doc);
        doc.compute();
        app::CMainFrame& frame = *application.frame();
        frame.show();
        frame.OnCommand(ID_DIAG_HISTORY);
        auto* view = qobject_cast<views::DiagnosticView*>(frame.GetActiveView());
        QVERIFY(view);
        const QStringList plain = seriesNames(*view->chart());
        QCOMPARE(plain, (QStringList{QStringLiteral("Druck berechnet (bar)"),
                                     QStringLiteral("Druck gemessen (bar)"),
                                     QStringLiteral("WE berechnet (Mio m3)")}));

        BrelvanDialog::s_modalHook = [](QDialog& d) {
            auto& fitDialog = static_cast<dialogs::FitDialog&>(d);
            fitDialog.onCompare();
            fitDialog.onOk();
            return d.result();
        };
        ui.answer = false;
        frame.OnCommand(ID_FIT);
        QCOMPARE(ui.questions.size(), 1);
        QCOMPARE(doc.m_dOGIP, 4600.0); // not adopted
        QVERIFY(!doc.m_modelCurves.empty());
        const QStringList overlaid = seriesNames(*view->chart());
        QStringList expected = plain;
        for (const fit::ModelCurve& c : doc.m_modelCurves.curves)
            expected.insert(expected.size() - 2, QString::fromUtf8(waterzone::modelName(c.model)));
        QCOMPARE(overlaid, expected);
        // Each model's line is its fit's run, in the chart's units (days here).
        const fit::ModelCurve& first = doc.m_modelCurves.curves.front();
        auto* line = qobject_cast<QXYSeries*>(view->chart()->series().at(1));
        QVERIFY(line);
        QCOMPARE(line->count(), int(first.p.size()));
        QCOMPARE(line->at(5).x(), first.days[5]);
        QCOMPARE(line->at(5).y(), first.p[5]);
        QVERIFY(view->grab().save(QStringLiteral(BRELVAN_BINARY_DIR "/druckverlauf-modelle.png")));

        // Adopting other values keeps the curves; other measurements take them away.
        adoptFit(doc, {5000, 20000, 50});
        QCOMPARE(seriesNames(*view->chart()), expected);
        doc.m_Zeilen.back() += "1"; // the last pressure, a little different
        doc.compute();
        doc.ui().updateAllViews();
        QCOMPARE(seriesNames(*view->chart()), plain);
        doc.forgetResults();
        QVERIFY(doc.m_modelCurves.empty());
    }

    // The pot ignores J: the fit dialog holds it (its box cannot be freed), and the map view
    // refuses J as an axis with the reason, leaving the view as it was.
    void potHoldsJInTheFitDialogAndTheMap() {
        ScriptedInterface ui;
        dialogs::FitSettings start;
        start.box.lo = {3000, 5000, 10};
        start.box.hi = {7000, 40000, 100};
        start.free[fit::kJWert] = false;
        start.jIgnored = true;
        dialogs::FitDialog dlg(ui, start);
        QVERIFY(!dlg.freeBox(fit::kJWert)->isEnabled());
        QVERIFY(!dlg.freeBox(fit::kJWert)->isChecked());
        dlg.freeBox(fit::kJWert)->setChecked(true);
        dlg.onOk();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.settings().free[fit::kJWert]);

        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        makeCase(doc, 3);
        views::MisfitMapView view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        view.setPair(1); // OGIP – J-Wert
        view.setPoints(5);
        view.OnComputeMap();
        QCOMPARE(view.state(), views::MisfitMapView::State::Empty);
        QCOMPARE(ui.messages.size(), 1);
        QVERIFY(
            ui.messages[0].startsWith(QStringLiteral("Das Topf-Modell hängt nicht vom J-Wert")));
        view.setPair(0);
        view.setOptimiseThird(true);
        view.OnComputeMap();
        view.waitForMap();
        QCOMPARE(view.state(), views::MisfitMapView::State::Current);
        QVERIFY(!view.map().optimiseThird);
        for (const fit::MapCell& cell : view.map().cells)
            QCOMPARE(cell.x[fit::kJWert], 40.0);
    }
};

QTEST_MAIN(TestModelComparisonGui)
#include "tst_model_comparison_gui.moc"
