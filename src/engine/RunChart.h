// The chart of a run: its rows as the single-precision series the chart draws, and the captions.
#pragma once

#include <array>
#include <string>

#include "engine/Run.h"

namespace brelvan::chart {

// The x axis of the chart.
enum class XAxis { Days = 0, Production = 1 };

// The x axis a stored chart type stands for: 0 days, anything else cumulative production.
XAxis xAxis(int stored);

struct Series {
    // Entry 0 is the production start (the initial pressure); the rows follow from entry 1.
    std::array<float, engine::kSeriesSize> xRechen{}, pRechen{}, weRechen{}, xMess{}, pMess{};
    int computedPoints = 0; // computed entries after entry 0
    int measuredPoints = 0; // measured entries after entry 0
    // Chart captions: x axis, left and right y axis, the three legend texts. Set only when a
    // row entered the series (hasCaptions); the chart keeps its captions otherwise.
    std::string xAchse, y1Achse, y2Achse, legende1, legende2, legende3;
    bool hasCaptions() const { return !xAchse.empty(); }
};

// The series of `result`, a run of a case with initial pressure `pInit`. A grid case of the
// sensitivity search (`rows` false) has entry 0 only.
Series runSeries(const engine::RunResult& result, double pInit, XAxis axis, bool rows = true);

} // namespace brelvan::chart
