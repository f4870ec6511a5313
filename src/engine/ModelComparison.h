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
};

// AIC of a fit with n residuals, their sum of squares ss and p free parameters (a zero sum of
// squares counts as 1e-12 bar^2 per row, so that a perfect fit stays comparable).
double aic(int n, double ss, int p);

// Fits every model to `base`'s measured pressures within `options.bounds`, from the best case of
// the 4 x 4 x 4 grid (`fromGrid`) or from `start`; with the 95 % ranges when `withRanges`.
ModelComparison compareModels(const engine::RunInputs& base, const RefineOptions& options,
                              const Point& start, bool fromGrid, bool withRanges = true);

} // namespace brelvan::fit
