// The material balance of the gas zone with water influx from a water zone, row by row through
// the shut-in pressure list. The water zone is a plug-in (engine/WaterZone.h); this file only
// solves the gas balance against it.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "engine/DayNumber.h"
#include "engine/GasBalance.h"
#include "engine/GasProperties.h"
#include "engine/ModelWaterZone.h"
#include "engine/RootFinder.h"
#include "engine/Run.h"
#include "engine/WaterZone.h"
#include "support/PressureLine.h"

namespace brelvan::engine {

InfluxScheme influxScheme(int stored) {
    return stored == 1 ? InfluxScheme::IntervalMean : InfluxScheme::Original;
}

Rows parseRows(const std::vector<std::string>& lines) {
    const std::size_t count = std::min<std::size_t>(lines.size(), kMaxRows);
    Rows rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        PressureLine line;
        line.pressure = 0;
        if (scanPressureLine(lines[i], line) < kProductionLineFields)
            break;
        Row row;
        row.day = line.day;
        row.month = line.month;
        row.year = line.year;
        row.gp = line.gp;
        row.pressure = line.pressure;
        if (line.water != 0)
            row.producedWater = line.water;
        rows.push_back(row);
    }
    return rows;
}

namespace {

bool isFinite(double v) {
    return std::isfinite(v);
}

// Finite and inside the range of single precision (the chart's series).
bool fitsSeries(double v) {
    return std::isfinite(v) && std::fabs(v) <= FLT_MAX;
}

// Standard pressure (bar), held in single precision.
constexpr float kStandardPressure = 1.0134f;
// The pressure tolerance of the fixed-point passes (bar, single precision).
constexpr float kPressureTolerance = 0.01f;
// The root solve finds each row's pressure to this tolerance (bar), with at most this many
// evaluations of the balance.
constexpr double kRootTolerance = 1e-6;
constexpr int kMaxEvaluations = 200;
// How far a row's pressure or p/z may lie above the initial one (bar), and its cumulative influx
// below 0 (Mio m3), before the outcome counts as physically impossible: the slack of the
// pressure iteration and of the printed digits.
constexpr double kPressureSlack = 0.01;
constexpr double kInfluxSlack = 0.0004;

// What stays the same through a run.
struct Reservoir {
    double temperature, ogip, pInit;
    double tpc, ppc;
    double pzInit;      // initial p/z
    double vInit;       // initial gas-filled pore volume, G / E_i
    float t0;           // day number of the production start
    GasBalance balance; // the gas balance with the gas zone's expansion (engine/GasBalance.h)
    double bw;          // formation volume factor of the produced water
};

// The gas balance of one row: the p/z the gas zone holds once the water zone has given off
// `weTotal` (cumulative) and the wells have produced the water `wpBw` (reservoir Mio m3), at
// gas-zone pressure p. The water in the gas zone is WE - Wp Bw; with an expansion term the
// pressure also stands on the balance's right side.
struct RowBalance {
    const GasBalance& gas;
    double gp;
    double wpBw;

    double pz(double weTotal, double p) const { return gas.pz(gp, weTotal - wpBw, p); }
    // The water fills the gas pore volume (or, with the expansion term, what is left of it at
    // pressure p): no gas balance at all.
    bool flooded(double weTotal, double p) const {
        return !(weTotal - wpBw < gas.vInit) ||
               (gas.ce != 0 && !(gas.gasShare(p, weTotal - wpBw) > 0));
    }
    // The pressure and p/z that satisfy the balance for the water `weTotal`.
    GasBalance::Point solve(double weTotal) const { return gas.solve(gp, weTotal - wpBw); }
};

// A row's pressure against the water zone.
struct Solution {
    enum class Outcome { Found, NotANumber, Invasion, SearchLimit };
    Outcome outcome = Outcome::Found;
    double p = 0, pz = 0, dwe = 0;
    bool settled = false;
    double lastChange = 0; // of the last pass, when it did not settle
    int evaluations = 0;   // of the root search
};

// What the row's solve works with.
struct RowProblem {
    const Reservoir& r;
    const WaterZone& zone;
    const History& history;
    const Step& step;
    RowBalance balance;
    double pNoInflux; // the pressure without further influx

    double we() const { return history.lastInflux(); }
    double pressureOf(double pz) const { return gas::pzpressure(r.temperature, pz, r.tpc, r.ppc); }
};

// The original scheme's fixed-point passes from the pressure without further influx: the influx
// at the trial pressure gives the next trial pressure. A pass that leaves the zone's bracket
// restarts from its middle.
Solution iterateFixedPoint(const RowProblem& rp) {
    Solution x;
    const Bracket bounds = rp.zone.bracket(rp.history, rp.step, rp.pNoInflux);
    double pCurrent = rp.pNoInflux;
    for (int pass = 0; pass < kFixedPointPasses; ++pass) {
        x.dwe = rp.zone.influx(rp.history, rp.step, pCurrent);
        if (!isFinite(x.dwe)) {
            x.outcome = Solution::Outcome::NotANumber;
            return x;
        }
        if (!(rp.we() + x.dwe - rp.balance.wpBw < rp.r.vInit)) {
            x.outcome = Solution::Outcome::Invasion;
            return x;
        }
        // The balance for this influx: p/z and pressure, the pressure solved where it stands on
        // both sides.
        const GasBalance::Point pt = rp.balance.solve(rp.we() + x.dwe);
        if (!pt.found) {
            x.outcome = Solution::Outcome::Invasion;
            return x;
        }
        x.pz = pt.pz;
        double pNext = pt.p;
        if (std::fabs(pNext - pCurrent) < static_cast<double>(kPressureTolerance)) {
            x.p = pNext;
            x.settled = true;
            return x;
        }
        x.lastChange = std::fabs(pNext - pCurrent);
        if (pNext > bounds.hi || pNext < bounds.lo)
            pNext = (bounds.lo + bounds.hi) / 2;
        pCurrent = pNext;
    }
    x.p = pCurrent;
    return x;
}

// The root of P(p) - p, P(p) the pressure the balance leaves for the influx at trial pressure p.
// P falls as p rises (more water at a lower pressure), so P(p) - p has one root, found between
// two pressures where it changes sign.
Solution solveRoot(const RowProblem& rp) {
    Solution x;
    auto influx = [&](double p) { return rp.zone.influx(rp.history, rp.step, p); };
    // P(p) - p; not a number where the influx would fill the gas pore volume (p too low).
    auto residual = [&](double p) {
        const double dwe = influx(p);
        if (!isFinite(dwe) || rp.balance.flooded(rp.we() + dwe, p))
            return std::numeric_limits<double>::quiet_NaN();
        return rp.pressureOf(rp.balance.pz(rp.we() + dwe, p)) - p;
    };
    auto finish = [&](double p) {
        x.p = p;
        x.dwe = influx(p);
        x.pz = rp.balance.pz(rp.we() + x.dwe, p);
        x.settled = true;
        if (!isFinite(x.dwe) || !isFinite(x.pz))
            x.outcome = Solution::Outcome::NotANumber;
        return x;
    };

    const double dwe0 = influx(rp.pNoInflux);
    if (!isFinite(dwe0)) {
        x.outcome = Solution::Outcome::NotANumber;
        return x;
    }
    if (rp.zone.dry(rp.history, rp.step))
        return finish(rp.pNoInflux);

    double lo = 0, hi = 0;
    if (dwe0 >= 0) {
        // Water enters at the no-influx pressure, so the root lies above it, and no higher
        // than the initial pressure in a balance that has a solution at all.
        lo = rp.pNoInflux;
        hi = rp.r.pInit + kPressureSlack;
        const double atInitial = residual(hi);
        ++x.evaluations;
        if (!(lo < hi) || !(atInitial <= 0)) {
            x.outcome = Solution::Outcome::Invasion;
            return x;
        }
    } else {
        // Water would leave the gas zone at the no-influx pressure: the root lies below it.
        hi = rp.pNoInflux;
        lo = rp.zone.bracket(rp.history, rp.step, rp.pNoInflux).lo;
    }
    const Root root = findRoot(residual, lo, hi, kRootTolerance, kMaxEvaluations);
    x.evaluations += root.evaluations;
    if (!root.found) {
        x.outcome = Solution::Outcome::SearchLimit;
        return x;
    }
    return finish(root.x);
}

// What the rows carry from one to the next besides the history.
struct Carry {
    double wp = 0;    // cumulative produced water: a row without it keeps the last one given
    double sum = 0;   // of |measured - computed pressure|
    int compared = 0; // rows with a measured pressure

    double meanError() const { return sum / compared; } // 0 / 0 when nothing was compared
};

// Ends the run on row `index` (with its date) for `end`.
bool endRun(RunResult& out, RunEnd end, int index, const Row& row, double value = 0,
            double limit = 0) {
    RunStatus& s = out.status;
    s.end = end;
    s.row = index;
    s.day = row.day;
    s.month = row.month;
    s.year = row.year;
    s.value = value;
    s.limit = limit;
    return false;
}

// An outcome no reservoir can have: it says more about the step than about the reservoir.
bool impossibleOutcome(RunResult& out, const Reservoir& r, const Solution& x, double weTotal,
                       int index, const Row& row) {
    if (x.p > r.pInit + kPressureSlack)
        return !endRun(out, RunEnd::ImpossiblePressure, index, row, x.p, r.pInit);
    if (x.pz > r.pzInit + kPressureSlack)
        return !endRun(out, RunEnd::ImpossiblePz, index, row, x.pz, r.pzInit);
    if (weTotal < -kInfluxSlack)
        return !endRun(out, RunEnd::ImpossibleInflux, index, row, weTotal);
    return false;
}

// A row's measured pressure with its p/z and the volumetric gas-in-place estimate. A pressure
// that is not a finite positive number is no measurement.
struct Measurement {
    bool measured = false;
    double p = 0, pz = 0, ogipEstimate = 0;
};

Measurement measure(const Reservoir& r, const Row& line) {
    Measurement m;
    m.measured = line.pressure > 0 && fitsSeries(line.pressure);
    if (!m.measured)
        return m;
    m.p = line.pressure;
    m.pz = m.p / gas::zfactor(r.temperature, m.p, r.tpc, r.ppc);
    if (r.pzInit > m.pz)
        m.ogipEstimate = (m.pz / (r.pzInit - m.pz) + 1) * line.gp;
    return m;
}

// The row's pressure against the water zone; false (the run's end set) when there is none.
// The wells have produced the water `wpBw` (reservoir Mio m3) up to the row.
bool solveRow(const Reservoir& r, WaterZone& zone, const History& history, const Step& step,
              const Row& line, double wpBw, Solution& x, RunResult& out) {
    if (const std::optional<double> decay = zone.beginStep(history, step))
        out.notes.push_back({RunNote::Kind::NegativeDecay, step.row, *decay, step.gp});
    const RowBalance balance{r.balance, step.gp, wpBw};
    const GasBalance::Point noInflux = balance.solve(history.lastInflux());
    if (!noInflux.found)
        return endRun(out, RunEnd::Invasion, step.row, line, r.vInit);
    const double pNoInflux = noInflux.p;
    const RowProblem problem{r, zone, history, step, balance, pNoInflux};
    x = zone.solve() == PressureSolve::FixedPoint ? iterateFixedPoint(problem) : solveRoot(problem);
    // Only absurd values (a production or a date far out of any range) lead to NotANumber.
    switch (x.outcome) {
    case Solution::Outcome::NotANumber:
        return endRun(out, RunEnd::Numeric, step.row, line);
    case Solution::Outcome::SearchLimit:
        endRun(out, RunEnd::SearchLimit, step.row, line);
        out.status.evaluations = x.evaluations;
        return false;
    case Solution::Outcome::Invasion:
        return endRun(out, RunEnd::Invasion, step.row, line, r.vInit);
    case Solution::Outcome::Found:
        break;
    }
    return true;
}

// One row of the list: false when the run ends here.
bool rowStep(const Reservoir& r, WaterZone& zone, History& history, const Row& line, int index,
             Carry& c, RunResult& out) {
    const double t = dayNumber(line.day, line.month, line.year);
    if (line.year < 1900)
        out.notes.push_back({RunNote::Kind::YearBefore1900, index, 0, 0});
    const Measurement m = measure(r, line);

    const Step step{index, t, t - history.lastTime(), line.gp};
    const double days = t - r.t0;
    if (step.dt < 0)
        return endRun(out, RunEnd::Time, index, line);
    // Also a production that is not a number ends the run here.
    if (!(line.gp < r.ogip))
        return endRun(out, RunEnd::Production, index, line, line.gp, r.ogip);

    // Produced water leaves the gas zone at reservoir conditions.
    if (line.producedWater)
        c.wp = *line.producedWater;
    Solution x;
    if (!solveRow(r, zone, history, step, line, c.wp * r.bw, x, out))
        return false;
    const double we = history.lastInflux() + x.dwe;
    if (!fitsSeries(x.p) || !isFinite(x.pz) || !fitsSeries(we) || !fitsSeries(days) ||
        !fitsSeries(line.gp))
        return endRun(out, RunEnd::Numeric, index, line);
    if (impossibleOutcome(out, r, x, we, index, line))
        return false;

    zone.settle(history, step, x.p, x.dwe);
    history.add(t, x.p, we);
    if (m.measured) {
        ++c.compared;
        c.sum += std::fabs(m.p - x.p);
    }
    if (!x.settled)
        ++out.unsettled;
    out.rows.push_back({line.day, line.month, line.year, days, line.gp, x.p, x.pz, we, c.wp,
                        m.measured, m.p, m.pz, m.ogipEstimate, x.settled, x.lastChange});
    return true;
}

// The case admits no computation at all (only damaged values get here: the input dialog keeps
// every value inside its range).
bool invalidCase(const CaseValues& in, const Reservoir& r, const RunResult& out) {
    return !isFinite(r.temperature) || !isFinite(r.ogip) || !isFinite(in.wip) ||
           !isFinite(r.pInit) || !isFinite(in.compress) || !isFinite(in.jValue) ||
           !isFinite(r.tpc) || !isFinite(r.ppc) || r.tpc <= 0 || r.ppc <= 0 || r.pInit <= 0 ||
           !(out.eInit > 0) || !isFinite(out.eInit) || !isFinite(out.weMax) || !(in.ce >= 0) ||
           !isFinite(in.ce) || !(in.bw > 0) || !isFinite(in.bw);
}

} // namespace

RunResult run(const CaseValues& in, const Rows& rows) {
    const std::unique_ptr<WaterZone> zone = makeWaterZone(in);
    if (!zone) { // the case lacks a value the model needs
        RunResult out;
        out.status.end = RunEnd::InvalidCase;
        out.meanError = std::numeric_limits<double>::quiet_NaN();
        return out;
    }
    return run(in, rows, *zone);
}

RunResult run(const CaseValues& in, const Rows& rows, WaterZone& zone) {
    RunResult out;

    // ---- Preparation
    Reservoir r{};
    r.temperature = in.temperature;
    r.ogip = in.ogip;
    r.pInit = in.pInit;
    r.t0 = static_cast<float>(dayNumber(in.startDay, in.startMonth, in.startYear));
    if (in.startYear < 1900)
        out.notes.push_back({RunNote::Kind::YearBefore1900, -1, 0, 0});

    gas::pseudocrit(in.gas, r.tpc, r.ppc);
    out.zInit = gas::zfactor(r.temperature, r.pInit, r.tpc, r.ppc);
    r.pzInit = r.pInit / out.zInit;
    out.pzInit = r.pzInit;
    out.eInit = (r.pzInit * 273) / ((r.temperature + 273) * static_cast<double>(kStandardPressure));
    out.weMax = in.compress * in.wip * r.pInit * 1E-5;
    r.vInit = r.ogip / out.eInit;
    out.vInit = r.vInit;
    r.balance.temperature = r.temperature;
    r.balance.tpc = r.tpc;
    r.balance.ppc = r.ppc;
    r.balance.pInit = r.pInit;
    r.balance.pzInit = r.pzInit;
    r.balance.ogip = r.ogip;
    r.balance.vInit = r.vInit;
    r.balance.ce = in.ce;
    r.bw = in.bw;

    if (invalidCase(in, r, out)) {
        out.status.end = RunEnd::InvalidCase;
        out.meanError = std::numeric_limits<double>::quiet_NaN();
        return out;
    }

    // ---- Rows
    zone.start({r.pInit, out.weMax, in.jValue, r.vInit});
    History history;
    const std::size_t count = std::min<std::size_t>(rows.size(), kMaxRows);
    history.t.reserve(count + 1);
    history.p.reserve(count + 1);
    history.we.reserve(count + 1);
    history.add(r.t0, r.pInit, 0);
    out.rows.reserve(count);
    Carry c;
    for (std::size_t i = 0; i < count; ++i)
        if (!rowStep(r, zone, history, rows[i], static_cast<int>(i), c, out))
            break;
    out.meanError = out.impossible() ? std::numeric_limits<double>::quiet_NaN() : c.meanError();
    return out;
}

} // namespace brelvan::engine
