// brelvan-bench: the misfit map, the refinement and the profile ranges on the 299-row case.
#include <benchmark/benchmark.h>

#include "engine/Fit.h"
#include "engine/FitObjective.h"
#include "engine/MisfitMap.h"
#include "support/FitCases.h"

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

} // namespace
