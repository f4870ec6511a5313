#include "engine/RunChart.h"

#include "engine/Report.h"

namespace brelvan::chart {

XAxis xAxis(int stored) {
    return stored == 0 ? XAxis::Days : XAxis::Production;
}

Series runSeries(const engine::RunResult& result, double pInit, XAxis axis, bool rows) {
    Series s;
    s.pRechen[0] = static_cast<float>(pInit);
    s.pMess[0] = static_cast<float>(pInit);
    if (!rows)
        return s;
    for (const engine::RowRecord& row : result.rows) {
        const double x = axis == XAxis::Days ? row.days : row.gp;
        const auto k = static_cast<std::size_t>(++s.computedPoints);
        s.xRechen[k] = static_cast<float>(x);
        s.pRechen[k] = static_cast<float>(row.p);
        s.weRechen[k] = static_cast<float>(row.we);
        if (row.measured) {
            const auto m = static_cast<std::size_t>(++s.measuredPoints);
            s.xMess[m] = static_cast<float>(x);
            s.pMess[m] = static_cast<float>(row.pMeasured);
        }
    }
    if (s.computedPoints > 0)
        report::setCaptions(s, axis);
    return s;
}

} // namespace brelvan::chart
