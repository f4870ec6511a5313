// The misfit landscape of two parameters: the RMS error on an N x N grid, the third parameter
// held or re-optimised in every cell.
#pragma once

#include <string>
#include <vector>

#include "engine/Fit.h"

namespace brelvan::fit {

struct MapOptions {
    int axisA = kOgip; // the parameter along the first axis
    int axisB = kWip;  // the parameter along the second axis
    double loA = 0, hiA = 0, loB = 0, hiB = 0;
    int points = 41;            // grid values per axis, both ends included
    bool optimiseThird = false; // re-optimise the third parameter in every cell
    Point base{};               // the held value of the third parameter, or its start
    Bounds bounds;              // the box of the third parameter when it is re-optimised
    // The water zone ignores J (the pot): J stays at its value in `base`. It is then never
    // re-optimised, and a map with J on an axis is refused (see mapProblem).
    bool holdJ = false;
};

// Why a map of `options` cannot be computed (German), or an empty text: a water zone that
// ignores J has no map over J.
std::string mapProblem(const MapOptions& options);

struct MapCell {
    Point x{};     // the cell's values (the third re-optimised or held)
    Misfit misfit; // misfit.valid is false for a cell without an error value
};

struct MisfitMap {
    int axisA = kOgip, axisB = kWip, third = kJWert;
    int points = 0;
    bool optimiseThird = false;
    bool cancelled = false;
    std::vector<double> valuesA, valuesB;
    std::vector<MapCell> cells; // cell (i, k) at i * points + k: i along axis A, k along B
    int bestCell = -1;          // the cell with the smallest sum of squares; -1 when none
    // The RMS error on the approximate 95 % contour of the pair (q = 2); -1 when the
    // measurements are too few (n <= p) or no cell has an error value.
    double contourRms = -1;

    const MapCell& cell(int i, int k) const {
        return cells[static_cast<std::size_t>(i * points + k)];
    }
};

// The parameter that is neither a nor b.
int thirdAxis(int a, int b);

// The map on all cores; with control.cancel raised it stops early and says so. Options with a
// mapProblem give an empty map.
MisfitMap misfitMap(const Objective& objective, const MapOptions& options,
                    const parallel::Control& control = {});

// The map as CSV: the header "OGIP,WIP,JWert,RMSFehler,MittlererFehler" and one line per cell
// (numbers with six decimals, empty error fields for a cell without an error value).
std::string mapCsv(const MisfitMap& map);

} // namespace brelvan::fit
