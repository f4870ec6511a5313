// Writes the chart of a computed case into a file (SVG, PNG or PDF, by the file's ending),
// drawn by the same code as the chart view: the screen layout (with or without the magnifier)
// or the layout of a printed page (portrait or landscape); sizes in ChartGeometry.h.
#pragma once

#include <QSize>
#include <QString>

#include "support/FileIo.h"

class CBrelvanDoc;

namespace brelvan::views {

struct ChartLayout {
    enum class Page { Screen, Portrait, Landscape };
    bool magnified = false;
    Page page = Page::Screen;
};

// The area written, in logical units of 0.1 mm: the plot with its margins on screen, an A4
// page for the printed layouts.
QSize chartCanvasSize(const ChartLayout& layout);

// Scales the document's series (a copy of the view's rescale, without touching the
// document's rescale flag) and writes the file (see writePicture); the failure's reason is a
// German sentence that names the file.
IoResult<> exportChart(const CBrelvanDoc& doc, const QString& path, const ChartLayout& layout);

} // namespace brelvan::views
