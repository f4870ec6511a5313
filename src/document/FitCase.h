// What the fitting tools need of the case document: the inputs of a run from the case or from
// the input dialog, the sensitivity ranges, and the adoption of fitted values.
#pragma once

#include <array>
#include <string>

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

// The text an adopted fit value is shown with, for as long as the case holds that very value;
// the value itself is kept in full. An empty text: the value is shown as any other. Kept beside
// the case (document and input dialog), never stored in its file.
struct ShownFitValue {
    double value = 0;
    std::string text;
};
using ShownFitValues = std::array<ShownFitValue, fit::kParams>; // OGIP, WIP, J

// The texts of fitted values: each parameter whose range was computed (the free ones) with the
// digits its range justifies (fit::justifiedText); a free parameter without ranges with six
// significant digits; a held one (`free` false) keeps its own text.
ShownFitValues shownFitValues(const fit::Point& values, const fit::RangesResult& ranges,
                              const std::array<bool, fit::kParams>& free);

// The case takes the fitted OGIP, WIP and J (marked modified when they differ) and is computed
// again as the editing cycle does after OK; the views are redrawn. `shown`: the texts the values
// are shown with.
void adoptFit(CBrelvanDoc& doc, const fit::Point& values, const ShownFitValues& shown = {});

} // namespace brelvan
