#include "engine/GasProperties.h"

#include <cmath>

#include "document/CBrelvanDoc.h"

namespace brelvan::gas {
namespace {

// The convergence limit on |1000 F|, held in single precision.
constexpr double kTolerance = static_cast<double>(0.0001f);

struct Coefficients {
    double a1, b, c1, d;
};

Coefficients coefficients(double tr) {
    const double t = 1 / tr;
    const double u = 1 - t;
    Coefficients k;
    k.a1 = 0.06125 * t * std::exp(-1.2 * u * u);
    k.b = (14.76 - 9.76 * t + 4.58 * t * t) * t;
    k.c1 = (90.7 - 242.2 * t + 42.4 * t * t) * t;
    k.d = 2.18 + 2.82 * t;
    return k;
}

// The coefficients depend on the temperature only, which stays the same through a whole run;
// the last ones are kept per thread.
const Coefficients& cachedCoefficients(double tr) {
    // Constant-initialised, so that no guard runs on each access.
    thread_local double lastTr = 0.0;
    thread_local Coefficients last{0.0, 0.0, 0.0, 0.0};
    if (tr != lastTr || last.d == 0.0) {
        last = coefficients(tr);
        lastTr = tr;
    }
    return last;
}

double residual(const Coefficients& k, double pr, double y) {
    const double y2 = y * y;
    const double y3 = y2 * y;
    const double y4 = y3 * y;
    const double om = 1 - y;
    return -k.a1 * pr + (y + y2 + y3 - y4) / (om * om * om) - k.b * y2 + k.c1 * std::pow(y, k.d);
}

bool positiveFinite(double v) {
    return std::isfinite(v) && v > 0;
}

// The root of F in (0, 1) by bisection. F tends to -a1 pr < 0 as y goes to 0 and to +infinity
// as y goes to 1, so a root is always bracketed when a1 pr > 0.
double bisect(const Coefficients& k, double pr) {
    double lo = 0, hi = 1;
    double y = 0.5;
    for (int i = 0; i < 200; ++i) {
        y = 0.5 * (lo + hi);
        if (y <= lo || y >= hi)
            break;
        const double f = residual(k, pr, y);
        if (std::isnan(f))
            return 1.0;
        if (std::fabs(1000 * f) < kTolerance)
            break;
        if (f < 0)
            lo = y;
        else
            hi = y;
    }
    const double z = k.a1 * pr / y;
    return positiveFinite(z) ? z : 1.0;
}

} // namespace

double zHallYarborough(double tr, double pr) {
    const Coefficients& k = cachedCoefficients(tr);
    if (!std::isfinite(pr) || !positiveFinite(k.a1) || !std::isfinite(k.b) ||
        !std::isfinite(k.c1) || !std::isfinite(k.d))
        return 1.0;
    if (pr <= 0)
        return 1.0; // the ideal-gas limit of a vanishing pressure

    double y = 0.001;
    for (int iteration = 0; iteration < 30; ++iteration) {
        if (y > 1)
            y = 0.6;
        const double y2 = y * y;
        const double y3 = y2 * y;
        const double y4 = y3 * y;
        const double inv = 1 / (1 - y);
        const double inv3 = inv * inv * inv;
        const double yd = std::exp(k.d * std::log(y)); // y^d
        const double f = -k.a1 * pr + (y + y2 + y3 - y4) * inv3 - k.b * y2 + k.c1 * yd;
        if (!std::isfinite(f))
            break;
        if (std::fabs(1000 * f) < kTolerance) {
            const double z = k.a1 * pr / y;
            if (positiveFinite(z))
                return z;
            break;
        }
        // y^(d-1) as y^d / y
        const double df =
            (1 + 4 * y + 4 * y2 - 4 * y3 + y4) * (inv3 * inv) - 2 * k.b * y + k.c1 * k.d * (yd / y);
        const double step = f / df;
        if (!std::isfinite(step))
            break; // F' is 0 or not a number
        y -= step;
    }
    return bisect(k, pr);
}

} // namespace brelvan::gas

void CBrelvanDoc::pseudocrit(double& tpc, double& ppc) const {
    using namespace brelvan::gas;
    float sum = 0.0f;
    for (float c : m_fGas)
        sum += c;
    float p = 0.0f, t = 0.0f;
    for (std::size_t i = 0; i < m_fGas.size(); ++i) {
        const float y = 100.0f * m_fGas[i] / sum;
        p += kCriticalPressure[i] * y / 100.0f;
        t += kCriticalTemperature[i] * y / 100.0f;
    }
    critcorrect(t, p, tpc, ppc);
}

void CBrelvanDoc::critcorrect(double tpc, double ppc, double& tpcKorr, double& ppcKorr) const {
    double sum = 0.0;
    for (float c : m_fGas)
        sum += c;
    const double yH2S = 100.0 * m_fGas[0] / sum;
    const double yCO2 = 100.0 * m_fGas[1] / sum;
    const double b = yH2S / 100;
    const double a = b + yCO2 / 100;
    const double eps =
        120 * (std::pow(a, 0.9) - std::pow(a, 1.6)) + 15 * (std::sqrt(b) - std::pow(b, 4));
    tpcKorr = tpc - eps;
    ppcKorr = ppc * tpcKorr / (tpc + b * (1 - b) * eps);
}

double CBrelvanDoc::zfactor(double temperaturC, double druckBar, double tpc, double ppc) const {
    using namespace brelvan::gas;
    const double pr = druckBar * static_cast<double>(kBarToPsia) / ppc;
    const double tr = rankine(temperaturC) / tpc;
    return zHallYarborough(tr, pr);
}

double CBrelvanDoc::pzpressure(double temperaturC, double pzBar, double tpc, double ppc) const {
    if (!std::isfinite(pzBar))
        return 0.0; // no pressure has that p/z
    double p = pzBar;
    for (int i = 0; i < 5; ++i) {
        const double z0 = zfactor(temperaturC, p, tpc, ppc);
        const double z1 = zfactor(temperaturC, p + 1, tpc, ppc);
        const double q0 = p / z0;
        const double q1 = (p + 1) / z1;
        const double next = p + (pzBar - q0) / (q1 - q0);
        if (!std::isfinite(next))
            break; // q1 equals q0, or the step left the numbers
        p = next;
    }
    return p;
}
