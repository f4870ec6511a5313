#include "views/ChartExport.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <cmath>

#include "document/CBrelvanDoc.h"
#include "views/ChartGeometry.h"
#include "views/GraphChart.h"
#include "views/PictureFile.h"

namespace brelvan::views {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPageDpi = 150;

int toPixels(int logical, int dpi) {
    return static_cast<int>(std::lround(logical * dpi / kTenthsMmPerInch));
}

void drawChart(const CBrelvanDoc& doc, const ChartLayout& layout, QPainter& painter) {
    GraphChart chart(&doc);
    chart.m_bGrafiklupe = layout.magnified;
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
    return layout.magnified ? QSize(kMagnifiedWidth, kMagnifiedHeight) + margins
                            : QSize(kScreenWidth, kScreenHeight) + margins;
}

IoResult<> exportChart(const CBrelvanDoc& doc, const QString& path, const ChartLayout& layout) {
    const QSize canvas = chartCanvasSize(layout);
    const int dpi = layout.page == ChartLayout::Page::Screen ? kScreenDpi : kPageDpi;
    const QSize pixels(toPixels(canvas.width(), dpi), toPixels(canvas.height(), dpi));
    PictureOptions options;
    options.title = QCoreApplication::translate("GraphChart", "Schließdrücke und Wasserinvasion");
    options.svgResolution = dpi;
    options.pngDpi = dpi;
    options.pdfResolution = 600;
    options.pdfPageSize =
        QPageSize(QSizeF(canvas.width() / 10.0, canvas.height() / 10.0), QPageSize::Millimeter);
    return writePicture(
        path, pixels, [&](QPainter& painter, const QRectF&) { drawChart(doc, layout, painter); },
        options);
}

} // namespace brelvan::views
