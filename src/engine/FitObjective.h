// The fitting objective of a case: one run per point, the residuals of its measured rows.
#pragma once

#include "engine/Fit.h"
#include "engine/Run.h"

namespace brelvan::fit {

// Computed minus measured pressure of every measured row of a run of `base` with the
// point's OGIP, WIP and J. A run that ends early or compares no measured pressure has no error
// value. The objective holds its own copy of `base` and may be called from any thread.
Objective caseObjective(engine::RunInputs base);

// The largest cumulative production of the rows (OGIP must lie above it).
double largestGp(const engine::RunInputs& in);

} // namespace brelvan::fit
