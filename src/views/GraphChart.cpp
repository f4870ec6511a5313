#include "views/GraphChart.h"

#include <QCoreApplication>
#include <algorithm>

#include "document/CBrelvanDoc.h"
#include "support/TextFormat.h"

namespace brelvan::views {

namespace {

constexpr int kMaxTicks = 1000; // no axis carries more labels than this, whatever the ranges

template <class Visit> void forEachTick(double first, double step, double last, Visit visit) {
    double v = first;
    for (int n = 0; v <= last && n < kMaxTicks; ++n) {
        visit(v);
        const double next = v + step;
        if (!(next > v)) {
            break;
        }
        v = next;
    }
}

QString label(const char* format, double v) {
    return QString::fromStdString(brelvan::cformat(format, v));
}

// Room kept free at the canvas edges, in logical units.
constexpr int kEdgeMargin = 20;

// Sets the font of `height` and `weight`, smaller where `text` would be wider than `room`
// (down to a height of 2.5 mm); a text that is wider still loses characters from its middle
// for an ellipsis. Returns the text to draw.
QString fitText(LoMetricDC& dc, QString text, int height, int weight, int room) {
    constexpr int kSmallest = 25;
    dc.setFont(height, weight);
    const int width = dc.textExtent(text).width();
    if (width <= room || width <= 0) {
        return text;
    }
    dc.setFont(std::max(kSmallest, height * room / width), weight);
    while (text.size() > 12 && dc.textExtent(text).width() > room) {
        const auto middle = text.size() / 2;
        text.replace(middle - 2, 3, QStringLiteral("…"));
    }
    return text;
}

} // namespace

int GraphChart::xPos(double v) const {
    return trunc(m_breite * (v - m_xmin) / (m_xmax - m_xmin));
}

int GraphChart::yPos(double v) const {
    return trunc(m_hoehe * (v - m_ymin) / (m_ymax - m_ymin)) - m_hoehe;
}

int GraphChart::y1Pos(double v) const {
    return trunc(m_hoehe * (v - m_y1min) / (m_y1max - m_y1min)) - m_hoehe;
}

void GraphChart::setScreenLayout() {
    m_bPrint = false;
    m_bHochformat = true;
    worldtrans();
}

void GraphChart::plot(QPainter& painter, QPointF deviceOffset) {
    LoMetricDC dc(painter, deviceOffset);
    plot(dc);
}

void GraphChart::plot(LoMetricDC& dc) {
    if (!m_bHochformat) {
        worldtrans();
    }
    QPainter& painter = dc.painter();
    painter.save();
    // Lines as sharp as the pens are set, text smoothed.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const int w = m_breite;
    const int h = m_hoehe;
    const int half = w / 2;
    const CBrelvanDoc* doc = document();

    dc.setPen(PenStyle::Solid, 4, Qt::black);
    dc.setWindowOrigin(kOriginX, kOriginY);
    dc.rectangle(0, 0, w, -h);

    // The canvas reaches from kOriginX to w - kOriginX; a long field name or file name gets a
    // smaller font rather than running over its edges.
    const int left = kOriginX + kEdgeMargin;
    const int right = w - kOriginX - kEdgeMargin;
    dc.setTextAlign(TA_CENTER | TA_TOP);
    if (doc) {
        dc.textOut(half, 200,
                   fitText(dc, QString::fromStdString(doc->m_strFeldname), 80, 600, right - left));
    }
    dc.setFont(60, 700);
    dc.textOut(half, 130,
               QCoreApplication::translate("GraphChart", "Schließdrücke und Wasserinvasion"));
    if (doc) {
        dc.textOut(-50, 100, doc->m_strY1Achse);
        dc.textOut(w + 100, 100, doc->m_strY2Achse);
        dc.textOut(half, -h - 70, doc->m_strXAchse);
    }

    dc.setFont(45, 700);
    xaxis(dc);
    yaxis(dc);
    y1axis(dc);

    if (doc) {
        // Right-aligned to end at x = 100. A longer text starts at the canvas's left edge and
        // ends before the legend (centred under the plot), in a smaller font where needed, and
        // as a last resort with the middle of the name left out.
        const QString title = QCoreApplication::translate("GraphChart", "Dokument %1")
                                  .arg(QString::fromStdString(doc->GetTitle()));
        dc.setFont(45, 700);
        if (100 - dc.textExtent(title).width() >= left) {
            dc.textOut(100, -h - 200, title);
        } else {
            int legendWidth = 0;
            for (const std::string* legend :
                 {&doc->m_strLegende1, &doc->m_strLegende2, &doc->m_strLegende3}) {
                legendWidth =
                    std::max(legendWidth, dc.textExtent(QString::fromStdString(*legend)).width());
            }
            const int room = std::max(200, half - legendWidth / 2 - 40 - left);
            dc.setTextAlign(TA_LEFT | TA_TOP);
            dc.textOut(left, -h - 200, fitText(dc, title, 45, 700, room));
            dc.setFont(45, 700);
        }
    }

    dc.setTextAlign(TA_CENTER | TA_TOP);
    const int n = computedCount();
    const int m = measuredCount();
    const QString legend1 = doc ? QString::fromStdString(doc->m_strLegende1) : QString();
    const QString legend2 = doc ? QString::fromStdString(doc->m_strLegende2) : QString();
    const QString legend3 = doc ? QString::fromStdString(doc->m_strLegende3) : QString();

    std::array<QPoint, kPoints> points;
    const auto polyline = [&](const std::array<GraphPoint, kPoints>& from, int last) {
        const int count = std::min(last + 1, kPoints);
        for (int i = 0; i < count; ++i) {
            points[i] = QPoint(from[i].x, from[i].y);
        }
        dc.polyline(points.data(), count);
    };

    dc.setPen(PenStyle::Solid, 3, pressureColor());
    dc.textOut(half, -h - 130, legend1);
    int cx = dc.textExtent(legend1).width();
    dc.line(half + cx, -h - 150, half + cx + 200, -h - 150);
    polyline(m_ptDruck, n);

    dc.setPen(PenStyle::Dash, 3, influxColor());
    polyline(m_ptWE, n);
    dc.textOut(half, -h - 210, legend2);
    cx = dc.textExtent(legend2).width();
    dc.line(half + cx, -h - 230, half + cx + 200, -h - 230);

    dc.setPen(PenStyle::Solid, 3, measuredColor());
    polyline(m_ptMesswerte, m);
    dc.textOut(half, -h - 170, legend3);
    cx = dc.textExtent(legend3).width();
    dc.line(half + cx - 70, -h - 190, half + cx + 130, -h - 190);

    dc.setPen(PenStyle::Dot, 1, Qt::black);
    grid(dc);

    painter.restore();
}

void GraphChart::xaxis(LoMetricDC& dc) {
    const int h = m_hoehe;
    const char* format = xLabelFormat(m_xmin, m_xmax);
    forEachTick(m_xmin, m_deltax, m_xmax, [&](double v) {
        const int x = xPos(v);
        if (v >= m_xmin) {
            dc.line(x, -h, x, -h - 20);
            // Centred on its tick without the format's padding blanks, which would push the
            // digits to the right ("    0" would stand beside the origin).
            dc.textOut(x, -h - 30, label(format, v).trimmed());
        }
    });
}

void GraphChart::yaxis(LoMetricDC& dc) {
    const char* format = yLabelFormat(m_ymin, m_ymax);
    forEachTick(m_ystart, m_deltay, 1.001 * m_ymax, [&](double v) {
        const int y = yPos(v);
        if (v >= m_ymin) {
            dc.line(0, y, -10, y);
            dc.textOut(-130, y + 20, label(format, v));
        }
    });
}

void GraphChart::y1axis(LoMetricDC& dc) {
    const int w = m_breite;
    const char* format = y1LabelFormat(m_y1min, m_y1max);
    dc.setTextAlign(TA_RIGHT | TA_TOP);
    forEachTick(m_y1start, m_deltay1, 1.0001 * m_y1max, [&](double v) {
        const int y = y1Pos(v);
        if (v >= m_y1min) {
            dc.line(w, y, w + 10, y);
            dc.textOut(w + 150, y + 20, label(format, v));
        }
    });
}

void GraphChart::grid(LoMetricDC& dc) {
    const int w = m_breite;
    const int h = m_hoehe;
    double v = m_ystart + m_deltay;
    for (int n = 0; v < m_ymax && n < kMaxTicks; ++n, v += m_deltay) {
        const int y = yPos(v);
        dc.line(0, y, w, y);
    }
    v = m_xmin + m_deltax;
    for (int n = 0; v < m_xmax && n < kMaxTicks; ++n, v += m_deltax) {
        const int x = xPos(v);
        dc.line(x, -h, x, 0);
    }
}

QStringList GraphChart::xLabels() const {
    QStringList list;
    const char* format = xLabelFormat(m_xmin, m_xmax);
    forEachTick(m_xmin, m_deltax, m_xmax, [&](double v) {
        if (v >= m_xmin) {
            list << label(format, v);
        }
    });
    return list;
}

QStringList GraphChart::yLabels() const {
    QStringList list;
    const char* format = yLabelFormat(m_ymin, m_ymax);
    forEachTick(m_ystart, m_deltay, 1.001 * m_ymax, [&](double v) {
        if (v >= m_ymin) {
            list << label(format, v);
        }
    });
    return list;
}

QStringList GraphChart::y1Labels() const {
    QStringList list;
    const char* format = y1LabelFormat(m_y1min, m_y1max);
    forEachTick(m_y1start, m_deltay1, 1.0001 * m_y1max, [&](double v) {
        if (v >= m_y1min) {
            list << label(format, v);
        }
    });
    return list;
}

} // namespace brelvan::views
