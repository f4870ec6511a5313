#include "engine/Report.h"

#include <cmath>

#include "engine/EngineTexts.h"
#include "engine/ModelWaterZone.h"
#include "support/TextFormat.h"

namespace brelvan::report {

using engine::tx;

namespace {

// The influx model as the header block names it.
const char* modelLabel(waterzone::Model model) {
    switch (model) {
    case waterzone::Model::VanEverdingenHurst:
        return tx("VAN EVERDINGEN-HURST");
    case waterzone::Model::CarterTracy:
        return tx("CARTER-TRACY");
    case waterzone::Model::Pot:
        return tx("TOPF");
    case waterzone::Model::Fetkovich:
        break;
    }
    return tx("FETKOVITCH");
}

} // namespace

std::string componentLine(int index, double percent) {
    const std::string_view label = index >= 0 && index < static_cast<int>(kComponentLabels.size())
                                       ? kComponentLabels[static_cast<std::size_t>(index)]
                                       : std::string_view{};
    return cformat(kComponent, label, percent);
}

std::string startLine(int day, int month, int year) {
    return cformat(tx(kStart), day, month, year);
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
        return std::string(tx(kMeanErrorNone));
    return cformat(tx(kMeanError), error);
}

void writeHeader(const engine::CaseValues& in, double zInit, std::vector<std::string>& out) {
    out.emplace_back(tx(kTitle));
    out.push_back(cformat(tx(kField), in.fieldName));
    out.emplace_back(kBlank);
    out.emplace_back(tx(kCompositionTitle));
    for (int i = 0; i < gas::kComponents; ++i) {
        const float percent = in.gas[static_cast<std::size_t>(i)];
        if (percent > 0.0f)
            out.push_back(componentLine(i, percent));
    }
    out.emplace_back(kBlank);
    out.push_back(cformat(tx(kTemperature), in.temperature));
    out.push_back(cformat(tx(kOgip), in.ogip));
    out.push_back(cformat(tx(kWip), in.wip));
    out.push_back(cformat(tx(kPressure), in.pInit));
    out.push_back(cformat(tx(kZInit), zInit));
    out.push_back(cformat(tx(kCompressibility), in.compress));
    if (in.ce != 0)
        out.push_back(cformat(tx(kEffectiveCompressibility), in.ce));
    out.push_back(cformat(tx(kJValue), in.jValue));
    out.push_back(startLine(in.startDay, in.startMonth, in.startYear));
    if (in.model != waterzone::Model::Fetkovich) {
        out.push_back(cformat(tx(kModel), modelLabel(in.model)));
        const waterzone::ZoneSetup z = engine::zoneOf(in);
        if (in.model != waterzone::Model::Pot && z.missing == waterzone::Missing::None) {
            out.push_back(cformat(tx(kModelPermeability), z.k));
            out.push_back(cformat(
                tx(z.zone.geometry == waterzone::Geometry::Linear ? kModelDepth : kModelRadius),
                z.size));
        }
    } else if (in.scheme == engine::InfluxScheme::IntervalMean)
        out.emplace_back(tx(kIntervalScheme));
    out.emplace_back(kBlank);
}

void setCaptions(chart::Series& series, chart::XAxis axis) {
    series.xAchse = tx(axis == chart::XAxis::Days ? kXAxisDays : kXAxisProduction);
    series.y1Achse = tx(kY1Axis);
    series.y2Achse = tx(kY2Axis);
    series.legende1 = tx(kLegendPressure);
    series.legende2 = tx(kLegendInflux);
    series.legende3 = tx(kLegendMeasured);
}

} // namespace brelvan::report
