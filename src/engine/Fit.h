// Least-squares fitting of OGIP, WIP and J to the measured shut-in pressures: a bounded
// Levenberg-Marquardt refinement, profile confidence ranges and the helpers they share.
// Everything works on an objective passed in, so it does not care how a run is computed; the
// objective must be safe to call from several threads at once.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/Parallel.h"
#include "support/TextFormat.h" // fixedText

namespace brelvan::fit {

inline constexpr int kParams = 3;
enum Param { kOgip = 0, kWip = 1, kJWert = 2 };
using Point = std::array<double, kParams>; // OGIP (Mio m3), WIP (Mio m3), J (m3/(Tag bar))

// The parameter's name as the user sees it: "OGIP", "WIP", "J-Wert".
const char* paramName(int param);
// Its unit: "Mio m3", "Mio m3", "m3/(Tag bar)".
const char* paramUnit(int param);

// The residuals of one point: computed minus measured pressure of every measured row, bar.
// Returns false when the point has no error value (no measured pressure compared, or the run
// ended early).
using Objective = std::function<bool(const Point&, std::vector<double>& residuals)>;

// The misfit of one point.
struct Misfit {
    bool valid = false;
    int n = 0;          // measured rows compared
    double ss = 0;      // sum of squared residuals, bar^2
    double rms = 0;     // root-mean-square error, bar
    double meanAbs = 0; // the program's own mean absolute error, bar
};

Misfit misfitOf(const std::vector<double>& residuals);
Misfit evaluate(const Objective& objective, const Point& x);

struct Bounds {
    Point lo{};
    Point hi{};
};

// No limits: every positive value is accepted.
Bounds noLimits();

// The box the search may use: `requested` clipped to `limits` (the values a case accepts in
// its input fields), with the lower OGIP bound lifted just above the largest cumulative
// production `maxGp` (a case at or below it cannot be computed). A box that lies wholly
// outside the limits shrinks to the nearest limit.
Bounds searchBounds(const Bounds& requested, double maxGp, const Bounds& limits = noLimits());

// A box around a case's own values for parameters the user gave no range for: OGIP half to
// twice its value (and above the largest Gp), WIP and J a tenth to ten times their value
// (a value of 0: WIP up to ten times OGIP, J up to 1000); clipped to `limits`.
Bounds defaultBounds(const Point& caseValues, double maxGp, const Bounds& limits = noLimits());

// The ranges a fit or map of a case starts with: the sensitivity ranges where they are usable
// (non-zero, maximum above minimum), else the box around the case values; clipped to `limits`.
Bounds suggestedBounds(const Point& caseValues, double maxGp, const Bounds& sensitivity,
                       const Bounds& limits = noLimits());

struct RefineOptions {
    Bounds bounds;
    std::array<bool, kParams> free{true, true, true};
    int maxIterations = 200;
    // Relative step of the finite-difference derivatives, in units of the box width.
    double diffStep = 1e-4;
    // The search ends when a step lowers the sum of squares by less than this fraction.
    double tolerance = 1e-12;
};

struct RefineResult {
    bool valid = false; // a point with an error value was found
    bool cancelled = false;
    Point best{};
    Misfit misfit;
    int iterations = 0;
    int evaluations = 0;
    std::array<bool, kParams> atBound{};
    std::vector<std::string> warnings; // "OGIP liegt am Rand des Suchbereichs", ...
};

// Bounded Levenberg-Marquardt from `start` (clamped into the box). Parameters that are not
// free keep their start value. The result's sum of squares is never above the start's.
RefineResult refine(const Objective& objective, const Point& start, const RefineOptions& options,
                    const parallel::Control& control = {});

// The best case of the 4 x 4 x 4 grid over `ranges` by the program's mean absolute error (ties
// keep the earlier case; cases without an error value are skipped). valid is false when no
// grid case has an error value.
struct GridBest {
    bool valid = false;
    Point best{};
    Misfit misfit;
};
GridBest gridBest(const Objective& objective, const Bounds& ranges,
                  const parallel::Control& control = {});

// The 95 % quantile of the F distribution with (q, dof) degrees of freedom.
double fQuantile95(int q, int dof);
// The sum of squares that bounds the approximate 95 % region of q parameters:
// ssMin * (1 + q / (n - p) * F(q, n - p; 0.95)). Needs n > p; returns -1 otherwise.
double ssThreshold(double ssMin, int n, int p, int q);

// One parameter's range.
struct Range {
    bool computed = false;
    double lo = 0, hi = 0;
    bool openLo = false, openHi = false; // the range reaches the box on that side
};

struct RangesResult {
    bool computed = false; // false when n <= p or the best point has no error value
    bool cancelled = false;
    std::string message;                 // why no ranges were computed
    double threshold = 0;                // the sum of squares that bounds the ranges
    std::array<Range, kParams> ranges{}; // only the free parameters are computed
    // A point a walk met whose sum of squares lies clearly below the best point's: the best
    // point was not the global minimum and the ranges around it are not to be trusted.
    bool lowerFound = false;
    Point lower{};
    double lowerSs = 0;
};

// Profile ranges of every free parameter around the refined best point: each parameter is
// stepped away from its best value while the others are re-optimised, until the sum of squares
// passes the threshold of q = 1.
RangesResult profileRanges(const Objective& objective, const RefineResult& best,
                           const RefineOptions& options, const parallel::Control& control = {});

// The whole fit of a case: refinements from several starts, the best of them, its profile
// ranges, and a new refinement (with new ranges) whenever a profile walk meets a lower point.
struct FitOptions {
    RefineOptions refine; // the box, the free parameters, the refinement's settings
    Point caseValues{};   // the case's values: a start and the values of held parameters
    bool fromGrid = true; // several starts (grid, case, spread); else the case's values only
    int gridStarts = 4;   // the best cases of the 4 x 4 x 4 grid by sum of squares
    int spreadStarts = 4; // Latin-hypercube points over the box, logarithmic where it can
    unsigned seed = 19;   // of the spread starts (results do not depend on the clock)
    int maxRestarts = 4;  // re-fits after a profile walk found a lower point
};

struct FitResult {
    RefineResult best; // the refinement that ended lowest (warnings and bounds included)
    RangesResult ranges;
    Point start{};     // where the best refinement started
    int starts = 0;    // refinements started (re-fits not counted)
    int atOptimum = 0; // of them, those that ended at the best sum of squares (0.1 % margin)
    int restarts = 0;  // re-fits after a profile walk met a lower point
    bool cancelled = false;
};

// Progress goes to control.progress as (percent, 100).
FitResult fitCase(const Objective& objective, const FitOptions& options,
                  const parallel::Control& control = {});

// "Starts am Optimum: 7 von 9" (and the re-fits, where there were any).
std::string describeStarts(const FitResult& result);

// "nach unten offen" / "nach oben offen" texts and a one-line description of a range.
std::string describeRange(int param, const Range& range);

// The digits a fitted value is shown with. Its 95 % range justifies four digits beyond the
// leading digit of the range's half-width h (the larger distance from the value to a closed end
// of the range): decimals = 4 - floor(log10 h), so that a value of 123.456789012 with a range of
// +-0.37 shows as 123.45679. Without a usable range (not computed, open on both sides, of no
// width) the value keeps six significant digits. Never below 0 decimals, and never more digits
// than a double holds (15 significant). The value itself is kept in full wherever it is stored.
int justifiedDecimals(double value, const Range& range);
// The value with those decimals and a decimal point ("123.45679").
std::string justifiedText(double value, const Range& range);

} // namespace brelvan::fit
