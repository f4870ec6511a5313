// What the fitting tools need of the case document: the inputs of a run from the case or from
// the input dialog, the sensitivity ranges, and the adoption of fitted values.
#pragma once

#include "engine/Fit.h"
#include "engine/Run.h"

class CBrelvanDoc;
class DlgInputData;

namespace brelvan {

// The case's sensitivity ranges as a box (the fit uses the usable ones).
fit::Bounds sensitivityRanges(const CBrelvanDoc& doc);
fit::Bounds sensitivityRanges(const DlgInputData& dlg);

// The values the input dialog accepts for OGIP, WIP and J: every search box is clipped to them,
// so that fitted values can be adopted and saved.
fit::Bounds inputLimits();

// The inputs of a run of the values the input dialog holds.
engine::RunInputs runInputsOf(const DlgInputData& dlg);

// The case takes the fitted OGIP, WIP and J (marked modified when they differ) and is computed
// again as the editing cycle does after OK; the views are redrawn.
void adoptFit(CBrelvanDoc& doc, const fit::Point& values);

} // namespace brelvan
