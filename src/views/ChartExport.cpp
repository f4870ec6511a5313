#include "views/ChartExport.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "document/CBrelvanDoc.h"
#include "views/ChartGeometry.h"
#include "views/GraphChart.h"

namespace brelvan::views {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPageDpi = 150;

int toPixels(int logical, int dpi) {
    return static_cast<int>(std::lround(logical * dpi / kTenthsMmPerInch));
}

void drawChart(const CBrelvanDoc& doc, const ChartLayout& layout, QPainter& painter) {
    GraphChart chart(&doc);
    chart.m_bGrafiklupe = layout.lupe;
    chart.m_bPrint = layout.page != ChartLayout::Page::Screen;
    chart.m_bHochformat = layout.page != ChartLayout::Page::Landscape;
    chart.OnGraf();
    chart.plot(painter);
}

} // namespace

QSize chartCanvasSize(const ChartLayout& layout) {
    switch (layout.page) {
    case ChartLayout::Page::Portrait:
        return QSize(kPageWidth, kPageHeight);
    case ChartLayout::Page::Landscape:
        return QSize(kPageHeight, kPageWidth);
    case ChartLayout::Page::Screen:
        break;
    }
    const QSize margins(kScreenMarginWidth, kScreenMarginHeight);
    return layout.lupe ? QSize(kMagnifiedWidth, kMagnifiedHeight) + margins
                       : QSize(kScreenWidth, kScreenHeight) + margins;
}

bool exportChart(const CBrelvanDoc& doc, const QString& path, const ChartLayout& layout,
                 QString* error) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QSize canvas = chartCanvasSize(layout);
    const int dpi = layout.page == ChartLayout::Page::Screen ? kScreenDpi : kPageDpi;
    const QSize pixels(toPixels(canvas.width(), dpi), toPixels(canvas.height(), dpi));
    const auto fail = [&](const QString& text) {
        if (error) {
            *error = text;
        }
        return false;
    };

    if (suffix == QLatin1String("png")) {
        QImage image(pixels, QImage::Format_RGB32);
        const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            drawChart(doc, layout, painter);
        }
        if (!image.save(path, "PNG")) {
            return fail(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(path));
        }
        return true;
    }
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setResolution(dpi);
        svg.setSize(pixels);
        svg.setViewBox(QRect(QPoint(0, 0), pixels));
        svg.setTitle(QStringLiteral("Schließdrücke und Wasserinvasion"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            return fail(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(path));
        }
        painter.fillRect(QRect(QPoint(0, 0), pixels), Qt::white);
        drawChart(doc, layout, painter);
        painter.end();
        return true;
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QSizeF(canvas.width() / 10.0, canvas.height() / 10.0),
                                  QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        pdf.setTitle(QStringLiteral("Schließdrücke und Wasserinvasion"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return fail(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(path));
        }
        drawChart(doc, layout, painter);
        painter.end();
        return true;
    }
    return fail(QStringLiteral("Unbekannte Dateiendung \"%1\": erlaubt sind .svg, .png und .pdf.")
                    .arg(suffix));
}

} // namespace brelvan::views
