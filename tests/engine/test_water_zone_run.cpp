// The row step with the water-zone models: every row satisfies the gas balance with the model's
// influx for the pressures the run found, and a case made with a model is fitted back to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

#include "engine/Fit.h"
#include "engine/FitObjective.h"
#include "engine/GasProperties.h"
#include "engine/ModelComparison.h"
#include "engine/ModelWaterZone.h"
#include "engine/Report.h"
#include "engine/Run.h"
#include "engine/WaterZoneModels.h"
#include "support/TextFormat.h"
#include "testing/WorkedCase.h"

using namespace brelvan;
namespace wz = brelvan::waterzone;

namespace {

// Methane at 80 °C and 250 bar, OGIP 5000, WIP 20000 Mio m3, c 9.5E-5/bar, J 50; a full ring
// (Rw 3000 m, h 20 m, phi 0.2, mu 0.5 cP) or a strip 8000 m wide; 60 monthly rows of 40 Mio m3
// each, every second one measured (the pressure filled in later).
engine::RunInputs ringCase(wz::Model model, bool linear = false) {
    engine::RunInputs in;
    static_cast<engine::CaseValues&>(in) = worked_case::caseValues();
    in.fieldName = "Testfeld";
    in.model = model;
    in.rock.angle = linear ? 0 : 360;
    in.rock.h = 20;
    in.rock.mu = 0.5;
    in.rock.phi = 0.2;
    in.rock.rw = 3000;
    in.rock.width = 8000;
    for (int i = 0; i < 60; ++i) {
        engine::Row r;
        r.day = 1;
        r.month = i % 12 + 1;
        r.year = 2001 + i / 12;
        r.gp = 40.0 * (i + 1);
        in.rows.push_back(r);
    }
    return in;
}

} // namespace

TEST(WaterZoneRun, EveryRowSatisfiesTheBalanceWithTheModelsInflux) {
    const struct {
        wz::Model model;
        bool linear;
    } cases[] = {{wz::Model::VanEverdingenHurst, false},
                 {wz::Model::VanEverdingenHurst, true},
                 {wz::Model::CarterTracy, false},
                 {wz::Model::CarterTracy, true},
                 {wz::Model::Pot, false}};
    for (const auto& c : cases) {
        const engine::RunInputs in = ringCase(c.model, c.linear);
        const engine::RunResult r = engine::run(in);
        ASSERT_TRUE(r.status.completed()) << wz::modelWord(c.model);
        ASSERT_EQ(r.rows.size(), in.rows.size());
        double tpc = 0, ppc = 0;
        gas::pseudocrit(in.gas, tpc, ppc);
        std::vector<double> days{0}, p{in.pInit};
        for (const engine::RowRecord& row : r.rows) {
            const double pz = r.pzInit * (1 - row.gp / in.ogip) / (1 - row.we / r.vInit);
            EXPECT_NEAR(row.pz, pz, 1e-9 * pz);
            EXPECT_NEAR(row.p, gas::pzpressure(in.temperature, row.pz, tpc, ppc), 1e-5);
            days.push_back(row.days);
            p.push_back(row.p);
        }
        const wz::ZoneSetup zone = engine::zoneOf(in);
        const std::vector<double> we = wz::influxHistory(zone.zone, days, p);
        for (std::size_t i = 0; i < r.rows.size(); ++i)
            EXPECT_NEAR(r.rows[i].we, we[i + 1], 1e-9 + 1e-9 * we[i + 1])
                << wz::modelWord(c.model) << " row " << i;
        EXPECT_GT(r.rows.back().we, 1.0) << wz::modelWord(c.model); // the zone does support
    }
    // A case lacking the model's geometry does not run.
    engine::RunInputs bare = ringCase(wz::Model::VanEverdingenHurst);
    bare.rock.h = 0;
    EXPECT_EQ(engine::run(bare).status.end, engine::RunEnd::InvalidCase);
}

// A case whose measured pressures a model made is fitted back to that model's OGIP, WIP and J
// (the pot holds J, which it ignores). The zone is small and conductive enough (WIP 3000, J 300:
// Re/Rw about 5, t_D about 60 at the end) for its outer end to show in the pressures; an
// infinite-acting zone would leave WIP open.
TEST(WaterZoneRun, SyntheticCaseIsFittedBackToItsTruth) {
    for (wz::Model m : {wz::Model::VanEverdingenHurst, wz::Model::CarterTracy, wz::Model::Pot}) {
        engine::RunInputs in = ringCase(m);
        in.wip = 3000;
        in.jValue = 300;
        const engine::RunResult truth = engine::run(in);
        ASSERT_TRUE(truth.status.completed());
        for (std::size_t i = 1; i < in.rows.size(); i += 2)
            in.rows[i].pressure = truth.rows[i].p;
        const fit::Objective objective = fit::caseObjective(in);
        fit::RefineOptions options;
        // Within these bounds; wider ones also hold a second, infinite-acting minimum (WIP 30000,
        // J 90, OGIP 6300 fit to 0.6 bar).
        options.bounds.lo = {4000, 1000, 100};
        options.bounds.hi = {7000, 10000, 1000};
        options.free[fit::kJWert] = m != wz::Model::Pot;
        // From a start 10 to 50 % off the truth.
        const fit::RefineResult best =
            fit::refine(objective, {4500, 4500, m == wz::Model::Pot ? 300.0 : 200.0}, options);
        ASSERT_TRUE(best.valid) << wz::modelWord(m);
        EXPECT_LT(best.misfit.rms, 0.01) << wz::modelWord(m);
        EXPECT_NEAR(best.best[fit::kOgip], 5000, 5) << wz::modelWord(m);
        EXPECT_NEAR(best.best[fit::kWip], 3000, 30) << wz::modelWord(m);
        EXPECT_NEAR(best.best[fit::kJWert], 300, 6) << wz::modelWord(m);
    }
}

// The report header names a model other than Fetkovich, with the conductivity and size the
// unsteady models take from J and WIP; a Fetkovich case has no such line.
TEST(WaterZoneRun, ReportHeaderNamesTheModel) {
    engine::RunInputs in = ringCase(wz::Model::VanEverdingenHurst);
    std::vector<std::string> lines;
    report::writeHeader(in, 0.935, lines);
    const wz::ZoneSetup z = engine::zoneOf(in);
    auto has = [&lines](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("   ZUFLUSSMODELL                      :VAN EVERDINGEN-HURST"));
    EXPECT_TRUE(has(cformat("   PERMEABILITAET AUS J-WERT       (MD):%8.1f", z.k)));
    EXPECT_TRUE(has(cformat("   AUSSENRADIUS AUS WIP             (M):%8.1f", z.size)));
    in.model = wz::Model::Pot;
    lines.clear();
    report::writeHeader(in, 0.935, lines);
    EXPECT_TRUE(has("   ZUFLUSSMODELL                      :TOPF"));
    EXPECT_FALSE(has(cformat("   PERMEABILITAET AUS J-WERT       (MD):%8.1f", z.k)));
    in.model = wz::Model::Fetkovich;
    in.scheme = engine::InfluxScheme::IntervalMean;
    lines.clear();
    report::writeHeader(in, 0.935, lines);
    EXPECT_TRUE(has("   ZUFLUSSBERECHNUNG                  :INTERVALLMITTEL NACH FETKOVITCH"));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.find("ZUFLUSSMODELL") != l.npos; }),
              0);
}

// The comparison picks the model that made the pressures when the histories differ clearly: a
// pot against an unsteady ring of the same water in place.
TEST(WaterZoneRun, ComparisonPicksTheTrueModel) {
    EXPECT_NEAR(fit::aic(10, 10, 2), 4.0, 1e-12); // 10 ln 1 + 4
    for (wz::Model truthModel : {wz::Model::VanEverdingenHurst, wz::Model::Pot}) {
        engine::RunInputs in = ringCase(truthModel);
        in.wip = 3000;
        in.jValue = 300;
        const engine::RunResult truth = engine::run(in);
        ASSERT_TRUE(truth.status.completed());
        for (std::size_t i = 1; i < in.rows.size(); i += 2)
            in.rows[i].pressure = truth.rows[i].p;
        fit::RefineOptions options;
        options.bounds.lo = {4000, 1000, 100};
        options.bounds.hi = {7000, 10000, 1000};
        const fit::ModelComparison c =
            fit::compareModels(in, options, {4500, 4500, 300}, false, false);
        ASSERT_EQ(c.fits.size(), 4u);
        ASSERT_GE(c.bestIndex, 0);
        EXPECT_EQ(c.fits[static_cast<std::size_t>(c.bestIndex)].model, truthModel)
            << wz::modelWord(truthModel);
        EXPECT_EQ(c.fits[3].freeParams, 2);
    }
}

// The comparison as the desktop program runs it: progress up to 100 %, a cancel that leaves no
// best model, the batch tool's table, and each model's curve, which is its fit's run: its
// pressures at the measured rows give the fit's RMS error. The curves hold for the same case
// with other OGIP, WIP, J or model, not for other measurements or another scheme.
TEST(WaterZoneRun, ComparisonCurvesTableProgressAndCancel) {
    engine::RunInputs in = ringCase(wz::Model::Pot);
    in.wip = 3000;
    in.jValue = 300;
    const engine::RunResult truth = engine::run(in);
    ASSERT_TRUE(truth.status.completed());
    for (std::size_t i = 1; i < in.rows.size(); i += 2)
        in.rows[i].pressure = truth.rows[i].p;
    fit::RefineOptions options;
    options.bounds.lo = {4000, 1000, 100};
    options.bounds.hi = {7000, 10000, 1000};
    std::vector<int> seen;
    parallel::Control control;
    control.progress = [&seen](int done, int total) {
        EXPECT_EQ(total, 100);
        seen.push_back(done);
    };
    const fit::ModelComparison c =
        fit::compareModels(in, options, {4500, 4500, 300}, false, false, control);
    ASSERT_FALSE(c.cancelled);
    ASSERT_GE(c.bestIndex, 0);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 100);

    const std::vector<std::string> table = fit::comparisonTable(c);
    ASSERT_EQ(table.size(), 6u); // header, four models, the best one named
    EXPECT_EQ(table[0].rfind("Modell ", 0), 0u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(table[i + 1].ends_with("  *"), static_cast<int>(i) == c.bestIndex)
            << table[i + 1];
    EXPECT_TRUE(table[5].ends_with(wz::modelName(wz::Model::Pot)));

    const fit::ComparisonCurves curves = fit::comparisonCurves(in, c);
    ASSERT_EQ(curves.curves.size(), 4u);
    for (std::size_t m = 0; m < 4; ++m) {
        const fit::ModelCurve& curve = curves.curves[m];
        EXPECT_EQ(curve.model, c.fits[m].model);
        ASSERT_EQ(curve.p.size(), in.rows.size() + 1);
        EXPECT_EQ(curve.days[0], 0);
        EXPECT_EQ(curve.p[0], in.pInit);
        double ss = 0;
        int n = 0;
        for (std::size_t i = 0; i < in.rows.size(); ++i)
            if (in.rows[i].pressure > 0) {
                ss += std::pow(curve.p[i + 1] - in.rows[i].pressure, 2);
                ++n;
            }
        EXPECT_NEAR(std::sqrt(ss / n), c.fits[m].best.misfit.rms, 1e-9) << m;
    }

    engine::RunInputs now = in;
    now.ogip = 1234;
    now.wip = 5;
    now.jValue = 7;
    now.model = wz::Model::Fetkovich;
    EXPECT_TRUE(fit::comparisonHolds(curves.compared, now));
    now.rows[3].pressure += 0.5;
    EXPECT_FALSE(fit::comparisonHolds(curves.compared, now));
    now = in;
    now.scheme = engine::InfluxScheme::IntervalMean;
    EXPECT_FALSE(fit::comparisonHolds(curves.compared, now));

    std::atomic<bool> cancel{true};
    parallel::Control stop;
    stop.cancel = &cancel;
    const fit::ModelComparison stopped =
        fit::compareModels(in, options, {4500, 4500, 300}, false, false, stop);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.bestIndex, -1);
    EXPECT_EQ(fit::comparisonTable(stopped).size(), 1u + stopped.fits.size());
}
