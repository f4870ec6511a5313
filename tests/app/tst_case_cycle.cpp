// The editing cycle across cases in the desktop program: the chart of a case first shown
// uncomputed, the export after opening a second case, and File New after an opened case.
#include <QAction>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include "app/CBrelvanApp.h"
#include "app/CMainFrame.h"
#include "app/ExportCommand.h"
#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"
#include "testing/FakeUserInterface.h"
#include "testing/WorkedCase.h"
#include "views/CGrafik.h"
#include "views/GraphChart.h"

using namespace brelvan::app;
using namespace brelvan::cmd;
using brelvan::views::CGrafik;
using brelvan::views::GraphChart;

namespace {

// The worked case under another name and with other values, saved into `folder`.
QString writeCase(const QString& folder, const char* name, const std::string& field, double ogip,
                  double wip) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    doc.m_strFeldname = field;
    doc.m_dOGIP = ogip;
    doc.m_dWIP = wip;
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
    return doc.OnSaveDocument(path.toStdString()) ? path : QString();
}

// The chart's scale of a case computed directly after opening it.
struct Scale {
    double xmin, xmax, ymin, ymax, y1min, y1max, dx, dy, dy1;
    bool operator==(const Scale&) const = default;
};
Scale scaleOf(const brelvan::views::GraphScaling& g) {
    return {g.m_xmin,  g.m_xmax,   g.m_ymin,   g.m_ymax,   g.m_y1min,
            g.m_y1max, g.m_deltax, g.m_deltay, g.m_deltay1};
}
Scale directScale(const QString& path) {
    DialogPlayer ui;
    CBrelvanDoc doc;
    doc.setUserInterface(&ui);
    doc.OnOpenDocument(path.toStdString());
    GraphChart chart;
    chart.setDocument(&doc);
    chart.setScreenLayout();
    chart.OnGraf();
    return scaleOf(chart);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCaseCycle : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    DialogPlayer* m_ui = nullptr;
    CBrelvanApp* m_app = nullptr;

    CMainFrame& frame() { return *m_app->frame(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_ui = new DialogPlayer;
        m_app = new CBrelvanApp(*m_ui);
        m_app->m_askSave = [](const QString&) { return 1; };
        QCOMPARE(m_app->InitInstance({}), CBrelvanApp::Start::Run);
    }
    void cleanup() {
        g_chooseExportFile = nullptr;
        delete m_app;
        delete m_ui;
    }

    // The main window opens within the screen's free area and no larger than it.
    void mainWindowFitsTheScreen() {
        const QRect free = frame().screen()->availableGeometry();
        QTest::qWait(10);
        const QRect outer = frame().frameGeometry();
        QVERIFY2(outer.width() <= free.width() && outer.height() <= free.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(outer.width()).arg(outer.height())));
        QVERIFY(free.contains(outer.topLeft()));
    }

    // Open, Abbrechen (the case shown uncomputed), the chart, then OK without a change: the
    // chart has the scale of the computed case, not of the empty one it showed before.
    void chartAfterCancelViewCompute() {
        const QString path = writeCase(m_dir.path(), "a.brv", "Feld A", 5000, 20000);
        m_ui->confirm = false;
        QVERIFY(m_app->OpenDocumentFile(path));
        QVERIFY(!m_app->document().m_bBerechnet);
        frame().OnCommand(ID_GRAFIK);
        auto* chart = qobject_cast<CGrafik*>(frame().GetActiveView());
        QVERIFY(chart);
        chart->grab(); // paints the blank chart
        m_ui->confirm = true;
        frame().OnCommand(ID_DATA_CHANGE);
        QVERIFY(m_app->document().m_bBerechnet);
        chart->grab();
        QVERIFY(chart->m_bKurven);
        const Scale shown = scaleOf(*chart);
        const Scale direct = directScale(path);
        QCOMPARE(shown.xmin, direct.xmin);
        QCOMPARE(shown.xmax, direct.xmax);
        QCOMPARE(shown.ymin, direct.ymin);
        QCOMPARE(shown.ymax, direct.ymax);
        QVERIFY(shown == direct);
        // The magnifier and back give the same picture: nothing was left to mend.
        frame().OnCommand(ID_GRAFIKLUPE);
        frame().OnCommand(ID_GRAFIKLUPE);
        QVERIFY(scaleOf(*chart) == direct);
    }

    // Case A with a sensitivity search, then case B: B's export holds B's numbers only, byte
    // for byte what exporting B alone writes.
    void exportAfterOpeningASecondCase() {
        const QString a = writeCase(m_dir.path(), "a.brv", "Feld A", 5000, 20000);
        const QString b = writeCase(m_dir.path(), "b.brv", "Feld B", 8000, 5000);
        QString target;
        g_chooseExportFile = [&](QWidget*, const QString&, QString& filter) {
            filter = exportFilters()[0];
            return target;
        };
        auto exportTo = [&](const QString& file) {
            target = m_dir.filePath(file);
            QAction* action = frame().findChild<QAction*>(QStringLiteral("ID_FILE_EXPORT"));
            QVERIFY(action);
            action->trigger();
        };

        // B alone.
        QVERIFY(m_app->OpenDocumentFile(b));
        exportTo(QStringLiteral("b-allein.csv"));
        const QByteArray alone = readAll(m_dir.filePath(QStringLiteral("b-allein.csv")));
        QVERIFY(!alone.isEmpty());

        m_ui->edit = [](DlgInputData& d) {
            d.m_dMinOGIP = 4000;
            d.m_dMaxOGIP = 6000;
            d.m_dMinWIP = 1000;
            d.m_dMaxWIP = 3000;
            d.m_dMinJ = 10;
            d.m_dMaxJ = 100;
            d.m_bSensitivitaet = 1;
        };
        m_ui->defaultAnswer = true;
        QVERIFY(m_app->OpenDocumentFile(a));
        QCOMPARE(m_app->document().m_SensWerte.size(), std::size_t(64));
        m_ui->edit = nullptr;
        m_ui->defaultAnswer = false;
        QVERIFY(m_app->OpenDocumentFile(b));
        exportTo(QStringLiteral("b.csv"));
        const QByteArray second = readAll(m_dir.filePath(QStringLiteral("b.csv")));
        QVERIFY(!second.contains("Sensitivit"));
        QCOMPARE(second, alone);

        // Changing the case by hand forgets the search results as well.
        m_ui->edit = [](DlgInputData& d) {
            d.m_dMinOGIP = 4000;
            d.m_dMaxOGIP = 9000;
            d.m_dMinWIP = 1000;
            d.m_dMaxWIP = 9000;
            d.m_dMinJ = 10;
            d.m_dMaxJ = 100;
            d.m_bSensitivitaet = 1;
        };
        m_ui->defaultAnswer = true;
        frame().OnCommand(ID_DATA_CHANGE);
        QCOMPARE(m_app->document().m_SensWerte.size(), std::size_t(64));
        m_ui->edit = [](DlgInputData& d) { d.m_dJWert = 20; };
        frame().OnCommand(ID_DATA_CHANGE);
        QVERIFY(m_app->document().m_SensWerte.empty());
    }

    // File New after an opened case: an untitled case without a field name, and its first
    // Save asks for a name instead of writing over the case opened before.
    void newForgetsTheOpenedFile() {
        const QString a = writeCase(m_dir.path(), "a.brv", "Feld A", 5000, 20000);
        const QByteArray before = readAll(a);
        QVERIFY(m_app->OpenDocumentFile(a));
        QString shownName = QStringLiteral("?");
        m_ui->edit = [&](DlgInputData& d) {
            shownName = QString::fromStdString(d.m_strFeldname);
            worked_case::setReservoir(d);
            d.m_Zeilen = worked_case::lines();
            d.m_ListDruck = worked_case::lines();
            d.m_dOGIP = 7000;
        };
        frame().OnCommand(ID_FILE_NEW);
        QCOMPARE(shownName, QString());
        QVERIFY(m_app->document().m_strFeldname.empty());
        QVERIFY(m_app->document().GetPathName().empty());
        int asked = 0;
        m_app->m_chooseFile = [&](bool save, const QString&) {
            ++asked;
            return save ? m_dir.filePath(QStringLiteral("neu.brv")) : QString();
        };
        frame().OnCommand(ID_FILE_SAVE);
        QCOMPARE(asked, 1);
        QCOMPARE(readAll(a), before);
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("neu.brv"))));
    }
};

QTEST_MAIN(TestCaseCycle)
#include "tst_case_cycle.moc"
