#include "document/FitExport.h"

#include <cmath>

#include "document/DocumentTexts.h"
#include "support/TextFormat.h"

namespace brelvan {

using document::tx;
using table::Cell;
using table::Table;

namespace {

Cell number(double v) {
    return std::isfinite(v) ? Cell(v) : Cell();
}

std::string withUnit(int param) {
    return std::string(fit::paramName(param)) + " (" + fit::paramUnit(param) + ")";
}

// The open sides of a range in words; empty for a closed range.
std::string openSides(const fit::Range& r) {
    if (r.openLo && r.openHi)
        return tx("nach unten und oben offen");
    if (r.openLo)
        return tx("nach unten offen");
    if (r.openHi)
        return tx("nach oben offen");
    return "";
}

} // namespace

Table fitTable(const fit::RefineResult& best, const fit::RangesResult& ranges,
               const fit::RefineOptions& options) {
    Table t;
    t.name = tx("Anpassung");
    // The headings of the 95-% interval are formats, their percent sign written twice, so that
    // no conversion is read into them.
    t.columns = {{tx("Größe"), -1, 24},
                 {tx("Wert"), -1, 14},
                 {tx("Anpassung"), -1, 0},
                 {cformat(tx("95-%%-Bereich von")), -1, 0},
                 {cformat(tx("95-%%-Bereich bis")), -1, 0},
                 {tx("Bereich"), -1, 28}};
    for (int j = 0; j < fit::kParams; ++j) {
        std::vector<Cell> row = {
            withUnit(j), number(best.best[static_cast<std::size_t>(j)]),
            std::string(options.free[static_cast<std::size_t>(j)] ? tx("frei") : tx("fest"))};
        const fit::Range& r = ranges.ranges[static_cast<std::size_t>(j)];
        if (!options.free[static_cast<std::size_t>(j)]) {
            row.insert(row.end(), {Cell(), Cell(), Cell()});
        } else if (!ranges.computed || !r.computed) {
            row.insert(row.end(), {Cell(), Cell(), std::string(tx("nicht berechnet"))});
        } else {
            row.push_back(r.openLo ? Cell() : number(r.lo));
            row.push_back(r.openHi ? Cell() : number(r.hi));
            row.push_back(openSides(r));
        }
        t.rows.push_back(std::move(row));
    }
    const auto add = [&t](const char* name, Cell value) {
        t.rows.push_back({std::string(name), std::move(value), Cell(), Cell(), Cell(), Cell()});
    };
    add(tx("RMS-Fehler (bar)"), number(best.misfit.rms));
    add(tx("Mittlerer Fehler (bar)"), number(best.misfit.meanAbs));
    add(tx("Iterationen"), static_cast<double>(best.iterations));
    return t;
}

Table mapTable(const fit::MisfitMap& map) {
    Table t;
    t.name = tx("Fehlerkarte");
    t.columns = {{tx("OGIP (Mio m3)"), 3, 0},
                 {tx("WIP (Mio m3)"), 3, 0},
                 {tx("J-Wert (m3/(Tag·bar))"), 4, 0},
                 {tx("RMS-Fehler (bar)"), 4, 0},
                 {tx("Mittlerer Fehler (bar)"), 4, 0}};
    t.rows.reserve(map.cells.size());
    for (const fit::MapCell& cell : map.cells) {
        std::vector<Cell> row = {number(cell.x[fit::kOgip]), number(cell.x[fit::kWip]),
                                 number(cell.x[fit::kJWert])};
        if (cell.misfit.valid) {
            row.push_back(number(cell.misfit.rms));
            row.push_back(number(cell.misfit.meanAbs));
        } else {
            row.insert(row.end(), {Cell(), Cell()});
        }
        t.rows.push_back(std::move(row));
    }
    return t;
}

} // namespace brelvan
