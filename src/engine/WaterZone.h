// The water zone as the material balance sees it: given the rows settled so far and a trial
// pressure of the gas zone at the end of the current step, the water that enters in this step.
// The row step solves the gas balance against whatever water zone it is given; a new influx
// model is one more class here, nothing in the row step changes.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "engine/Run.h"

namespace brelvan::engine {

// What every water zone knows of the reservoir it adjoins.
struct WaterZoneSetup {
    double pInit = 0;  // initial pressure, bar
    double weMax = 0;  // water the zone gives off when its pressure falls to 0: c W p_i, Mio m3
    double jValue = 0; // productivity index, m3/(day bar)
    double vInit = 0;  // initial gas-filled pore volume, Mio m3
};

// The rows settled so far. Entry 0 is the production start (its day number, the initial
// pressure, no influx); entry k the k-th settled row. Days are day numbers, pressures bar,
// influx cumulative in Mio m3.
struct History {
    std::vector<double> t, p, we;

    std::size_t size() const { return t.size(); }
    double lastTime() const { return t.back(); }
    double lastPressure() const { return p.back(); }
    double lastInflux() const { return we.back(); }
    void add(double time, double pressure, double influx) {
        t.push_back(time);
        p.push_back(pressure);
        we.push_back(influx);
    }
};

// The step from the last settled row to the current one.
struct Step {
    int row = 0;   // index of the current row
    double t = 0;  // its day number
    double dt = 0; // days since the last settled row (or the production start)
    double gp = 0; // its cumulative production, Mio m3
};

// How the row step finds a row's pressure against a water zone.
enum class PressureSolve {
    // The root of P(p) - p, P the pressure the balance gives for the influx at trial pressure
    // p, to 1e-6 bar. The default; every new model is solved this way.
    Root,
    // The original scheme's few passes p <- P(p) from the pressure without further influx,
    // a pass that leaves bracket() restarting from its middle. Not converged after the passes
    // is a row that did not settle.
    FixedPoint,
};

// The passes of PressureSolve::FixedPoint per row.
inline constexpr int kFixedPointPasses = 5;

struct Bracket {
    double lo = 0, hi = 0;
};

class WaterZone {
public:
    virtual ~WaterZone() = default;

    virtual PressureSolve solve() const { return PressureSolve::Root; }

    // A fresh run begins: forget every earlier state.
    virtual void start(const WaterZoneSetup& setup) = 0;

    // The current step begins (called once per row, before influx()). Returns a decay factor
    // above 1 when the step has one worth noting (it makes the influx change sign); nothing
    // otherwise.
    virtual std::optional<double> beginStep(const History& history, const Step& step) = 0;

    // The water that enters the gas zone in this step, Mio m3, when the gas zone ends the step
    // at pressure p. Not a number when there is none to compute.
    virtual double influx(const History& history, const Step& step, double p) const = 0;

    // True when no water enters in this step, whatever the pressure (no water zone, or a step
    // of no time): the row takes the pressure without further influx.
    virtual bool dry(const History& history, const Step& step) const = 0;

    // PressureSolve::Root: `lo` is a pressure at or below the row's pressure when water leaves
    // the gas zone at the pressure without further influx `pNoInflux` (the search looks
    // between the two); `hi` is unused. PressureSolve::FixedPoint: the range the passes keep
    // to.
    virtual Bracket bracket(const History& history, const Step& step, double pNoInflux) const {
        (void)history;
        (void)step;
        return {0, pNoInflux};
    }

    // The current row settled at pressure p with the step's influx dwe; called before the row
    // enters the history.
    virtual void settle(const History& history, const Step& step, double p, double dwe) {
        (void)history;
        (void)step;
        (void)p;
        (void)dwe;
    }
};

// The water zone of an influx scheme (both Fetkovich, see engine/Fetkovich.h).
std::unique_ptr<WaterZone> makeWaterZone(InfluxScheme scheme);

} // namespace brelvan::engine
