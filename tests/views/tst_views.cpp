// The report view and the chart view: what the chart puts on an image (frame, curves inside
// the plot area, legend), its sizes on screen, with the magnifier and on printed pages, the
// rescale on new data, and the page counts of the printed report.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "document/CBrelvanDoc.h"
#include "testing/TestFiles.h"
#include "views/CBrelvanView.h"
#include "views/CGrafik.h"
#include "views/ChartExport.h"
#include "views/DiagnosticCommands.h"
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

} // namespace

class TestViews : public QObject {
    Q_OBJECT
private slots:
    // The x axis's first label "0" stands centred under its tick at the origin (the format's
    // padding blanks do not push it aside).
    void zeroLabelAtTheOrigin() {
        CBrelvanDoc doc;
        fillCase(doc);
        GraphChart chart(&doc);
        chart.setScreenLayout();
        chart.OnGraf();
        QCOMPARE(chart.m_xmin, 0.0);
        const int dpi = 192;
        QImage image(2000, 1600, QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
        image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
        image.fill(Qt::white);
        QPainter painter(&image);
        LoMetricDC dc(painter);
        dc.setWindowOrigin(GraphChart::kOriginX, GraphChart::kOriginY);
        dc.setFont(45, 700);
        dc.setTextAlign(TA_CENTER | TA_TOP);
        chart.xaxis(dc);
        painter.end();
        const int h = chart.m_hoehe;
        const QPointF origin = dc.toDevice(0, -h - 30);
        const QPointF below = dc.toDevice(0, -h - 30 - 45);
        const double room = dc.toDeviceX(60); // the "0" and its neighbourhood, not "500"
        double sum = 0;
        int n = 0;
        for (int y = int(origin.y()); y <= int(below.y()); ++y) {
            for (int x = int(origin.x() - room); x <= int(origin.x() + room); ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    sum += x;
                    ++n;
                }
            }
        }
        QVERIFY(n > 0);
        QVERIFY2(
            std::abs(sum / n - origin.x()) < dc.toDeviceX(5),
            qPrintable(QStringLiteral("label centre %1, origin %2").arg(sum / n).arg(origin.x())));
    }

    // The magnifier's scroll bars describe the canvas: the horizontal range is the canvas
    // width beyond the window, a page is the window, and the thumb moves as the content does.
    void magnifierScrollBarsFollowTheContent() {
        CBrelvanDoc doc;
        fillCase(doc);
        CGrafik view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        view.resize(700, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.OnGrafiklupe();
        QTest::qWait(20);
        QScrollBar* bar = view.horizontalScrollBar();
        const int canvas = view.totalSizePixels().width();
        QVERIFY(canvas > view.viewport()->width());
        QCOMPARE(bar->maximum(), canvas - view.viewport()->width());
        QCOMPARE(bar->pageStep(), view.viewport()->width());
        QCOMPARE(bar->value(), 0);
        const QImage before = view.viewport()->grab().toImage();
        QTest::keyClick(&view, Qt::Key_Right);
        const int moved = bar->value();
        QVERIFY(moved > 0);
        const QImage after = view.viewport()->grab().toImage();
        // The column now at x was at x + moved before.
        int same = 0, compared = 0;
        for (int y = 0; y < before.height(); y += 7) {
            for (int x = 0; x + moved < before.width(); x += 5) {
                ++compared;
                same += after.pixel(x, y) == before.pixel(x + moved, y);
            }
        }
        QVERIFY2(same > compared * 95 / 100,
                 qPrintable(QStringLiteral("%1 of %2").arg(same).arg(compared)));
    }

    // "Grafik exportieren …" in the chart view writes the chart as the batch tool does, and is
    // offered only for a computed case.
    void chartViewExports() {
        CBrelvanDoc doc;
        fillCase(doc);
        CGrafik view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("grafik.svg"));
        CGrafik::s_chooseExportFile = [path](QWidget*) { return path; };
        brelvan::cmd::CmdUI ui;
        QVERIFY(view.OnUpdateCmdUI(brelvan::cmd::ID_DIAG_EXPORT, ui));
        QVERIFY(ui.enabled);
        QVERIFY(view.OnCmdMsg(brelvan::cmd::ID_DIAG_EXPORT));
        QFile svg(path);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.contains("<svg"));
        QVERIFY(text.contains("Beispielfeld"));
        const QString same = dir.filePath(QStringLiteral("direkt.svg"));
        QVERIFY(exportChart(doc, same, {false, ChartLayout::Page::Screen}));
        QCOMPARE(QFileInfo(same).size(), QFileInfo(path).size());
        // Not computed: nothing to export.
        doc.m_bBerechnet = false;
        brelvan::cmd::CmdUI off;
        view.OnUpdateCmdUI(brelvan::cmd::ID_DIAG_EXPORT, off);
        QVERIFY(!off.enabled);
        QVERIFY(!view.OnExport());
        CGrafik::s_chooseExportFile = nullptr;
    }

    void chartShowsFrameCurvesAndLegend_data() {
        QTest::addColumn<bool>("magnified");
        QTest::newRow("screen") << false;
        QTest::newRow("magnifier") << true;
    }
    void chartShowsFrameCurvesAndLegend() {
        QFETCH(bool, magnified);
        CBrelvanDoc doc;
        fillCase(doc);
        GraphChart chart(&doc);
        chart.m_bGrafiklupe = magnified;
        chart.OnGraf();
        const int w = chart.m_breite;
        const int h = chart.m_hoehe;
        QCOMPARE(w, magnified ? 1950 : 1300);
        QCOMPARE(h, magnified ? 1125 : 750);
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
        // The magnified chart is wider than the usual range: the range grows with it.
        QCOMPARE(view.totalSize(), QSize(2750, 2200));
        QVERIFY(view.viewport()->grab().toImage() != before);
        view.OnCmdMsg(brelvan::cmd::ID_GRAFIKLUPE);
        QCOMPARE(view.m_breite, 1300);
        QCOMPARE(view.viewport()->grab().toImage(), before);
        QCOMPARE(view.totalSize(), QSize(2500, 2200));
    }

    void chartPrintsOnePageAndRestoresTheScreen_data() {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("magnified");
        QTest::newRow("portrait") << false << false;
        QTest::newRow("landscape") << true << false;
        QTest::newRow("landscape, magnifier on") << true << true;
    }
    void chartPrintsOnePageAndRestoresTheScreen() {
        QFETCH(bool, landscape);
        QFETCH(bool, magnified);
        QTemporaryDir dir;
        CBrelvanDoc doc;
        fillCase(doc);
        CGrafik view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        view.m_bGrafiklupe = magnified;
        view.OnCompute();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QString pdf = dir.filePath("grafik.pdf");
        printer.setOutputFileName(pdf);
        QCOMPARE(view.printDirect(printer), 1);
        QCOMPARE(pdfPages(pdf.toStdString()), 1);
        QCOMPARE(view.m_rectDruck.width() > 0, true);
        QCOMPARE(std::abs(view.m_rectDruck.height()) > view.m_rectDruck.width(), !landscape);
        QVERIFY(!view.m_bPrint);
        QVERIFY(view.m_bHochformat);
        QCOMPARE(view.m_breite, magnified ? 1950 : 1300);
        QCOMPARE(view.m_hoehe, magnified ? 1125 : 750);
    }

    // Every text of the chart lies inside the area it is drawn on, also with a long file
    // name and field name, on screen (with and without the magnifier) and on both pages.
    void nothingTheChartDrawsIsClipped_data() {
        QTest::addColumn<bool>("magnified");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        const QString longName = QStringLiteral("Lagerstätte Nord-West Erweiterung 2019 bis 2031 "
                                                "Variante B");
        QTest::newRow("screen, short") << false << 0 << QStringLiteral("fall");
        QTest::newRow("screen") << false << 0 << longName;
        QTest::newRow("screen, magnifier") << true << 0 << longName;
        QTest::newRow("portrait") << false << 1 << longName;
        QTest::newRow("landscape") << false << 2 << longName;
        QTest::newRow("screen, very long") << false << 0 << longName.repeated(4);
    }
    void nothingTheChartDrawsIsClipped() {
        QFETCH(bool, magnified);
        QFETCH(int, page);
        QFETCH(QString, name);
        CBrelvanDoc doc;
        fillCase(doc);
        doc.SetPathName("/daten/" + name.toStdString() + ".brv");
        doc.m_strFeldname = name.toStdString();
        GraphChart chart(&doc);
        chart.m_bGrafiklupe = magnified;
        chart.m_bPrint = page != 0;
        chart.m_bHochformat = page != 2;
        chart.OnGraf();
        const int dpi = 96;
        const QSize canvas =
            chartCanvasSize({magnified, static_cast<ChartLayout::Page>(page)}) * dpi / 254;
        QImage image(canvas, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        LoMetricDC dc(painter);
        chart.plot(dc);
        const QRectF texts = dc.textBounds();
        QVERIFY2(QRectF(image.rect()).contains(texts),
                 qPrintable(QStringLiteral("texts %1,%2 %3x%4 on %5x%6")
                                .arg(texts.x())
                                .arg(texts.y())
                                .arg(texts.width())
                                .arg(texts.height())
                                .arg(image.width())
                                .arg(image.height())));
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
        QTEST(pdfPages(pdf.toStdString()), "pages");
        QCOMPARE(CBrelvanView::linesPerPage(view.m_rectDraw), landscape ? 40 : 61);
    }

    void reportScrollSizesAndLines() {
        CBrelvanDoc doc;
        doc.OnNewDocument();
        CBrelvanView view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        view.resize(600, 400);
        const QImage empty = view.viewport()->grab().toImage();
        QCOMPARE(countColour(empty, empty.rect(), qRgb(0, 0, 0)), 0); // no report: nothing
        doc.m_Ausgabe = {"ERSTE ZEILE", "", "DRITTE ZEILE"};
        view.OnUpdate();
        const QImage shown = view.viewport()->grab().toImage();
        QVERIFY(shown != empty);
    }

    // A long report can be scrolled to its last line; the keys move by screens and to the
    // ends.
    void longReportScrollsToItsEnd() {
        CBrelvanDoc doc;
        doc.OnNewDocument();
        for (int i = 1; i <= 250; ++i) {
            doc.m_Ausgabe.push_back("Zeile " + std::to_string(i));
        }
        doc.m_Ausgabe.push_back("     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : 2.28 BAR");
        CBrelvanView view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        view.resize(600, 400);
        view.OnUpdate();
        // The line height the view draws with, in logical units.
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterX(qRound(view.viewport()->logicalDpiX() / 0.0254));
        probe.setDotsPerMeterY(qRound(view.viewport()->logicalDpiY() / 0.0254));
        QPainter painter(&probe);
        LoMetricDC dc(painter);
        dc.setFont(55, 600, QStringLiteral("Courier New"));
        const int h = dc.textExtent(QStringLiteral("0")).height();
        QVERIFY(view.totalSize().height() >= 252 * h);

        QScrollBar* bar = view.verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(&view, Qt::Key_PageUp);
        QCOMPARE(bar->value(), bar->maximum() - view.viewport()->height());
        QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(bar->value(), view.viewport()->height());
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(bar->value(), bar->maximum());
        // At the end, the last line is drawn in the lower part of the screen.
        const QImage end = view.viewport()->grab().toImage();
        const QRect lower(0, end.height() / 2, end.width(), end.height() / 2);
        QVERIFY(countColour(end, lower, qRgb(0, 0, 0)) > 0);

        // A short report has a short range again.
        doc.m_Ausgabe.resize(3);
        view.OnUpdate();
        QCOMPARE(bar->maximum(), 0);
    }

    // While the case on view is not computed, the report says so and the chart is empty.
    void aCaseNotYetComputedShowsNoOtherResults() {
        CBrelvanDoc doc;
        fillCase(doc);
        doc.m_Ausgabe = {"BERICHT DES VORIGEN FALLS"};
        doc.forgetResults();
        QCOMPARE(CBrelvanView::shownLines(doc),
                 std::vector<std::string>{"Der Fall ist noch nicht berechnet."});
        CBrelvanView report;
        report.setDocument(&doc);
        report.OnInitialUpdate();
        report.resize(600, 400);
        const QImage text = report.viewport()->grab().toImage();
        QVERIFY(countColour(text, text.rect(), qRgb(0, 0, 0)) > 0);

        fillCase(doc); // the series of another case
        doc.m_bBerechnet = false;
        CGrafik chart;
        chart.setDocument(&doc);
        chart.OnInitialUpdate();
        chart.resize(900, 700);
        const QImage image = chart.viewport()->grab().toImage();
        QCOMPARE(countColour(image, image.rect(), qRgb(255, 0, 0)), 0);
        QCOMPARE(countColour(image, image.rect(), qRgb(0, 0, 0)), 0);
        doc.m_bBerechnet = true;
        doc.m_bNeueDaten = true;
        const QImage drawn = chart.viewport()->grab().toImage();
        QVERIFY(countColour(drawn, drawn.rect(), qRgb(255, 0, 0)) > 10);
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
        const brelvan::IoResult<> written = exportChart(doc, dir.filePath(name), layout);
        QVERIFY2(written, written.error().c_str());
        QVERIFY(QFile(dir.filePath(name)).size() > 1000);
        QVERIFY(doc.m_bNeueDaten); // the export leaves the view's flag alone
        if (name.endsWith(".png")) {
            const QImage image(dir.filePath(name));
            QVERIFY(countColour(image, image.rect(), qRgb(255, 0, 0)) > 50);
            QCOMPARE(image.width() > image.height(), page != 1);
        }
        const brelvan::IoResult<> unknown = exportChart(doc, dir.filePath("a.bmpx"), layout);
        QVERIFY(!unknown);
        QVERIFY(QString::fromStdString(unknown.error()).contains("Dateiendung"));
    }

    // The chart file is written like a case file: through a link, never onto a FIFO.
    void exportLeavesLinksAndSpecialFiles() {
        QTemporaryDir dir;
        CBrelvanDoc doc;
        fillCase(doc);
        const QString target = dir.filePath("ziel.png");
        const QString link = dir.filePath("grafik.png");
        QVERIFY(QFile::link(target, link));
        const brelvan::IoResult<> throughLink = exportChart(doc, link, {});
        QVERIFY2(throughLink, throughLink.error().c_str());
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(QFile(target).size() > 1000);
        const QString fifo = dir.filePath("rohr.svg");
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
        const brelvan::IoResult<> onFifo = exportChart(doc, fifo, {});
        QVERIFY(!onFifo);
        QVERIFY2(QString::fromStdString(onFifo.error()).contains("keine gewöhnliche Datei"),
                 onFifo.error().c_str());
    }
};

QTEST_MAIN(TestViews)
#include "tst_views.moc"
