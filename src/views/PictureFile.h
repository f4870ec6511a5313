// Writes a drawing into a picture file, chosen by the file's ending: SVG (QSvgGenerator), PNG
// (QImage) or PDF (QPdfWriter). The picture is made in memory and then replaces the file as
// every file of the program does (writeFileAtomically): a failed export leaves the old file as
// it was and no temporary file behind.
#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

#include "support/FileIo.h"

class QPainter;

namespace brelvan::views {

struct PictureOptions {
    QString title;                    // the SVG's and the PDF's title
    std::optional<int> svgResolution; // dots per inch of the SVG; Qt's default when unset
    int pngScale = 1;                 // PNG pixels per unit of the picture's size
    std::optional<int> pngDpi;        // the PNG's stated resolution; QImage's default when unset
    bool pngAntialiasing = false;
    int pdfResolution = 300;
    // The PDF page; unset: a page of the picture's size at 96 dpi.
    std::optional<QPageSize> pdfPageSize;
    QPageLayout::Orientation pdfOrientation = QPageLayout::Portrait;
    QMarginsF pdfMarginsMm;
};

// Draws into `area` (device units of the painter, the whole drawable part of the page).
using PaintPicture = std::function<void(QPainter& painter, const QRectF& area)>;

// Whether `path` ends in .svg, .png or .pdf (any case).
bool isPictureFile(const QString& path);

// Writes the picture of `size` (pixels at 96 dpi; of the SVG at its resolution) that `paint`
// draws. PNG and SVG get a white background first. The failure's reason is German and names
// the file.
IoResult<> writePicture(const QString& path, QSize size, const PaintPicture& paint,
                        const PictureOptions& options = {});

// The SVG bytes with every character XML 1.0 does not allow (the control characters other
// than tab, line feed and carriage return), written raw or as a character reference, replaced
// by a space, so that a text such as a field name cannot make the file unreadable.
QByteArray validXml(QByteArray svg);

} // namespace brelvan::views
