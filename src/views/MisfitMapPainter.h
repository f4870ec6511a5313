// Drawing of a misfit map: the RMS error as a colour raster with its legend, contour lines,
// the 95 % contour drawn distinctly, the best cell marked and both axes labelled with units.
// Used by the "Fehlerkarte" view, its printing and the file export.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <string>

#include "engine/MisfitMap.h"
#include "support/FileIo.h"

class QPainter;

namespace brelvan::views {

// The colour of a position 0 (smallest error) to 1 (largest) of the legend.
QColor misfitColour(double t);

// The caption of a parameter with its unit, e.g. "OGIP (Mio m3)".
QString parameterCaption(int param);

// The line that says what the third parameter does: "J-Wert fest: 50.000 m3/(Tag·bar)" or
// "J-Wert in jeder Zelle optimiert".
QString thirdParameterLine(const fit::MisfitMap& map);

// The value of the colour scale for an RMS error, 0 to 1; the scale is logarithmic when the
// errors span more than a factor of 20.
struct MisfitScale {
    double lo = 0, hi = 1;
    bool logarithmic = false;
    explicit MisfitScale(const fit::MisfitMap& map);
    double position(double rms) const;
    double value(double position) const;
};

// The raster's rectangle inside `area`, and the index of the cell under a point of `area`
// (-1 outside the raster or without cells).
QRectF misfitPlotArea(const QRectF& area);
int misfitCellAt(const QRectF& area, const fit::MisfitMap& map, QPointF at);

// Draws the whole picture into `area` (device units of `painter`). A map without cells draws
// only the frame and the text "Keine Fehlerkarte berechnet".
void paintMisfitMap(QPainter& painter, const QRectF& area, const fit::MisfitMap& map,
                    const QString& fieldName);

// Writes the map to `path`: CSV, XLSX, SVG, PNG or PDF by the ending, each atomically (see
// writeFileAtomically). The failure's reason is a German sentence that names the file.
IoResult<> exportMisfitMapFile(const fit::MisfitMap& map, const std::string& fieldName,
                               const std::string& path);

} // namespace brelvan::views
