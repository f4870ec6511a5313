// The whole gas balance in a run: every computed row satisfies it with its produced water and
// the gas zone's expansion term, in both influx schemes; the report and the diagnostics show
// the terms; an over-pressured volumetric field is no longer taken for water support, and its
// fitted gas in place comes right, once the term is given.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/Diagnostics.h"
#include "engine/Fit.h"
#include "engine/FitObjective.h"
#include "engine/GasBalance.h"
#include "engine/GasProperties.h"
#include "engine/Report.h"
#include "engine/ReportWriter.h"
#include "engine/Run.h"
#include "engine/WaterZoneModels.h"
#include "support/TextFormat.h"
#include "testing/WorkedCase.h"

using namespace brelvan;
using engine::InfluxScheme;
using engine::RunInputs;
using engine::RunResult;

namespace {

// The worked case (methane, 80 degrees C, 250 bar, OGIP 5000, WIP 20000, compressibility 9.5,
// J 50, start 1.1.2000) with produced water on its lines.
RunInputs waterCase(InfluxScheme scheme, double ce) {
    RunInputs in;
    static_cast<engine::CaseValues&>(in) = worked_case::caseValues();
    in.fieldName = "Wasserfeld";
    in.rows = engine::parseRows({"1.1.2001 500 225 0.05", "1.1.2002 1000 205 0.20",
                                 "1.7.2002 1200 0 0.35",
                                 "1.1.2003 1500 185", // no Wp: the 0.35 of the line before
                                 "1.7.2003 1700 178 0.6"});
    in.scheme = scheme;
    in.ce = ce;
    in.bw = 1.03;
    return in;
}

// Rows whose pressure was found: the balance holds with the row's p, p/z, WE and Wp.
void expectBalanceOnEveryRow(const RunInputs& in, const RunResult& r, const char* what) {
    ASSERT_FALSE(r.aborted()) << what;
    ASSERT_EQ(r.rows.size(), in.rows.size()) << what;
    const double wp[] = {0.05, 0.20, 0.35, 0.35, 0.6};
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        const engine::RowRecord& row = r.rows[i];
        EXPECT_DOUBLE_EQ(row.wp, wp[i]) << what << " row " << i;
        if (!row.settled)
            continue;
        const double lhs =
            row.pz * (1 - in.ce * 1E-5 * (in.pInit - row.p) - (row.we - row.wp * in.bw) / r.vInit);
        const double rhs = r.pzInit * (1 - row.gp / in.ogip);
        EXPECT_NEAR(lhs, rhs, 1e-9 * rhs) << what << " row " << i;
        // And p/z is the gas's own at the row's pressure (to the few secant steps of the
        // inversion of p/z).
        double tpc = 0, ppc = 0;
        gas::pseudocrit(in.gas, tpc, ppc);
        EXPECT_NEAR(row.pz, row.p / gas::zfactor(in.temperature, row.p, tpc, ppc), 1e-3)
            << what << " row " << i;
    }
}

} // namespace

TEST(GasBalanceRun, EveryRowOfEverySchemeSatisfiesTheBalance) {
    for (InfluxScheme scheme : {InfluxScheme::Original, InfluxScheme::IntervalMean}) {
        for (double ce : {0.0, engine::effectiveCompressibility(10, 4.5, 0.3)}) {
            const RunInputs in = waterCase(scheme, ce);
            const RunResult r = engine::run(in);
            expectBalanceOnEveryRow(in, r, cformat("scheme %d, c_e %g", int(scheme), ce).c_str());
        }
    }
}

// The unsteady and the pot water zones go through the same balance: with produced water and
// the gas zone's expansion every row holds it too.
TEST(GasBalanceRun, EveryWaterZoneModelSatisfiesTheWholeBalance) {
    namespace wz = brelvan::waterzone;
    for (wz::Model model :
         {wz::Model::VanEverdingenHurst, wz::Model::CarterTracy, wz::Model::Pot}) {
        RunInputs in =
            waterCase(InfluxScheme::Original, engine::effectiveCompressibility(10, 4.5, 0.3));
        in.model = model;
        in.rock.angle = 360;
        in.rock.h = 20;
        in.rock.mu = 0.5;
        in.rock.phi = 0.2;
        in.rock.rw = 3000;
        const RunResult r = engine::run(in);
        expectBalanceOnEveryRow(in, r, wz::modelWord(model));
        EXPECT_GT(r.rows.back().we, 0.0) << wz::modelWord(model);
    }
}

// Produced water takes volume out of the gas zone's water: the pressure falls faster than with
// the net influx the seed computed; the expansion term holds it up.
TEST(GasBalanceRun, ProducedWaterLowersTheExpansionTermRaisesThePressure) {
    RunInputs dry = waterCase(InfluxScheme::IntervalMean, 0);
    dry.rows = engine::parseRows({"1.1.2001 500 225", "1.1.2002 1000 205", "1.7.2002 1200",
                                  "1.1.2003 1500 185", "1.7.2003 1700 178"});
    const RunResult base = engine::run(dry);
    const RunResult water = engine::run(waterCase(InfluxScheme::IntervalMean, 0));
    const RunResult both = engine::run(waterCase(InfluxScheme::IntervalMean, 20));
    ASSERT_EQ(base.rows.size(), 5u);
    for (std::size_t i = 0; i < base.rows.size(); ++i) {
        EXPECT_LT(water.rows[i].p, base.rows[i].p) << i;
        EXPECT_GT(both.rows[i].p, water.rows[i].p) << i;
    }
}

// The report of a case with water carries the WP column, the header names c_e; a case without
// either keeps the original layout (the golden outputs hold it byte for byte).
TEST(GasBalanceRun, ReportShowsWaterAndTheExpansionTerm) {
    const RunInputs in = waterCase(InfluxScheme::Original, 12.5);
    const RunResult r = engine::run(in);
    const std::vector<std::string> lines = report::runText(in, r).lines;
    auto has = [&](const std::string& line) {
        for (const std::string& l : lines)
            if (l == line)
                return true;
        return false;
    };
    EXPECT_TRUE(has(cformat(report::kEffectiveCompressibility, 12.5)));
    EXPECT_TRUE(has(std::string(report::kTableHeaderWater[0])));
    const engine::RowRecord& row = r.rows[1];
    EXPECT_TRUE(
        has(report::measuredRow(row.day, row.month, row.year, row.days, row.gp, row.p,
                                row.pMeasured, row.pz, row.pzMeasured, row.we, row.ogipEstimate) +
            cformat(report::kWaterColumn, 0.2)));
    const engine::RowRecord& prod = r.rows[2];
    EXPECT_TRUE(has(report::productionRow(prod.day, prod.month, prod.year, prod.days, prod.gp,
                                          prod.p, prod.pz, prod.we) +
                    cformat(report::kWaterColumnAfterStar, 0.35)));
    // The column stands where the measured rows have it.
    EXPECT_EQ(report::productionRow(1, 1, 2000, 0, 0, 0, 0, 0).size() + 3,
              report::measuredRow(1, 1, 2000, 0, 0, 0, 0, 0, 0, 0, 0).size());

    RunInputs plain = waterCase(InfluxScheme::Original, 0);
    plain.rows = engine::parseRows({"1.1.2001 500 225", "1.7.2002 1200"});
    const RunResult p = engine::run(plain);
    for (const std::string& l : report::runText(plain, p).lines) {
        EXPECT_EQ(l.find("C_E"), std::string::npos) << l;
        EXPECT_EQ(l.find("WP"), std::string::npos) << l;
    }
}

namespace {

// An over-pressured dry gas field without a water zone worth the name (WIP 0.1 Mio m3, J at
// its least): its shut-in pressures are those of a shrinking pore volume, read to 0.1 bar.
RunInputs overPressured(double ce) {
    RunInputs in;
    in.fieldName = "Tiefgas";
    in.gas[3] = 100;
    in.temperature = 130;
    in.pInit = 700;
    in.ogip = 20000;
    in.wip = 0.1;
    in.compress = 7;
    in.jValue = 0.001;
    in.startDay = 1;
    in.startMonth = 1;
    in.startYear = 2000;
    in.ce = ce;
    return in;
}

engine::Rows measuredRows(double ce) {
    RunInputs truth = overPressured(ce);
    for (int year = 2001, gp = 600; year <= 2010; ++year, gp += 600)
        truth.rows.push_back({1, 1, year, static_cast<double>(gp), 0, {}});
    const RunResult r = engine::run(truth);
    engine::Rows rows = truth.rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].pressure = std::round(r.rows[i].p * 10) / 10;
    return rows;
}

} // namespace

TEST(GasBalanceRun, OverPressuredFieldIsNoWaterSupportOnceTheTermIsGiven) {
    const double ce = engine::effectiveCompressibility(25, 4.5, 0.3); // 1E-5 per bar
    const engine::Rows rows = measuredRows(ce);

    RunInputs without = overPressured(0);
    without.rows = rows;
    const RunResult r0 = engine::run(without);
    const engine::Diagnostics d0 = engine::diagnose(r0, without, 0);
    // Without the term the p/z line overestimates the gas; the points bend below the line,
    // which the verdict reads as the gas zone's expansion, not as water.
    EXPECT_FALSE(d0.check.support) << d0.check.reason;
    EXPECT_NE(d0.check.reason.find("Kompressibilität"), std::string::npos) << d0.check.reason;
    EXPECT_GT(d0.volumetricOgip, 1.05 * without.ogip);

    RunInputs with = overPressured(ce);
    with.rows = rows;
    const RunResult r1 = engine::run(with);
    const engine::Diagnostics d1 = engine::diagnose(r1, with, 0);
    EXPECT_FALSE(d1.check.support) << d1.check.reason;
    EXPECT_NEAR(d1.volumetricOgip, with.ogip, 0.01 * with.ogip);
    EXPECT_LT(r1.meanError, 0.1);
    // Havlena-Odeh with the expansion term: F / E stays at G for a volumetric field.
    for (const engine::DiagPoint& pt : d1.havlenaOdeh)
        EXPECT_NEAR(pt.y, with.ogip, 0.02 * with.ogip);

    // The fit of OGIP alone: without the term it takes the shrinking pore volume for gas.
    auto fitOgip = [&](const RunInputs& in) {
        fit::RefineOptions o;
        o.bounds.lo = {7000, 0.1, 0.001};
        o.bounds.hi = {60000, 0.1, 0.001};
        o.free = {true, false, false};
        return fit::refine(fit::caseObjective(in), {15000, 0.1, 0.001}, o);
    };
    const fit::RefineResult f0 = fitOgip(without), f1 = fitOgip(with);
    ASSERT_TRUE(f0.valid && f1.valid);
    EXPECT_NEAR(f1.best[fit::kOgip], 20000, 50);
    EXPECT_GT(f0.best[fit::kOgip], 21000);
}

// Havlena and Odeh: F = G E + WE with F = Gp Bg + Wp Bw and E = Eg + Bg_i c_e (p_i - p); at
// pressures that satisfy the balance, F/E over WE/E lies on the line of slope 1 through G.
TEST(GasBalanceRun, HavlenaOdehLineWithProducedWaterAndExpansion) {
    for (double ce : {0.0, 16.0}) {
        RunInputs in = waterCase(InfluxScheme::IntervalMean, ce);
        const RunResult first = engine::run(in);
        ASSERT_EQ(first.rows.size(), in.rows.size());
        // The computed pressures as the measured ones.
        for (std::size_t i = 0; i < in.rows.size(); ++i)
            in.rows[i].pressure = first.rows[i].p;
        const RunResult r = engine::run(in);
        const engine::Diagnostics d = engine::diagnose(r, in, 0);
        ASSERT_EQ(d.havlenaOdeh.size(), in.rows.size()) << ce;
        for (const engine::DiagPoint& pt : d.havlenaOdeh)
            EXPECT_NEAR(pt.y - pt.x, in.ogip, 0.005 * in.ogip) << ce << " " << pt.x;
    }
}
