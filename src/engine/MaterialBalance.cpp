// The material balance of the gas zone with Fetkovich water influx from a finite water zone,
// row by row through the shut-in pressure list.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "document/CBrelvanDoc.h"
#include "document/PressureLine.h"
#include "document/TextFormat.h"
#include "engine/Report.h"

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

} // namespace

void CBrelvanDoc::extremes(double a, double b, double& pmin, double& pmax) const {
    pmin = 10000;
    pmax = 0;
    if (a < pmin)
        pmin = a;
    if (b < pmin)
        pmin = b;
    if (a > pmax)
        pmax = a;
    if (b > pmax)
        pmax = b;
}

double CBrelvanDoc::compute() {
    using namespace brelvan::report;
    using brelvan::cformat;
    const bool quiet = m_bSensitivitaet;

    // ---- Preparation
    const double temperature = m_dTemperatur;
    const double ogip = m_dOGIP;
    const double wip = m_dWIP;
    const double pInit = m_dDruck;
    const double compress = m_dKompress;
    const double jValue = m_dJWert;
    const float t0 = static_cast<float>(tage(m_iTag, m_iMonat, m_iJahr));
    double tPrev = t0;
    double pMean = pInit;

    double tpc = 0, ppc = 0;
    pseudocrit(tpc, ppc);
    const double zInit = zfactor(temperature, pInit, tpc, ppc);
    m_dZInit = zInit;
    const double pzInit = pInit / zInit;
    const double eInit =
        (pzInit * 273) / ((temperature + 273) * static_cast<double>(kStandardPressure));
    const double weMax = compress * wip * pInit * 1E-5;
    // The initial gas-filled pore volume, G / E_i.
    const double vInit = ogip / eInit;

    if (!quiet) {
        writeheader();
        m_Tabelle.clear();
    }

    m_MaxWerte = 0;
    m_Max2Werte = 0;
    m_fXRechen.fill(0.0f);
    m_fPRechen.fill(0.0f);
    m_fWERechen.fill(0.0f);
    m_fXMess.fill(0.0f);
    m_fPMess.fill(0.0f);
    m_fPRechen[0] = static_cast<float>(pInit);
    m_fPMess[0] = static_cast<float>(pInit);

    double sum = 0;   // S
    int compared = 0; // N
    int stored = 0;   // M
    double we = 0;
    auto result = [&] { return sum / compared; }; // 0 / 0 when nothing was compared

    // A case that admits no computation at all (only damaged values get here: the input
    // dialog keeps every value inside its range).
    if (!isFinite(temperature) || !isFinite(ogip) || !isFinite(wip) || !isFinite(pInit) ||
        !isFinite(compress) || !isFinite(jValue) || !isFinite(tpc) || !isFinite(ppc) || tpc <= 0 ||
        ppc <= 0 || pInit <= 0 || !(eInit > 0) || !isFinite(eInit) || !isFinite(weMax)) {
        const std::string line(kInvalidCase);
        ui().message(line);
        m_Ausgabe.push_back(line);
        return std::numeric_limits<double>::quiet_NaN();
    }

    // ---- Rows
    const int rows = static_cast<int>(std::min<std::size_t>(m_Zeilen.size(), kMaxRows));
    for (int i = 0; i < rows; ++i) {
        brelvan::PressureLine line;
        line.pressure = 0;
        if (brelvan::scanPressureLine(m_Zeilen[static_cast<std::size_t>(i)], line) < 6)
            break;
        const int day = line.day, month = line.month, year = line.year;
        const double gp = line.gp;
        // A pressure that is not a finite positive number is no measurement.
        const bool measured = line.pressure > 0 && fitsSeries(line.pressure);
        const double pMeasured = measured ? line.pressure : 0.0;

        if (!quiet && i == 0)
            for (std::string_view h : kTableHeader)
                m_Ausgabe.emplace_back(h);

        const double t = tage(day, month, year);
        // Only absurd values (a production or a date far out of any range) lead here.
        auto numericAbort = [&] {
            const std::string text = cformat(kNumericAbort, day, month, year);
            ui().message(text);
            m_Ausgabe.push_back(text);
            return result();
        };

        double pzMeasured = 0, ogipEstimate = 0;
        if (measured) {
            pzMeasured = pMeasured / zfactor(temperature, pMeasured, tpc, ppc);
            if (pzInit > pzMeasured)
                ogipEstimate = (pzMeasured / (pzInit - pzMeasured) + 1) * gp;
        }

        const double dt = t - tPrev;
        const double tRel = t - t0;
        if (dt < 0) {
            const std::string text = cformat(kTimeAbort, day, month, year);
            ui().message(text);
            m_Ausgabe.push_back(text);
            return result();
        }
        // Also a production that is not a number ends the run here.
        if (!(gp < ogip)) {
            const std::string text = cformat(kProductionAbort, gp, ogip);
            ui().message(text);
            m_Ausgabe.push_back(text);
            return result();
        }

        const double pAquifer = weMax > 0 ? pInit * (1 - we / weMax) : pInit;
        const double pzNoInflux = pzInit * (1 - gp / ogip) / (1 - we / vInit);
        const double pNoInflux = pzpressure(temperature, pzNoInflux, tpc, ppc);
        double pmin = 0, pmax = 0;
        extremes(pAquifer, pNoInflux, pmin, pmax);
        const double decay = weMax > 0 ? std::exp(-jValue * pInit * dt * 1E-6 / weMax) : 0.0;
        if (decay > 1)
            m_Ausgabe.push_back(cformat(kNegativeDecay, decay, gp));

        double pCurrent = pNoInflux;
        double p = 0, pz = 0, dwe = 0;
        bool settled = false;
        for (int pass = 0; pass < 5; ++pass) {
            dwe = (weMax / pInit) * (pAquifer - 0.5 * (pMean + pCurrent)) * (1 - decay);
            if (!isFinite(dwe))
                return numericAbort();
            if (we + dwe >= vInit) {
                if (!quiet) {
                    m_Ausgabe.emplace_back(kInvasion1);
                    m_Ausgabe.push_back(cformat(kInvasion2, vInit));
                    m_Ausgabe.push_back(cformat(kInvasion3, day, month, year));
                }
                return result();
            }
            pz = pzInit * (1 - gp / ogip) / (1 - (we + dwe) / vInit);
            double pNext = pzpressure(temperature, pz, tpc, ppc);
            if (std::fabs(pNext - pCurrent) < static_cast<double>(kPressureTolerance)) {
                p = pNext;
                settled = true;
                break;
            }
            if (pNext > pmax || pNext < pmin)
                pNext = (pmin + pmax) / 2;
            pCurrent = pNext;
        }
        if (!settled)
            p = pCurrent;

        if (!fitsSeries(p) || !isFinite(pz) || !fitsSeries(we + dwe) || !fitsSeries(tRel) ||
            !fitsSeries(gp))
            return numericAbort();

        we += dwe;
        pMean = (pMean + p) * 0.5;
        tPrev = t;
        if (measured) {
            ++compared;
            sum += std::fabs(pMeasured - p);
        }

        if (!quiet) {
            m_Ausgabe.push_back(measured ? measuredRow(day, month, year, tRel, gp, p, pMeasured, pz,
                                                       pzMeasured, we, ogipEstimate)
                                         : productionRow(day, month, year, tRel, gp, p, pz, we));
            m_Tabelle.push_back({day, month, year, tRel, gp, p, pz, we, measured, pMeasured,
                                 pzMeasured, ogipEstimate, settled});
            const double x = m_iGrafiktyp == 0 ? tRel : gp;
            m_strXAchse = m_iGrafiktyp == 0 ? "Zeit in Tagen" : "Kum.Produktion in Mio m3";
            m_strY1Achse = "Druck(Bar)";
            m_strY2Achse = "WE(Mio m3)";
            m_strLegende1 = "Druck (Bar)";
            m_strLegende2 = "WE (Mio m3)";
            m_strLegende3 = "Meßwerte (Bar)";
            const auto k = static_cast<std::size_t>(i + 1);
            m_fXRechen[k] = static_cast<float>(x);
            m_fPRechen[k] = static_cast<float>(p);
            m_fWERechen[k] = static_cast<float>(we);
            m_MaxWerte = i + 1;
            if (measured) {
                ++stored;
                const auto m = static_cast<std::size_t>(stored);
                m_fXMess[m] = static_cast<float>(x);
                m_fPMess[m] = static_cast<float>(pMeasured);
                m_Max2Werte = stored;
            }
        }
    }

    // ---- Closing
    const double error = result();
    if (!quiet) {
        m_Ausgabe.emplace_back(kBlank);
        m_Ausgabe.push_back(meanErrorLine(error));
    }
    return error;
}
