#include "app/DiagnosticViews.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

namespace brelvan::app {

QString diagnosticViewText(const char* text) {
    return QCoreApplication::translate("DiagnosticViews", text);
}

QIcon diagnosticIcon(views::DiagnosticKind kind) {
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pixmap(QSize(16, 15) * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, scale > 1);
        p.scale(scale, scale);
        // Axes
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.drawLine(QPointF(1.5, 1), QPointF(1.5, 13.5));
        p.drawLine(QPointF(1.5, 13.5), QPointF(15, 13.5));
        const QPen curve(QColor(200, 0, 0), 1.2);
        const QPen dashed(QColor(230, 130, 0), 1, Qt::DashLine);
        QList<QPointF> dots;
        switch (kind) {
        case views::DiagnosticKind::History:
            p.setPen(curve);
            p.drawPolyline(QPolygonF({{2, 3}, {6, 6}, {10, 8}, {15, 9.5}}));
            dots = {{5, 5}, {9, 7.5}, {13, 9}};
            break;
        case views::DiagnosticKind::PZ:
            p.setPen(QPen(QColor(90, 90, 90), 1));
            p.drawLine(QPointF(2, 2), QPointF(14, 13));
            dots = {{4, 4.5}, {7, 6.5}, {10, 9.5}};
            break;
        case views::DiagnosticKind::Cole:
            p.setPen(dashed);
            p.drawLine(QPointF(2, 9), QPointF(15, 9));
            dots = {{4, 9}, {7.5, 7}, {11, 5}, {14, 3}};
            break;
        case views::DiagnosticKind::HavlenaOdeh:
            p.setPen(dashed);
            p.drawLine(QPointF(2, 10), QPointF(13, 1));
            dots = {{4, 8.4}, {8, 5.2}, {11.5, 2.3}};
            break;
        case views::DiagnosticKind::Residuals:
            p.setPen(QPen(QColor(90, 90, 90), 1));
            p.drawLine(QPointF(2, 7.5), QPointF(15, 7.5));
            dots = {{4, 5}, {7, 10}, {10, 6}, {13, 9}};
            break;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 150, 0));
        for (const QPointF& d : dots) {
            p.drawEllipse(d, 1.6, 1.6);
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace brelvan::app
