#include "engine/Fit.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>

#include <boost/math/distributions/fisher_f.hpp>

#include "engine/EngineTexts.h"
#include "support/TextFormat.h"

namespace brelvan::fit {

using engine::tx;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
// A parameter closer than this to its bound (in units of the box width) lies on it.
constexpr double kOnBound = 1e-6;

// The free parameters of a search in coordinates scaled to the box: u = (x - lo) / (hi - lo),
// so every free parameter runs from 0 to 1 whatever its unit and size.
struct Space {
    Bounds box;
    std::vector<int> index; // the free parameters
    Point base{};           // the values of the parameters held

    Space(const Bounds& b, const std::array<bool, kParams>& free, const Point& start) : box(b) {
        for (int j = 0; j < kParams; ++j) {
            base[j] = start[j];
            if (free[j] && box.hi[j] > box.lo[j])
                index.push_back(j);
        }
    }
    int size() const { return static_cast<int>(index.size()); }
    double width(int k) const { return box.hi[index[k]] - box.lo[index[k]]; }
    Point toX(const std::vector<double>& u) const {
        Point x = base;
        for (int k = 0; k < size(); ++k) {
            const int j = index[k];
            x[j] = u[k] >= 1 ? box.hi[j] : box.lo[j] + u[k] * width(k);
        }
        return x;
    }
    std::vector<double> toU(const Point& x) const {
        std::vector<double> u(index.size());
        for (int k = 0; k < size(); ++k)
            u[k] = std::clamp((x[index[k]] - box.lo[index[k]]) / width(k), 0.0, 1.0);
        return u;
    }
};

struct Eval {
    bool ok = false;
    std::vector<double> r;
    double ss = kInf;
};

double sumSquares(const std::vector<double>& r) {
    double s = 0;
    for (double v : r)
        s += v * v;
    return s;
}

Eval evalAt(const Objective& objective, const Point& x) {
    Eval e;
    e.ok = objective(x, e.r) && !e.r.empty();
    if (e.ok) {
        e.ss = sumSquares(e.r);
        if (!std::isfinite(e.ss))
            e.ok = false;
    }
    if (!e.ok)
        e.ss = kInf;
    return e;
}

// Solves the symmetric system a x = b of up to three unknowns by Gaussian elimination with
// partial pivoting; false when it is singular.
bool solve(std::vector<std::vector<double>> a, std::vector<double> b, std::vector<double>& x) {
    const int n = static_cast<int>(b.size());
    for (int c = 0; c < n; ++c) {
        int piv = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[piv][c]))
                piv = r;
        if (!(std::fabs(a[piv][c]) > 0))
            return false;
        std::swap(a[piv], a[c]);
        std::swap(b[piv], b[c]);
        for (int r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            for (int k = c; k < n; ++k)
                a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    x.assign(n, 0);
    for (int r = n - 1; r >= 0; --r) {
        double s = b[r];
        for (int k = r + 1; k < n; ++k)
            s -= a[r][k] * x[k];
        x[r] = s / a[r][r];
        if (!std::isfinite(x[r]))
            return false;
    }
    return true;
}

// Forward-difference Jacobian of the residuals in scaled coordinates, one column per free
// parameter; a column whose neighbour has no error value either way stays zero.
std::vector<std::vector<double>> jacobian(const Objective& objective, const Space& space,
                                          const std::vector<double>& u, const Eval& at, double step,
                                          int threads, int& evaluations) {
    const int k = space.size();
    const std::size_t m = at.r.size();
    std::vector<std::vector<double>> cols(k, std::vector<double>(m, 0.0));
    std::vector<int> used(k, 0);
    parallel::forEach(k, threads, [&](int c) {
        for (double dir : {1.0, -1.0}) {
            double h = dir * step;
            if (u[c] + h > 1 || u[c] + h < 0)
                continue;
            std::vector<double> v = u;
            v[c] += h;
            h = v[c] - u[c];
            ++used[c];
            const Eval e = evalAt(objective, space.toX(v));
            if (!e.ok || e.r.size() != m)
                continue;
            for (std::size_t i = 0; i < m; ++i)
                cols[c][i] = (e.r[i] - at.r[i]) / h;
            return;
        }
    });
    for (int c = 0; c < k; ++c)
        evaluations += used[c];
    return cols;
}

std::vector<std::vector<double>> normalMatrix(const std::vector<std::vector<double>>& cols) {
    const std::size_t k = cols.size();
    std::vector<std::vector<double>> a(k, std::vector<double>(k, 0.0));
    for (std::size_t p = 0; p < k; ++p)
        for (std::size_t q = p; q < k; ++q) {
            double s = 0;
            for (std::size_t i = 0; i < cols[p].size(); ++i)
                s += cols[p][i] * cols[q][i];
            a[p][q] = a[q][p] = s;
        }
    return a;
}

} // namespace

namespace {

double scaledValue(const Bounds& box, int j, double x) {
    const double w = box.hi[j] - box.lo[j];
    return w > 0 ? (x - box.lo[j]) / w : 0.0;
}

} // namespace

const char* paramName(int param) {
    switch (param) {
    case kOgip:
        return "OGIP";
    case kWip:
        return "WIP";
    default:
        return tx("J-Wert");
    }
}

const char* paramUnit(int param) {
    return param == kJWert ? tx("m3/(Tag·bar)") : tx("Mio m3");
}

Misfit misfitOf(const std::vector<double>& residuals) {
    Misfit m;
    m.n = static_cast<int>(residuals.size());
    if (m.n == 0)
        return m;
    double abs = 0;
    for (double r : residuals) {
        m.ss += r * r;
        abs += std::fabs(r);
    }
    m.rms = std::sqrt(m.ss / m.n);
    m.meanAbs = abs / m.n;
    m.valid = std::isfinite(m.ss);
    return m;
}

Misfit evaluate(const Objective& objective, const Point& x) {
    std::vector<double> r;
    if (!objective(x, r))
        return {};
    return misfitOf(r);
}

Bounds noLimits() {
    Bounds b;
    b.lo.fill(-kInf);
    b.hi.fill(kInf);
    return b;
}

Bounds searchBounds(const Bounds& requested, double maxGp, const Bounds& limits) {
    Bounds b = requested;
    for (int j = 0; j < kParams; ++j) {
        b.lo[j] = std::clamp(b.lo[j], limits.lo[j], limits.hi[j]);
        b.hi[j] = std::clamp(b.hi[j], limits.lo[j], limits.hi[j]);
    }
    const double floor = maxGp > 0 ? maxGp * (1 + 1e-9) + 1e-9 : 0.0;
    if (b.lo[kOgip] <= floor)
        b.lo[kOgip] = floor;
    for (int j = 0; j < kParams; ++j)
        if (b.hi[j] < b.lo[j])
            b.hi[j] = b.lo[j];
    return b;
}

Bounds defaultBounds(const Point& v, double maxGp, const Bounds& limits) {
    Bounds b;
    const double ogip = std::fabs(v[kOgip]);
    b.lo[kOgip] = ogip * 0.5;
    b.hi[kOgip] = std::max(ogip * 2, maxGp * 2);
    const double wip = std::fabs(v[kWip]);
    b.lo[kWip] = wip * 0.1;
    b.hi[kWip] = wip > 0 ? wip * 10 : std::max(ogip * 10, 1.0);
    const double j = std::fabs(v[kJWert]);
    b.lo[kJWert] = j * 0.1;
    b.hi[kJWert] = j > 0 ? j * 10 : 1000.0;
    if (b.hi[kOgip] <= 0)
        b.hi[kOgip] = 1.0;
    return searchBounds(b, maxGp, limits);
}

Bounds suggestedBounds(const Point& caseValues, double maxGp, const Bounds& sensitivity,
                       const Bounds& limits) {
    Bounds box = defaultBounds(caseValues, maxGp, limits);
    for (int j = 0; j < kParams; ++j)
        if (sensitivity.lo[j] != 0 && sensitivity.hi[j] > sensitivity.lo[j]) {
            box.lo[j] = sensitivity.lo[j];
            box.hi[j] = sensitivity.hi[j];
        }
    return searchBounds(box, maxGp, limits);
}

RefineResult refine(const Objective& objective, const Point& start, const RefineOptions& options,
                    const parallel::Control& control) {
    RefineResult res;
    Point clamped = start;
    for (int j = 0; j < kParams; ++j)
        if (options.free[j])
            clamped[j] = std::clamp(start[j], options.bounds.lo[j], options.bounds.hi[j]);
    const Space space(options.bounds, options.free, clamped);
    const int k = space.size();
    std::vector<double> u = space.toU(clamped);
    Point x = space.toX(u);
    Eval cur = evalAt(objective, x);
    res.evaluations = 1;
    if (!cur.ok)
        return res;
    res.valid = true;

    double lambda = 1e-3;
    const double step = options.diffStep;
    while (k > 0 && res.iterations < options.maxIterations && cur.ss > 0) {
        if (control.cancelled()) {
            res.cancelled = true;
            break;
        }
        ++res.iterations;
        const auto cols =
            jacobian(objective, space, u, cur, step, control.threads, res.evaluations);
        const auto a = normalMatrix(cols);
        std::vector<double> g(k, 0.0);
        for (int c = 0; c < k; ++c)
            for (std::size_t i = 0; i < cur.r.size(); ++i)
                g[c] += cols[c][i] * cur.r[i];
        // Parameters on a bound with the descent pointing out of the box stay where they are.
        std::vector<int> act;
        for (int c = 0; c < k; ++c) {
            const bool outLo = u[c] <= 0 && g[c] > 0;
            const bool outHi = u[c] >= 1 && g[c] < 0;
            if (!outLo && !outHi && a[c][c] > 0)
                act.push_back(c);
        }
        if (act.empty())
            break;
        const int na = static_cast<int>(act.size());
        double maxDiag = 0;
        for (int c : act)
            maxDiag = std::max(maxDiag, a[c][c]);

        bool accepted = false, stop = false;
        double moved = 0, gain = 0;
        for (int attempt = 0; attempt < 40; ++attempt) {
            std::vector<std::vector<double>> m(na, std::vector<double>(na));
            std::vector<double> rhs(na), d;
            for (int p = 0; p < na; ++p) {
                for (int q = 0; q < na; ++q)
                    m[p][q] = a[act[p]][act[q]];
                m[p][p] += lambda * std::max(a[act[p]][act[p]], 1e-12 * maxDiag);
                rhs[p] = -g[act[p]];
            }
            if (!solve(m, rhs, d)) {
                lambda *= 4;
                continue;
            }
            std::vector<double> v = u;
            moved = 0;
            for (int p = 0; p < na; ++p) {
                const int c = act[p];
                v[c] = std::clamp(u[c] + d[p], 0.0, 1.0);
                moved = std::max(moved, std::fabs(v[c] - u[c]));
            }
            if (moved < 1e-13) {
                stop = true;
                break;
            }
            Eval trial = evalAt(objective, space.toX(v));
            ++res.evaluations;
            if (trial.ok && trial.r.size() == cur.r.size() && trial.ss < cur.ss) {
                gain = (cur.ss - trial.ss) / cur.ss;
                u = std::move(v);
                cur = std::move(trial);
                lambda = std::max(lambda / 3, 1e-12);
                accepted = true;
                break;
            }
            lambda *= 4;
            if (lambda > 1e14) {
                stop = true;
                break;
            }
            if (control.cancelled())
                break;
        }
        if (!accepted || stop)
            break;
        if (gain < options.tolerance || moved < 1e-11)
            break;
    }

    res.best = space.toX(u);
    for (int j = 0; j < kParams; ++j)
        if (!options.free[j])
            res.best[j] = start[j];
    res.misfit = misfitOf(cur.r);
    for (int j = 0; j < kParams; ++j) {
        if (!options.free[j])
            continue;
        const double s = scaledValue(options.bounds, j, res.best[j]);
        res.atBound[j] = s <= kOnBound || s >= 1 - kOnBound;
        if (res.atBound[j])
            res.warnings.push_back(cformat(tx("%s liegt am Rand des Suchbereichs"), paramName(j)));
    }
    return res;
}

namespace {

// The 64 cases of the 4 x 4 x 4 grid over `ranges` and their misfits.
void gridMisfits(const Objective& objective, const Bounds& ranges, const parallel::Control& control,
                 std::vector<Point>& points, std::vector<Misfit>& misfits, int progressTotal) {
    constexpr int kValues = 4;
    constexpr int kCases = kValues * kValues * kValues;
    points.assign(kCases, Point{});
    const double so = (ranges.hi[kOgip] - ranges.lo[kOgip]) / 3;
    const double sw = (ranges.hi[kWip] - ranges.lo[kWip]) / 3;
    const double sj = (ranges.hi[kJWert] - ranges.lo[kJWert]) / 3;
    for (int i = 0; i < kValues; ++i)
        for (int k = 0; k < kValues; ++k)
            for (int l = 0; l < kValues; ++l)
                points[16 * i + 4 * k + l] = {ranges.lo[kOgip] + i * so, ranges.lo[kWip] + k * sw,
                                              ranges.lo[kJWert] + l * sj};
    misfits.assign(kCases, Misfit{});
    std::function<void(int, int)> progress;
    if (control.progress && progressTotal > 0)
        progress = [&](int done, int total) {
            control.progress(done * progressTotal / total, 100);
        };
    else
        progress = control.progress;
    parallel::forEach(
        kCases, control.threads, [&](int c) { misfits[c] = evaluate(objective, points[c]); },
        control.cancel, progress);
}

} // namespace

GridBest gridBest(const Objective& objective, const Bounds& ranges,
                  const parallel::Control& control) {
    std::vector<Point> points;
    std::vector<Misfit> misfits;
    gridMisfits(objective, ranges, control, points, misfits, 0);
    GridBest best;
    for (std::size_t c = 0; c < points.size(); ++c) {
        if (!misfits[c].valid)
            continue;
        if (!best.valid || misfits[c].meanAbs < best.misfit.meanAbs) {
            best.valid = true;
            best.best = points[c];
            best.misfit = misfits[c];
        }
    }
    return best;
}

double fQuantile95(int q, int dof) {
    const boost::math::fisher_f_distribution<double> dist(q, dof);
    return boost::math::quantile(dist, 0.95);
}

double ssThreshold(double ssMin, int n, int p, int q) {
    if (n <= p || q <= 0)
        return -1;
    const int dof = n - p;
    return ssMin * (1 + static_cast<double>(q) / dof * fQuantile95(q, dof));
}

RangesResult profileRanges(const Objective& objective, const RefineResult& best,
                           const RefineOptions& options, const parallel::Control& control) {
    RangesResult out;
    if (!best.valid) {
        out.message = tx("Am besten Punkt ergibt die Rechnung keinen Fehlerwert.");
        return out;
    }
    const Space space(options.bounds, options.free, best.best);
    const int p = space.size();
    const int n = best.misfit.n;
    if (p == 0) {
        out.message = tx("Kein Parameter ist frei.");
        return out;
    }
    if (n <= p) {
        out.message = cformat(
            tx("Für Bereiche werden mehr Meßwerte (%d) als freie Parameter (%d) benötigt."), n, p);
        return out;
    }
    const double ssMin = best.misfit.ss;
    const double thr = ssThreshold(ssMin, n, p, 1);
    out.threshold = thr;

    // First step of each walk: the half width the linearised model predicts,
    // sqrt((thr - ssMin) * [(J'J)^-1]_kk) in scaled units.
    std::vector<double> firstStep(p, 0.05);
    {
        const std::vector<double> u = space.toU(best.best);
        Eval at = evalAt(objective, space.toX(u));
        int evals = 0;
        if (at.ok) {
            const auto cols =
                jacobian(objective, space, u, at, options.diffStep, control.threads, evals);
            const auto a = normalMatrix(cols);
            for (int c = 0; c < p; ++c) {
                std::vector<double> e(p, 0.0), col;
                e[c] = 1;
                if (solve(a, e, col) && col[c] > 0) {
                    const double w = std::sqrt(std::max(thr - ssMin, 0.0) * col[c]);
                    if (std::isfinite(w) && w > 0)
                        firstStep[c] = std::clamp(w, 1e-5, 0.5);
                }
            }
        }
    }

    struct Side {
        double value = 0;
        bool open = false;
    };
    std::vector<Side> sides(2 * p);
    // The lowest point each walk met below the best point's sum of squares (by more than a
    // millionth, so that a slightly sharper convergence of the inner fits does not count).
    struct Lower {
        bool found = false;
        double ss = 0;
        Point at{};
    };
    std::vector<Lower> lowers(2 * p);
    const double lowerLimit = ssMin * (1 - 1e-6);
    const double target = std::sqrt(std::max(thr - ssMin, 0.0));

    auto walk = [&](int task) {
        const int c = task / 2;
        const int j = space.index[c];
        const double dir = task % 2 == 0 ? -1.0 : 1.0;
        const double bound = dir < 0 ? 0.0 : 1.0;
        const double width = space.width(c);
        auto toValue = [&](double s) {
            return s >= 1 ? options.bounds.hi[j] : options.bounds.lo[j] + s * width;
        };
        RefineOptions inner = options;
        inner.free[j] = false;
        inner.maxIterations = 60;
        inner.tolerance = 1e-8;
        parallel::Control one;
        one.cancel = control.cancel;
        one.threads = 1;
        Point warm = best.best;
        // The profile: the smallest sum of squares with parameter j held at scaled value s.
        auto note = [&](double ss, const Point& at) {
            Lower& low = lowers[task];
            if (ss < lowerLimit && (!low.found || ss < low.ss))
                low = {true, ss, at};
        };
        auto profile = [&](double s, Point& at) {
            Point x = warm;
            x[j] = toValue(s);
            if (p == 1) {
                const Eval e = evalAt(objective, x);
                at = x;
                note(e.ss, at);
                return e.ss;
            }
            const RefineResult r = refine(objective, x, inner, one);
            at = r.best;
            const double ss = r.valid ? r.misfit.ss : kInf;
            note(ss, at);
            return ss;
        };
        auto excess = [&](double ss) { return std::sqrt(std::max(ss - ssMin, 0.0)) - target; };

        double inside = space.toU(best.best)[c];
        Side& side = sides[task];
        if (std::fabs(inside - bound) < kOnBound) {
            side = {toValue(bound), true};
            return;
        }
        double d = firstStep[c];
        double outside = -1, gIn = -target, gOut = 0;
        for (int expand = 0; expand < 40; ++expand) {
            if (control.cancelled())
                return;
            double s = inside + dir * d;
            if ((dir < 0 && s <= 0) || (dir > 0 && s >= 1))
                s = bound;
            Point at;
            const double ss = profile(s, at);
            if (ss <= thr) {
                inside = s;
                gIn = excess(ss);
                warm = at;
                if (s == bound) {
                    side = {toValue(bound), true};
                    return;
                }
                d *= 3;
            } else {
                outside = s;
                gOut = std::isfinite(ss) ? excess(ss) : kInf;
                break;
            }
        }
        if (outside < 0) {
            side = {toValue(inside), true};
            return;
        }
        // The crossing between inside and outside: regula falsi (Illinois) on the square root
        // of the excess sum of squares, which grows about linearly away from the best value.
        int lastSide = 0;
        for (int it = 0; it < 40 && std::fabs(outside - inside) > 1e-6; ++it) {
            if (control.cancelled())
                return;
            double s;
            if (std::isfinite(gOut) && gOut > gIn)
                s = inside + (outside - inside) * (-gIn) / (gOut - gIn);
            else
                s = 0.5 * (inside + outside);
            const double lo = std::min(inside, outside), hi = std::max(inside, outside);
            const double margin = 1e-3 * (hi - lo);
            if (!(s > lo + margin && s < hi - margin))
                s = 0.5 * (inside + outside);
            Point at;
            const double ss = profile(s, at);
            if (ss <= thr) {
                inside = s;
                gIn = excess(ss);
                warm = at;
                if (lastSide == -1 && std::isfinite(gOut))
                    gOut *= 0.5;
                lastSide = -1;
            } else {
                outside = s;
                gOut = std::isfinite(ss) ? excess(ss) : kInf;
                if (lastSide == 1)
                    gIn *= 0.5;
                lastSide = 1;
            }
            // Close enough: the inside point's excess is within a thousandth of the threshold's.
            if (gIn > -1e-3 * target)
                break;
        }
        side = {toValue(inside), false};
    };

    const bool done =
        parallel::forEach(2 * p, control.threads, walk, control.cancel, control.progress);
    if (!done || control.cancelled()) {
        out.cancelled = true;
        return out;
    }
    for (const Lower& low : lowers)
        if (low.found && (!out.lowerFound || low.ss < out.lowerSs)) {
            out.lowerFound = true;
            out.lowerSs = low.ss;
            out.lower = low.at;
        }
    for (int c = 0; c < p; ++c) {
        Range& r = out.ranges[space.index[c]];
        r.computed = true;
        r.lo = sides[2 * c].value;
        r.openLo = sides[2 * c].open;
        r.hi = sides[2 * c + 1].value;
        r.openHi = sides[2 * c + 1].open;
    }
    out.computed = true;
    return out;
}

namespace {

// Latin-hypercube points over the free parameters of the box: each parameter's range cut into
// `count` strata, one point in each, the strata paired at random. A range spanning more than a
// decade is cut on a logarithmic scale, so small values get as many starts as large ones. The
// generator's raw output is used, so the points are the same on every platform.
std::vector<Point> spreadPoints(const Bounds& box, const std::array<bool, kParams>& free,
                                const Point& base, int count, unsigned seed) {
    std::vector<Point> points(static_cast<std::size_t>(std::max(count, 0)), base);
    if (count <= 0)
        return points;
    std::mt19937 gen(seed);
    auto unit = [&gen] { return (static_cast<double>(gen()) + 0.5) / 4294967296.0; };
    for (int j = 0; j < kParams; ++j) {
        if (!free[j] || !(box.hi[j] > box.lo[j]))
            continue;
        std::vector<int> order(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            order[static_cast<std::size_t>(i)] = i;
        for (int i = count - 1; i > 0; --i)
            std::swap(order[static_cast<std::size_t>(i)],
                      order[static_cast<std::size_t>(gen() % static_cast<unsigned>(i + 1))]);
        const double lo = box.lo[j], hi = box.hi[j];
        const bool logScale = lo > 0 && hi / lo > 10;
        for (int i = 0; i < count; ++i) {
            const double t = (order[static_cast<std::size_t>(i)] + unit()) / count;
            points[static_cast<std::size_t>(i)][j] =
                logScale ? lo * std::pow(hi / lo, t) : lo + t * (hi - lo);
        }
    }
    return points;
}

// Parameters outside the box are moved onto it; held parameters keep the case's values.
Point startIn(const Point& x, const FitOptions& o) {
    Point s = x;
    for (int j = 0; j < kParams; ++j)
        s[j] = o.refine.free[j] ? std::clamp(x[j], o.refine.bounds.lo[j], o.refine.bounds.hi[j])
                                : o.caseValues[j];
    return s;
}

} // namespace

FitResult fitCase(const Objective& objective, const FitOptions& options,
                  const parallel::Control& control) {
    FitResult out;
    // Never backwards, also when the ranges are walked again after a re-fit.
    std::atomic<int> shown{0};
    auto percent = [&control, &shown](int value) {
        if (control.progress && value > shown.load()) {
            shown = value;
            control.progress(value, 100);
        }
    };
    std::vector<Point> starts{startIn(options.caseValues, options)};
    if (options.fromGrid) {
        // The grid's best by mean absolute error (where a single start began), then the best
        // by sum of squares, then the case's values, then the spread points.
        Bounds grid = options.refine.bounds;
        for (int j = 0; j < kParams; ++j)
            if (!options.refine.free[j])
                grid.lo[j] = grid.hi[j] = options.caseValues[j];
        std::vector<Point> points;
        std::vector<Misfit> misfits;
        gridMisfits(objective, grid, control, points, misfits, 20);
        std::vector<int> order;
        for (int c = 0; c < static_cast<int>(points.size()); ++c)
            if (misfits[static_cast<std::size_t>(c)].valid)
                order.push_back(c);
        starts.clear();
        if (!order.empty()) {
            const auto byMean = std::min_element(order.begin(), order.end(), [&](int a, int b) {
                return misfits[static_cast<std::size_t>(a)].meanAbs <
                       misfits[static_cast<std::size_t>(b)].meanAbs;
            });
            starts.push_back(points[static_cast<std::size_t>(*byMean)]);
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return misfits[static_cast<std::size_t>(a)].ss <
                   misfits[static_cast<std::size_t>(b)].ss;
        });
        auto add = [&starts](const Point& x) {
            if (std::find(starts.begin(), starts.end(), x) == starts.end())
                starts.push_back(x);
        };
        for (int c = 0, taken = 0; c < static_cast<int>(order.size()) && taken < options.gridStarts;
             ++c, ++taken)
            add(points[static_cast<std::size_t>(order[static_cast<std::size_t>(c)])]);
        add(startIn(options.caseValues, options));
        for (const Point& x : spreadPoints(options.refine.bounds, options.refine.free,
                                           options.caseValues, options.spreadStarts, options.seed))
            add(startIn(x, options));
    }
    percent(20);
    if (control.cancelled()) {
        out.cancelled = true;
        return out;
    }

    // The refinements side by side, each on one thread: the same results on any machine.
    const int count = static_cast<int>(starts.size());
    std::vector<RefineResult> runs(static_cast<std::size_t>(count));
    parallel::Control one;
    one.cancel = control.cancel;
    one.threads = 1;
    parallel::forEach(
        count, control.threads,
        [&](int i) {
            runs[static_cast<std::size_t>(i)] =
                refine(objective, starts[static_cast<std::size_t>(i)], options.refine, one);
        },
        control.cancel, [&](int done, int total) { percent(20 + 25 * done / total); });
    if (control.cancelled()) {
        out.cancelled = true;
        return out;
    }
    out.starts = count;
    int bestRun = -1;
    for (int i = 0; i < count; ++i) {
        const RefineResult& r = runs[static_cast<std::size_t>(i)];
        if (r.valid &&
            (bestRun < 0 || r.misfit.ss < runs[static_cast<std::size_t>(bestRun)].misfit.ss))
            bestRun = i;
    }
    if (bestRun < 0) {
        // No start has an error value: report the first start's (invalid) refinement.
        if (!runs.empty())
            out.best = runs.front();
        out.start = starts.empty() ? options.caseValues : starts.front();
        return out;
    }
    out.best = runs[static_cast<std::size_t>(bestRun)];
    out.start = starts[static_cast<std::size_t>(bestRun)];
    percent(45);

    // The ranges; a walk that meets a lower point starts the fit again from there.
    parallel::Control walks = control;
    walks.progress = [&](int done, int total) { percent(45 + 55 * done / total); };
    for (;;) {
        out.ranges = profileRanges(objective, out.best, options.refine, walks);
        if (out.ranges.cancelled || control.cancelled()) {
            out.cancelled = true;
            return out;
        }
        if (!out.ranges.lowerFound)
            break;
        const Point from = out.ranges.lower;
        const RefineResult again = refine(objective, from, options.refine, control);
        if (!again.valid || !(again.misfit.ss < out.best.misfit.ss))
            break;
        out.best = again;
        out.start = from;
        if (++out.restarts > options.maxRestarts) {
            out.ranges = RangesResult{};
            out.ranges.message = tx("Die Profilsuche fand wiederholt tiefere Punkte; es werden "
                                    "keine Bereiche angegeben.");
            break;
        }
    }
    const double reached = out.best.misfit.ss * (1 + 1e-3) + 1e-300;
    for (const RefineResult& r : runs)
        if (r.valid && r.misfit.ss <= reached)
            ++out.atOptimum;
    percent(100);
    return out;
}

std::string describeStarts(const FitResult& result) {
    std::string s = cformat(tx("Starts am Optimum: %d von %d"), result.atOptimum, result.starts);
    if (result.restarts == 1)
        s += tx(", 1 Neustart aus der Profilsuche");
    else if (result.restarts > 1)
        s += cformat(tx(", %d Neustarts aus der Profilsuche"), result.restarts);
    return s;
}

std::string describeRange(int param, const Range& range) {
    std::string s = cformat(tx("%s: %s bis %s %s"), paramName(param), fixedText(range.lo, 3),
                            fixedText(range.hi, 3), paramUnit(param));
    if (range.openLo)
        s += tx(", nach unten offen");
    if (range.openHi)
        s += tx(", nach oben offen");
    return s;
}

int justifiedDecimals(double value, const Range& range) {
    double half = 0;
    if (range.computed) {
        if (!range.openLo)
            half = std::max(half, value - range.lo);
        if (!range.openHi)
            half = std::max(half, range.hi - value);
    }
    const double magnitude = std::fabs(value);
    const int order = magnitude > 0 && std::isfinite(magnitude)
                          ? static_cast<int>(std::floor(std::log10(magnitude)))
                          : 0;
    int decimals = half > 0 && std::isfinite(half)
                       ? 4 - static_cast<int>(std::floor(std::log10(half)))
                       : 5 - order;
    decimals = std::min(decimals, 14 - order);
    return std::max(decimals, 0);
}

std::string justifiedText(double value, const Range& range) {
    return fixedText(value, justifiedDecimals(value, range));
}

} // namespace brelvan::fit
