// Seeded synthetic cases for the water-support verdict: volumetric reservoirs and reservoirs
// with a clear water drive, their pressures scattered by 1 bar, each stored with an OGIP that
// need not be the true one.
#pragma once

#include <cmath>
#include <random>

#include "engine/Diagnostics.h"
#include "engine/Run.h"
#include "testing/FitCases.h"

namespace verdict_cases {

struct Drawn {
    brelvan::engine::Diagnostics diag; // of the noisy case with its stored OGIP
    double coleRise = 0;               // of the same case without noise
    int measured = 0;
    double depletion = 0;
};

// Case `index` of one kind. Ten years of monthly rows, every 3rd to 12th measured (10 to 40
// points), production up to 20 to 50 % of an OGIP of 2000 to 30000 Mio m3. A volumetric case
// has a negligible water zone (WIP 0.1, J 0.001) and stores an OGIP 15 % below to 15 % above
// the truth; a water-drive case has a WIP of 0.3 to 10 times the OGIP and a J of 5 to 500,
// drawn again until its Cole line rises by more than 5 % without noise.
inline Drawn draw(bool water, unsigned index) {
    using brelvan::engine::InfluxScheme;
    std::mt19937 gen(1000003u * (water ? 2u : 1u) + index);
    auto unit = [&gen] { return (static_cast<double>(gen()) + 0.5) / 4294967296.0; };
    auto between = [&](double a, double b) { return a + (b - a) * unit(); };
    auto logBetween = [&](double a, double b) { return a * std::pow(b / a, unit()); };
    Drawn d;
    const double ogip = logBetween(2000, 30000);
    const int every = 3 + static_cast<int>(gen() % 10u);
    d.depletion = between(0.2, 0.5);
    brelvan::fit::Point truth{ogip, 0.1, 0.001};
    auto make = [&](double sigma) {
        return fit_cases::syntheticCase(truth, 10, every, InfluxScheme::Original, sigma, gen(), 1,
                                        d.depletion);
    };
    auto diagnoseCase = [](const brelvan::engine::RunInputs& in) {
        return brelvan::engine::diagnose(brelvan::engine::run(in), in);
    };
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (water)
            truth = {ogip, ogip * logBetween(0.3, 10), logBetween(5, 500)};
        d.coleRise = diagnoseCase(make(0)).check.coleRise;
        if (!water || d.coleRise > brelvan::engine::kColeRiseThreshold)
            break;
    }
    brelvan::engine::RunInputs in = make(1.0);
    if (!water)
        in.ogip = ogip * between(0.85, 1.15);
    d.diag = diagnoseCase(in);
    d.measured = d.diag.check.points;
    return d;
}

struct Rates {
    int cases = 0, yes = 0, no = 0, unclear = 0;
    double share(int k) const { return cases > 0 ? static_cast<double>(k) / cases : 0.0; }
};

inline Rates rates(bool water, unsigned count) {
    Rates r;
    for (unsigned i = 0; i < count; ++i) {
        const Drawn d = draw(water, i);
        ++r.cases;
        switch (d.diag.check.verdict) {
        case brelvan::engine::WaterVerdict::Yes:
            ++r.yes;
            break;
        case brelvan::engine::WaterVerdict::No:
            ++r.no;
            break;
        default:
            ++r.unclear;
        }
    }
    return r;
}

} // namespace verdict_cases
