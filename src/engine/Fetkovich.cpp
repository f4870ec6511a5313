#include "engine/Fetkovich.h"

#include <algorithm>
#include <cmath>

namespace brelvan::engine {

void FetkovichZone::start(const WaterZoneSetup& setup) {
    m_setup = setup;
    m_pZone = setup.pInit;
    m_decay = 0;
}

std::optional<double> FetkovichZone::beginStep(const History& history, const Step& step) {
    const double we = history.lastInflux();
    const double weMax = m_setup.weMax;
    m_pZone = weMax > 0 ? m_setup.pInit * (1 - we / weMax) : m_setup.pInit;
    m_decay = weMax > 0 ? std::exp(-m_setup.jValue * m_setup.pInit * step.dt * 1E-6 / weMax) : 0.0;
    if (m_decay > 1)
        return m_decay;
    return std::nullopt;
}

bool FetkovichZone::dry(const History&, const Step&) const {
    return (m_setup.weMax / m_setup.pInit) * (1 - m_decay) == 0;
}

void FetkovichRunningMean::start(const WaterZoneSetup& setup) {
    FetkovichZone::start(setup);
    m_pMean = setup.pInit;
}

double FetkovichRunningMean::influx(const History&, const Step&, double p) const {
    return stepInflux(0.5 * (m_pMean + p));
}

Bracket FetkovichRunningMean::bracket(const History&, const Step&, double pNoInflux) const {
    // The extremes of the zone's pressure and the pressure without further influx, taken from
    // the starting values 10000 and 0.
    Bracket b{10000, 0};
    for (double v : {zonePressure(), pNoInflux}) {
        if (v < b.lo)
            b.lo = v;
        if (v > b.hi)
            b.hi = v;
    }
    return b;
}

void FetkovichRunningMean::settle(const History&, const Step&, double p, double) {
    m_pMean = (m_pMean + p) * 0.5;
}

double FetkovichIntervalMean::influx(const History& history, const Step&, double p) const {
    return stepInflux(0.5 * (history.lastPressure() + p));
}

Bracket FetkovichIntervalMean::bracket(const History& history, const Step&,
                                       double pNoInflux) const {
    return {std::max(0.0, 2 * zonePressure() - history.lastPressure()), pNoInflux};
}

std::unique_ptr<WaterZone> makeWaterZone(InfluxScheme scheme) {
    if (scheme == InfluxScheme::IntervalMean)
        return std::make_unique<FetkovichIntervalMean>();
    return std::make_unique<FetkovichRunningMean>();
}

} // namespace brelvan::engine
