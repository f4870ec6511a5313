#include "app/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "views/CommandIds.h"

namespace brelvan::app {

namespace {

using Draw = std::function<void(QPainter&)>;

// Renders a drawing made on a 16 x 15 grid at several scales.
QIcon makeIcon(const Draw& draw, QSize base = QSize(16, 15)) {
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pixmap(base * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, scale > 1);
        p.scale(scale, scale);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen pen(QColor c, double w = 1.0) {
    QPen p(c, w);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

const QColor kInk(30, 30, 30);

// A sheet of paper with a folded corner.
void sheet(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(pen(kInk));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void drawNew(QPainter& p) {
    sheet(p, QRectF(3.5, 1.5, 9, 12));
}

void drawOpen(QPainter& p) {
    p.setPen(pen(QColor(120, 80, 0)));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 4.5, 11, 8));
    p.drawRect(QRectF(1.5, 3.5, 4, 1));
    QPolygonF front;
    front << QPointF(3.5, 7.5) << QPointF(14.5, 7.5) << QPointF(12.5, 12.5) << QPointF(1.5, 12.5);
    p.setBrush(QColor(255, 225, 120));
    p.drawPolygon(front);
    p.setPen(pen(QColor(0, 110, 0), 1.2));
    p.drawLine(QPointF(10, 1.5), QPointF(13, 1.5));
    p.drawLine(QPointF(13, 1.5), QPointF(13, 4.5));
}

void drawSave(QPainter& p) {
    p.setPen(pen(kInk));
    p.setBrush(QColor(60, 90, 170));
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 1.5, 8, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 9.5, 6, 4));
    p.setPen(pen(kInk));
    p.drawLine(QPointF(9, 10), QPointF(9, 13));
}

void drawPrint(QPainter& p) {
    p.setPen(pen(kInk));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5)); // paper in
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(1.5, 6.5, 13, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 3)); // paper out
    p.setPen(pen(QColor(0, 160, 0)));
    p.drawPoint(QPointF(12.5, 8.5));
}

void drawDataChange(QPainter& p) {
    sheet(p, QRectF(1.5, 1.5, 9, 12));
    p.setPen(pen(QColor(90, 90, 90)));
    for (double y : {4.5, 6.5, 8.5, 10.5}) {
        p.drawLine(QPointF(3, y), QPointF(8, y));
    }
    // A pencil across the form.
    p.setPen(pen(QColor(120, 60, 0), 2.0));
    p.drawLine(QPointF(14.5, 3.5), QPointF(8.5, 10.5));
    p.setPen(pen(kInk, 1.0));
    p.drawLine(QPointF(8.5, 10.5), QPointF(7.5, 12.5));
}

void drawChart(QPainter& p) {
    p.setPen(pen(kInk));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 12));
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(220, 0, 0), 1.3));
    p.drawPolyline(QPolygonF({QPointF(2.5, 4), QPointF(6, 6), QPointF(10, 8.5), QPointF(14, 10)}));
    p.setPen(pen(QColor(0, 0, 230), 1.3));
    p.drawPolyline(QPolygonF({QPointF(2.5, 12.5), QPointF(7, 10), QPointF(14, 3.5)}));
}

void drawText(QPainter& p) {
    sheet(p, QRectF(2.5, 1.5, 11, 12));
    p.setPen(pen(kInk));
    for (double y : {4.5, 6.5, 8.5, 10.5}) {
        p.drawLine(QPointF(4, y), QPointF(y > 9 ? 9 : 12, y));
    }
}

void drawMagnifier(QPainter& p) {
    p.setPen(pen(kInk, 1.2));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(6.5, 6), 4.5, 4.5);
    p.setPen(pen(QColor(220, 0, 0), 1.0));
    p.drawLine(QPointF(4, 7.5), QPointF(6.5, 5.5));
    p.drawLine(QPointF(6.5, 5.5), QPointF(9, 4.5));
    p.setPen(pen(kInk, 2.4));
    p.drawLine(QPointF(10, 9.5), QPointF(14.5, 14));
}

void drawAbout(QPainter& p) {
    p.setPen(pen(QColor(0, 60, 160)));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QPointF(8, 7.5), 6.5, 6.5);
    QFont f;
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(1.5, 1, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
}

// The misfit map: a small colour raster with a contour ring.
void drawMisfitMap(QPainter& p) {
    const QColor colours[4] = {QColor(48, 18, 59), QColor(30, 180, 200), QColor(250, 210, 50),
                               QColor(200, 40, 30)};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k)
            p.fillRect(QRectF(1 + 3.5 * i, 1 + 3.25 * k, 3.5, 3.25),
                       colours[std::min(3, (std::abs(i - 1) + std::abs(k - 2)))]);
    p.setPen(pen(Qt::white));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5.5, 8.5), 3.5, 3);
}

} // namespace

QIcon toolbarIcon(int commandId) {
    switch (commandId) {
    case cmd::ID_FILE_NEW:
        return makeIcon(drawNew);
    case cmd::ID_FILE_OPEN:
        return makeIcon(drawOpen);
    case cmd::ID_FILE_SAVE:
        return makeIcon(drawSave);
    case cmd::ID_FILE_PRINT:
        return makeIcon(drawPrint);
    case cmd::ID_DATA_CHANGE:
        return makeIcon(drawDataChange);
    case cmd::ID_GRAFIK:
        return makeIcon(drawChart);
    case cmd::ID_TEXT:
        return makeIcon(drawText);
    case cmd::ID_GRAFIKLUPE:
        return makeIcon(drawMagnifier);
    case cmd::ID_MISFIT_MAP:
        return makeIcon(drawMisfitMap);
    case cmd::ID_APP_ABOUT:
        return makeIcon(drawAbout);
    default:
        return {};
    }
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        p.setPen(QPen(QColor(30, 30, 30), 1.5));
        p.setBrush(QColor(250, 250, 250));
        p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
        // Water below, gas above, and the two curves of the chart.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 210, 255));
        p.drawRect(QRectF(3, 22, 26, 7));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(220, 0, 0), 2.5));
        p.drawPolyline(
            QPolygonF({QPointF(4, 6), QPointF(12, 10), QPointF(20, 15), QPointF(28, 18)}));
        p.setPen(QPen(QColor(0, 0, 220), 2.5, Qt::DashLine));
        p.drawPolyline(QPolygonF({QPointF(4, 26), QPointF(14, 21), QPointF(28, 8)}));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace brelvan::app
