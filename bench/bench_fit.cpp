// brelvan-bench: the misfit map, the refinement and the profile ranges on the 299-row case; the
// whole fit (several starts and the ranges) there and on a 50-row case with a local minimum.
#include <benchmark/benchmark.h>

#include "engine/Fit.h"
#include "engine/FitObjective.h"
#include "engine/MisfitMap.h"
#include "testing/FitCases.h"

namespace {

using namespace brelvan::fit;

const brelvan::engine::RunInputs& grossCase() {
    static const brelvan::engine::RunInputs in = fit_cases::grossCase(BRELVAN_SOURCE_DIR);
    return in;
}

RefineOptions grossOptions() {
    RefineOptions o;
    o.bounds.lo = {4000, 1000, 5};
    o.bounds.hi = {8000, 30000, 80};
    return o;
}

void BM_misfitMap41Held(benchmark::State& state) {
    const Objective objective = caseObjective(grossCase());
    MapOptions o;
    o.axisA = kOgip;
    o.axisB = kWip;
    o.loA = 4000;
    o.hiA = 8000;
    o.loB = 1000;
    o.hiB = 30000;
    o.base = {5000, 20000, 50};
    for (auto _ : state)
        benchmark::DoNotOptimize(misfitMap(objective, o).bestCell);
}
BENCHMARK(BM_misfitMap41Held)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_refineFromGrid(benchmark::State& state) {
    const Objective objective = caseObjective(grossCase());
    const RefineOptions o = grossOptions();
    const GridBest g = gridBest(objective, o.bounds);
    for (auto _ : state)
        benchmark::DoNotOptimize(refine(objective, g.best, o).misfit.ss);
}
BENCHMARK(BM_refineFromGrid)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_threeRanges(benchmark::State& state) {
    const Objective objective = caseObjective(grossCase());
    const RefineOptions o = grossOptions();
    const RefineResult best = refine(objective, gridBest(objective, o.bounds).best, o);
    for (auto _ : state)
        benchmark::DoNotOptimize(profileRanges(objective, best, o).threshold);
}
BENCHMARK(BM_threeRanges)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// The whole fit as "anpassen" runs it: grid, several starts side by side, ranges.
void BM_fitCaseGross(benchmark::State& state) {
    const Objective objective = caseObjective(grossCase());
    FitOptions o;
    o.refine = grossOptions();
    o.caseValues = {5000, 20000, 50};
    for (auto _ : state)
        benchmark::DoNotOptimize(fitCase(objective, o).best.misfit.ss);
}
BENCHMARK(BM_fitCaseGross)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// 50 rows, a small water zone that answers fast, a wide box: one start from the grid's best
// ends in a local minimum; the single-start fit (grid, one refinement, ranges) against the
// whole fit.
const brelvan::engine::RunInputs& trapCase() {
    static const brelvan::engine::RunInputs in = fit_cases::syntheticCase(
        {23000, 1500, 450}, 25, 1, brelvan::engine::InfluxScheme::Original, 0.3, 1, 6);
    return in;
}

FitOptions trapOptions() {
    FitOptions o;
    o.refine.bounds.lo = {10000, 500, 5};
    o.refine.bounds.hi = {40000, 50000, 500};
    o.refine.bounds = searchBounds(o.refine.bounds, largestGp(trapCase()));
    o.caseValues = {20000, 5000, 50};
    return o;
}

void BM_singleStartTrap(benchmark::State& state) {
    const Objective objective = caseObjective(trapCase());
    const FitOptions o = trapOptions();
    for (auto _ : state) {
        const RefineResult best =
            refine(objective, gridBest(objective, o.refine.bounds).best, o.refine);
        benchmark::DoNotOptimize(profileRanges(objective, best, o.refine).threshold);
    }
}
BENCHMARK(BM_singleStartTrap)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_fitCaseTrap(benchmark::State& state) {
    const Objective objective = caseObjective(trapCase());
    const FitOptions o = trapOptions();
    for (auto _ : state)
        benchmark::DoNotOptimize(fitCase(objective, o).best.misfit.ss);
}
BENCHMARK(BM_fitCaseTrap)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
