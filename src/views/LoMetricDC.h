// Drawing in logical units of 0.1 mm with y growing upwards, on any QPainter (screen, printer,
// print preview, image, SVG, PDF). Device units follow from the paint device's logical
// resolution; the window origin is the logical point shown at the device's top left corner
// (less the scroll offset on screen). Fonts are chosen by their cell height in logical units.
#pragma once

#include "views/ChartGeometry.h"
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <string>

namespace brelvan::views {

// Text alignment flags as the drawing code combines them.
enum TextAlign : unsigned {
    TA_LEFT = 0,
    TA_TOP = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
};

enum class PenStyle { Solid, Dash, Dot };

class LoMetricDC {
public:
    // painter must be active on its device. deviceOffset is subtracted from every mapped
    // device point (the scroll position on screen).
    explicit LoMetricDC(QPainter& painter, QPointF deviceOffset = {});

    QPainter& painter() { return m_painter; }
    double dpiX() const { return m_dpiX; }
    double dpiY() const { return m_dpiY; }

    void setWindowOrigin(int x, int y) { m_origin = QPoint(x, y); }

    // Logical point to device point and back; logical length to device length.
    QPointF toDevice(double x, double y) const;
    QPointF toLogical(QPointF device) const;
    double toDeviceX(double length) const { return length * m_dpiX / kTenthsMmPerInch; }
    double toDeviceY(double length) const { return length * m_dpiY / kTenthsMmPerInch; }

    // A pen of the given width in logical units; at least one device pixel wide.
    void setPen(PenStyle style, int width, QColor color);
    // A font with the cell height in logical units (ascent plus descent) and a weight
    // (400 normal, 600 semi-bold, 700 bold). An empty face takes the fixed-pitch family.
    void setFont(int height, int weight, const QString& face = {});
    const QFont& font() const { return m_font; }

    void setTextAlign(unsigned align) { m_align = align; }
    unsigned textAlign() const { return m_align; }

    // Width and cell height of a text in the current font, in logical units.
    QSize textExtent(const QString& text) const;
    // Text at a reference point, placed as the current alignment says.
    void textOut(int x, int y, const QString& text);
    void textOut(int x, int y, const std::string& utf8) {
        textOut(x, y, QString::fromStdString(utf8));
    }

    void moveTo(int x, int y) { m_current = QPoint(x, y); }
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2) {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
    // A polyline through count points; fewer than two points draw nothing.
    void polyline(const QPoint* points, int count);
    // A rectangle between two corners, outlined with the pen, filled with the painter's brush.
    void rectangle(int left, int top, int right, int bottom);

private:
    QPainter& m_painter;
    QPointF m_offset;
    double m_dpiX = 96;
    double m_dpiY = 96;
    QPoint m_origin{0, 0};
    QPoint m_current{0, 0};
    QFont m_font;
    unsigned m_align = TA_LEFT | TA_TOP;
};

} // namespace brelvan::views
