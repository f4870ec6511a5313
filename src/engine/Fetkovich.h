// The finite water zone after Fetkovich: the zone's pressure falls in proportion to the water it
// has given off, p_a = p_i (1 - W_e / W_ei), and the water of a step follows from the pressure
// difference across the step, ΔW_e = (W_ei / p_i) (p_a - p̄) (1 - e), e = exp(-J p_i Δt / W_ei).
// The two schemes differ in the gas-zone pressure p̄ of the step.
#pragma once

#include "engine/WaterZone.h"

namespace brelvan::engine {

// What both schemes share: the zone's pressure and the decay factor of the step.
class FetkovichZone : public WaterZone {
public:
    void start(const WaterZoneSetup& setup) override;
    std::optional<double> beginStep(const History& history, const Step& step) override;
    bool dry(const History& history, const Step& step) const override;

protected:
    // The water of the step for the gas-zone pressure `pMean` of the step.
    double stepInflux(double pMean) const {
        return (m_setup.weMax / m_setup.pInit) * (m_pZone - pMean) * (1 - m_decay);
    }
    const WaterZoneSetup& setup() const { return m_setup; }
    double zonePressure() const { return m_pZone; }

private:
    WaterZoneSetup m_setup;
    double m_pZone = 0; // the water zone's pressure at the start of the step, bar
    double m_decay = 0; // the decay factor e of the step
};

// The original scheme: p̄ is the mean of the running mean of the computed pressures (starting
// from the initial pressure, halved towards each row's pressure) and the trial pressure. Found
// by a few fixed-point passes held between the zone's pressure and the pressure without further
// influx.
class FetkovichRunningMean : public FetkovichZone {
public:
    PressureSolve solve() const override { return PressureSolve::FixedPoint; }
    void start(const WaterZoneSetup& setup) override;
    double influx(const History& history, const Step& step, double p) const override;
    Bracket bracket(const History& history, const Step& step, double pNoInflux) const override;
    void settle(const History& history, const Step& step, double p, double dwe) override;

private:
    double m_pMean = 0; // the running mean
};

// The published scheme: p̄ is the mean of the previous row's pressure and the row's own.
class FetkovichIntervalMean : public FetkovichZone {
public:
    double influx(const History& history, const Step& step, double p) const override;
    // Below the row's pressure when water leaves the gas zone: the pressure whose interval mean
    // equals the zone's pressure (no influx at all), at least 0.
    Bracket bracket(const History& history, const Step& step, double pNoInflux) const override;
};

} // namespace brelvan::engine
