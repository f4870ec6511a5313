// A bracketed root finder for one unknown (Brent's method: inverse quadratic interpolation and
// secant steps, with bisection whenever they would not shrink the bracket fast enough).
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace brelvan::engine {

struct Root {
    double x = 0;        // within `tolerance` of the root when `found`
    int evaluations = 0; // calls of f, the ones of the bracket ends included
    bool found = false;  // false: the bound on evaluations was reached first
};

// The root of f between `lo` and `hi` (lo < hi) for an f with f(lo) >= 0 and f(hi) <= 0 that
// changes sign once. f may answer "not a number" where it has no value; such points count as
// lying below the root (as f(lo) does), so the bracket there is halved. At most
// `maxEvaluations` calls of f.
template <class F>
Root findRoot(F&& f, double lo, double hi, double tolerance, int maxEvaluations) {
    Root r;
    auto eval = [&](double x) {
        ++r.evaluations;
        return f(x);
    };
    double a = lo, b = hi;
    double fa = eval(a), fb = eval(b);
    // Halve the bracket until its lower end has a value.
    while (!std::isfinite(fa)) {
        if (r.evaluations >= maxEvaluations || b - a <= tolerance) {
            r.x = b;
            r.found = b - a <= tolerance;
            return r;
        }
        const double m = 0.5 * (a + b);
        const double fm = eval(m);
        if (!(fm <= 0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
            fb = fm;
        }
    }
    if (fa == 0) {
        r.x = a;
        r.found = true;
        return r;
    }
    if (fb == 0) {
        r.x = b;
        r.found = true;
        return r;
    }

    // Brent's method with b the best estimate and c the other end of the bracket.
    double c = a, fc = fa;
    double d = b - a, e = d;
    constexpr double eps = std::numeric_limits<double>::epsilon();
    while (true) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol1 = 2 * eps * std::fabs(b) + 0.5 * tolerance;
        const double m = 0.5 * (c - b);
        if (std::fabs(m) <= tol1 || fb == 0) {
            r.x = b;
            r.found = true;
            return r;
        }
        if (r.evaluations >= maxEvaluations) {
            r.x = b;
            return r;
        }
        if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
            double p, q;
            const double s = fb / fa;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc, rr = fb / fc;
                p = s * (2 * m * qa * (qa - rr) - (b - a) * (rr - 1));
                q = (qa - 1) * (rr - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * m * q - std::fabs(tol1 * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = m;
                e = m;
            }
        } else {
            d = m;
            e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol1 ? d : (m > 0 ? tol1 : -tol1);
        fb = eval(b);
        if (!std::isfinite(fb)) {
            // No value here: the root lies above b, so b becomes the lower end and the search
            // goes on by bisection from the last point with a value.
            fb = std::numeric_limits<double>::max();
            d = e = m;
        }
    }
}

} // namespace brelvan::engine
