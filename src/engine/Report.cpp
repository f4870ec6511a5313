#include "engine/Report.h"

#include <cmath>

#include "engine/ModelWaterZone.h"
#include "support/TextFormat.h"

namespace brelvan::report {

std::string componentLine(int index, double percent) {
    const std::string_view label = index >= 0 && index < static_cast<int>(kComponentLabels.size())
                                       ? kComponentLabels[static_cast<std::size_t>(index)]
                                       : std::string_view{};
    return cformat(kComponent, label, percent);
}

std::string startLine(int day, int month, int year) {
    return cformat(kStart, day, month, year);
}

std::string measuredRow(int day, int month, int year, double days, double gp, double p,
                        double pMeasured, double pz, double pzMeasured, double we,
                        double ogipEstimate) {
    return cformat(kMeasuredRow, day, month, year, days, gp, p, pMeasured, pz, pzMeasured, we,
                   ogipEstimate);
}

std::string productionRow(int day, int month, int year, double days, double gp, double p, double pz,
                          double we) {
    return cformat(kProductionRow, day, month, year, days, gp, p, pz, we);
}

std::string meanErrorLine(double error) {
    if (std::isnan(error))
        return std::string(kMeanErrorNone);
    return cformat(kMeanError, error);
}

void writeHeader(const engine::CaseValues& in, double zInit, std::vector<std::string>& out) {
    out.emplace_back(kTitle);
    out.push_back(cformat(kField, in.fieldName));
    out.emplace_back(kBlank);
    out.emplace_back(kCompositionTitle);
    for (int i = 0; i < gas::kComponents; ++i) {
        const float percent = in.gas[static_cast<std::size_t>(i)];
        if (percent > 0.0f)
            out.push_back(componentLine(i, percent));
    }
    out.emplace_back(kBlank);
    out.push_back(cformat(kTemperature, in.temperature));
    out.push_back(cformat(kOgip, in.ogip));
    out.push_back(cformat(kWip, in.wip));
    out.push_back(cformat(kPressure, in.pInit));
    out.push_back(cformat(kZInit, zInit));
    out.push_back(cformat(kCompressibility, in.compress));
    if (in.ce != 0)
        out.push_back(cformat(kEffectiveCompressibility, in.ce));
    out.push_back(cformat(kJValue, in.jValue));
    out.push_back(startLine(in.startDay, in.startMonth, in.startYear));
    if (in.model != waterzone::Model::Fetkovich) {
        static constexpr const char* kNames[] = {"FETKOVITCH", "VAN EVERDINGEN-HURST",
                                                 "CARTER-TRACY", "TOPF"};
        out.push_back(cformat(kModel, kNames[static_cast<int>(in.model)]));
        const waterzone::ZoneSetup z = engine::zoneOf(in);
        if (in.model != waterzone::Model::Pot && z.missing == waterzone::Missing::None) {
            out.push_back(cformat(kModelPermeability, z.k));
            out.push_back(
                cformat(z.zone.geometry == waterzone::Geometry::Linear ? kModelDepth : kModelRadius,
                        z.size));
        }
    } else if (in.scheme == engine::InfluxScheme::IntervalMean)
        out.emplace_back(kIntervalScheme);
    out.emplace_back(kBlank);
}

void setCaptions(chart::Series& series, chart::XAxis axis) {
    series.xAchse = axis == chart::XAxis::Days ? kXAxisDays : kXAxisProduction;
    series.y1Achse = kY1Axis;
    series.y2Achse = kY2Axis;
    series.legende1 = kLegendPressure;
    series.legende2 = kLegendInflux;
    series.legende3 = kLegendMeasured;
}

} // namespace brelvan::report
