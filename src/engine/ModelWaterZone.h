// The water-zone models of engine/WaterZoneModels.h as water zones of the row step: van
// Everdingen-Hurst, Carter-Tracy and the pot. Each gives the influx of a step as a linear function
// of the step's pressure, so the row step's root search meets a straight line.
#pragma once

#include <memory>

#include "engine/WaterZone.h"
#include "engine/WaterZoneModels.h"

namespace brelvan::engine {

class ModelWaterZone : public WaterZone {
public:
    explicit ModelWaterZone(const waterzone::Zone& zone) : m_zone(zone), m_state(zone) {}
    void start(const WaterZoneSetup& setup) override;
    std::optional<double> beginStep(const History& history, const Step& step) override;
    double influx(const History& history, const Step& step, double p) const override;
    bool dry(const History& history, const Step& step) const override;
    // Below the row's pressure when water leaves the gas zone: the pressure at which the step
    // gives no water, at least 0.
    Bracket bracket(const History& history, const Step& step, double pNoInflux) const override;
    void settle(const History& history, const Step& step, double p, double dwe) override;

private:
    waterzone::Zone m_zone;
    waterzone::InfluxState m_state;
    waterzone::LinearInflux m_step; // the cumulative influx at the end of the current step
    double m_start = 0;             // day number of the production start
};

// The water zone of the case values' model: the scheme's Fetkovich zone for Fetkovich, else the
// model's zone; nothing when the case lacks a value the model needs.
std::unique_ptr<WaterZone> makeWaterZone(const CaseValues& values);

// The model's zone of the case values (WIP fixing the size, J the conductivity).
waterzone::ZoneSetup zoneOf(const CaseValues& values);

} // namespace brelvan::engine
