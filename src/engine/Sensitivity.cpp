// The grid search over OGIP, WIP and J for the smallest mean pressure error.
#include "engine/Sensitivity.h"

#include <cmath>

#include "document/CBrelvanDoc.h"
#include "document/TextFormat.h"

namespace brelvan::sens {

std::string resultLine(double error, double ogip, double wip, double jValue) {
    if (!std::isfinite(error))
        return cformat(kResultLineNoError, ogip, wip, jValue);
    return cformat(kResultLine, error, ogip, wip, jValue);
}

} // namespace brelvan::sens

void CBrelvanDoc::sensitivity() {
    using namespace brelvan::sens;
    ui().beginWaitCursor();
    m_SensErgebnisse.assign(kCases, std::string());
    m_SensWerte.assign(kCases, SensWert{});

    const double stepOgip = (m_dMaxOGIP - m_dMinOGIP) / 3;
    const double stepWip = (m_dMaxWIP - m_dMinWIP) / 3;
    const double stepJ = (m_dMaxJ - m_dMinJ) / 3;

    // The case's own values, kept for a search in which no case yields an error value.
    const double ownOgip = m_dOGIP, ownWip = m_dWIP, ownJ = m_dJWert;

    bool haveBest = false;
    double bestError = 0, bestOgip = 0, bestWip = 0, bestJ = 0;
    std::size_t c = 0;
    for (int i = 0; i < kValues; ++i) {
        m_dOGIP = m_dMinOGIP + i * stepOgip;
        for (int k = 0; k < kValues; ++k) {
            m_dWIP = m_dMinWIP + k * stepWip;
            for (int l = 0; l < kValues; ++l) {
                m_dJWert = m_dMinJ + l * stepJ;
                const double error = compute();
                m_SensWerte[c] = {error, m_dOGIP, m_dWIP, m_dJWert};
                m_SensErgebnisse[c++] = resultLine(error, m_dOGIP, m_dWIP, m_dJWert);
                // A case without an error value is listed but never the best; ties keep the
                // earlier case.
                if (std::isfinite(error) && (!haveBest || error < bestError)) {
                    haveBest = true;
                    bestError = error;
                    bestOgip = m_dOGIP;
                    bestWip = m_dWIP;
                    bestJ = m_dJWert;
                }
            }
        }
    }
    ui().endWaitCursor();

    const std::string question =
        haveBest ? brelvan::cformat(kSummary, bestError, bestOgip, bestWip, bestJ)
                 : std::string(kSummaryNoError);
    if (ui().question(question))
        ui().showSensResults(std::vector<std::string>(m_SensErgebnisse));

    if (haveBest) {
        m_dOGIP = bestOgip;
        m_dWIP = bestWip;
        m_dJWert = bestJ;
    } else {
        m_dOGIP = ownOgip;
        m_dWIP = ownWip;
        m_dJWert = ownJ;
    }
    m_bSensitivitaet = false;
    compute();
}
