#include "views/ChartExport.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "document/CBrelvanDoc.h"
#include "support/FileIo.h"
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

    // The picture is made in memory and written like a case file: atomically, through links,
    // keeping the mode, only onto a regular file or a new name.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString cannotWrite =
        QStringLiteral("Die Datei %1 kann nicht geschrieben werden").arg(path);
    bool drawn = false;
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
        drawn = image.save(&buffer, "PNG");
    } else if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(dpi);
        svg.setSize(pixels);
        svg.setViewBox(QRect(QPoint(0, 0), pixels));
        svg.setTitle(QStringLiteral("Schließdrücke und Wasserinvasion"));
        QPainter painter;
        if (painter.begin(&svg)) {
            painter.fillRect(QRect(QPoint(0, 0), pixels), Qt::white);
            drawChart(doc, layout, painter);
            drawn = painter.end();
        }
    } else if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QSizeF(canvas.width() / 10.0, canvas.height() / 10.0),
                                  QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        pdf.setTitle(QStringLiteral("Schließdrücke und Wasserinvasion"));
        QPainter painter;
        if (painter.begin(&pdf)) {
            drawChart(doc, layout, painter);
            drawn = painter.end();
        }
    } else {
        return fail(
            QStringLiteral("Unbekannte Dateiendung \"%1\": erlaubt sind .svg, .png und .pdf.")
                .arg(suffix));
    }
    buffer.close();
    if (!drawn) {
        return fail(cannotWrite + QLatin1Char('.'));
    }
    const brelvan::IoResult<> written = brelvan::writeFileAtomically(
        path.toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written) {
        return fail(cannotWrite + QStringLiteral(": ") + QString::fromStdString(written.error()) +
                    QLatin1Char('.'));
    }
    return true;
}

} // namespace brelvan::views
