// The diagnostic plots: what a rendered plot contains (markers, lines, the legend below, axis
// titles), the verdict in the titles, and the files of every format with their failures.
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLegendMarker>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <QXYSeries>
#include <cmath>

#include "document/CBrelvanDoc.h"
#include "views/DiagnosticChart.h"
#include "views/DiagnosticView.h"

using namespace brelvan::views;
using brelvan::engine::RowRecord;

namespace {

const QRgb kMeasured = qRgb(0, 150, 0);
const QRgb kComputed = qRgb(200, 0, 0);

// A reservoir with water support: p/z from the material balance with a growing influx, the
// measured pressures a little off the computed ones.
DiagnosticData sample() {
    DiagnosticData d;
    d.valid = true;
    d.fieldName = "Beispielfeld";
    d.pInit = 250;
    d.chartType = 0;
    const double ogip = 5000, pzInit = 267.4, t = 80;
    const double vInit = ogip / brelvan::engine::expansionFactor(pzInit, t);
    const double gp[] = {300, 700, 1100, 1500, 2000};
    const double we[] = {0.2, 0.8, 1.6, 2.6, 4.0};
    for (int i = 0; i < 5; ++i) {
        RowRecord r;
        r.days = 365.0 * (i + 1);
        r.gp = gp[i];
        r.we = we[i];
        r.pz = pzInit * (1 - gp[i] / ogip) / (1 - we[i] / vInit);
        r.p = r.pz * 0.93;
        r.measured = i != 2;
        r.pMeasured = r.measured ? r.p + (i % 2 ? 1.5 : -1.0) : 0;
        r.pzMeasured = r.measured ? r.pMeasured / 0.93 : 0;
        d.rows.push_back(r);
    }
    d.diag = brelvan::engine::diagnose(d.rows, pzInit, t, ogip, d.chartType);
    return d;
}

int countColour(const QImage& image, const QRect& r, QRgb colour, int tolerance = 40) {
    int n = 0;
    const QRect area = r.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                    std::abs(qBlue(p) - qBlue(colour)) <=
                tolerance) {
                ++n;
            }
        }
    }
    return n;
}

QImage render(DiagnosticKind kind, const DiagnosticData& data, QSize size = QSize(1000, 700)) {
    std::unique_ptr<QChart> chart(createDiagnosticChart(kind, data));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderChart(*chart, painter, QRectF(QPointF(0, 0), QSizeF(size)), size);
    return image;
}

} // namespace

class TestDiagnosticViews : public QObject {
    Q_OBJECT
private slots:
    void plotsShowMarkersLinesAndLegend_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("computedLine");
        QTest::newRow("verlauf") << 0 << true;
        QTest::newRow("pz") << 1 << true;
        QTest::newRow("cole") << 2 << true;
        QTest::newRow("ho") << 3 << false;
        QTest::newRow("residuen") << 4 << false;
    }
    void plotsShowMarkersLinesAndLegend() {
        QFETCH(int, kind);
        QFETCH(bool, computedLine);
        const DiagnosticData data = sample();
        const auto k = static_cast<DiagnosticKind>(kind);
        std::unique_ptr<QChart> chart(createDiagnosticChart(k, data));
        QVERIFY(chart->legend()->isVisible());
        QVERIFY(chart->legend()->markers().size() >= 2);
        for (QAbstractAxis* a : chart->axes()) {
            QVERIFY2(!a->titleText().isEmpty(), "every axis has a title");
        }
        const QImage image = render(k, data);
        const int h = image.height();
        // Plot area: the upper four fifths; legend: the lowest tenth.
        const QRect plot(0, 0, image.width(), h * 4 / 5);
        const QRect legend(0, h * 9 / 10, image.width(), h / 10);
        QVERIFY2(countColour(image, plot, kMeasured) > 100, "markers of the measured points");
        QVERIFY2(countColour(image, legend, kMeasured) > 10, "legend entry of the markers");
        if (computedLine) {
            QVERIFY2(countColour(image, plot, kComputed) > 100, "the computed curve");
        }
        // Not a blank picture: dark text and axes.
        QVERIFY(countColour(image, image.rect(), qRgb(0, 0, 0), 200) > 500);
    }

    // The p/z and Cole plots carry the check's verdict; the residual plot its RMS.
    void titlesCarryCheckAndRms() {
        const DiagnosticData data = sample();
        std::unique_ptr<QChart> pz(createDiagnosticChart(DiagnosticKind::PZ, data));
        std::unique_ptr<QChart> cole(createDiagnosticChart(DiagnosticKind::Cole, data));
        std::unique_ptr<QChart> res(createDiagnosticChart(DiagnosticKind::Residuals, data));
        const QString verdict =
            QString::fromStdString(brelvan::engine::verdictLine(data.diag.check));
        QVERIFY(pz->title().contains(verdict));
        QVERIFY(cole->title().contains(verdict));
        QVERIFY(pz->title().contains("Beispielfeld"));
        QVERIFY(res->title().contains(QString::number(data.diag.rms, 'f', 2)));
        // Without a computed case the plot says so instead of drawing empty curves.
        std::unique_ptr<QChart> none(createDiagnosticChart(DiagnosticKind::PZ, DiagnosticData{}));
        QVERIFY(none->series().isEmpty());
        QVERIFY(none->title().contains("Keine Ergebnisse"));
    }

    void exportWritesEveryFormat() {
        QTemporaryDir dir;
        dir.setAutoRemove(qEnvironmentVariableIsEmpty("BRELVAN_KEEP_OUTPUT"));
        const DiagnosticData data = sample();
        for (DiagnosticKind k : kDiagnosticKinds) {
            for (const char* ext : {"svg", "png", "pdf"}) {
                const QString path =
                    dir.filePath(QStringLiteral("%1.%2").arg(diagnosticName(k), ext));
                const brelvan::IoResult<> written = exportDiagnosticChart(k, data, path);
                QVERIFY2(written, written.error().c_str());
                QFile f(path);
                QVERIFY(f.open(QIODevice::ReadOnly));
                const QByteArray head = f.read(8);
                if (QLatin1String(ext) == "png") {
                    QVERIFY(head.startsWith("\x89PNG"));
                    QImage image(path);
                    QVERIFY(countColour(image, image.rect(), kMeasured) > 100);
                } else if (QLatin1String(ext) == "pdf") {
                    QVERIFY(head.startsWith("%PDF"));
                } else {
                    QVERIFY(head.startsWith("<?xml"));
                }
            }
        }
        const brelvan::IoResult<> unknown =
            exportDiagnosticChart(DiagnosticKind::PZ, data, dir.filePath("x.bmp"));
        QVERIFY(!unknown);
        QVERIFY(unknown.error().find(".svg") != std::string::npos);
        const brelvan::IoResult<> noFolder =
            exportDiagnosticChart(DiagnosticKind::PZ, data, "/nonexistent/dir/x.png");
        QVERIFY(!noFolder);
        QVERIFY(noFolder.error().find("kann nicht geschrieben werden") != std::string::npos);
    }
};

QTEST_MAIN(TestDiagnosticViews)
#include "tst_diagnostic_views.moc"
