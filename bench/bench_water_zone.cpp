// The water-zone models on a 299-row pressure history: monthly steps over 25 years, as the
// bench case's rows. The unsteady models' tables of a ring are kept per Re/Rw, so the runs of a
// search that share a water in place build them once.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/DayNumber.h"
#include "engine/WaterZoneModels.h"

namespace {

namespace wz = brelvan::waterzone;

struct History {
    std::vector<double> days, p;
};

History monthly299() {
    History h;
    h.days.push_back(0);
    h.p.push_back(250);
    const double start = brelvan::tage(1, 1, 2000, nullptr);
    for (int i = 0; i < 299; ++i) {
        const int month = i % 12 + 1, year = 2001 + i / 12;
        h.days.push_back(brelvan::tage(1, month, year, nullptr) - start);
        h.p.push_back(250 - 0.225 * (i + 1));
    }
    return h;
}

wz::Zone ring(wz::Model m, double wip, double j) {
    wz::Rock rock;
    rock.angle = 360;
    rock.h = 20;
    rock.mu = 0.5;
    rock.phi = 0.2;
    rock.rw = 3000;
    return wz::zoneFromCase(m, rock, wip, 9.5, j, 250).zone;
}

void influx299(benchmark::State& state, wz::Model m) {
    const History h = monthly299();
    const wz::Zone z = ring(m, 20000, 50);
    for (auto _ : state)
        benchmark::DoNotOptimize(wz::influxHistory(z, h.days, h.p));
}

void BM_influx299Fetkovich(benchmark::State& s) {
    influx299(s, wz::Model::Fetkovich);
}
void BM_influx299VanEverdingenHurst(benchmark::State& s) {
    influx299(s, wz::Model::VanEverdingenHurst);
}
void BM_influx299CarterTracy(benchmark::State& s) {
    influx299(s, wz::Model::CarterTracy);
}
BENCHMARK(BM_influx299Fetkovich)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_influx299VanEverdingenHurst)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_influx299CarterTracy)->Unit(benchmark::kMicrosecond);

// A finite ring's tables, built afresh (a water in place not seen before).
void BM_ringTables(benchmark::State& state) {
    double reD = 7.0;
    for (auto _ : state) {
        reD += 1e-6;
        benchmark::DoNotOptimize(wz::wdRadial(50, reD));
    }
}
BENCHMARK(BM_ringTables)->Unit(benchmark::kMicrosecond);

} // namespace
