#include "views/DiagnosticChart.h"

#include <QAreaSeries>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <memory>

#include "views/PictureFile.h"

namespace brelvan::views {

namespace {

const QColor kComputed(200, 0, 0);
const QColor kMeasured(0, 150, 0);
const QColor kInflux(0, 0, 230);
const QColor kLine(90, 90, 90);
const QColor kOgip(230, 130, 0);

const char* const kAxisGp = QT_TRANSLATE_NOOP("DiagnosticChart", "Kum. Produktion Gp (Mio m3)");
const char* const kAxisDays = QT_TRANSLATE_NOOP("DiagnosticChart", "Zeit (Tage)");

QString axisText(const char* text) {
    return QCoreApplication::translate("DiagnosticChart", text);
}

QString number(double v, int decimals) {
    return QString::number(v, 'f', decimals);
}

// Breaks a long text into lines of at most `width` characters at blanks.
QString wrap(const QString& text, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines.join(QStringLiteral("<br>"));
}

QLineSeries* line(const QString& name, const QColor& colour, qreal width = 2,
                  Qt::PenStyle style = Qt::SolidLine) {
    auto* s = new QLineSeries;
    s->setName(name);
    QPen pen(colour, width, style);
    s->setPen(pen);
    return s;
}

QScatterSeries* markers(const QString& name, const QColor& colour,
                        QScatterSeries::MarkerShape shape = QScatterSeries::MarkerShapeCircle,
                        qreal size = 9) {
    auto* s = new QScatterSeries;
    s->setName(name);
    s->setMarkerShape(shape);
    s->setMarkerSize(size);
    s->setColor(colour);
    s->setBorderColor(colour.darker(140));
    return s;
}

QValueAxis* axis(const QString& title, const QString& format) {
    auto* a = new QValueAxis;
    a->setTitleText(title);
    a->setLabelFormat(format);
    return a;
}

// The range of the values with a little room, and 0 included when asked.
struct Range {
    double lo = 0, hi = 0;
    bool any = false;
    void add(double v) {
        if (!std::isfinite(v)) {
            return;
        }
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
    }
    void apply(QValueAxis* a, bool withZero) {
        double l = any ? lo : 0, h = any ? hi : 1;
        if (withZero) {
            l = std::min(l, 0.0);
            h = std::max(h, 0.0);
        }
        if (!(h > l)) {
            const double pad = std::max(1.0, std::fabs(h) * 0.1);
            l -= pad;
            h += pad;
        }
        const double pad = (h - l) * 0.04;
        a->setRange(withZero && l >= 0 ? 0 : l - pad, h + pad);
        a->applyNiceNumbers();
    }
};

void attach(QChart* chart, QAbstractSeries* s, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
}

double timeOf(const engine::RowRecord& r, int chartType) {
    return chartType == 0 ? r.days : r.gp;
}

QString checkText(const engine::WaterSupportCheck& c) {
    return QStringLiteral("%1. %2").arg(QString::fromStdString(engine::verdictLine(c)),
                                        QString::fromStdString(c.reason));
}

void buildHistory(QChart* chart, const DiagnosticData& d, QValueAxis* x, QValueAxis* y) {
    auto* y2 = axis(QCoreApplication::translate("DiagnosticChart", "Wasserzufluss WE (Mio m3)"),
                    QStringLiteral("%.2f"));
    chart->addAxis(y2, Qt::AlignRight);
    auto* p =
        line(QCoreApplication::translate("DiagnosticChart", "Druck berechnet (bar)"), kComputed);
    auto* pm =
        markers(QCoreApplication::translate("DiagnosticChart", "Druck gemessen (bar)"), kMeasured);
    auto* we = line(QCoreApplication::translate("DiagnosticChart", "WE berechnet (Mio m3)"),
                    kInflux, 2, Qt::DashLine);
    Range rx, ry, ry2;
    p->append(0, d.pInit);
    we->append(0, 0);
    rx.add(0);
    ry.add(d.pInit);
    ry2.add(0);
    for (const engine::RowRecord& r : d.rows) {
        const double t = timeOf(r, d.chartType);
        p->append(t, r.p);
        we->append(t, r.we);
        rx.add(t);
        ry.add(r.p);
        ry2.add(r.we);
        if (r.measured) {
            pm->append(t, r.pMeasured);
            ry.add(r.pMeasured);
        }
    }
    attach(chart, p, x, y);
    // The models of a comparison, each fitted to the measured points, under the points.
    static const QColor kModelColours[] = {QColor(130, 0, 160), QColor(230, 130, 0),
                                           QColor(0, 150, 160), QColor(120, 80, 30)};
    std::size_t k = 0;
    for (const fit::ModelCurve& c : d.modelCurves) {
        auto* curve = line(QString::fromUtf8(waterzone::modelName(c.model)),
                           kModelColours[k++ % std::size(kModelColours)], 1.6, Qt::DashDotLine);
        const std::vector<double>& t = d.chartType == 0 ? c.days : c.gp;
        for (std::size_t i = 0; i < t.size() && i < c.p.size(); ++i) {
            curve->append(t[i], c.p[i]);
            rx.add(t[i]);
            ry.add(c.p[i]);
        }
        attach(chart, curve, x, y);
    }
    attach(chart, pm, x, y);
    attach(chart, we, x, y2);
    x->setTitleText(axisText(d.chartType == 0 ? kAxisDays : kAxisGp));
    y->setTitleText(QCoreApplication::translate("DiagnosticChart", "Druck (bar)"));
    rx.apply(x, true);
    ry.apply(y, false);
    ry2.apply(y2, true);
}

void buildPz(QChart* chart, const DiagnosticData& d, QValueAxis* x, QValueAxis* y) {
    const engine::Diagnostics& g = d.diag;
    auto* meas = markers(QCoreApplication::translate("DiagnosticChart", "p/z gemessen"), kMeasured);
    auto* comp = line(QCoreApplication::translate("DiagnosticChart", "p/z berechnet"), kComputed);
    Range rx, ry;
    rx.add(0);
    ry.add(g.pzInit);
    for (const engine::DiagPoint& pt : g.pzMeasured) {
        meas->append(pt.x, pt.y);
        rx.add(pt.x);
        ry.add(pt.y);
    }
    for (const engine::DiagPoint& pt : g.pzComputed) {
        comp->append(pt.x, pt.y);
        rx.add(pt.x);
    }
    attach(chart, comp, x, y);
    attach(chart, meas, x, y);
    rx.add(g.ogip);
    if (g.pzLine.valid) {
        // The fitted line from Gp = 0 to where it reaches p/z = 0 (or across the data).
        const double end = std::isfinite(g.volumetricOgip) ? g.volumetricOgip : rx.hi;
        rx.add(end);
        auto* fit = line(QCoreApplication::translate("DiagnosticChart", "p/z-Gerade (Ausgleich)"),
                         kLine, 1.5, Qt::DashLine);
        fit->append(0, g.pzLine.intercept);
        fit->append(end, g.pzLine.at(end));
        attach(chart, fit, x, y);
    }
    if (std::isfinite(g.volumetricOgip)) {
        auto* vol =
            markers(QCoreApplication::translate("DiagnosticChart", "Volumetrisches OGIP %1 Mio m3")
                        .arg(number(g.volumetricOgip, 1)),
                    kLine, QScatterSeries::MarkerShapeTriangle, 13);
        vol->append(g.volumetricOgip, 0);
        attach(chart, vol, x, y);
    }
    auto* ogip = markers(QCoreApplication::translate("DiagnosticChart", "OGIP des Falls %1 Mio m3")
                             .arg(number(g.ogip, 1)),
                         kOgip, QScatterSeries::MarkerShapeRectangle, 12);
    ogip->append(g.ogip, 0);
    attach(chart, ogip, x, y);
    x->setTitleText(axisText(kAxisGp));
    y->setTitleText(QCoreApplication::translate("DiagnosticChart", "p/z (bar)"));
    rx.apply(x, true);
    ry.apply(y, true);
}

void buildCole(QChart* chart, const DiagnosticData& d, QValueAxis* x, QValueAxis* y) {
    const engine::Diagnostics& g = d.diag;
    auto* meas =
        markers(QCoreApplication::translate("DiagnosticChart", "Cole gemessen"), kMeasured);
    auto* comp = line(QCoreApplication::translate("DiagnosticChart", "Cole berechnet"), kComputed);
    Range rx, ry;
    rx.add(0);
    ry.add(g.ogip);
    for (const engine::DiagPoint& pt : g.coleMeasured) {
        meas->append(pt.x, pt.y);
        rx.add(pt.x);
        ry.add(pt.y);
    }
    for (const engine::DiagPoint& pt : g.coleComputed) {
        comp->append(pt.x, pt.y);
        rx.add(pt.x);
        ry.add(pt.y);
    }
    auto* ogip = line(QCoreApplication::translate("DiagnosticChart", "OGIP des Falls %1 Mio m3")
                          .arg(number(g.ogip, 1)),
                      kOgip, 2, Qt::DashLine);
    attach(chart, comp, x, y);
    attach(chart, meas, x, y);
    x->setTitleText(axisText(kAxisGp));
    y->setTitleText(
        QCoreApplication::translate("DiagnosticChart", "Gp·(p/z)i / ((p/z)i − p/z) (Mio m3)"));
    rx.apply(x, true);
    ry.apply(y, false);
    ogip->append(x->min(), g.ogip);
    ogip->append(x->max(), g.ogip);
    attach(chart, ogip, x, y);
}

void buildHavlenaOdeh(QChart* chart, const DiagnosticData& d, QValueAxis* x, QValueAxis* y) {
    const engine::Diagnostics& g = d.diag;
    auto* meas = markers(QCoreApplication::translate("DiagnosticChart", "F/Eg an den Messpunkten"),
                         kMeasured);
    Range rx, ry;
    rx.add(0);
    ry.add(g.ogip);
    for (const engine::DiagPoint& pt : g.havlenaOdeh) {
        meas->append(pt.x, pt.y);
        rx.add(pt.x);
        ry.add(pt.y);
    }
    auto* unit =
        line(QCoreApplication::translate("DiagnosticChart", "Steigung 1 durch OGIP %1 Mio m3")
                 .arg(number(g.ogip, 1)),
             kOgip, 2, Qt::DashLine);
    x->setTitleText(QCoreApplication::translate("DiagnosticChart", "We/Eg (Mio m3)"));
    y->setTitleText(QCoreApplication::translate("DiagnosticChart", "F/Eg (Mio m3)"));
    rx.apply(x, true);
    ry.add(g.ogip + x->max());
    ry.apply(y, false);
    unit->append(x->min(), g.ogip + x->min());
    unit->append(x->max(), g.ogip + x->max());
    attach(chart, unit, x, y);
    attach(chart, meas, x, y);
}

void buildResiduals(QChart* chart, const DiagnosticData& d, QValueAxis* x, QValueAxis* y) {
    const engine::Diagnostics& g = d.diag;
    auto* meas =
        markers(QCoreApplication::translate("DiagnosticChart", "Messwert − Rechnung"), kMeasured);
    Range rx, ry;
    rx.add(0);
    ry.add(0);
    for (const engine::Residual& r : g.residuals) {
        const double t = d.chartType == 0 ? r.days : r.gp;
        meas->append(t, r.value);
        rx.add(t);
        ry.add(r.value);
    }
    if (std::isfinite(g.rms)) {
        ry.add(g.rms);
        ry.add(-g.rms);
    }
    x->setTitleText(axisText(d.chartType == 0 ? kAxisDays : kAxisGp));
    y->setTitleText(QCoreApplication::translate("DiagnosticChart", "Messwert − Rechnung (bar)"));
    rx.apply(x, true);
    ry.apply(y, true);
    const double lo = x->min(), hi = x->max();
    if (std::isfinite(g.rms)) {
        auto* upper = new QLineSeries;
        auto* lower = new QLineSeries;
        upper->append(lo, g.rms);
        upper->append(hi, g.rms);
        lower->append(lo, -g.rms);
        lower->append(hi, -g.rms);
        auto* band = new QAreaSeries(upper, lower);
        band->setName(
            QCoreApplication::translate("DiagnosticChart", "± RMS (%1 bar)").arg(number(g.rms, 2)));
        band->setColor(QColor(0, 120, 220, 45));
        band->setBorderColor(QColor(0, 120, 220, 160));
        attach(chart, band, x, y);
    }
    auto* zero = line(QCoreApplication::translate("DiagnosticChart", "Nulllinie"), kLine, 1.5);
    zero->append(lo, 0);
    zero->append(hi, 0);
    attach(chart, zero, x, y);
    attach(chart, meas, x, y);
}

} // namespace

const char* diagnosticName(DiagnosticKind kind) {
    switch (kind) {
    case DiagnosticKind::History:
        return "verlauf";
    case DiagnosticKind::PZ:
        return "pz";
    case DiagnosticKind::Cole:
        return "cole";
    case DiagnosticKind::HavlenaOdeh:
        return "ho";
    case DiagnosticKind::Residuals:
        return "residuen";
    }
    return "";
}

bool diagnosticKindFromName(const std::string& name, DiagnosticKind& kind) {
    for (DiagnosticKind k : kDiagnosticKinds) {
        if (name == diagnosticName(k)) {
            kind = k;
            return true;
        }
    }
    return false;
}

QString diagnosticTitle(DiagnosticKind kind) {
    switch (kind) {
    case DiagnosticKind::History:
        return QCoreApplication::translate("DiagnosticChart", "Druckverlauf");
    case DiagnosticKind::PZ:
        return QCoreApplication::translate("DiagnosticChart", "p/z – Gp");
    case DiagnosticKind::Cole:
        return QCoreApplication::translate("DiagnosticChart", "Cole-Diagramm");
    case DiagnosticKind::HavlenaOdeh:
        return QCoreApplication::translate("DiagnosticChart", "Havlena–Odeh");
    case DiagnosticKind::Residuals:
        return QCoreApplication::translate("DiagnosticChart", "Residuen");
    }
    return {};
}

QChart* createDiagnosticChart(DiagnosticKind kind, const DiagnosticData& data) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setBackgroundRoundness(0);
    QString title = QStringLiteral("<b>%1</b>").arg(diagnosticTitle(kind).toHtmlEscaped());
    if (!data.fieldName.empty()) {
        title = QStringLiteral("<b>%1 – %2</b>")
                    .arg(QString::fromStdString(data.fieldName).toHtmlEscaped(),
                         diagnosticTitle(kind).toHtmlEscaped());
    }
    auto* x = axis(QString(), QStringLiteral("%.0f"));
    auto* y = axis(QString(), QStringLiteral("%.1f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    if (!data.valid) {
        chart->setTitle(
            title + QStringLiteral("<br>") +
            QCoreApplication::translate("DiagnosticChart",
                                        "Keine Ergebnisse: bitte zuerst rechnen (Daten ändern)."));
        x->setTitleText(axisText(kAxisGp));
        return chart;
    }
    switch (kind) {
    case DiagnosticKind::History:
        buildHistory(chart, data, x, y);
        break;
    case DiagnosticKind::PZ:
        buildPz(chart, data, x, y);
        if (data.diag.pzLine.valid) {
            title +=
                QCoreApplication::translate("DiagnosticChart",
                                            "<br>p/z-Gerade: p/z = %1 %2 %3 · Gp")
                    .arg(number(data.diag.pzLine.intercept, 2),
                         data.diag.pzLine.slope < 0 ? QStringLiteral("−") : QStringLiteral("+"),
                         number(std::fabs(data.diag.pzLine.slope), 6));
        }
        title += QStringLiteral("<br>") + wrap(checkText(data.diag.check).toHtmlEscaped(), 110);
        break;
    case DiagnosticKind::Cole:
        buildCole(chart, data, x, y);
        title += QStringLiteral("<br>") + wrap(checkText(data.diag.check).toHtmlEscaped(), 110);
        break;
    case DiagnosticKind::HavlenaOdeh:
        buildHavlenaOdeh(chart, data, x, y);
        break;
    case DiagnosticKind::Residuals:
        buildResiduals(chart, data, x, y);
        title += QCoreApplication::translate("DiagnosticChart",
                                             "<br>RMS-Fehler %1 bar, mittlerer Fehler %2 bar")
                     .arg(number(data.diag.rms, 2), number(data.diag.meanError, 2));
        break;
    }
    chart->setTitle(title);
    return chart;
}

void renderChart(QChart& chart, QPainter& painter, const QRectF& target, QSize layoutSize) {
    QGraphicsScene scene;
    QGraphicsItem* oldParent = chart.parentItem();
    QGraphicsScene* oldScene = chart.scene();
    if (oldScene) {
        oldScene->removeItem(&chart);
    }
    scene.addItem(&chart);
    chart.resize(layoutSize);
    chart.layout()->activate();
    scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(layoutSize)));
    scene.render(&painter, target, scene.sceneRect());
    scene.removeItem(&chart);
    if (oldScene) {
        oldScene->addItem(&chart);
        chart.setParentItem(oldParent);
    }
}

IoResult<> exportChartFile(QChart& chart, const QString& path, const QString& title, QSize size) {
    PictureOptions options;
    options.title = title;
    options.svgResolution = 96;
    options.pngScale = 2;
    options.pngDpi = 192;
    options.pngAntialiasing = true;
    options.pdfResolution = 300;
    return writePicture(
        path, size,
        [&](QPainter& painter, const QRectF& area) { renderChart(chart, painter, area, size); },
        options);
}

IoResult<> exportDiagnosticChart(DiagnosticKind kind, const DiagnosticData& data,
                                 const QString& path, QSize size) {
    std::unique_ptr<QChart> chart(createDiagnosticChart(kind, data));
    return exportChartFile(*chart, path, diagnosticTitle(kind), size);
}

} // namespace brelvan::views
