// The chart's drawing on any painter: frame, title lines, axis captions, labelled axes, the
// three curves, the legend and the dotted grid, in logical units of 0.1 mm with the window
// origin (-400, 300). Screen, printer, print preview and file export all draw through plot().
#pragma once

#include <QPainter>
#include <QPointF>
#include <QString>

#include "views/GraphScaling.h"
#include "views/LoMetricDC.h"

namespace brelvan::views {

class GraphChart : public GraphScaling {
public:
    using GraphScaling::GraphScaling;

    // Window origin of the chart: 40 mm of room left of the plot area, 30 mm above it.
    static constexpr int kOriginX = -400;
    static constexpr int kOriginY = 300;

    // Colours of the three curves.
    static QColor pressureColor() { return QColor(255, 0, 0); }
    static QColor influxColor() { return QColor(0, 0, 255); }
    static QColor measuredColor() { return QColor(0, 255, 0); }

    // The whole chart; deviceOffset is the scroll position on screen.
    void plot(QPainter& painter, QPointF deviceOffset = {});
    void plot(LoMetricDC& dc);
    void xaxis(LoMetricDC& dc);
    void yaxis(LoMetricDC& dc);
    void y1axis(LoMetricDC& dc);
    void grid(LoMetricDC& dc);

    // Scaling as the screen shows it (not printing, portrait).
    void setScreenLayout();

    // The label texts of the three axes, from the first label to the last.
    QStringList xLabels() const;
    QStringList yLabels() const;
    QStringList y1Labels() const;

private:
    int xPos(double v) const;
    int yPos(double v) const;
    int y1Pos(double v) const;
};

} // namespace brelvan::views
