// The chart's scaling: steps, start values, the aligned y axes, the mapping into the plot
// area, the label formats, and the guards against bad counts and degenerate ranges.
#include <QElapsedTimer>
#include <QTest>
#include <cmath>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "views/GraphChart.h"
#include "views/GraphScaling.h"

using brelvan::views::GraphChart;
using brelvan::views::GraphScaling;

namespace {

struct Row {
    float x, p, we;
};

// A document whose computed rows are `rows` (entry 0 first) and whose measured points are
// the rows flagged in `measured`.
void fill(CBrelvanDoc& doc, const std::vector<Row>& rows, const std::vector<int>& measured = {}) {
    doc.OnNewDocument();
    for (size_t i = 0; i < rows.size(); ++i) {
        doc.m_fXRechen[i] = rows[i].x;
        doc.m_fPRechen[i] = rows[i].p;
        doc.m_fWERechen[i] = rows[i].we;
    }
    doc.m_MaxWerte = static_cast<int>(rows.size()) - 1;
    doc.m_fXMess[0] = rows[0].x;
    doc.m_fPMess[0] = rows[0].p;
    for (size_t j = 0; j < measured.size(); ++j) {
        doc.m_fXMess[j + 1] = rows[static_cast<size_t>(measured[j])].x;
        doc.m_fPMess[j + 1] = rows[static_cast<size_t>(measured[j])].p;
    }
    doc.m_Max2Werte = static_cast<int>(measured.size());
}

// The first tick value found by stepping, as the chart once did for large quotients.
double startByStepping(double min, double delta) {
    const double q = min / delta;
    const double e = std::trunc(std::log10(q));
    double v = std::pow(10.0, e) * delta - delta;
    while (v <= min - delta) {
        v += delta;
    }
    return v;
}

bool near(double a, double b, double tol = 1e-9) {
    return std::fabs(a - b) <= tol * std::max(1.0, std::fabs(b));
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Row>)

class TestGraphScaling : public QObject {
    Q_OBJECT
private slots:
    void delta_data() {
        QTest::addColumn<double>("range");
        QTest::addColumn<double>("step");
        QTest::newRow("3650 days") << 3650.0 << 500.0;
        QTest::newRow("100") << 100.0 << 20.0;
        QTest::newRow("39") << 39.0 << 5.0;
        QTest::newRow("12.3") << 12.3 << 2.0;
        QTest::newRow("1") << 1.0 << 0.2;
        QTest::newRow("0.05") << 0.05 << 0.01;
        QTest::newRow("0.042") << 0.042 << 0.005;
        QTest::newRow("8 gives 1") << 8.0 << 1.0;
        QTest::newRow("zero") << 0.0 << 1.0;
        QTest::newRow("negative") << -5.0 << 1.0;
        QTest::newRow("not a number") << std::nan("") << 1.0;
        QTest::newRow("infinite") << double(INFINITY) << 1.0;
    }
    void delta() {
        QFETCH(double, range);
        QFETCH(double, step);
        QVERIFY2(near(GraphScaling::delta(range), step),
                 qPrintable(QString::number(GraphScaling::delta(range), 'g', 17)));
    }

    void start_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("first");
        QTest::newRow("150/20") << 150.0 << 20.0 << 140.0;
        QTest::newRow("whole multiple") << 140.0 << 20.0 << 140.0;
        QTest::newRow("-37/10") << -37.0 << 10.0 << -40.0;
        QTest::newRow("-0.5/0.2") << -0.5 << 0.2 << -0.6;
        QTest::newRow("7.5/2.5") << 7.5 << 2.5 << 7.5;
        QTest::newRow("zero") << 0.0 << 5.0 << 0.0;
        QTest::newRow("tiny quotient") << 0.000001 << 0.2 << -0.199998;
        QTest::newRow("large quotient") << 123456.77 << 0.1 << 123456.7;
    }
    void start() {
        QFETCH(double, min);
        QFETCH(double, step);
        QFETCH(double, first);
        QVERIFY2(near(GraphScaling::start(min, step), first),
                 qPrintable(QString::number(GraphScaling::start(min, step), 'g', 17)));
    }

    // For quotients of 100000 and more the start equals what stepping finds.
    void startLargeQuotientMatchesStepping_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("step");
        QTest::newRow("q 1.2e5") << 12345.67 << 0.1;
        QTest::newRow("q 2e5+") << 200000.5 << 1.0;
        QTest::newRow("q 9.99e5") << 99.90013 << 0.0001;
        QTest::newRow("q 4.7e6") << 4711.0123 << 0.001;
    }
    void startLargeQuotientMatchesStepping() {
        QFETCH(double, min);
        QFETCH(double, step);
        const double arithmetic = GraphScaling::start(min, step);
        // Equal but for the rounding that many additions gather.
        const double stepped = startByStepping(min, step);
        QVERIFY2(std::fabs(arithmetic - stepped) < step * 1e-3,
                 qPrintable(
                     QStringLiteral("%1 %2").arg(arithmetic, 0, 'g', 17).arg(stepped, 0, 'g', 17)));
        QVERIFY(arithmetic <= min && arithmetic > min - step);
    }

    // A pressure range of 0.00001 bar near 10000 bar: a quotient of 1e9 and more would take
    // billions of steps; the start comes at once.
    void startHugeQuotientIsImmediate() {
        QElapsedTimer timer;
        timer.start();
        const double s = GraphScaling::start(9999.999995, 0.000001);
        QVERIFY(timer.elapsed() < 100);
        QVERIFY(s <= 9999.999995 && s > 9999.999995 - 0.000001);

        CBrelvanDoc doc;
        const float p = 99000.0f;
        fill(doc, {{0, p, 0}, {100, std::nextafter(p, 1e9f), 0.1f}});
        GraphScaling g(&doc);
        timer.restart();
        g.OnGraf();
        QVERIFY(timer.elapsed() < 100);
        QVERIFY(g.m_ymin <= p && g.m_ymax >= std::nextafter(p, 1e9f));
    }

    void scale_data() {
        QTest::addColumn<std::vector<Row>>("rows");
        QTest::addColumn<std::vector<double>>("expected");
        // xmin, xmax, deltax, ymin, ymax, deltay, ystart, y1min, y1max, deltay1, y1start, m_y1,
        // m_y2
        QTest::newRow("ten years")
            << std::vector<Row>{{0, 250, 0}, {1000, 220, 4}, {2500, 180, 9}, {3650, 150, 12.3f}}
            << std::vector<double>{0, 4000, 500, 140, 280, 20, 140, 0, 14, 2, 0, 6, 7};
        QTest::newRow("equal pressures, no influx")
            << std::vector<Row>{{0, 200, 0}, {50, 200, 0}, {100, 200, 0}}
            << std::vector<double>{0, 100, 20, 199, 205, 1, 200, 0, 1, 0.2, 0, 2, 5};
        QTest::newRow("small influx")
            << std::vector<Row>{{0, 250, 0}, {100, 200, 0.042f}}
            << std::vector<double>{0, 100, 20, 200, 290, 10, 200, 0, 0.045, 0.005, 0, 5, 9};
        QTest::newRow("influx step one becomes half")
            << std::vector<Row>{{0, 250, 0}, {100, 200, 8}}
            << std::vector<double>{0, 100, 20, 200, 360, 10, 200, 0, 8, 0.5, 0, 5, 16};
        QTest::newRow("influx minimum far below its step")
            << std::vector<Row>{{0, 250, 0.000001f}, {100, 200, 1.5f}}
            << std::vector<double>{0,         100,      20,  200,       290, 10, 200,
                                   -0.199998, 1.600002, 0.2, -0.199998, 5,   9};
        // No rows yet: the x axis is widened by one step on either side.
        QTest::newRow("zero x range")
            << std::vector<Row>{{0, 200, 0}}
            << std::vector<double>{-1, 1, 1, 199, 205, 1, 200, 0, 1, 0.2, 0, 2, 5};
        QTest::newRow("one x of 37")
            << std::vector<Row>{{37, 180, 0}, {37, 170, 1}}
            << std::vector<double>{36, 38, 1, 170, 180, 2, 170, 0, 1, 0.2, 0, 5, 5};
    }
    void scale() {
        QFETCH(std::vector<Row>, rows);
        QFETCH(std::vector<double>, expected);
        CBrelvanDoc doc;
        fill(doc, rows);
        GraphScaling g(&doc);
        g.OnGraf();
        const std::vector<double> got{g.m_xmin,      g.m_xmax,    g.m_deltax,  g.m_ymin,
                                      g.m_ymax,      g.m_deltay,  g.m_ystart,  g.m_y1min,
                                      g.m_y1max,     g.m_deltay1, g.m_y1start, double(g.m_y1),
                                      double(g.m_y2)};
        const char* names[] = {"xmin",  "xmax",  "deltax",  "ymin",    "ymax", "deltay", "ystart",
                               "y1min", "y1max", "deltay1", "y1start", "m_y1", "m_y2"};
        for (size_t i = 0; i < got.size(); ++i) {
            QVERIFY2(near(got[i], expected[i], 1e-6),
                     qPrintable(QStringLiteral("%1 = %2, expected %3")
                                    .arg(names[i])
                                    .arg(got[i], 0, 'g', 12)
                                    .arg(expected[i])));
        }
        // The mapping divides by real ranges.
        QVERIFY(g.m_xmax > g.m_xmin && g.m_ymax > g.m_ymin && g.m_y1max > g.m_y1min);
    }

    void measuredPointsWidenTheRange() {
        CBrelvanDoc doc;
        fill(doc, {{0, 250, 0}, {100, 220, 1}, {200, 200, 2}}, {1});
        doc.m_fPMess[1] = 262; // measured above every computed pressure
        doc.m_fXMess[1] = 500; // never raises the x maximum
        GraphScaling g(&doc);
        g.extreme();
        QCOMPARE(g.m_ymax, 262.0);
        QCOMPARE(g.m_xmax, 200.0);
    }

    void plotAreaSizes_data() {
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<bool>("magnified");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("screen") << false << true << false << 1300 << 750;
        QTest::newRow("screen, magnifier") << false << true << true << 1950 << 1125;
        QTest::newRow("portrait page") << true << true << false << 1300 << 2100;
        QTest::newRow("portrait page, magnifier ignored") << true << true << true << 1300 << 2100;
        QTest::newRow("landscape page") << true << false << false << 2200 << 1300;
        QTest::newRow("landscape page, magnifier ignored") << true << false << true << 2200 << 1300;
    }
    void plotAreaSizes() {
        QFETCH(bool, print);
        QFETCH(bool, portrait);
        QFETCH(bool, magnified);
        CBrelvanDoc doc;
        fill(doc, {{0, 250, 0}, {3650, 150, 12}});
        GraphScaling g(&doc);
        g.m_bPrint = print;
        g.m_bHochformat = portrait;
        g.m_bGrafiklupe = magnified;
        g.OnGraf();
        QTEST(g.m_breite, "width");
        QTEST(g.m_hoehe, "height");
    }

    void mapping() {
        CBrelvanDoc doc;
        // x 0 to 4000 after scaling; pressures 140 to 280 (aligned), influx 0 to 14.
        fill(doc, {{0, 250, 0}, {1000, 220, 4}, {2500, 180, 9}, {3650, 150, 12.3f}}, {1, 3});
        GraphScaling g(&doc);
        g.OnGraf();
        QCOMPARE(g.m_ptDruck[0].x, 0);
        QCOMPARE(g.m_ptDruck[1].x, 325);                              // a quarter of the x range
        QCOMPARE(g.m_ptWE[0], (brelvan::views::GraphPoint{0, -750})); // range minimum
        // truncation toward zero: 750 * (250 - 140) / 140 - 750 = -160.7 -> -160
        QCOMPARE(g.m_ptDruck[0].y, -160);
        QCOMPARE(g.m_ptMesswerte[2], g.m_ptDruck[3]);
        // A point at the range maximum lands on the top edge.
        doc.m_fPRechen[2] = 280;
        g.worldtrans();
        QCOMPARE(g.m_ptDruck[2].y, 0);
        // Magnifier on and off maps the same ranges onto the larger area and back.
        g.m_bGrafiklupe = true;
        g.worldtrans();
        QCOMPARE(g.m_ptDruck[1].x, 487);
        g.m_bGrafiklupe = false;
        g.worldtrans();
        QCOMPARE(g.m_ptDruck[1].x, 325);
    }

    // Counts beyond the series (a damaged or foreign state) never read past the arrays.
    void countsAreClamped_data() {
        QTest::addColumn<int>("maxWerte");
        QTest::addColumn<int>("max2Werte");
        QTest::addColumn<int>("computed");
        QTest::addColumn<int>("measured");
        QTest::newRow("huge") << 100000 << 100000 << 299 << 299;
        QTest::newRow("negative") << -7 << -1 << 0 << 0;
        QTest::newRow("measured above computed") << 3 << 200 << 3 << 200;
    }
    void countsAreClamped() {
        QFETCH(int, maxWerte);
        QFETCH(int, max2Werte);
        CBrelvanDoc doc;
        fill(doc, {{0, 250, 0}, {10, 240, 1}, {20, 230, 2}, {30, 220, 3}});
        doc.m_MaxWerte = maxWerte;
        doc.m_Max2Werte = max2Werte;
        GraphChart g(&doc);
        QTEST(g.computedCount(), "computed");
        QTEST(g.measuredCount(), "measured");
        g.OnGraf();
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        g.plot(painter);
    }

    void notFiniteSeriesDoNotHang() {
        CBrelvanDoc doc;
        fill(doc, {{0, NAN, INFINITY}, {10, 1e30f, -1e30f}, {20, 230, 2}});
        GraphChart g(&doc);
        QElapsedTimer timer;
        timer.start();
        g.OnGraf();
        QImage image(400, 300, QImage::Format_RGB32);
        QPainter painter(&image);
        g.plot(painter);
        QVERIFY(timer.elapsed() < 2000);
    }

    void labelFormats_data() {
        QTest::addColumn<int>("axis"); // 0 x, 1 left, 2 right
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<QString>("format");
        QTest::newRow("x up to 1000") << 0 << 0.0 << 1000.0 << "%5g";
        QTest::newRow("x above 1000") << 0 << 0.0 << 1000.5 << "%4.0f";
        QTest::newRow("x below -500") << 0 << -501.0 << 0.0 << "%4.0f";
        QTest::newRow("x -1 to 1") << 0 << -1.0 << 1.0 << "%5.3f";
        QTest::newRow("x below -1") << 0 << -1.5 << 0.5 << "%5g";
        QTest::newRow("pressure") << 1 << 140.0 << 280.0 << "%6g";
        QTest::newRow("pressure above 1e6") << 1 << 0.0 << 2e6 << "%6.2e";
        QTest::newRow("pressure below -1e5") << 1 << -2e5 << 0.0 << "%6.2e";
        QTest::newRow("influx") << 2 << 0.0 << 14.0 << "%5.2f";
        QTest::newRow("influx below 0.03") << 2 << 0.0 << 0.025 << "%5.3f";
        QTest::newRow("influx above 1e6") << 2 << 0.0 << 2e6 << "%6.1e";
        QTest::newRow("influx below -1e5, max below 0.03") << 2 << -2e5 << 0.0 << "%5.3f";
    }
    void labelFormats() {
        QFETCH(int, axis);
        QFETCH(double, min);
        QFETCH(double, max);
        const char* f = axis == 0   ? GraphScaling::xLabelFormat(min, max)
                        : axis == 1 ? GraphScaling::yLabelFormat(min, max)
                                    : GraphScaling::y1LabelFormat(min, max);
        QTEST(QString::fromLatin1(f), "format");
    }

    void labels() {
        CBrelvanDoc doc;
        fill(doc, {{0, 250, 0}, {1000, 220, 4}, {2500, 180, 9}, {3650, 150, 12.3f}});
        GraphChart g(&doc);
        g.OnGraf();
        QCOMPARE(g.xLabels(), QStringList({"   0", " 500", "1000", "1500", "2000", "2500", "3000",
                                           "3500", "4000"}));
        QCOMPARE(g.yLabels().front(), QStringLiteral("   140"));
        QCOMPARE(g.yLabels().back(), QStringLiteral("   280"));
        QCOMPARE(g.y1Labels().size(), 8);
        QCOMPARE(g.y1Labels().back(), QStringLiteral("14.00"));

        // After the equal-pressure widening the labels begin at the start value, one step
        // above the bottom of the frame.
        fill(doc, {{0, 200, 0}, {100, 200, 0}});
        g.OnGraf();
        QCOMPARE(g.m_ymin, 199.0);
        QCOMPARE(g.yLabels().front(), QStringLiteral("   200"));
        QCOMPARE(g.y1Labels().front(), QStringLiteral(" 0.00"));
        QCOMPARE(g.xLabels().front(), QStringLiteral("    0"));
    }
};

QTEST_MAIN(TestGraphScaling)
#include "tst_graph_scaling.moc"
