// The material balance of the gas zone with Fetkovich water influx from a finite water zone,
// row by row through the shut-in pressure list.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "engine/DayNumber.h"
#include "engine/GasBalance.h"
#include "engine/GasProperties.h"
#include "engine/Report.h"
#include "engine/RootFinder.h"
#include "engine/Run.h"
#include "support/PressureLine.h"
#include "support/TextFormat.h"

namespace brelvan::engine {
namespace {

bool isFinite(double v) {
    return std::isfinite(v);
}

// Finite and inside the range of the single-precision series.
bool fitsSeries(double v) {
    return std::isfinite(v) && std::fabs(v) <= FLT_MAX;
}

// Standard pressure (bar) and the pressure tolerance of the influx iteration (bar), both held
// in single precision.
constexpr float kStandardPressure = 1.0134f;
constexpr float kPressureTolerance = 0.01f;
// Passes of the influx iteration per row.
constexpr int kInfluxPasses = 5;
// The interval-mean scheme solves each row's pressure to this tolerance (bar), with at most
// this many evaluations of the balance.
constexpr double kRootTolerance = 1e-6;
constexpr int kMaxEvaluations = 200;
// How far a row's pressure or p/z may lie above the initial one (bar), and its cumulative influx
// below 0 (Mio m3), before the outcome counts as physically impossible: the slack of the
// pressure iteration and of the printed digits.
constexpr double kPressureSlack = 0.01;
constexpr double kInfluxSlack = 0.0004;

// What stays the same through a run.
struct Reservoir {
    double temperature, ogip, pInit, jValue;
    double tpc, ppc;
    double pzInit;      // initial p/z
    double weMax;       // water the water zone can give off
    double vInit;       // initial gas-filled pore volume, G / E_i
    float t0;           // day number of the production start
    GasBalance balance; // the gas balance of a row, with the gas zone's expansion term
    double bw;          // formation volume factor of the produced water
    bool waterColumn;   // a line carries produced water: the report shows the column WP
};

// What a row hands on to the next.
struct Carry {
    double tPrev = 0;
    double pMean = 0; // running mean of the computed pressures, from the initial one
    double pPrev = 0; // the previous row's pressure, from the initial one
    double we = 0;    // cumulative influx
    double wp = 0;    // cumulative produced water: a line without it keeps the last one given
    double sum = 0;   // of |measured - computed pressure|
    int compared = 0; // rows with a measured pressure
    int stored = 0;   // measured entries of the series

    double meanError() const { return sum / compared; } // 0 / 0 when nothing was compared
};

void abortRun(RunResult& out, std::string text) {
    out.messages.push_back(text);
    out.report.push_back(std::move(text));
    out.aborted = true;
}

// The pressures bounding the influx iteration.
struct Bounds {
    double pmin = 10000, pmax = 0;
};

Bounds extremes(double a, double b) {
    Bounds r;
    if (a < r.pmin)
        r.pmin = a;
    if (b < r.pmin)
        r.pmin = b;
    if (a > r.pmax)
        r.pmax = a;
    if (b > r.pmax)
        r.pmax = b;
    return r;
}

// The influx of one row: the pressure of the gas zone and the influx in the time step depend on
// each other and are found by at most five passes from the pressure without further influx.
struct Influx {
    enum class Outcome { Found, NotANumber, Invasion, SearchLimit };
    Outcome outcome = Outcome::Found;
    double p = 0, pz = 0, dwe = 0;
    bool settled = false;
    double lastChange = 0; // of the last pass, when it did not settle
    int evaluations = 0;   // of the interval-mean search
};

Influx iterateInflux(const Reservoir& r, const Carry& c, double gp, double wpBw, double pAquifer,
                     double pNoInflux, double decay, Bounds bounds) {
    Influx x;
    double pCurrent = pNoInflux;
    for (int pass = 0; pass < kInfluxPasses; ++pass) {
        x.dwe = (r.weMax / r.pInit) * (pAquifer - 0.5 * (c.pMean + pCurrent)) * (1 - decay);
        if (!isFinite(x.dwe)) {
            x.outcome = Influx::Outcome::NotANumber;
            return x;
        }
        // The water in the gas zone: the influx less the produced water.
        const double net = c.we + x.dwe - wpBw;
        if (net >= r.vInit) {
            x.outcome = Influx::Outcome::Invasion;
            return x;
        }
        const GasBalance::Point pt = r.balance.solve(gp, net);
        if (!pt.found) {
            x.outcome = Influx::Outcome::Invasion;
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
        if (pNext > bounds.pmax || pNext < bounds.pmin)
            pNext = (bounds.pmin + bounds.pmax) / 2;
        pCurrent = pNext;
    }
    x.p = pCurrent;
    return x;
}

// The influx of one row after the published Fetkovich scheme: driven by the mean of the previous
// row's pressure and the row's own, ΔWE = (W_ei / p_i) (p_a - (p_prev + p) / 2) (1 - e), solved
// together with the gas balance for the row's pressure p. The balance gives for every trial
// pressure the pressure P(p) that its influx leaves in the gas zone; P falls as p rises, so
// P(p) - p has one root, found between two pressures where it changes sign.
Influx solveIntervalMean(const Reservoir& r, const Carry& c, double gp, double wpBw,
                         double pAquifer, double pNoInflux, double decay) {
    Influx x;
    auto influx = [&](double p) {
        return (r.weMax / r.pInit) * (pAquifer - 0.5 * (c.pPrev + p)) * (1 - decay);
    };
    // The balance's p/z at the trial pressure p (which enters through the gas zone's expansion).
    auto pzOf = [&](double dwe, double p) { return r.balance.pz(gp, c.we + dwe - wpBw, p); };
    // P(p) - p; not a number where the influx would fill the gas pore volume (p too low).
    auto balance = [&](double p) {
        const double dwe = influx(p);
        if (!isFinite(dwe) || !(c.we + dwe - wpBw < r.vInit) ||
            (r.balance.ce != 0 && !(r.balance.gasShare(p, c.we + dwe - wpBw) > 0)))
            return std::numeric_limits<double>::quiet_NaN();
        return gas::pzpressure(r.temperature, pzOf(dwe, p), r.tpc, r.ppc) - p;
    };
    auto finish = [&](double p) {
        x.p = p;
        x.dwe = influx(p);
        x.pz = pzOf(x.dwe, p);
        x.settled = true;
        if (!isFinite(x.dwe) || !isFinite(x.pz))
            x.outcome = Influx::Outcome::NotANumber;
        return x;
    };

    const double dwe0 = influx(pNoInflux);
    if (!isFinite(dwe0)) {
        x.outcome = Influx::Outcome::NotANumber;
        return x;
    }
    // No influx in this step (no water zone, or a step of no time): the volumetric pressure.
    if ((r.weMax / r.pInit) * (1 - decay) == 0)
        return finish(pNoInflux);

    double lo = 0, hi = 0;
    if (dwe0 >= 0) {
        // Water enters at the no-influx pressure, so the root lies above it, and no higher
        // than the initial pressure in a balance that has a solution at all.
        lo = pNoInflux;
        hi = r.pInit + kPressureSlack;
        const double atInitial = balance(hi);
        ++x.evaluations;
        if (!(lo < hi) || !(atInitial <= 0)) {
            x.outcome = Influx::Outcome::Invasion;
            return x;
        }
    } else {
        // Water would leave the gas zone at the no-influx pressure: the root lies below it, at
        // or above the pressure whose interval mean equals the water zone's pressure.
        hi = pNoInflux;
        lo = std::max(0.0, 2 * pAquifer - c.pPrev);
    }
    const Root root = findRoot(balance, lo, hi, kRootTolerance, kMaxEvaluations);
    x.evaluations += root.evaluations;
    if (!root.found) {
        x.outcome = Influx::Outcome::SearchLimit;
        return x;
    }
    return finish(root.x);
}

// Adds the row to the report and the series (normal mode).
void recordRow(const RunInputs& in, const Reservoir& r, const RowRecord& row, int index, Carry& c,
               RunResult& out) {
    using namespace brelvan::report;
    out.report.push_back(
        row.measured
            ? measuredRow(row.day, row.month, row.year, row.days, row.gp, row.p, row.pMeasured,
                          row.pz, row.pzMeasured, row.we, row.ogipEstimate)
            : productionRow(row.day, row.month, row.year, row.days, row.gp, row.p, row.pz, row.we));
    if (r.waterColumn)
        out.report.back() += cformat(kWaterColumn, row.wp);
    if (!row.settled)
        out.report.push_back(
            cformat(kNotSettled, row.day, row.month, row.year, kInfluxPasses, row.lastChange));
    const double x = in.chartType == 0 ? row.days : row.gp;
    Series& s = out.series;
    const auto k = static_cast<std::size_t>(index + 1);
    s.xRechen[k] = static_cast<float>(x);
    s.pRechen[k] = static_cast<float>(row.p);
    s.weRechen[k] = static_cast<float>(row.we);
    s.maxWerte = index + 1;
    if (row.measured) {
        ++c.stored;
        const auto m = static_cast<std::size_t>(c.stored);
        s.xMess[m] = static_cast<float>(x);
        s.pMess[m] = static_cast<float>(row.pMeasured);
        s.max2Werte = c.stored;
    }
}

// One row of the list: false when the run ends here (an abort).
bool rowStep(const RunInputs& in, const Reservoir& r, const PressureLine& line, int index, Carry& c,
             RunResult& out) {
    using namespace brelvan::report;
    const int day = line.day, month = line.month, year = line.year;
    const double gp = line.gp;
    // A pressure that is not a finite positive number is no measurement.
    const bool measured = line.pressure > 0 && fitsSeries(line.pressure);
    const double pMeasured = measured ? line.pressure : 0.0;

    if (!in.quiet && index == 0)
        for (std::string_view h : r.waterColumn ? kTableHeaderWater : kTableHeader)
            out.report.emplace_back(h);

    const double t = tage(day, month, year, out.messages);
    // Only absurd values (a production or a date far out of any range) lead here.
    auto numericAbort = [&] {
        abortRun(out, cformat(kNumericAbort, day, month, year));
        return false;
    };

    double pzMeasured = 0, ogipEstimate = 0;
    if (measured) {
        pzMeasured = pMeasured / gas::zfactor(r.temperature, pMeasured, r.tpc, r.ppc);
        if (r.pzInit > pzMeasured)
            ogipEstimate = (pzMeasured / (r.pzInit - pzMeasured) + 1) * gp;
    }

    const double dt = t - c.tPrev;
    const double tRel = t - r.t0;
    if (dt < 0) {
        abortRun(out, cformat(kTimeAbort, day, month, year));
        return false;
    }
    // Also a production that is not a number ends the run here.
    if (!(gp < r.ogip)) {
        abortRun(out, cformat(kProductionAbort, gp, r.ogip));
        return false;
    }

    // Produced water leaves the gas zone at reservoir conditions; a line without Wp keeps the
    // cumulative water of the line before.
    if (line.water != 0)
        c.wp = line.water;
    const double wpBw = c.wp * r.bw;
    const double pAquifer = r.weMax > 0 ? r.pInit * (1 - c.we / r.weMax) : r.pInit;
    auto invasion = [&] {
        if (!in.quiet) {
            out.report.emplace_back(kInvasion1);
            out.report.push_back(cformat(kInvasion2, r.vInit));
            out.report.push_back(cformat(kInvasion3, day, month, year));
        }
        out.aborted = true;
        return false;
    };
    const GasBalance::Point noInflux = r.balance.solve(gp, c.we - wpBw);
    if (!noInflux.found)
        return invasion();
    const double pNoInflux = noInflux.p;
    const Bounds bounds = extremes(pAquifer, pNoInflux);
    const double decay = r.weMax > 0 ? std::exp(-r.jValue * r.pInit * dt * 1E-6 / r.weMax) : 0.0;
    if (decay > 1)
        out.report.push_back(cformat(kNegativeDecay, decay, gp));

    const Influx x = in.scheme == InfluxScheme::IntervalMean
                         ? solveIntervalMean(r, c, gp, wpBw, pAquifer, pNoInflux, decay)
                         : iterateInflux(r, c, gp, wpBw, pAquifer, pNoInflux, decay, bounds);
    if (x.outcome == Influx::Outcome::NotANumber)
        return numericAbort();
    if (x.outcome == Influx::Outcome::SearchLimit) {
        abortRun(out, cformat(kSearchLimit, day, month, year, x.evaluations));
        out.impossible = true;
        return false;
    }
    if (x.outcome == Influx::Outcome::Invasion)
        return invasion();

    if (!fitsSeries(x.p) || !isFinite(x.pz) || !fitsSeries(c.we + x.dwe) || !fitsSeries(tRel) ||
        !fitsSeries(gp))
        return numericAbort();

    // An outcome no reservoir can have ends the run: it says more about the step than about
    // the reservoir.
    std::string impossible;
    if (x.p > r.pInit + kPressureSlack)
        impossible = cformat(kImpossiblePressure, day, month, year, x.p, r.pInit);
    else if (x.pz > r.pzInit + kPressureSlack)
        impossible = cformat(kImpossiblePz, day, month, year, x.pz, r.pzInit);
    else if (c.we + x.dwe < -kInfluxSlack)
        impossible = cformat(kImpossibleInflux, day, month, year, c.we + x.dwe);
    if (!impossible.empty()) {
        const std::string cause(kImpossibleCause);
        const std::string remedy = cformat(kInvasion3, day, month, year);
        out.messages.push_back(impossible + "\n" + cause + "\n" + remedy);
        out.report.push_back(std::move(impossible));
        out.report.push_back(cause);
        out.report.push_back(remedy);
        out.aborted = true;
        out.impossible = true;
        return false;
    }

    c.we += x.dwe;
    c.pMean = (c.pMean + x.p) * 0.5;
    c.pPrev = x.p;
    c.tPrev = t;
    if (measured) {
        ++c.compared;
        c.sum += std::fabs(pMeasured - x.p);
    }

    RowRecord row;
    row.day = day;
    row.month = month;
    row.year = year;
    row.days = tRel;
    row.gp = gp;
    row.p = x.p;
    row.pz = x.pz;
    row.we = c.we;
    row.wp = c.wp;
    row.measured = measured;
    row.pMeasured = pMeasured;
    row.pzMeasured = pzMeasured;
    row.ogipEstimate = ogipEstimate;
    row.settled = x.settled;
    row.lastChange = x.lastChange;
    if (!x.settled)
        ++out.unsettled;
    if (!in.quiet)
        recordRow(in, r, row, index, c, out);
    out.rows.push_back(row);
    return true;
}

} // namespace

RunResult run(const RunInputs& in) {
    using namespace brelvan::report;
    RunResult out;

    // ---- Preparation
    Reservoir r{};
    r.temperature = in.temperature;
    r.ogip = in.ogip;
    r.pInit = in.pInit;
    r.jValue = in.jValue;
    const double wip = in.wip;
    const double compress = in.compress;
    r.t0 = static_cast<float>(tage(in.startDay, in.startMonth, in.startYear, out.messages));

    gas::pseudocrit(in.gas, r.tpc, r.ppc);
    out.zInit = gas::zfactor(r.temperature, r.pInit, r.tpc, r.ppc);
    r.pzInit = r.pInit / out.zInit;
    out.pzInit = r.pzInit;
    out.eInit = (r.pzInit * 273) / ((r.temperature + 273) * static_cast<double>(kStandardPressure));
    r.weMax = compress * wip * r.pInit * 1E-5;
    r.vInit = r.ogip / out.eInit;
    r.balance.temperature = r.temperature;
    r.balance.tpc = r.tpc;
    r.balance.ppc = r.ppc;
    r.balance.pInit = r.pInit;
    r.balance.pzInit = r.pzInit;
    r.balance.ogip = r.ogip;
    r.balance.vInit = r.vInit;
    r.balance.ce = in.ce;
    r.bw = in.bw;
    // Only the report needs to know beforehand whether any line carries produced water.
    r.waterColumn = false;
    for (std::size_t i = 0; !in.quiet && !r.waterColumn && i < in.lines.size(); ++i) {
        PressureLine line;
        r.waterColumn =
            scanPressureLine(in.lines[i], line) == kMeasuredLineFields && line.water != 0;
    }
    out.weMax = r.weMax;
    out.vInit = r.vInit;

    if (!in.quiet) {
        writeHeader(in, out.zInit, out.report);
        out.headerWritten = true;
    }
    out.series.pRechen[0] = static_cast<float>(r.pInit);
    out.series.pMess[0] = static_cast<float>(r.pInit);

    Carry c;
    c.tPrev = r.t0;
    c.pMean = r.pInit;
    c.pPrev = r.pInit;

    // A case that admits no computation at all (only damaged values get here: the input
    // dialog keeps every value inside its range).
    if (!isFinite(r.temperature) || !isFinite(r.ogip) || !isFinite(wip) || !isFinite(r.pInit) ||
        !isFinite(compress) || !isFinite(r.jValue) || !isFinite(r.tpc) || !isFinite(r.ppc) ||
        r.tpc <= 0 || r.ppc <= 0 || r.pInit <= 0 || !(out.eInit > 0) || !isFinite(out.eInit) ||
        !isFinite(r.weMax) || !(in.ce >= 0) || !isFinite(in.ce) || !(in.bw > 0) ||
        !isFinite(in.bw)) {
        abortRun(out, std::string(kInvalidCase));
        out.meanError = std::numeric_limits<double>::quiet_NaN();
        return out;
    }

    // ---- Rows
    const int rows = static_cast<int>(std::min<std::size_t>(in.lines.size(), kMaxRows));
    out.rows.reserve(static_cast<std::size_t>(rows));
    bool completed = true;
    for (int i = 0; i < rows; ++i) {
        PressureLine line;
        line.pressure = 0;
        if (scanPressureLine(in.lines[static_cast<std::size_t>(i)], line) < kProductionLineFields)
            break;
        if (!rowStep(in, r, line, i, c, out)) {
            completed = false;
            break;
        }
    }
    if (!in.quiet && out.series.maxWerte > 0)
        setCaptions(out.series, in.chartType);
    out.meanError = out.impossible ? std::numeric_limits<double>::quiet_NaN() : c.meanError();

    // ---- Closing
    if (completed && !in.quiet) {
        out.report.emplace_back(kBlank);
        out.report.push_back(meanErrorLine(out.meanError));
        if (out.unsettled > 0)
            out.report.push_back(cformat(kNotSettledCount, out.unsettled));
    }
    return out;
}

} // namespace brelvan::engine
