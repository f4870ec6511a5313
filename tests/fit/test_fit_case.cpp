// The fitting code on the real material balance: synthetic truth recovered, the refinement
// never worse than the grid, ranges that cover the truth under noise, map cells that are runs.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Fit.h"
#include "engine/FitObjective.h"
#include "engine/MisfitMap.h"
#include "support/FitCases.h"

using namespace brelvan::fit;
using brelvan::engine::InfluxScheme;

namespace {

RefineOptions boxOptions(Point lo, Point hi) {
    RefineOptions o;
    o.bounds.lo = lo;
    o.bounds.hi = hi;
    return o;
}

} // namespace

TEST(FitCase, RecoversSyntheticTruthFromTheGridBest) {
    const struct {
        Point truth;
        InfluxScheme scheme;
    } cases[] = {{{5000, 20000, 50}, InfluxScheme::Original},
                 {{3000, 6000, 120}, InfluxScheme::Original},
                 {{8000, 50000, 20}, InfluxScheme::Original},
                 {{5000, 20000, 50}, InfluxScheme::IntervalMean},
                 {{3000, 6000, 120}, InfluxScheme::IntervalMean}};
    for (const auto& c : cases) {
        const auto in = fit_cases::syntheticCase(c.truth, 12, 3, c.scheme);
        const Objective objective = caseObjective(in);
        RefineOptions o = boxOptions({c.truth[0] * 0.6, c.truth[1] * 0.2, c.truth[2] * 0.2},
                                     {c.truth[0] * 1.7, c.truth[1] * 4.1, c.truth[2] * 3.3});
        o.bounds = searchBounds(o.bounds, largestGp(in));
        const GridBest grid = gridBest(objective, o.bounds);
        ASSERT_TRUE(grid.valid);
        const RefineResult r = refine(objective, grid.best, o);
        ASSERT_TRUE(r.valid);
        EXPECT_LE(r.misfit.ss, grid.misfit.ss);
        for (int j = 0; j < kParams; ++j)
            EXPECT_NEAR(r.best[j], c.truth[j], 1e-3 * c.truth[j])
                << paramName(j) << " scheme " << static_cast<int>(c.scheme);
        EXPECT_TRUE(r.warnings.empty());
    }
}

TEST(FitCase, RefinementNeverAboveTheGridBestOnTheLargeCase) {
    const Objective objective = caseObjective(fit_cases::grossCase(BRELVAN_SOURCE_DIR));
    for (const RefineOptions& o : {boxOptions({4000, 1000, 5}, {8000, 30000, 80}),
                                   boxOptions({3000, 100, 1}, {9000, 90000, 300})}) {
        const GridBest grid = gridBest(objective, o.bounds);
        ASSERT_TRUE(grid.valid);
        const RefineResult r = refine(objective, grid.best, o);
        EXPECT_LE(r.misfit.ss, grid.misfit.ss);
        EXPECT_LE(r.misfit.ss, evaluate(objective, grid.best).ss);
    }
}

TEST(FitCase, NoisyRangesHoldTheTruthInAtLeast34Of40Trials) {
    const Point truth{5000, 20000, 50};
    constexpr int kTrials = 40;
    std::vector<RangesResult> ranges(kTrials);
    // The trials side by side, each on one thread.
    brelvan::parallel::forEach(kTrials, 0, [&](int trial) {
        const auto in = fit_cases::syntheticCase(truth, 6, 1, InfluxScheme::Original, 0.5,
                                                 4242 + static_cast<unsigned>(trial), 3);
        const Objective objective = caseObjective(in);
        const RefineOptions o = boxOptions({2500, 2000, 5}, {10000, 100000, 500});
        brelvan::parallel::Control one;
        one.threads = 1;
        const RefineResult best = refine(objective, {4500, 15000, 60}, o, one);
        ranges[trial] = profileRanges(objective, best, o, one);
    });
    int covered[kParams] = {0, 0, 0};
    for (const RangesResult& r : ranges) {
        ASSERT_TRUE(r.computed) << r.message;
        for (int j = 0; j < kParams; ++j)
            if (r.ranges[j].lo <= truth[j] && truth[j] <= r.ranges[j].hi)
                ++covered[j];
    }
    for (int j = 0; j < kParams; ++j)
        EXPECT_GE(covered[j], 34) << paramName(j);
}

TEST(FitCase, MapCellEqualsASingleRun) {
    auto in = fit_cases::syntheticCase({5000, 20000, 50}, 6, 3, InfluxScheme::Original, 0.4, 9);
    const Objective objective = caseObjective(in);
    MapOptions o;
    o.axisA = kWip;
    o.axisB = kJWert;
    o.loA = 5000;
    o.hiA = 40000;
    o.loB = 10;
    o.hiB = 100;
    o.points = 6;
    o.base = {1000, 20000, 50}; // OGIP below the last Gp: no cell has an error value
    EXPECT_EQ(misfitMap(objective, o).bestCell, -1);
    o.base[kOgip] = 5200;
    const MisfitMap map = misfitMap(objective, o);
    for (int i : {0, 3, 5})
        for (int k : {0, 2, 5}) {
            const MapCell& cell = map.cell(i, k);
            brelvan::engine::RunInputs single = in;
            single.ogip = 5200;
            single.wip = map.valuesA[i];
            single.jValue = map.valuesB[k];
            const brelvan::engine::RunResult r = brelvan::engine::run(single);
            ASSERT_TRUE(cell.misfit.valid);
            EXPECT_DOUBLE_EQ(cell.misfit.meanAbs, r.meanError);
            double ss = 0;
            int n = 0;
            for (const auto& row : r.rows)
                if (row.measured) {
                    ss += (row.p - row.pMeasured) * (row.p - row.pMeasured);
                    ++n;
                }
            EXPECT_DOUBLE_EQ(cell.misfit.rms, std::sqrt(ss / n));
        }
}
