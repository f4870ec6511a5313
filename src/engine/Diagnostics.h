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

// What the measured points say about support from the water zone.
enum class WaterVerdict {
    Unclear, // "unklar": too few points, too little depletion or too much scatter to tell
    No,      // "nein": the volumetric line explains the points; a support would have shown
    Yes,     // "ja": the points bend above the volumetric line beyond their scatter
};

// "ja", "nein", "unklar".
const char* verdictWord(WaterVerdict verdict);

// The test behind the verdict, on the measured points alone (the case's OGIP, WIP and J do not
// enter): p/z - (p/z)_i = b Gp (the volumetric line through the initial point, a constant Cole
// ordinate G) against p/z - (p/z)_i = b Gp / (1 + A Gp / Gp_max) (a Cole ordinate rising on a
// straight line, the bend that water entering the gas zone makes), by the extra-sum-of-squares
// F test at 5 %.
struct WaterSupportCheck {
    WaterVerdict verdict = WaterVerdict::Unclear;
    bool support = false;    // verdict == Yes
    bool enoughData = false; // enough measured points for the test
    int points = 0;          // measured points in the test
    double fValue = 0;       // F(1, points - 2) of the bend
    double pValue = 1;       // its probability under the volumetric line
    double scatter = 0;      // the points' scatter about the bent curve, bar (p/z)
    double bend = 0;         // A: the curve's Cole ordinate rises by A from Gp 0 to the last point
    // The probability that the test finds a bend as large as a Cole rise of kDetectableRise
    // over the measured range would make; below kPowerNeeded a missing bend says nothing.
    double power = 0;
    double coleRise = 0;  // relative rise of the Cole line over the measured range, 0.1 = 10 %
    double ogipRatio = 0; // volumetric OGIP over the case's OGIP; 0 when not defined
    std::string reason;   // German, one line
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

// The test's level; the Cole rise whose bend it must find with a probability of kPowerNeeded
// to say "nein" (measured on seeded synthetic cases with 1 bar of scatter, 10 to 40 points and
// 20 to 50 % depletion, this keeps "unklar" near 1 % for both kinds and misses a water drive
// with a Cole rise above kColeRiseThreshold in about 5 % of cases); the rise the views and tests
// call a clear water drive; and the smallest scatter assumed (a shut-in pressure is not known to
// better than a hundredth of a bar, so exact data do not make every rounding significant).
inline constexpr double kTestLevel = 0.05;
inline constexpr double kDetectableRise = 0.15;
inline constexpr double kPowerNeeded = 0.8;
inline constexpr double kColeRiseThreshold = 0.05;
inline constexpr double kScatterFloor = 0.01;

// "Wasserzufluss: ja", ... (the line `diagnose` prints and the views show).
std::string verdictLine(const WaterSupportCheck& check);

// The gas zone's own terms of the balance (GasBalance.h). With an expansion term the p/z plot
// shows p/z (1 - c_e (p_i - p)) after Ramagost and Farshad, a straight line to the gas in place
// for a volumetric reservoir; the Cole and Havlena-Odeh plots take F = Gp Bg + Wp Bw and
// E = Eg + Bg_i c_e (p_i - p). All zero: the plain plots.
struct BalanceTerms {
    double ce = 0;    // 1E-5 per bar
    double bw = 1;    // m3/m3
    double pInit = 0; // bar
};

Diagnostics diagnose(const std::vector<RowRecord>& rows, double pzInit, double temperature,
                     double ogip, int chartType = 0, const BalanceTerms& terms = {});
// The same from a finished run and its case values.
Diagnostics diagnose(const RunResult& result, const CaseValues& values, int chartType = 0);

} // namespace brelvan::engine
