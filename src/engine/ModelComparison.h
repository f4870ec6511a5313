// Which water-zone model the measured pressures support: each model fitted to them in the same
// box, compared by Akaike's information criterion AIC = n ln(SS / n) + 2 p (n measured rows, SS
// the sum of squared residuals, p the free parameters; the pot ignores J and holds it).
#pragma once

#include <string>
#include <vector>

#include "engine/Fit.h"
#include "engine/Run.h"
#include "engine/WaterZoneModels.h"

namespace brelvan::fit {

struct ModelFit {
    waterzone::Model model = waterzone::Model::Fetkovich;
    bool valid = false;
    std::string problem; // German: why the model was not fitted
    RefineResult best;
    RangesResult ranges;
    int freeParams = 0;
    double aic = 0;
};

struct ModelComparison {
    std::vector<ModelFit> fits; // in the order of waterzone::Model
    int bestIndex = -1;         // the valid fit of the lowest AIC; -1 when none is valid
    bool cancelled = false;     // stopped early: the fits are incomplete
};

// AIC of a fit with n residuals, their sum of squares ss and p free parameters (a zero sum of
// squares counts as 1e-12 bar^2 per row, so that a perfect fit stays comparable).
double aic(int n, double ss, int p);

// Fits every model to `base`'s measured pressures within `options.bounds`, from the best case of
// the 4 x 4 x 4 grid (`fromGrid`) or from `start`; with the 95 % ranges when `withRanges`.
// Progress goes to control.progress as (percent, 100); control.cancel stops it early.
ModelComparison compareModels(const engine::RunInputs& base, const RefineOptions& options,
                              const Point& start, bool fromGrid, bool withRanges = true,
                              const parallel::Control& control = {});

// The comparison as the batch tool prints it: a header, a line per model (OGIP with its 95 %
// range, WIP, J, RMS error and AIC, "  *" after the best) and the line naming the best model.
std::vector<std::string> comparisonTable(const ModelComparison& comparison);

// The computed pressures of one fitted model over the case's rows, the production start first.
struct ModelCurve {
    waterzone::Model model = waterzone::Model::Fetkovich;
    std::vector<double> days, gp, p; // days since the start, Mio m3, bar
};

// The curves of a comparison and the case they were computed for.
struct ComparisonCurves {
    engine::RunInputs compared;
    std::vector<ModelCurve> curves; // one per fitted model, in the order of the comparison
    bool empty() const { return curves.empty(); }
};

// Runs `base` with every valid fit of `comparison` (its model and fitted values).
ComparisonCurves comparisonCurves(const engine::RunInputs& base, const ModelComparison& comparison);

// Whether curves computed for `compared` still belong to the case `now`: the same case apart
// from OGIP, WIP, J and the model, which the comparison chose itself.
bool comparisonHolds(const engine::RunInputs& compared, const engine::RunInputs& now);

} // namespace brelvan::fit
