#include "engine/FitObjective.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace brelvan::fit {

Objective caseObjective(engine::RunInputs base) {
    // The rows are parsed once, for every run of the fit.
    auto shared = std::make_shared<const engine::RunInputs>(std::move(base));
    return [shared](const Point& x, std::vector<double>& residuals) {
        residuals.clear();
        engine::CaseValues values = *shared;
        values.ogip = x[kOgip];
        values.wip = x[kWip];
        values.jValue = x[kJWert];
        const engine::RunResult r = engine::run(values, shared->rows);
        if (r.aborted() || !std::isfinite(r.meanError))
            return false;
        for (const engine::RowRecord& row : r.rows)
            if (row.measured)
                residuals.push_back(row.p - row.pMeasured);
        return !residuals.empty();
    };
}

double largestGp(const engine::RunInputs& in) {
    double gp = 0;
    for (const engine::Row& row : in.rows)
        gp = std::max(gp, row.gp);
    return gp;
}

} // namespace brelvan::fit
