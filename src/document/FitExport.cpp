#include "document/FitExport.h"

#include <cmath>

namespace brelvan {

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
        return "nach unten und oben offen";
    if (r.openLo)
        return "nach unten offen";
    if (r.openHi)
        return "nach oben offen";
    return "";
}

} // namespace

Table fitTable(const fit::RefineResult& best, const fit::RangesResult& ranges,
               const fit::RefineOptions& options) {
    Table t;
    t.name = "Anpassung";
    t.columns = {{"Größe", -1, 24},           {"Wert", -1, 14},
                 {"Anpassung", -1, 0},        {"95-%-Bereich von", -1, 0},
                 {"95-%-Bereich bis", -1, 0}, {"Bereich", -1, 28}};
    for (int j = 0; j < fit::kParams; ++j) {
        std::vector<Cell> row = {
            withUnit(j), number(best.best[static_cast<std::size_t>(j)]),
            std::string(options.free[static_cast<std::size_t>(j)] ? "frei" : "fest")};
        const fit::Range& r = ranges.ranges[static_cast<std::size_t>(j)];
        if (!options.free[static_cast<std::size_t>(j)]) {
            row.insert(row.end(), {Cell(), Cell(), Cell()});
        } else if (!ranges.computed || !r.computed) {
            row.insert(row.end(), {Cell(), Cell(), std::string("nicht berechnet")});
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
    add("RMS-Fehler (bar)", number(best.misfit.rms));
    add("Mittlerer Fehler (bar)", number(best.misfit.meanAbs));
    add("Iterationen", static_cast<double>(best.iterations));
    return t;
}

Table mapTable(const fit::MisfitMap& map) {
    Table t;
    t.name = "Fehlerkarte";
    t.columns = {{"OGIP (Mio m3)", 3, 0},
                 {"WIP (Mio m3)", 3, 0},
                 {"J-Wert (m3/(Tag·bar))", 4, 0},
                 {"RMS-Fehler (bar)", 4, 0},
                 {"Mittlerer Fehler (bar)", 4, 0}};
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
