#include "engine/GasBalance.h"

#include <algorithm>
#include <cmath>

#include "engine/GasProperties.h"
#include "engine/RootFinder.h"

namespace brelvan::engine {

double effectiveCompressibility(double cf, double cw, double swi) {
    if (cf == 0 && cw * swi == 0)
        return 0;
    return (cf + cw * swi) / (1 - swi);
}

double GasBalance::gasShare(double p, double netWater) const {
    if (ce == 0)
        return 1 - netWater / vInit;
    return 1 - ce * 1E-5 * (pInit - p) - netWater / vInit;
}

double GasBalance::pz(double gp, double netWater, double p) const {
    return pzInit * (1 - gp / ogip) / gasShare(p, netWater);
}

GasBalance::Point GasBalance::solve(double gp, double netWater) const {
    Point r;
    if (ce == 0) {
        r.pz = pzInit * (1 - gp / ogip) / (1 - netWater / vInit);
        r.p = gas::pzpressure(temperature, r.pz, tpc, ppc);
        r.found = true;
        return r;
    }

    // p/z(p) rises with p (the gas's compressibility is positive) and so does the gas share, so
    // f falls through one root.
    const double target = pzInit * (1 - gp / ogip);
    auto f = [&](double p) {
        ++r.evaluations;
        return target - p / gas::zfactor(temperature, p, tpc, ppc) * gasShare(p, netWater);
    };
    // Without the expansion term the pressure is p0; the term lowers the gas share below p_i
    // and raises it above, so the root lies between p0 and p_i.
    const double share0 = 1 - netWater / vInit;
    const double p0 = gas::pzpressure(temperature, target / share0, tpc, ppc);
    if (!(share0 > 0) || !std::isfinite(p0) || !(target > 0))
        return r;
    double lo = std::min(p0, pInit), hi = std::max(p0, pInit);
    // p0 comes from a few secant steps, so widen the bracket until its ends have their signs.
    for (int i = 0; i < 60 && !(f(lo) >= 0); ++i)
        lo *= 0.5;
    for (int i = 0; i < 60 && !(f(hi) <= 0); ++i)
        hi = hi * 2 + 1;
    const int left = kMaxEvaluations - r.evaluations;
    if (left <= 2)
        return r;
    const Root root = findRoot(f, lo, hi, kRootTolerance, left);
    if (!root.found)
        return r;
    r.p = root.x;
    r.pz = pz(gp, netWater, r.p);
    r.found = std::isfinite(r.p) && std::isfinite(r.pz) && gasShare(r.p, netWater) > 0;
    return r;
}

} // namespace brelvan::engine
