#include "engine/FitObjective.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "support/PressureLine.h"

namespace brelvan::fit {

Objective caseObjective(engine::RunInputs base) {
    base.quiet = true;
    auto shared = std::make_shared<const engine::RunInputs>(std::move(base));
    return [shared](const Point& x, std::vector<double>& residuals) {
        residuals.clear();
        engine::RunInputs in = *shared;
        in.ogip = x[kOgip];
        in.wip = x[kWip];
        in.jValue = x[kJWert];
        const engine::RunResult r = engine::run(in);
        if (r.aborted || !std::isfinite(r.meanError))
            return false;
        for (const engine::RowRecord& row : r.rows)
            if (row.measured)
                residuals.push_back(row.p - row.pMeasured);
        return !residuals.empty();
    };
}

double largestGp(const engine::RunInputs& in) {
    double gp = 0;
    int rows = 0;
    for (const std::string& text : in.lines) {
        if (rows++ >= engine::kMaxRows)
            break;
        PressureLine line;
        if (scanPressureLine(text, line) < 6)
            break;
        gp = std::max(gp, line.gp);
    }
    return gp;
}

} // namespace brelvan::fit
