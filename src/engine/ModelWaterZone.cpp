#include "engine/ModelWaterZone.h"

#include <algorithm>

namespace brelvan::engine {

void ModelWaterZone::start(const WaterZoneSetup& setup) {
    m_zone.pInit = setup.pInit;
    m_state = waterzone::InfluxState(m_zone);
    m_step = {};
    m_start = 0;
}

std::optional<double> ModelWaterZone::beginStep(const History& history, const Step& step) {
    m_start = history.t.front();
    m_step = m_state.step(step.t - m_start);
    return std::nullopt;
}

double ModelWaterZone::influx(const History&, const Step&, double p) const {
    return m_step.at(p) - m_state.we();
}

bool ModelWaterZone::dry(const History&, const Step&) const {
    return m_step.slope == 0 && m_step.we0 == m_state.we();
}

Bracket ModelWaterZone::bracket(const History&, const Step&, double pNoInflux) const {
    if (!(m_step.slope < 0))
        return {0, pNoInflux};
    const double none = (m_step.we0 - m_state.we()) / -m_step.slope;
    return {std::clamp(none, 0.0, pNoInflux), pNoInflux};
}

void ModelWaterZone::settle(const History&, const Step& step, double p, double) {
    m_state.accept(step.t - m_start, p);
}

waterzone::ZoneSetup zoneOf(const CaseValues& values) {
    return waterzone::zoneFromCase(values.model, values.rock, values.wip, values.compress,
                                   values.jValue, values.pInit);
}

std::unique_ptr<WaterZone> makeWaterZone(const CaseValues& values) {
    if (values.model == waterzone::Model::Fetkovich)
        return makeWaterZone(values.scheme);
    const waterzone::ZoneSetup setup = zoneOf(values);
    if (setup.missing != waterzone::Missing::None)
        return nullptr;
    return std::make_unique<ModelWaterZone>(setup.zone);
}

} // namespace brelvan::engine
