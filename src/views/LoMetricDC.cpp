#include "views/LoMetricDC.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace brelvan::views {

LoMetricDC::LoMetricDC(QPainter& painter, QPointF deviceOffset)
    : m_painter(painter), m_offset(deviceOffset) {
    if (QPaintDevice* device = painter.device()) {
        m_dpiX = device->logicalDpiX() > 0 ? device->logicalDpiX() : 96;
        m_dpiY = device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    }
    m_font = painter.font();
}

QPointF LoMetricDC::toDevice(double x, double y) const {
    return QPointF(toDeviceX(x - m_origin.x()), toDeviceY(m_origin.y() - y)) - m_offset;
}

QPointF LoMetricDC::toLogical(QPointF device) const {
    const QPointF d = device + m_offset;
    return QPointF(d.x() * kTenthsMmPerInch / m_dpiX + m_origin.x(),
                   m_origin.y() - d.y() * kTenthsMmPerInch / m_dpiY);
}

void LoMetricDC::setPen(PenStyle style, int width, QColor color) {
    const double w = std::max(1.0, toDeviceX(width));
    QPen pen(color, w);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (style) {
    case PenStyle::Solid:
        pen.setStyle(Qt::SolidLine);
        break;
    case PenStyle::Dash: {
        // Dashes of about 1.8 mm with gaps of 0.6 mm, whatever the pen width.
        const double unit = w;
        pen.setDashPattern({toDeviceX(18) / unit, toDeviceX(6) / unit});
        break;
    }
    case PenStyle::Dot: {
        const double unit = w;
        const double dot = std::max(1.0, toDeviceX(3));
        pen.setDashPattern({dot / unit, dot / unit});
        break;
    }
    }
    m_painter.setPen(pen);
}

void LoMetricDC::setFont(int height, int weight, const QString& face) {
    QFont font(face.isEmpty() ? QStringLiteral("Courier New") : face);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    font.setKerning(false);
    // The cell height of a 100 pixel font tells the pixel size that gives the wanted height.
    const double wanted = toDeviceY(std::abs(height));
    font.setPixelSize(100);
    const double cell = QFontMetricsF(font, m_painter.device()).height();
    const int pixels = cell > 0 ? static_cast<int>(std::lround(100.0 * wanted / cell)) : 1;
    font.setPixelSize(std::max(1, pixels));
    m_font = font;
    m_painter.setFont(font);
}

QSize LoMetricDC::textExtent(const QString& text) const {
    const QFontMetricsF metrics(m_font, m_painter.device());
    const double w = metrics.horizontalAdvance(text) * kTenthsMmPerInch / m_dpiX;
    const double h = metrics.height() * kTenthsMmPerInch / m_dpiY;
    return QSize(static_cast<int>(std::lround(w)), static_cast<int>(std::lround(h)));
}

void LoMetricDC::textOut(int x, int y, const QString& text) {
    const QFontMetricsF metrics(m_font, m_painter.device());
    QPointF p = toDevice(x, y);
    const double width = metrics.horizontalAdvance(text);
    if ((m_align & TA_CENTER) == TA_CENTER) {
        p.rx() -= width / 2.0;
    } else if (m_align & TA_RIGHT) {
        p.rx() -= width;
    }
    p.ry() += metrics.ascent();
    m_painter.save();
    m_painter.setFont(m_font);
    m_painter.setPen(QPen(Qt::black)); // text is black, whatever the pen
    m_painter.drawText(p, text);
    m_painter.restore();
}

void LoMetricDC::lineTo(int x, int y) {
    m_painter.drawLine(toDevice(m_current.x(), m_current.y()), toDevice(x, y));
    m_current = QPoint(x, y);
}

void LoMetricDC::polyline(const QPoint* points, int count) {
    if (points == nullptr || count < 2) {
        return;
    }
    QPolygonF polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i) {
        polygon << toDevice(points[i].x(), points[i].y());
    }
    m_painter.drawPolyline(polygon);
}

void LoMetricDC::rectangle(int left, int top, int right, int bottom) {
    const QRectF r(toDevice(left, top), toDevice(right, bottom));
    m_painter.drawRect(r.normalized());
}

} // namespace brelvan::views
