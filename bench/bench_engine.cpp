// brelvan-bench: the z-factor, one 299-row computation and the whole sensitivity search (64 grid
// cases on all processors and the final run) on the 299-row case. Wall-clock medians count:
//   brelvan-bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <string>

#include "document/CBrelvanDoc.h"
#include "engine/GasProperties.h"
#include "engine/Sensitivity.h"
#include "support/TextFormat.h"
#include "testing/WorkedCase.h"

namespace {

// The worked case's reservoir with 299 monthly rows over 25 years, every third one measured.
void setBenchCase(CBrelvanDoc& doc) {
    doc.OnNewDocument();
    doc.m_strFeldname = "Bench";
    worked_case::setReservoir(doc);
    for (int i = 0; i < 299; ++i) {
        const int month = i % 12 + 1, year = 2000 + i / 12;
        const double gp = 5.0 * (i + 1);
        // Measured pressures near the computed decline (about 0.045 bar per Mio m3).
        const double p = 250 - 0.045 * gp + (i % 2 ? 0.8 : -0.8);
        doc.m_Zeilen.push_back(i % 3 == 0
                                   ? brelvan::cformat("1.%d.%d %.1f %.1f", month, year + 1, gp, p)
                                   : brelvan::cformat("1.%d.%d %.1f", month, year + 1, gp));
    }
}

void BM_zfactor(benchmark::State& state) {
    CBrelvanDoc doc;
    doc.OnNewDocument();
    double tpc = 0, ppc = 0;
    doc.pseudocrit(tpc, ppc);
    double p = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.zfactor(80, p, tpc, ppc));
        p = p >= 300 ? 100 : p + 0.37;
    }
}
BENCHMARK(BM_zfactor);

// The pressure of a p/z: ten z evaluations, paired.
void BM_pzpressure(benchmark::State& state) {
    CBrelvanDoc doc;
    doc.OnNewDocument();
    double tpc = 0, ppc = 0;
    doc.pseudocrit(tpc, ppc);
    double pz = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(brelvan::gas::pzpressure(80, pz, tpc, ppc));
        pz = pz >= 300 ? 100 : pz + 0.37;
    }
}
BENCHMARK(BM_pzpressure);

void BM_compute299(benchmark::State& state) {
    CBrelvanDoc doc; // without a user interface: silent, questions answered No
    setBenchCase(doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.compute());
    state.counters["rows"] = doc.m_MaxWerte;
}
BENCHMARK(BM_compute299)->Unit(benchmark::kMillisecond);

// The same case with the interval-mean influx scheme.
void BM_compute299Interval(benchmark::State& state) {
    CBrelvanDoc doc;
    setBenchCase(doc);
    doc.m_iVerfahren = brelvan::engine::InfluxScheme::IntervalMean;
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.compute());
    state.counters["rows"] = doc.m_MaxWerte;
}
BENCHMARK(BM_compute299Interval)->Unit(benchmark::kMillisecond);

void BM_sensitivity(benchmark::State& state) {
    CBrelvanDoc doc; // without a user interface: silent, questions answered No
    for (auto _ : state) {
        state.PauseTiming();
        setBenchCase(doc);
        doc.m_dMinOGIP = 4000;
        doc.m_dMaxOGIP = 7000;
        doc.m_dMinWIP = 10000;
        doc.m_dMaxWIP = 40000;
        doc.m_dMinJ = 20;
        doc.m_dMaxJ = 80;
        doc.m_bSensitivitaet = true;
        state.ResumeTiming();
        doc.sensitivity();
    }
}
BENCHMARK(BM_sensitivity)->Unit(benchmark::kMillisecond)->UseRealTime();

// The water zone of the bench case as a full ring for the unsteady models: Rw 3000 m, h 20 m,
// phi 0.2, mu 0.5 cP (Re from WIP, k from J).
void setRing(CBrelvanDoc& doc, int model) {
    doc.m_iModell = model;
    doc.m_fWinkel = 360;
    doc.m_fMaechtigkeit = 20;
    doc.m_fPorositaet = 0.2f;
    doc.m_fViskositaet = 0.5f;
    doc.m_fRadiusGWC = 3000;
}

// One 299-row run and the whole search (64 grid cases and the final run) with each model.
void BM_compute299Model(benchmark::State& state) {
    CBrelvanDoc doc;
    setBenchCase(doc);
    setRing(doc, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.compute());
    state.counters["rows"] = doc.m_MaxWerte;
}
BENCHMARK(BM_compute299Model)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_sensitivityModel(benchmark::State& state) {
    CBrelvanDoc doc;
    for (auto _ : state) {
        state.PauseTiming();
        setBenchCase(doc);
        setRing(doc, static_cast<int>(state.range(0)));
        doc.m_dMinOGIP = 4000;
        doc.m_dMaxOGIP = 7000;
        doc.m_dMinWIP = 10000;
        doc.m_dMaxWIP = 40000;
        doc.m_dMinJ = 20;
        doc.m_dMaxJ = 80;
        doc.m_bSensitivitaet = true;
        state.ResumeTiming();
        doc.sensitivity();
    }
}
BENCHMARK(BM_sensitivityModel)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 64 grid cases alone on 1 thread and on one thread per processor (argument 0).
void BM_searchThreads(benchmark::State& state) {
    CBrelvanDoc doc;
    setBenchCase(doc);
    const brelvan::engine::RunInputs in = doc.runInputs();
    const brelvan::sens::Ranges ranges{4000, 7000, 10000, 40000, 20, 80};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            brelvan::sens::search(in, ranges, static_cast<unsigned>(state.range(0))));
}
BENCHMARK(BM_searchThreads)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
