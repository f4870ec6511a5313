// The four water-zone models: dimensionless solutions, unit constants, the zone of a case and the
// step-by-step influx.
#include "engine/WaterZoneModels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <numbers>

#include <boost/math/special_functions/bessel.hpp>

#include "engine/EngineTexts.h"
#include "support/TextFormat.h"

namespace brelvan::waterzone {

namespace {

constexpr double kPi = std::numbers::pi;

// ---- Bessel functions of order 0 and 1, exponentially scaled ----------------------------------
// ks(nu, x) = e^x K_nu(x), is(nu, x) = e^-x I_nu(x). Above kAsymptotic from Hankel's expansion,
// whose smallest term there is near e^-2x, so both stay finite for any argument.

using NoPromotion = boost::math::policies::policy<boost::math::policies::promote_double<false>>;
constexpr double kAsymptotic = 30.0;

double hankelSum(int nu, double x, bool alternating) {
    const double mu4 = 4.0 * nu * nu;
    double term = 1.0, sum = 1.0;
    for (int k = 1; k < 60; ++k) {
        term *= (mu4 - (2.0 * k - 1) * (2.0 * k - 1)) / (8.0 * k * x);
        const double t = alternating && (k % 2 == 1) ? -term : term;
        sum += t;
        if (std::fabs(term) < 1e-17 * std::fabs(sum))
            break;
    }
    return sum;
}

double ks(int nu, double x) {
    if (x < kAsymptotic)
        return std::exp(x) * boost::math::cyl_bessel_k(nu, x, NoPromotion());
    return std::sqrt(kPi / (2 * x)) * hankelSum(nu, x, false);
}

double is(int nu, double x) {
    if (x < kAsymptotic)
        return std::exp(-x) * boost::math::cyl_bessel_i(nu, x, NoPromotion());
    return hankelSum(nu, x, true) / std::sqrt(2 * kPi * x);
}

// ---- Laplace-space solutions --------------------------------------------------------------------
// The transformed dimensionless flux at the inner boundary under a unit pressure step,
// qbar(s) = s Wbar(s). The other transforms follow from it: Wbar = qbar / s, the constant-rate
// pressure pbar = 1 / (s^2 qbar) and its derivative's transform s pbar = 1 / (s qbar).

// Ring, closed at reD (reD <= 0: infinite):
//   qbar = [I1(b) K1(a) - K1(b) I1(a)] / (a [I0(a) K1(b) + K0(a) I1(b)]),  a = sqrt(s), b = reD a,
// written with the scaled functions and multiplied through by e^(a - b).
double fluxRadial(double s, double reD) {
    const double a = std::sqrt(s);
    if (reD <= 0)
        return ks(1, a) / (a * ks(0, a));
    const double b = reD * a;
    const double damp = std::exp(-2.0 * (b - a));
    const double num = is(1, b) * ks(1, a) - ks(1, b) * is(1, a) * damp;
    const double den = is(0, a) * ks(1, b) * damp + ks(0, a) * is(1, b);
    return num / (a * den);
}

// Strip closed at its far end: qbar = tanh(sqrt(s)) / sqrt(s).
double fluxLinear(double s) {
    const double a = std::sqrt(s);
    return std::tanh(a) / a;
}

// ---- Gaver-Stehfest inversion -------------------------------------------------------------------
// f(t) ~ ln2 / t * sum V_i F(i ln2 / t). The weights alternate and grow; with 16 terms and the
// transforms accurate to double precision the result holds about 8 digits for the smooth,
// monotone functions here.
constexpr int kStehfestTerms = 16;

std::array<double, kStehfestTerms> stehfestWeights() {
    std::array<double, kStehfestTerms> v{};
    constexpr int half = kStehfestTerms / 2;
    auto fact = [](int n) {
        long double f = 1;
        for (int i = 2; i <= n; ++i)
            f *= i;
        return f;
    };
    for (int i = 1; i <= kStehfestTerms; ++i) {
        long double sum = 0;
        for (int k = (i + 1) / 2; k <= std::min(i, half); ++k)
            sum += std::pow(static_cast<long double>(k), half) * fact(2 * k) /
                   (fact(half - k) * fact(k) * fact(k - 1) * fact(i - k) * fact(2 * k - i));
        v[static_cast<std::size_t>(i - 1)] =
            static_cast<double>(((i + half) % 2 == 0 ? 1 : -1) * sum);
    }
    return v;
}

const std::array<double, kStehfestTerms>& weights() {
    static const std::array<double, kStehfestTerms> v = stehfestWeights();
    return v;
}

struct Triple {
    double w = 0, p = 0, dp = 0;
};

// W_D, p_D and dp_D/dt_D at t from the flux transform `flux`.
template <class Flux> Triple invert(double t, Flux flux) {
    const double ln2t = std::numbers::ln2 / t;
    long double w = 0, p = 0, dp = 0;
    for (int i = 1; i <= kStehfestTerms; ++i) {
        const double s = i * ln2t;
        const double q = flux(s);
        const long double v = weights()[static_cast<std::size_t>(i - 1)];
        w += v * (q / s);
        p += v / (s * s * q);
        dp += v / (s * q);
    }
    return {static_cast<double>(w * ln2t), static_cast<double>(p * ln2t),
            static_cast<double>(dp * ln2t)};
}

// ---- Interpolation tables -----------------------------------------------------------------------
// ln f over ln t on an even grid, natural cubic spline; 20 nodes per decade keep the
// interpolation error far below the inversion's.
constexpr double kNodesPerDecade = 20;

class Spline {
public:
    Spline() = default;
    Spline(double x0, double dx, std::vector<double> y) : x0_(x0), dx_(dx), y_(std::move(y)) {
        const std::size_t n = y_.size();
        m_.assign(n, 0.0);
        if (n < 3)
            return;
        // Second derivatives, natural ends (Thomas algorithm for 1 4 1 rows).
        std::vector<double> c(n, 0.0), d(n, 0.0);
        for (std::size_t i = 1; i + 1 < n; ++i) {
            const double rhs = 6.0 * (y_[i + 1] - 2 * y_[i] + y_[i - 1]) / (dx_ * dx_);
            const double denom = 4.0 - c[i - 1];
            c[i] = 1.0 / denom;
            d[i] = (rhs - d[i - 1]) / denom;
        }
        for (std::size_t i = n - 2; i >= 1; --i)
            m_[i] = d[i] - c[i] * m_[i + 1];
    }
    double operator()(double x) const {
        const double u = (x - x0_) / dx_;
        const std::size_t last = y_.size() - 2;
        std::size_t i = u <= 0 ? 0 : static_cast<std::size_t>(u);
        if (i > last)
            i = last;
        const double a = u - static_cast<double>(i), b = 1 - a;
        return b * y_[i] + a * y_[i + 1] +
               ((b * b * b - b) * m_[i] + (a * a * a - a) * m_[i + 1]) * dx_ * dx_ / 6.0;
    }

private:
    double x0_ = 0, dx_ = 1;
    std::vector<double> y_, m_;
};

// The three functions of a ring between tStart and tEnd.
struct RingTables {
    double reD = 0;
    double tStart = 0, tEnd = 0;
    double plateau = 0; // (reD^2 - 1) / 2, finite rings
    Spline w, p, dp;
    Triple atEnd;
};

std::unique_ptr<RingTables> buildRing(double reD, double tStart, double tEnd) {
    auto r = std::make_unique<RingTables>();
    r->reD = reD;
    r->tStart = tStart;
    r->tEnd = tEnd;
    r->plateau = reD > 0 ? (reD * reD - 1) / 2 : 0;
    const double x0 = std::log(tStart), x1 = std::log(tEnd);
    const int n =
        std::max(4, static_cast<int>(std::ceil((x1 - x0) / std::log(10.0) * kNodesPerDecade)) + 1);
    const double dx = (x1 - x0) / (n - 1);
    std::vector<double> w(static_cast<std::size_t>(n)), p(w.size()), dp(w.size());
    for (int i = 0; i < n; ++i) {
        const double t = std::exp(x0 + i * dx);
        const Triple v = invert(t, [reD](double s) { return fluxRadial(s, reD); });
        w[static_cast<std::size_t>(i)] = std::log(v.w);
        p[static_cast<std::size_t>(i)] = std::log(v.p);
        dp[static_cast<std::size_t>(i)] = std::log(v.dp);
        if (i == n - 1)
            r->atEnd = v;
    }
    r->w = Spline(x0, dx, std::move(w));
    r->p = Spline(x0, dx, std::move(p));
    r->dp = Spline(x0, dx, std::move(dp));
    return r;
}

// The infinite ring from t_D 1e-6 to 1e10, built once.
constexpr double kInfiniteStart = 1e-6, kInfiniteEnd = 1e10;
const RingTables& infiniteRing() {
    static const std::unique_ptr<RingTables> r = buildRing(0, kInfiniteStart, kInfiniteEnd);
    return *r;
}

// A finite ring: below tStart the outer end is not yet felt (the infinite ring's values differ by
// about erfc(5)); above tEnd the slowest mode has decayed below about e^-20 and the ring is in
// its pseudo-steady state. The time constant is that of the pseudo-steady resistance, about
// ln reD - 3/4 for a wide ring and (reD - 1) / 3 for a thin one, taken generously.
std::unique_ptr<RingTables> buildFiniteRing(double reD) {
    const double d = reD - 1;
    const double tStart = std::max(0.01 * d * d, 1e-9);
    const double resistance = std::max(std::log(reD) - 0.75, 0.0) + d / (3.0 * reD);
    const double tau = (reD * reD - 1) / 2 * resistance;
    const double tEnd = std::max(40 * tau, 100 * tStart);
    return buildRing(reD, tStart, tEnd);
}

// Finite rings by reD, kept for the runs that share a water-in-place value.
std::shared_ptr<const RingTables> finiteRing(double reD) {
    static std::mutex lock;
    static std::map<double, std::shared_ptr<const RingTables>> cache;
    {
        std::lock_guard<std::mutex> guard(lock);
        const auto it = cache.find(reD);
        if (it != cache.end())
            return it->second;
    }
    std::shared_ptr<const RingTables> r = buildFiniteRing(reD);
    std::lock_guard<std::mutex> guard(lock);
    if (cache.size() >= 64)
        cache.clear();
    cache.emplace(reD, r);
    return r;
}

// The infinite ring at any t_D.
Triple infinite(double tD, bool needW, bool needP) {
    Triple v;
    if (tD < kInfiniteStart) {
        // Short times: W_D = 2 sqrt(t/pi) + t/2, p_D = 2 sqrt(t/pi) - t/2 (+ O(t^1.5)).
        const double root = 2 * std::sqrt(tD / kPi);
        v.w = root + tD / 2;
        v.p = root - tD / 2;
        v.dp = 1 / std::sqrt(kPi * tD) - 0.5;
        return v;
    }
    if (tD > kInfiniteEnd)
        return invert(tD, [](double s) { return fluxRadial(s, 0); });
    const RingTables& r = infiniteRing();
    const double x = std::log(tD);
    if (needW)
        v.w = std::exp(r.w(x));
    if (needP) {
        v.p = std::exp(r.p(x));
        v.dp = std::exp(r.dp(x));
    }
    return v;
}

Triple ring(double tD, double reD, bool needW, bool needP) {
    if (!(tD > 0))
        return {};
    if (reD <= 0)
        return infinite(tD, needW, needP);
    if (reD <= 1)
        return {};
    const std::shared_ptr<const RingTables> r = finiteRing(reD);
    if (tD < r->tStart)
        return infinite(tD, needW, needP);
    Triple v;
    if (tD >= r->tEnd) {
        const double slope = 2 / (reD * reD - 1);
        v.w = r->plateau;
        v.p = r->atEnd.p + slope * (tD - r->tEnd);
        v.dp = slope;
        return v;
    }
    const double x = std::log(tD);
    if (needW)
        v.w = std::min(std::exp(r->w(x)), r->plateau);
    if (needP) {
        v.p = std::exp(r->p(x));
        v.dp = std::exp(r->dp(x));
    }
    return v;
}

} // namespace

// ---- Dimensionless solutions --------------------------------------------------------------------

double wdRadial(double tD, double reD) {
    return ring(tD, reD, true, false).w;
}

PressureD pdRadial(double tD, double reD) {
    const Triple v = ring(tD, reD, false, true);
    return {v.p, v.dp};
}

double wdRadialInverted(double tD, double reD) {
    if (!(tD > 0) || (reD > 0 && reD <= 1))
        return 0;
    return invert(tD, [reD](double s) { return fluxRadial(s, reD); }).w;
}

PressureD pdRadialInverted(double tD, double reD) {
    if (!(tD > 0) || (reD > 0 && reD <= 1))
        return {};
    const Triple v = invert(tD, [reD](double s) { return fluxRadial(s, reD); });
    return {v.p, v.dp};
}

double wdLinearInverted(double tD) {
    if (!(tD > 0))
        return 0;
    return invert(tD, fluxLinear).w;
}

// Short times from the images of the closed end (tanh sqrt(s) = 1 + 2 sum (-1)^n e^(-2 n sqrt(s)),
// and L^-1[e^(-a sqrt(s)) / s^1.5] = 2 sqrt(t/pi) e^(-a^2/4t) - a erfc(a / 2 sqrt(t))); long times
// from the modes: W_D = 1 - sum over odd m of 8 / (m^2 pi^2) e^(-m^2 pi^2 t / 4).
double wdLinear(double tD) {
    if (!(tD > 0))
        return 0;
    if (tD < 1) {
        const double root = 2 * std::sqrt(tD / kPi);
        double sum = root;
        for (int n = 1; n < 50; ++n) {
            const double term = root * std::exp(-n * n / tD) - 2 * n * std::erfc(n / std::sqrt(tD));
            sum += 2 * ((n % 2) ? -term : term);
            if (std::fabs(term) < 1e-18)
                break;
        }
        return sum;
    }
    double sum = 0;
    for (int m = 1; m < 200; m += 2) {
        const double term = 8 / (m * m * kPi * kPi) * std::exp(-m * m * kPi * kPi * tD / 4);
        sum += term;
        if (term < 1e-18)
            break;
    }
    return 1 - sum;
}

// coth sqrt(s) / s^1.5: p_D = 2 sqrt(t/pi) + 2 sum [2 sqrt(t/pi) e^(-n^2/t) - 2 n erfc(n/sqrt t)]
// at short times, p_D = t + 1/3 - 2/pi^2 sum e^(-n^2 pi^2 t) / n^2 at long times.
PressureD pdLinear(double tD) {
    PressureD r;
    if (!(tD > 0))
        return r;
    if (tD < 1) {
        const double root = 2 * std::sqrt(tD / kPi);
        const double dRoot = 1 / std::sqrt(kPi * tD);
        r.pd = root;
        r.derivative = dRoot;
        for (int n = 1; n < 50; ++n) {
            const double e = std::exp(-n * n / tD);
            const double term = root * e - 2 * n * std::erfc(n / std::sqrt(tD));
            r.pd += 2 * term;
            r.derivative += 2 * dRoot * e;
            if (e < 1e-18)
                break;
        }
        return r;
    }
    r.pd = tD + 1.0 / 3.0;
    r.derivative = 1;
    for (int n = 1; n < 100; ++n) {
        const double e = std::exp(-n * n * kPi * kPi * tD);
        r.pd -= 2 / (kPi * kPi) * e / (n * n);
        r.derivative += 2 * e;
        if (e < 1e-18)
            break;
    }
    return r;
}

// ---- Unit constants -----------------------------------------------------------------------------

double dimensionlessTimePerDay(double k, double phi, double mu, double compress, double r) {
    return kDimensionlessTimePerDay * k / (phi * mu * compress * r * r);
}

// 2 pi f phi h (c 1E-5 per bar) Rw^2 in m3 per bar, times 1E-6 for Mio m3.
double radialConstant(double fraction, double phi, double h, double compress, double rw) {
    return 2 * kPi * fraction * phi * h * compress * rw * rw * 1e-11;
}

double linearConstant(double width, double h, double phi, double compress, double depth) {
    return width * h * phi * compress * depth * 1e-11;
}

// ---- Models -------------------------------------------------------------------------------------

const char* modelWord(Model m) {
    switch (m) {
    case Model::VanEverdingenHurst:
        return "veh";
    case Model::CarterTracy:
        return "carter-tracy";
    case Model::Pot:
        return "topf";
    case Model::Fetkovich:
        break;
    }
    return "fetkovich";
}

const char* modelName(Model m) {
    switch (m) {
    case Model::VanEverdingenHurst:
        return "van Everdingen–Hurst";
    case Model::CarterTracy:
        return "Carter–Tracy";
    case Model::Pot:
        return engine::tx("Topf");
    case Model::Fetkovich:
        break;
    }
    return "Fetkovich";
}

bool modelFromWord(const std::string& word, Model& m) {
    for (int i = 0; i < kModelCount; ++i)
        if (word == modelWord(static_cast<Model>(i))) {
            m = static_cast<Model>(i);
            return true;
        }
    return false;
}

std::string missingMessage(Model m, Missing what) {
    const char* name = "";
    switch (what) {
    case Missing::None:
        return {};
    case Missing::Permeability:
        name = engine::tx("die Permeabilität (k > 0)");
        break;
    case Missing::Thickness:
        name = engine::tx("die Mächtigkeit (h > 0)");
        break;
    case Missing::Porosity:
        name = engine::tx("die Porosität (> 0)");
        break;
    case Missing::Viscosity:
        name = engine::tx("die Wasserviskosität (> 0)");
        break;
    case Missing::InnerRadius:
        name = engine::tx("der Radius bis GWC (Rw > 0)");
        break;
    case Missing::OuterRadius:
        name = engine::tx("der Radius bis Brelvanende (Re > Rw)");
        break;
    case Missing::Depth:
        name = engine::tx("die Tiefe des Brelvans (L > 0)");
        break;
    case Missing::Width:
        name = engine::tx("die Breite des Brelvans (B > 0)");
        break;
    case Missing::Compressibility:
        name = engine::tx("die Kompressibilität (> 0)");
        break;
    case Missing::WaterInPlace:
        name = engine::tx("das Wasser-in-place (WIP > 0)");
        break;
    case Missing::JValue:
        name = engine::tx("der J-Wert (> 0)");
        break;
    }
    return cformat(engine::tx("Für das Zuflussmodell %s fehlt %s."), modelName(m), name);
}

namespace {

constexpr double kWipPi = 3.14159; // the J-value formulas' pi
constexpr double kThinRing = 2.943;

bool radial(const Rock& rock) {
    return rock.angle > 0;
}
double fraction(const Rock& rock) {
    return rock.angle / 360.0;
}

// The geometry values the unsteady models need besides k and the size.
Missing missingGeometry(const Rock& rock) {
    if (!(rock.h > 0))
        return Missing::Thickness;
    if (!(rock.phi > 0))
        return Missing::Porosity;
    if (!(rock.mu > 0))
        return Missing::Viscosity;
    if (radial(rock) && !(rock.rw > 0))
        return Missing::InnerRadius;
    if (!radial(rock) && !(rock.width > 0))
        return Missing::Width;
    return Missing::None;
}

// U and t_D per day of a ring or strip of known k and size.
void setUnsteady(Zone& z, const Rock& rock, double k, double compress, double size, bool linear,
                 double width) {
    if (!(k > 0) || !(compress > 0) || !(size > 0)) {
        z.u = 0; // no water zone to speak of: no influx
        z.tdPerDay = 0;
        return;
    }
    if (linear) {
        z.geometry = Geometry::Linear;
        z.u = linearConstant(width, rock.h, rock.phi, compress, size);
        z.tdPerDay = dimensionlessTimePerDay(k, rock.phi, rock.mu, compress, size);
        z.reD = 0;
    } else {
        z.geometry = Geometry::Radial;
        z.u = radialConstant(fraction(rock), rock.phi, rock.h, compress, rock.rw);
        z.tdPerDay = dimensionlessTimePerDay(k, rock.phi, rock.mu, compress, rock.rw);
        z.reD = size > 0 && std::isfinite(size) ? size / rock.rw : 0;
    }
}

} // namespace

double permeabilityFromJ(const Rock& rock, double jValue, double size) {
    if (radial(rock)) {
        const double f = fraction(rock);
        return jValue * rock.mu * (std::log(size / rock.rw) - 0.75) / (f * 0.0533 * rock.h);
    }
    return jValue * rock.mu * size / (0.02543 * rock.h * rock.width);
}

ZoneSetup zoneFromCase(Model m, const Rock& rock, double wip, double compress, double jValue,
                       double pInit) {
    ZoneSetup out;
    Zone& z = out.zone;
    z.model = m;
    z.pInit = pInit;
    z.wip = wip;
    z.compress = compress;
    z.jValue = jValue;
    if (m == Model::Fetkovich || m == Model::Pot)
        return out;
    out.missing = missingGeometry(rock);
    if (out.missing != Missing::None)
        return out;
    const double area = std::max(wip, 0.0) * 1e6 / (rock.h * rock.phi); // m2 of the zone's plan
    if (radial(rock)) {
        const double f = fraction(rock);
        const double re = std::sqrt(area / (f * kWipPi) + double(rock.rw) * rock.rw);
        // A thin ring counts as the strip of its mean arc, as in the J-value formulas.
        if (kThinRing * rock.rw >= re) {
            Rock strip = rock;
            strip.angle = 0;
            strip.width = f * kWipPi * (re + rock.rw);
            const double depth = re - rock.rw;
            out.size = depth;
            out.k = depth > 0 ? permeabilityFromJ(strip, jValue, depth) : 0;
            setUnsteady(z, strip, out.k, compress, depth, true, strip.width);
            return out;
        }
        out.size = re;
        out.k = permeabilityFromJ(rock, jValue, re);
        setUnsteady(z, rock, out.k, compress, re, false, 0);
        return out;
    }
    const double depth = area / rock.width;
    out.size = depth;
    out.k = depth > 0 ? permeabilityFromJ(rock, jValue, depth) : 0;
    setUnsteady(z, rock, out.k, compress, depth, true, rock.width);
    return out;
}

ZoneSetup zoneFromRock(Model m, const Rock& rock, double compress, double pInit) {
    ZoneSetup out;
    Zone& z = out.zone;
    z.model = m;
    z.pInit = pInit;
    z.compress = compress;
    out.k = rock.k;
    auto fail = [&out](Missing what) {
        out.missing = what;
        return out;
    };
    if (!(compress > 0))
        return fail(Missing::Compressibility);
    if (m != Model::Pot && !(rock.k > 0))
        return fail(Missing::Permeability);
    const Missing geometry = missingGeometry(rock);
    if (geometry != Missing::None && !(m == Model::Pot && geometry == Missing::Viscosity))
        return fail(geometry);
    const bool infiniteRing = radial(rock) && !(rock.re > 0);
    if (radial(rock) && !infiniteRing && !(rock.re > rock.rw))
        return fail(Missing::OuterRadius);
    if (!radial(rock) && !(rock.depth > 0))
        return fail(Missing::Depth);
    if (infiniteRing && (m == Model::Fetkovich || m == Model::Pot))
        return fail(Missing::OuterRadius); // a tank needs an end
    const double f = fraction(rock);
    if (radial(rock)) {
        out.size = infiniteRing ? std::numeric_limits<double>::infinity() : rock.re;
        if (!infiniteRing)
            z.wip = f * kWipPi * rock.phi * rock.h * (rock.re * rock.re - rock.rw * rock.rw) / 1e6;
    } else {
        out.size = rock.depth;
        z.wip = rock.depth * rock.width * rock.h * rock.phi / 1e6;
    }
    if (m == Model::Fetkovich) {
        if (radial(rock) && kThinRing * rock.rw < rock.re)
            z.jValue =
                f * 0.0533 * (rock.k * rock.h / rock.mu) / (std::log(rock.re / rock.rw) - 0.75);
        else if (radial(rock)) // the strip of the ring's mean arc
            z.jValue = rock.k * 0.02543 * rock.h * (f * kWipPi * (rock.re + rock.rw)) /
                       (rock.mu * (rock.re - rock.rw));
        else
            z.jValue = rock.k * 0.02543 * rock.h * rock.width / (rock.mu * rock.depth);
        return out;
    }
    if (m == Model::Pot)
        return out;
    setUnsteady(z, rock, rock.k, compress,
                radial(rock) ? (infiniteRing ? 0.0 : rock.re) : rock.depth, !radial(rock),
                rock.width);
    if (infiniteRing) { // setUnsteady saw size 0; the ring has no end
        z.geometry = Geometry::Radial;
        z.u = radialConstant(f, rock.phi, rock.h, compress, rock.rw);
        z.tdPerDay = dimensionlessTimePerDay(rock.k, rock.phi, rock.mu, compress, rock.rw);
        z.reD = 0;
    }
    return out;
}

// ---- The influx step by step --------------------------------------------------------------------

InfluxState::InfluxState(const Zone& zone) : zone_(zone) {
    pressures_.push_back(zone.pInit);
    pMeanPrev_ = zone.pInit;
}

double InfluxState::wdAfter(double days) {
    auto direct = [this](double d) {
        const double tD = zone_.tdPerDay * d;
        return zone_.geometry == Geometry::Linear ? wdLinear(tD) : wdRadial(tD, zone_.reD);
    };
    const double whole = std::round(days);
    if (whole != days || whole < 0 || whole > 1e6)
        return direct(days);
    const auto i = static_cast<std::size_t>(whole);
    if (i >= wdByDay_.size())
        wdByDay_.resize(std::max(i + 1, 2 * wdByDay_.size()),
                        std::numeric_limits<double>::quiet_NaN());
    double& slot = wdByDay_[i];
    if (std::isnan(slot))
        slot = direct(days);
    return slot;
}

LinearInflux InfluxState::step(double days) {
    lastDays_ = days;
    last_ = stepFor(days);
    return last_;
}

LinearInflux InfluxState::stepFor(double days) {
    LinearInflux r{we_, 0};
    const Zone& z = zone_;
    switch (z.model) {
    case Model::Pot: {
        const double cw = z.compress * 1e-5 * std::max(z.wip, 0.0);
        return {cw * z.pInit, -cw};
    }
    case Model::Fetkovich: {
        const double weMax = z.compress * 1e-5 * z.wip * z.pInit;
        const double dt = days - times_.back();
        if (!(weMax > 0) || !(dt > 0))
            return r;
        const double decay = 1 - std::exp(-z.jValue * z.pInit * dt * 1e-6 / weMax);
        const double pAquifer = z.pInit * (1 - we_ / weMax);
        const double gain = weMax / z.pInit * decay;
        return {we_ + gain * (pAquifer - 0.5 * pMeanPrev_), -0.5 * gain};
    }
    case Model::VanEverdingenHurst: {
        if (!(z.u > 0))
            return {0, 0};
        const std::size_t n = times_.size(); // steps so far, the start included
        const std::vector<double>& p = pressures_;
        double known = 0;
        for (std::size_t j = 0; j + 1 < n; ++j) {
            const double before = j == 0 ? p[0] : p[j - 1];
            known += 0.5 * (before - p[j + 1]) * wdAfter(days - times_[j]);
        }
        const double before = n >= 2 ? p[n - 2] : p[0];
        const double wLast = wdAfter(days - times_[n - 1]);
        return {z.u * (known + 0.5 * before * wLast), -z.u * 0.5 * wLast};
    }
    case Model::CarterTracy: {
        if (!(z.u > 0))
            return {0, 0};
        const double tD = z.tdPerDay * days, tDPrev = z.tdPerDay * times_.back();
        if (!(tD > tDPrev))
            return r;
        const PressureD pd = z.geometry == Geometry::Linear ? pdLinear(tD) : pdRadial(tD, z.reD);
        const double denom = pd.pd - tDPrev * pd.derivative;
        const double dt = tD - tDPrev;
        return {we_ + dt * (z.u * z.pInit - we_ * pd.derivative) / denom, -dt * z.u / denom};
    }
    }
    return r;
}

void InfluxState::accept(double days, double p) {
    we_ = (days == lastDays_ ? last_ : step(days)).at(p);
    lastDays_ = -1;
    times_.push_back(days);
    pressures_.push_back(p);
    pMeanPrev_ = p;
}

std::vector<double> influxHistory(const Zone& zone, const std::vector<double>& days,
                                  const std::vector<double>& p) {
    std::vector<double> we(days.size(), 0.0);
    InfluxState state(zone);
    for (std::size_t i = 1; i < days.size() && i < p.size(); ++i) {
        state.accept(days[i], p[i]);
        we[i] = state.we();
    }
    return we;
}

} // namespace brelvan::waterzone
