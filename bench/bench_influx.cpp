// The interval-mean influx scheme on the 299-row case of bench_engine.cpp, beside the original
// scheme's BM_compute299: each row's pressure found by a bracketed search to 1e-6 bar.
#include <benchmark/benchmark.h>

#include "document/CBrelvanDoc.h"
#include "support/TextFormat.h"
#include "support/WorkedCase.h"

namespace {

void BM_compute299Interval(benchmark::State& state) {
    CBrelvanDoc doc; // without a user interface: silent
    doc.OnNewDocument();
    doc.m_strFeldname = "Bench";
    worked_case::setReservoir(doc);
    for (int i = 0; i < 299; ++i) {
        const int month = i % 12 + 1, year = 2000 + i / 12;
        const double gp = 5.0 * (i + 1);
        const double p = 250 - 0.045 * gp + (i % 2 ? 0.8 : -0.8);
        doc.m_Zeilen.push_back(i % 3 == 0
                                   ? brelvan::cformat("1.%d.%d %.1f %.1f", month, year + 1, gp, p)
                                   : brelvan::cformat("1.%d.%d %.1f", month, year + 1, gp));
    }
    doc.m_iVerfahren = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.compute());
    state.counters["rows"] = doc.m_MaxWerte;
}
BENCHMARK(BM_compute299Interval)->Unit(benchmark::kMillisecond);

} // namespace
