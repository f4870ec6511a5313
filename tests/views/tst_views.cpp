// The report view and the chart view: what the chart puts on an image (frame, curves inside
// the plot area, legend), its sizes on screen, with the magnifier and on printed pages, the
// rescale on new data, and the page counts of the printed report.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "document/CBrelvanDoc.h"
#include "views/CBrelvanView.h"
#include "views/CGrafik.h"
#include "views/ChartExport.h"
#include "views/GraphChart.h"
#include "views/LoMetricDC.h"

using namespace brelvan::views;

namespace {

// The worked example's shape: ten years, falling pressure, rising influx, three measurements.
void fillCase(CBrelvanDoc& doc) {
    doc.OnNewDocument();
    doc.m_strFeldname = "Beispielfeld";
    const float x[] = {0, 366, 731, 912, 1096};
    const float p[] = {250, 223.8f, 201.8f, 194.4f, 182.5f};
    const float we[] = {0, 1.2f, 3.9f, 5.1f, 6.8f};
    for (int i = 0; i < 5; ++i) {
        doc.m_fXRechen[i] = x[i];
        doc.m_fPRechen[i] = p[i];
        doc.m_fWERechen[i] = we[i];
    }
    doc.m_MaxWerte = 4;
    const int measured[] = {0, 1, 2, 4};
    const float pm[] = {250, 225, 205, 185};
    for (int j = 0; j < 4; ++j) {
        doc.m_fXMess[j] = x[measured[j]];
        doc.m_fPMess[j] = pm[j];
    }
    doc.m_Max2Werte = 3;
    doc.m_bNeueDaten = true;
}

QImage render(GraphChart& chart, int dpi = 96) {
    const QSize size = chartCanvasSize({chart.m_bGrafiklupe, ChartLayout::Page::Screen});
    QImage image(size.width() * dpi / 254, size.height() * dpi / 254, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.plot(painter);
    return image;
}

// Pixels of a colour inside a rectangle of the image.
int countColour(const QImage& image, const QRect& r, QRgb colour) {
    int n = 0;
    const QRect area = r.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff)) {
                ++n;
            }
        }
    }
    return n;
}

// The device rectangle of a logical rectangle of the chart at 96 dpi.
QRect deviceRect(int left, int top, int right, int bottom) {
    QImage probe(10, 10, QImage::Format_RGB32);
    probe.setDotsPerMeterX(3780);
    probe.setDotsPerMeterY(3780);
    QPainter painter(&probe);
    LoMetricDC dc(painter);
    dc.setWindowOrigin(GraphChart::kOriginX, GraphChart::kOriginY);
    return QRectF(dc.toDevice(left, top), dc.toDevice(right, bottom)).toAlignedRect();
}

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = f.readAll();
    return static_cast<int>(
        QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

} // namespace

class TestViews : public QObject {
    Q_OBJECT
private slots:
    void chartShowsFrameCurvesAndLegend_data() {
        QTest::addColumn<bool>("lupe");
        QTest::newRow("screen") << false;
        QTest::newRow("magnifier") << true;
    }
    void chartShowsFrameCurvesAndLegend() {
        QFETCH(bool, lupe);
        CBrelvanDoc doc;
        fillCase(doc);
        GraphChart chart(&doc);
        chart.m_bGrafiklupe = lupe;
        chart.OnGraf();
        const int w = chart.m_breite;
        const int h = chart.m_hoehe;
        QCOMPARE(w, lupe ? 1950 : 1300);
        QCOMPARE(h, lupe ? 1125 : 750);
        const QImage image = render(chart);

        // The three curves inside the plot area.
        const QRect inside = deviceRect(5, -5, w - 5, -h + 5);
        QVERIFY(countColour(image, inside, qRgb(255, 0, 0)) > 50);
        QVERIFY(countColour(image, inside, qRgb(0, 0, 255)) > 20);
        QVERIFY(countColour(image, inside, qRgb(0, 255, 0)) > 50);
        // Nothing of the curves above the plot area.
        QCOMPARE(countColour(image, deviceRect(-400, 300, w + 400, 10), qRgb(255, 0, 0)), 0);

        // The frame: black on all four edges.
        const QRect frame = deviceRect(0, 0, w, -h);
        const int midX = frame.center().x();
        const int midY = frame.center().y();
        const auto blackNear = [&](int x, int y) {
            return countColour(image, QRect(x - 2, y - 2, 5, 5), qRgb(0, 0, 0)) > 0;
        };
        QVERIFY(blackNear(frame.left(), midY));
        QVERIFY(blackNear(frame.right(), midY));
        QVERIFY(blackNear(midX, frame.top()));
        QVERIFY(blackNear(midX, frame.bottom()));

        // The legend below the plot area: a red, a green and a blue line, top to bottom.
        const QRect legend = deviceRect(w / 2, -h - 100, w, -h - 260);
        const QRect red = deviceRect(w / 2, -h - 140, w, -h - 160);
        const QRect green = deviceRect(w / 2, -h - 180, w, -h - 200);
        const QRect blue = deviceRect(w / 2, -h - 220, w, -h - 240);
        QVERIFY(countColour(image, red, qRgb(255, 0, 0)) > 10);
        QVERIFY(countColour(image, green, qRgb(0, 255, 0)) > 10);
        QVERIFY(countColour(image, blue, qRgb(0, 0, 255)) > 5);
        QVERIFY(countColour(image, legend, qRgb(0, 0, 0)) > 50); // the captions
    }

    void chartViewRescalesOnlyOnNewData() {
        CBrelvanDoc doc;
        fillCase(doc);
        doc.m_bNeueDaten = false;
        CGrafik view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        view.resize(800, 600);
        QImage image(400, 300, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            view.OnDraw(painter, {});
        }
        QVERIFY(!view.m_bKurven); // flag clear: nothing drawn, nothing scaled
        doc.m_bNeueDaten = true;
        {
            QPainter painter(&image);
            view.OnDraw(painter, {});
        }
        QVERIFY(view.m_bKurven);
        QVERIFY(!doc.m_bNeueDaten);
        QCOMPARE(view.m_xmax, 1200.0);
        // Later paints keep the ranges until the flag is set again.
        doc.m_fXRechen[4] = 5000;
        {
            QPainter painter(&image);
            view.OnDraw(painter, {});
        }
        QCOMPARE(view.m_xmax, 1200.0);
        doc.m_bNeueDaten = true;
        {
            QPainter painter(&image);
            view.OnDraw(painter, {});
        }
        QCOMPARE(view.m_xmax, 5000.0);
    }

    void magnifierTogglesAndChecks() {
        CBrelvanDoc doc;
        fillCase(doc);
        CGrafik view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        view.resize(900, 700);
        const QImage before = view.viewport()->grab().toImage();
        brelvan::cmd::CmdUI ui;
        QVERIFY(view.OnUpdateCmdUI(brelvan::cmd::ID_GRAFIKLUPE, ui));
        QVERIFY(ui.enabled && !ui.checked);
        QVERIFY(view.OnCmdMsg(brelvan::cmd::ID_GRAFIKLUPE));
        QCOMPARE(view.m_breite, 1950);
        QVERIFY(view.OnUpdateCmdUI(brelvan::cmd::ID_GRAFIKLUPE, ui));
        QVERIFY(ui.enabled && ui.checked);
        QVERIFY(view.viewport()->grab().toImage() != before);
        view.OnCmdMsg(brelvan::cmd::ID_GRAFIKLUPE);
        QCOMPARE(view.m_breite, 1300);
        QCOMPARE(view.viewport()->grab().toImage(), before);
        // The scroll sizes stay those of the chart whatever the magnifier.
        QCOMPARE(view.totalSize(), QSize(2500, 2200));
    }

    void chartPrintsOnePageAndRestoresTheScreen_data() {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("lupe");
        QTest::newRow("portrait") << false << false;
        QTest::newRow("landscape") << true << false;
        QTest::newRow("landscape, magnifier on") << true << true;
    }
    void chartPrintsOnePageAndRestoresTheScreen() {
        QFETCH(bool, landscape);
        QFETCH(bool, lupe);
        QTemporaryDir dir;
        CBrelvanDoc doc;
        fillCase(doc);
        CGrafik view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        view.m_bGrafiklupe = lupe;
        view.OnCompute();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QString pdf = dir.filePath("grafik.pdf");
        printer.setOutputFileName(pdf);
        QCOMPARE(view.printDirect(printer), 1);
        QCOMPARE(pdfPages(pdf), 1);
        QCOMPARE(view.m_rectDruck.width() > 0, true);
        QCOMPARE(std::abs(view.m_rectDruck.height()) > view.m_rectDruck.width(), !landscape);
        QVERIFY(!view.m_bPrint);
        QVERIFY(view.m_bHochformat);
        QCOMPARE(view.m_breite, lupe ? 1950 : 1300);
        QCOMPARE(view.m_hoehe, lupe ? 1125 : 750);
    }

    void printedChartSizes() {
        CBrelvanDoc doc;
        fillCase(doc);
        GraphChart chart(&doc);
        chart.m_bPrint = true;
        chart.OnGraf();
        QCOMPARE(QSize(chart.m_breite, chart.m_hoehe), QSize(1300, 2100));
        chart.m_bHochformat = false;
        chart.worldtrans();
        QCOMPARE(QSize(chart.m_breite, chart.m_hoehe), QSize(2200, 1300));
        chart.setScreenLayout();
        QCOMPARE(QSize(chart.m_breite, chart.m_hoehe), QSize(1300, 750));
    }

    void reportPageCounts_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty report, heading only") << 0 << false << 1;
        QTest::newRow("60 portrait") << 60 << false << 1;
        QTest::newRow("61 portrait") << 61 << false << 2;
        QTest::newRow("100 landscape") << 100 << true << 3;
        QTest::newRow("122 portrait") << 122 << false << 3;
    }
    void reportPageCounts() {
        QFETCH(int, lines);
        QFETCH(bool, landscape);
        QTemporaryDir dir;
        CBrelvanDoc doc;
        doc.OnNewDocument();
        for (int i = 0; i < lines; ++i) {
            doc.m_Ausgabe.push_back("Zeile " + std::to_string(i + 1));
        }
        CBrelvanView view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QString pdf = dir.filePath("bericht.pdf");
        printer.setOutputFileName(pdf);
        QTEST(view.printDirect(printer), "pages");
        QTEST(pdfPages(pdf), "pages");
        QCOMPARE(CBrelvanView::linesPerPage(view.m_rectDraw), landscape ? 40 : 61);
    }

    void reportScrollSizesAndLines() {
        CBrelvanDoc doc;
        doc.OnNewDocument();
        CBrelvanView view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        QCOMPARE(view.totalSize(), QSize(2000, 11000));
        QCOMPARE(view.pageSize(), QSize(1000, 5500));
        QCOMPARE(view.lineSize(), QSize(40, 220));
        view.resize(600, 400);
        const QImage empty = view.viewport()->grab().toImage();
        QCOMPARE(countColour(empty, empty.rect(), qRgb(0, 0, 0)), 0); // no report: nothing
        doc.m_Ausgabe = {"ERSTE ZEILE", "", "DRITTE ZEILE"};
        view.OnUpdate();
        const QImage shown = view.viewport()->grab().toImage();
        QVERIFY(shown != empty);
    }

    void exportWritesEveryFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::newRow("png") << "a.png" << 0;
        QTest::newRow("svg") << "a.svg" << 0;
        QTest::newRow("pdf portrait") << "a.pdf" << 1;
        QTest::newRow("png landscape") << "b.png" << 2;
    }
    void exportWritesEveryFormat() {
        QFETCH(QString, name);
        QFETCH(int, page);
        QTemporaryDir dir;
        CBrelvanDoc doc;
        fillCase(doc);
        ChartLayout layout;
        layout.page = static_cast<ChartLayout::Page>(page);
        QString error;
        QVERIFY2(exportChart(doc, dir.filePath(name), layout, &error), qPrintable(error));
        QVERIFY(QFile(dir.filePath(name)).size() > 1000);
        QVERIFY(doc.m_bNeueDaten); // the export leaves the view's flag alone
        if (name.endsWith(".png")) {
            const QImage image(dir.filePath(name));
            QVERIFY(countColour(image, image.rect(), qRgb(255, 0, 0)) > 50);
            QCOMPARE(image.width() > image.height(), page != 1);
        }
        QVERIFY(!exportChart(doc, dir.filePath("a.bmpx"), layout, &error));
        QVERIFY(error.contains("Dateiendung"));
    }
};

QTEST_MAIN(TestViews)
#include "tst_views.moc"
