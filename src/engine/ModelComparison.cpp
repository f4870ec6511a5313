#include "engine/ModelComparison.h"

#include <algorithm>
#include <cmath>

#include "engine/EngineTexts.h"
#include "engine/FitObjective.h"
#include "engine/ModelWaterZone.h"

namespace brelvan::fit {

double aic(int n, double ss, int p) {
    const double floor = 1e-12 * n;
    return n * std::log(std::max(ss, floor) / n) + 2.0 * p;
}

ModelComparison compareModels(const engine::RunInputs& base, const RefineOptions& options,
                              const Point& start, bool fromGrid, bool withRanges) {
    ModelComparison out;
    for (int i = 0; i < waterzone::kModelCount; ++i) {
        ModelFit f;
        f.model = static_cast<waterzone::Model>(i);
        engine::RunInputs in = base;
        in.model = f.model;
        if (f.model != waterzone::Model::Fetkovich) {
            const waterzone::ZoneSetup z = engine::zoneOf(in);
            if (z.missing != waterzone::Missing::None) {
                f.problem = waterzone::missingMessage(f.model, z.missing);
                out.fits.push_back(std::move(f));
                continue;
            }
        }
        RefineOptions o = options;
        if (f.model == waterzone::Model::Pot)
            o.free[kJWert] = false; // the pot ignores J
        f.freeParams = static_cast<int>(std::count(o.free.begin(), o.free.end(), true));
        if (f.freeParams == 0) {
            f.problem = engine::tx("Kein freier Parameter.");
            out.fits.push_back(std::move(f));
            continue;
        }
        const Objective objective = caseObjective(in);
        Point from = start;
        if (fromGrid) {
            Bounds grid = o.bounds;
            for (int j = 0; j < kParams; ++j)
                if (!o.free[j])
                    grid.lo[j] = grid.hi[j] = start[j];
            const GridBest g = gridBest(objective, grid);
            if (g.valid)
                from = g.best;
        }
        f.best = refine(objective, from, o);
        if (!f.best.valid) {
            f.problem = engine::tx("Am Startpunkt ergibt die Rechnung keinen Fehlerwert.");
            out.fits.push_back(std::move(f));
            continue;
        }
        f.valid = true;
        if (withRanges)
            f.ranges = profileRanges(objective, f.best, o);
        f.aic = aic(f.best.misfit.n, f.best.misfit.ss, f.freeParams);
        if (out.bestIndex < 0 || f.aic < out.fits[static_cast<std::size_t>(out.bestIndex)].aic)
            out.bestIndex = i;
        out.fits.push_back(std::move(f));
    }
    return out;
}

} // namespace brelvan::fit
