// The diagnostic quantities a reservoir engineer checks before trusting a match: the p/z line
// and its volumetric gas in place, the Cole plot, the Havlena-Odeh plot, the pressure residuals
// and a check whether the measured points show support from the water zone. Everything is
// computed from the rows of one run; nothing here changes the run.
#pragma once

#include <string>
#include <vector>

#include "engine/Run.h"

namespace brelvan::engine {

// y = intercept + slope * x, fitted by ordinary least squares. Not valid with fewer than two
// points of different x.
struct StraightLine {
    double intercept = 0;
    double slope = 0;
    int points = 0;
    bool valid = false;
    double at(double x) const { return intercept + slope * x; }
};

// Every point weighted equally, no point forced.
StraightLine fitLine(const std::vector<double>& x, const std::vector<double>& y);

// The gas expansion factor (standard m3 per reservoir m3) at a p/z (bar) and a reservoir
// temperature (degrees C), with the standard conditions of the material balance.
double expansionFactor(double pz, double temperature);

struct DiagPoint {
    double x = 0;
    double y = 0;
};

struct Residual {
    double days = 0;  // since the production start
    double gp = 0;    // Mio m3
    double value = 0; // measured minus computed pressure, bar
};

// What the check finds from the measured points.
struct WaterSupportCheck {
    bool support = false;
    bool enoughData = false; // at least two measured points below the initial p/z
    double coleRise = 0;     // relative rise of the Cole ordinate, 0.1 = 10 %
    double ogipRatio = 0;    // volumetric OGIP over the case's OGIP; 0 when not defined
    std::string reason;      // German, one line
};

struct Diagnostics {
    double pzInit = 0; // bar
    double ogip = 0;   // the case's OGIP, Mio m3
    int chartType = 0; // 0 days, 1 cumulative production on the x axis of time plots

    // p/z over Gp: the measured points, the computed curve from (0, (p/z)_i), the line fitted
    // to (0, (p/z)_i) and the measured points, and its Gp at p/z = 0 (NaN when it does not
    // fall).
    std::vector<DiagPoint> pzMeasured, pzComputed;
    StraightLine pzLine;
    double volumetricOgip = 0;

    // Apparent gas in place Gp (p/z)_i / ((p/z)_i - p/z) over Gp, for the points below the
    // initial p/z.
    std::vector<DiagPoint> coleMeasured, coleComputed;

    // F/Eg over We/Eg at the measured rows (F and Eg from the measured p/z, We computed).
    std::vector<DiagPoint> havlenaOdeh;

    // Measured minus computed pressure at every measured row.
    std::vector<Residual> residuals;
    double meanError = 0; // mean absolute residual (the report's mean error); NaN without any
    double rms = 0;       // root mean square residual; NaN without any

    WaterSupportCheck check;
};

// The thresholds of the water-support check; the reasoning stands with their definition.
inline constexpr double kColeRiseThreshold = 0.05;
inline constexpr double kOgipRatioThreshold = 1.05;

Diagnostics diagnose(const std::vector<RowRecord>& rows, double pzInit, double temperature,
                     double ogip, int chartType = 0);
// The same from a finished run and its case values.
Diagnostics diagnose(const RunResult& result, const CaseValues& values, int chartType);

} // namespace brelvan::engine
