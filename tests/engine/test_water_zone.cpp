// The water zone as a plug-in of the row step: a model from outside the engine is solved
// against the gas balance on every row and sees the history of the settled rows; and the
// parallel loop hands a task's exception to its caller.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "engine/GasProperties.h"
#include "engine/Parallel.h"
#include "engine/Run.h"
#include "engine/WaterZone.h"
#include "support/TextFormat.h"
#include "testing/EngineCases.h"

namespace {

using namespace brelvan::engine;

// A pot water zone: it gives off water in proportion to the pressure drop of the gas zone,
// W_e = c W (p_i - p) = W_ei (p_i - p) / p_i, at once and without a time constant.
class PotZone : public WaterZone {
public:
    void start(const WaterZoneSetup& setup) override {
        m_setup = setup;
        m_started = true;
        m_settled.clear();
    }
    std::optional<double> beginStep(const History& history, const Step& step) override {
        // The history holds the production start and every settled row, in order.
        EXPECT_EQ(history.size(), static_cast<std::size_t>(step.row) + 1);
        EXPECT_EQ(history.p.front(), m_setup.pInit);
        EXPECT_EQ(history.we.front(), 0.0);
        EXPECT_EQ(step.dt, step.t - history.lastTime());
        return std::nullopt;
    }
    double influx(const History& history, const Step&, double p) const override {
        return cumulative(p) - history.lastInflux();
    }
    bool dry(const History&, const Step&) const override { return m_setup.weMax == 0; }
    void settle(const History& history, const Step& step, double p, double dwe) override {
        EXPECT_EQ(history.size(), static_cast<std::size_t>(step.row) + 1);
        m_settled.push_back(history.lastInflux() + dwe);
        (void)p;
    }

    double cumulative(double p) const {
        return m_setup.weMax * (m_setup.pInit - p) / m_setup.pInit;
    }

    WaterZoneSetup m_setup;
    bool m_started = false;
    std::vector<double> m_settled; // the cumulative influx of every settled row
};

RunInputs monthlyCase() {
    CBrelvanDoc doc;
    setWorkedCase(doc);
    doc.m_Zeilen.clear();
    for (int i = 0; i < 60; ++i)
        doc.m_Zeilen.push_back(
            brelvan::cformat("1.%d.%d %.1f", i % 12 + 1, 2001 + i / 12, 25.0 * (i + 1)));
    return doc.runInputs();
}

} // namespace

// On every row the pot model's influx at the row's pressure and the gas balance agree: p/z =
// (p/z)_i (1 - Gp/G) / (1 - W_e/V_i) with W_e = W_ei (p_i - p) / p_i, p the pressure of that p/z.
TEST(WaterZonePlugIn, PotModelSatisfiesTheBalanceOnEveryRow) {
    const RunInputs in = monthlyCase();
    PotZone pot;
    const RunResult r = run(in, in.rows, pot);
    ASSERT_TRUE(pot.m_started);
    ASSERT_FALSE(r.aborted());
    ASSERT_EQ(r.rows.size(), 60u);
    ASSERT_EQ(pot.m_settled.size(), 60u);
    double tpc = 0, ppc = 0;
    brelvan::gas::pseudocrit(in.gas, tpc, ppc);
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        const RowRecord& row = r.rows[i];
        EXPECT_NEAR(row.we, pot.cumulative(row.p), 1e-9) << i;
        EXPECT_EQ(row.we, pot.m_settled[i]);
        const double pz = r.pzInit * (1 - row.gp / in.ogip) / (1 - row.we / r.vInit);
        EXPECT_NEAR(row.pz, pz, 1e-9) << i;
        EXPECT_NEAR(brelvan::gas::pzpressure(in.temperature, pz, tpc, ppc), row.p, 1e-4) << i;
        EXPECT_TRUE(row.settled);
    }
    // The water zone holds up the pressure against the volumetric balance of the same rows.
    RunInputs dry = in;
    dry.wip = 0;
    const RunResult volumetric = run(dry);
    EXPECT_GT(r.rows.back().p, volumetric.rows.back().p + 1);

    // A second run starts the model afresh and gives the same rows.
    const RunResult again = run(in, in.rows, pot);
    ASSERT_EQ(again.rows.size(), r.rows.size());
    EXPECT_EQ(again.rows.back().p, r.rows.back().p);
}

// The schemes of a case are plug-ins too: a run with the scheme's water zone passed in is the
// run of the case.
TEST(WaterZonePlugIn, SchemesThroughTheSameDoor) {
    for (InfluxScheme scheme : {InfluxScheme::Original, InfluxScheme::IntervalMean}) {
        RunInputs in = monthlyCase();
        in.scheme = scheme;
        const auto zone = makeWaterZone(scheme);
        const RunResult a = run(in), b = run(in, in.rows, *zone);
        ASSERT_EQ(a.rows.size(), b.rows.size());
        for (std::size_t i = 0; i < a.rows.size(); ++i)
            ASSERT_EQ(a.rows[i].p, b.rows[i].p);
        EXPECT_EQ(zone->solve(), scheme == InfluxScheme::Original ? PressureSolve::FixedPoint
                                                                  : PressureSolve::Root);
    }
}

// A task that throws ends the loop, not the program: the exception reaches the caller on one
// thread and on many, the tasks not yet started do not start, and the loop serves again after.
TEST(ParallelForEach, PassesATasksExceptionToTheCaller) {
    for (int threads : {1, 2, 4}) {
        SCOPED_TRACE(threads);
        std::atomic<int> started{0};
        auto task = [&](int i) {
            ++started;
            if (i == 3)
                throw std::runtime_error("Aufgabe 3");
        };
        try {
            brelvan::parallel::forEach(1000, threads, task);
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Aufgabe 3");
        }
        EXPECT_LT(started.load(), 1000);
        std::vector<int> done(100, 0);
        EXPECT_TRUE(brelvan::parallel::forEach(100, threads, [&](int i) { done[i] = 1; }));
        EXPECT_EQ(std::count(done.begin(), done.end(), 1), 100);
    }
}
