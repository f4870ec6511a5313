// The diagnostic views in the main window: each is reached by its command, created once and
// reused; the update handlers gray the command of the plot shown; the context menu opens in
// them; they follow the document; they print one page in either orientation; hover read-out
// and zoom with its reset.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <QValueAxis>
#include <QXYSeries>
#include <cmath>

#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "app/DiagnosticViews.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "document/HeadlessSession.h"
#include "testing/FakeUserInterface.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"
#include "views/CBrelvanView.h"
#include "views/DiagnosticCommands.h"
#include "views/DiagnosticView.h"

using namespace brelvan::app;
using namespace brelvan::cmd;
using namespace brelvan::views;

namespace {} // namespace

class TestDiagnosticFrame : public QObject {
    Q_OBJECT
    DialogPlayer m_ui;
    CBrelvanApp* m_app = nullptr;
    QTemporaryDir m_dir;

    CMainFrame& frame() { return *m_app->frame(); }
    DiagnosticView* active() { return qobject_cast<DiagnosticView*>(frame().GetActiveView()); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                  QStringLiteral("brelvan"))
            .clear();
    }
    void init() {
        m_app = new CBrelvanApp(m_ui);
        m_app->m_askSave = [](const QString&) { return 1; };
        QCOMPARE(m_app->InitInstance({}), CBrelvanApp::Start::Run);
        CBrelvanDoc doc;
        worked_case::set(doc);
        const QString path = m_dir.filePath(QStringLiteral("beispiel.brv"));
        QVERIFY(doc.OnSaveDocument(path.toStdString()));
        QVERIFY(m_app->OpenDocumentFile(path));
    }
    void cleanup() { delete m_app; }

    void eachViewCreatedOnceAndGrayedWhileShown() {
        int before[5];
        for (DiagnosticKind k : kDiagnosticKinds) {
            before[static_cast<int>(k)] = DiagnosticView::instanceCount(k);
        }
        for (int round = 0; round < 2; ++round) {
            for (DiagnosticKind k : kDiagnosticKinds) {
                const int id = diagnosticCommand(k);
                QVERIFY(frame().action(id)->isEnabled());
                frame().action(id)->trigger();
                QVERIFY(active());
                QCOMPARE(active()->kind(), k);
                QCOMPARE(active()->GetDocument(), &m_app->document());
                // The plot shown is grayed, every other view can be reached.
                for (DiagnosticKind other : kDiagnosticKinds) {
                    QCOMPARE(frame().action(diagnosticCommand(other))->isEnabled(), other != k);
                }
                QVERIFY(frame().action(ID_GRAFIK)->isEnabled());
                QVERIFY(frame().action(ID_TEXT)->isEnabled());
                QVERIFY(frame().action(ID_DIAG_EXPORT)->isEnabled());
                QVERIFY(!frame().action(ID_GRAFIKLUPE)->isEnabled());
                QVERIFY(frame().action(ID_FILE_PRINT)->isEnabled());
                frame().OnCommand(ID_TEXT);
                QVERIFY(qobject_cast<CBrelvanView*>(frame().GetActiveView()));
                QVERIFY(!frame().action(ID_DIAG_EXPORT)->isEnabled());
            }
        }
        for (DiagnosticKind k : kDiagnosticKinds) {
            QCOMPARE(DiagnosticView::instanceCount(k) - before[static_cast<int>(k)], 1);
            QVERIFY(frame().findView(diagnosticViewNumber(k)));
        }
    }

    void contextMenuOpensInThePlot() {
        frame().OnCommand(ID_DIAG_COLE);
        QPoint shownAt;
        frame().m_popupMenu = [&](QMenu& menu, const QPoint& pos) {
            shownAt = pos;
            for (QAction* a : menu.actions()) {
                if (a->data().toInt() == ID_DIAG_COLE) {
                    QVERIFY(!a->isEnabled());
                }
                if (a->data().toInt() == ID_DIAG_PZ) {
                    a->trigger();
                }
            }
        };
        QWidget* chart = active()->chartView()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(40, 50),
                                chart->mapToGlobal(QPoint(40, 50)));
        QApplication::sendEvent(chart, &event);
        QCOMPARE(shownAt, chart->mapToGlobal(QPoint(40, 50)));
        QVERIFY(active());
        QCOMPARE(active()->kind(), DiagnosticKind::PZ);
    }

    // A changed and recomputed case reaches the plot shown and, when next shown, a hidden one.
    void followTheDocument() {
        frame().OnCommand(ID_DIAG_HISTORY);
        DiagnosticView* verlauf = active();
        frame().OnCommand(ID_DIAG_COLE);
        DiagnosticView* cole = active();
        QVERIFY(cole->data().valid);
        QCOMPARE(cole->data().diag.ogip, worked_case::kOGIP);
        CBrelvanDoc& doc = m_app->document();
        doc.m_dOGIP = 6000;
        doc.m_iGrafiktyp = 1;
        doc.compute();
        frame().UpdateAllViews();
        QCOMPARE(cole->data().diag.ogip, 6000.0);
        frame().OnCommand(ID_DIAG_HISTORY);
        QCOMPARE(active(), verlauf);
        QCOMPARE(verlauf->data().diag.ogip, 6000.0);
        auto* x = qobject_cast<QValueAxis*>(verlauf->chart()->axes(Qt::Horizontal).first());
        QVERIFY(x->titleText().contains(QStringLiteral("Gp")));
        // A new case has no results: the plot says so.
        doc.OnNewDocument();
        frame().UpdateAllViews();
        QVERIFY(!verlauf->data().valid);
        QVERIFY(verlauf->chart()->title().contains(QStringLiteral("Keine Ergebnisse")));
    }

    void printsOnePageInEitherOrientation() {
        frame().OnCommand(ID_DIAG_PZ);
        for (auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
            const QString pdf = m_dir.filePath(QStringLiteral("druck%1.pdf").arg(orientation));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageOrientation(orientation);
            QCOMPARE(active()->printDirect(printer), 1);
            QCOMPARE(pdfPages(pdf.toStdString()), 1);
        }
    }

    void hoverAndZoom() {
        frame().OnCommand(ID_DIAG_HISTORY);
        DiagnosticView* view = active();
        QVERIFY(view);
        QXYSeries* measured = nullptr;
        for (QAbstractSeries* s : view->chart()->series()) {
            if (s->name().startsWith(QStringLiteral("Druck gemessen"))) {
                measured = qobject_cast<QXYSeries*>(s);
            }
        }
        if (!view->data().valid) {
            QSKIP("the case has no computed rows in this build");
        }
        QVERIFY(measured && measured->count() > 0);
        // The mouse moved over the first measured point (2 pixels off) shows its values.
        const QPointF p = measured->at(0);
        QChartView* chartView = view->chartView();
        const QPoint at = chartView->mapFromScene(
            view->chart()->mapToScene(view->chart()->mapToPosition(p, measured)));
        QTest::mouseMove(chartView->viewport(), at + QPoint(2, 1));
        QVERIFY(view->m_strHover.startsWith(QStringLiteral("Druck gemessen")));
        QVERIFY(view->m_strHover.contains(QString::number(p.y(), 'f', 2)));
        QVERIFY(view->m_strHover.contains(QStringLiteral("Zeit (Tage)")));
        QTest::mouseMove(chartView->viewport(), at + QPoint(40, -60));
        QVERIFY(view->m_strHover.isEmpty());

        auto* x = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Horizontal).first());
        const double min = x->min(), max = x->max();
        view->chart()->zoomIn(QRectF(view->chart()->plotArea().center(), QSizeF(53, 47)));
        QVERIFY(x->max() - x->min() < (max - min) / 2);
        // The zoomed axes keep round tick values: a step of 1, 2 or 5 times a power of ten,
        // the ticks on its multiples.
        for (QAbstractAxis* axis : view->chart()->axes()) {
            auto* a = qobject_cast<QValueAxis*>(axis);
            QVERIFY(a);
            QCOMPARE(a->tickType(), QValueAxis::TicksDynamic);
            QCOMPARE(a->tickAnchor(), 0.0);
            const double step = a->tickInterval();
            const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
            QVERIFY2(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                         std::abs(mantissa - 5) < 1e-9,
                     qPrintable(QString::number(step)));
            const double span = a->max() - a->min();
            QVERIFY(span / step >= 2 && span / step <= 12);
        }
        view->resetZoom();
        QCOMPARE(x->min(), min);
        QCOMPARE(x->max(), max);
    }
};

QTEST_MAIN(TestDiagnosticFrame)
#include "tst_diagnostic_frame.moc"
