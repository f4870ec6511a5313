#include "engine/Report.h"

#include <cmath>

#include "document/CBrelvanDoc.h"
#include "document/TextFormat.h"

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

} // namespace brelvan::report

void CBrelvanDoc::writeheader() {
    using namespace brelvan::report;
    m_Ausgabe.clear();
    m_Ausgabe.emplace_back(kTitle);
    m_Ausgabe.push_back(brelvan::cformat(kField, m_strFeldname));
    m_Ausgabe.emplace_back(kBlank);
    m_Ausgabe.emplace_back(kCompositionTitle);
    for (int i = 0; i < kComponents; ++i) {
        const float percent = m_fGas[static_cast<std::size_t>(i)];
        if (percent > 0.0f)
            m_Ausgabe.push_back(componentLine(i, percent));
    }
    m_Ausgabe.emplace_back(kBlank);
    m_Ausgabe.push_back(brelvan::cformat(kTemperature, m_dTemperatur));
    m_Ausgabe.push_back(brelvan::cformat(kOgip, m_dOGIP));
    m_Ausgabe.push_back(brelvan::cformat(kWip, m_dWIP));
    m_Ausgabe.push_back(brelvan::cformat(kPressure, m_dDruck));
    m_Ausgabe.push_back(brelvan::cformat(kZInit, m_dZInit));
    m_Ausgabe.push_back(brelvan::cformat(kCompressibility, m_dKompress));
    m_Ausgabe.push_back(brelvan::cformat(kJValue, m_dJWert));
    m_Ausgabe.push_back(startLine(m_iTag, m_iMonat, m_iJahr));
    m_Ausgabe.emplace_back(kBlank);
}
