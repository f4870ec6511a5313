#include "engine/GasProperties.h"

#include <cmath>

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

// Whether z can be sought at all for `pr` with the coefficients `k`; where not, z is the
// ideal-gas value 1 (also the limit of a vanishing pressure).
bool solvable(const Coefficients& k, double pr) {
    return std::isfinite(pr) && positiveFinite(k.a1) && std::isfinite(k.b) && std::isfinite(k.c1) &&
           std::isfinite(k.d) && pr > 0;
}

// One Newton iteration on the reduced density y, from 0.001; z is found when |1000 F| falls
// below the tolerance. The chain falls back to bisection when F, its derivative or the step
// leave the numbers, or when z at the root is not a positive number.
struct Chain {
    enum class State { Running, Found, Bisect };
    double pr = 0;
    double y = 0.001;
    double z = 1.0;
    State state = State::Running;
};

inline void newtonStep(const Coefficients& k, Chain& c) {
    double y = c.y;
    if (y > 1)
        y = 0.6;
    const double y2 = y * y;
    const double y3 = y2 * y;
    const double y4 = y3 * y;
    const double inv = 1 / (1 - y);
    const double inv3 = inv * inv * inv;
    const double yd = std::exp(k.d * std::log(y)); // y^d
    const double f = -k.a1 * c.pr + (y + y2 + y3 - y4) * inv3 - k.b * y2 + k.c1 * yd;
    if (!std::isfinite(f)) {
        c.state = Chain::State::Bisect;
        return;
    }
    if (std::fabs(1000 * f) < kTolerance) {
        const double z = k.a1 * c.pr / y;
        if (positiveFinite(z)) {
            c.z = z;
            c.state = Chain::State::Found;
        } else {
            c.state = Chain::State::Bisect;
        }
        return;
    }
    // y^(d-1) as y^d / y
    const double df =
        (1 + 4 * y + 4 * y2 - 4 * y3 + y4) * (inv3 * inv) - 2 * k.b * y + k.c1 * k.d * (yd / y);
    const double step = f / df;
    if (!std::isfinite(step)) {
        c.state = Chain::State::Bisect; // F' is 0 or not a number
        return;
    }
    c.y = y - step;
}

constexpr int kNewtonSteps = 30;

// A chain that has not found z after its Newton steps is bisected.
double finish(const Coefficients& k, const Chain& c) {
    return c.state == Chain::State::Found ? c.z : bisect(k, c.pr);
}

Chain startChain(const Coefficients& k, double pr) {
    Chain c;
    c.pr = pr;
    if (!solvable(k, pr))
        c.state = Chain::State::Found; // z = 1
    return c;
}

} // namespace

double zHallYarborough(double tr, double pr) {
    const Coefficients& k = cachedCoefficients(tr);
    Chain c = startChain(k, pr);
    for (int i = 0; i < kNewtonSteps && c.state == Chain::State::Running; ++i)
        newtonStep(k, c);
    return finish(k, c);
}

void zHallYarboroughPair(double tr, double pr0, double pr1, double& z0, double& z1) {
    const Coefficients& k = cachedCoefficients(tr);
    Chain a = startChain(k, pr0);
    Chain b = startChain(k, pr1);
    for (int i = 0; i < kNewtonSteps; ++i) {
        const bool runA = a.state == Chain::State::Running;
        const bool runB = b.state == Chain::State::Running;
        if (!runA && !runB)
            break;
        if (runA)
            newtonStep(k, a);
        if (runB)
            newtonStep(k, b);
    }
    z0 = finish(k, a);
    z1 = finish(k, b);
}

void pseudocrit(const Composition& gas, double& tpc, double& ppc) {
    float sum = 0.0f;
    for (float c : gas)
        sum += c;
    float p = 0.0f, t = 0.0f;
    for (std::size_t i = 0; i < gas.size(); ++i) {
        const float y = 100.0f * gas[i] / sum;
        p += kCriticalPressure[i] * y / 100.0f;
        t += kCriticalTemperature[i] * y / 100.0f;
    }
    critcorrect(gas, t, p, tpc, ppc);
}

void critcorrect(const Composition& gas, double tpc, double ppc, double& tpcKorr, double& ppcKorr) {
    double sum = 0.0;
    for (float c : gas)
        sum += c;
    const double yH2S = 100.0 * gas[0] / sum;
    const double yCO2 = 100.0 * gas[1] / sum;
    const double b = yH2S / 100;
    const double a = b + yCO2 / 100;
    const double eps =
        120 * (std::pow(a, 0.9) - std::pow(a, 1.6)) + 15 * (std::sqrt(b) - std::pow(b, 4));
    tpcKorr = tpc - eps;
    ppcKorr = ppc * tpcKorr / (tpc + b * (1 - b) * eps);
}

namespace {

double reducedPressure(double druckBar, double ppc) {
    return druckBar * static_cast<double>(kBarToPsia) / ppc;
}

double reducedTemperature(double temperaturC, double tpc) {
    return rankine(temperaturC) / tpc;
}

// One secant step towards the pressure of p/z = pzBar from z(p) and z(p + 1).
double secantStep(double p, double pzBar, double z0, double z1) {
    const double q0 = p / z0;
    const double q1 = (p + 1) / z1;
    return p + (pzBar - q0) / (q1 - q0);
}

constexpr int kSecantSteps = 5;

} // namespace

double zfactor(double temperaturC, double druckBar, double tpc, double ppc) {
    return zHallYarborough(reducedTemperature(temperaturC, tpc), reducedPressure(druckBar, ppc));
}

double pzpressure(double temperaturC, double pzBar, double tpc, double ppc) {
    if (!std::isfinite(pzBar))
        return 0.0; // no pressure has that p/z
    const double tr = reducedTemperature(temperaturC, tpc);
    double p = pzBar;
    for (int i = 0; i < kSecantSteps; ++i) {
        double z0 = 0, z1 = 0;
        zHallYarboroughPair(tr, reducedPressure(p, ppc), reducedPressure(p + 1, ppc), z0, z1);
        const double next = secantStep(p, pzBar, z0, z1);
        if (!std::isfinite(next))
            break; // q1 equals q0, or the step left the numbers
        // z depends on p alone: a step that lands where it started repeats itself to the end.
        if (next == p)
            break;
        p = next;
    }
    return p;
}

double pzpressureSingle(double temperaturC, double pzBar, double tpc, double ppc) {
    if (!std::isfinite(pzBar))
        return 0.0;
    double p = pzBar;
    for (int i = 0; i < kSecantSteps; ++i) {
        const double z0 = zfactor(temperaturC, p, tpc, ppc);
        const double z1 = zfactor(temperaturC, p + 1, tpc, ppc);
        const double next = secantStep(p, pzBar, z0, z1);
        if (!std::isfinite(next))
            break;
        p = next;
    }
    return p;
}

} // namespace brelvan::gas
