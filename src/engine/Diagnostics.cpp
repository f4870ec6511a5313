#include "engine/Diagnostics.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/non_central_f.hpp>

#include "engine/EngineTexts.h"
#include "support/TextFormat.h"

namespace brelvan::engine {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
// Standard conditions of the material balance: 273 K and 1.0134 bar, the pressure held in
// single precision as in the run.
constexpr float kStandardPressure = 1.0134f;

// The apparent gas in place of a point below the initial p/z, written as the report writes
// its estimate, so both agree to the last bit.
double coleOrdinate(double gp, double pz, double pzInit) {
    return (pz / (pzInit - pz) + 1) * gp;
}

} // namespace

const char* verdictWord(WaterVerdict verdict) {
    switch (verdict) {
    case WaterVerdict::Yes:
        return tx("ja");
    case WaterVerdict::No:
        return tx("nein");
    default:
        return tx("unklar");
    }
}

std::string verdictLine(const WaterSupportCheck& check) {
    return cformat(tx("Wasserzufluss: %s"), verdictWord(check.verdict));
}

namespace {

// The F test of the bend on the points (gp, pz); the first pair is the initial point, which
// the line and the curve go through and which is not a measurement.
void testWaterSupport(const std::vector<double>& gps, const std::vector<double>& pzs, double pzInit,
                      WaterSupportCheck& c) {
    std::vector<double> x, y;
    double xMax = 0, xMinPositive = kInf;
    for (std::size_t i = 1; i < gps.size() && i < pzs.size(); ++i) {
        if (!std::isfinite(gps[i]) || !std::isfinite(pzs[i]) || gps[i] < 0)
            continue;
        x.push_back(gps[i]);
        y.push_back(pzs[i] - pzInit);
        xMax = std::max(xMax, gps[i]);
        if (gps[i] > 0)
            xMinPositive = std::min(xMinPositive, gps[i]);
    }
    const int n = static_cast<int>(x.size());
    c.points = n;
    const char* const tooFew = tx("Zu wenige Messpunkte für eine Aussage: der Test braucht "
                                  "mindestens drei Meßwerte bei mindestens zwei verschiedenen Gp "
                                  "über 0.");
    if (n < 3 || !(xMax > 0) || !(xMax > xMinPositive)) {
        c.reason = tooFew;
        return;
    }
    // In u = Gp / Gp_max, so that the sums stay of one size.
    double suu = 0, su3 = 0, su4 = 0, suy = 0;
    for (int i = 0; i < n; ++i) {
        const double u = x[static_cast<std::size_t>(i)] / xMax;
        const double v = y[static_cast<std::size_t>(i)];
        suu += u * u;
        su3 += u * u * u;
        su4 += u * u * u * u;
        suy += u * v;
    }
    const double det = suu * su4 - su3 * su3;
    if (!(suu > 0) || !(det > 1e-12 * suu * su4)) {
        c.reason = tooFew;
        return;
    }
    const double b0 = suy / suu;
    // The Cole line's curve: p/z - (p/z)_i = b u / (1 + A u), for a given A linear in b. The
    // sum of squares over A, on a coarse scale and then by golden section.
    auto ssAt = [&](double bendA) {
        double sww = 0, swv = 0, svv = 0;
        for (int i = 0; i < n; ++i) {
            const double u = x[static_cast<std::size_t>(i)] / xMax;
            const double v = y[static_cast<std::size_t>(i)];
            const double w = u / (1 + bendA * u);
            sww += w * w;
            swv += w * v;
            svv += v * v;
        }
        return std::max(svv - swv * swv / sww, 0.0);
    };
    std::vector<double> grid = {-0.99, -0.9, -0.75, -0.5, -0.25, -0.1, 0};
    for (double a = 0.01; a < 2e4; a *= 2)
        grid.push_back(a);
    std::size_t at = 0;
    std::vector<double> ssGrid(grid.size());
    for (std::size_t k = 0; k < grid.size(); ++k) {
        ssGrid[k] = ssAt(grid[k]);
        if (ssGrid[k] < ssGrid[at])
            at = k;
    }
    double lo = grid[at > 0 ? at - 1 : 0], hi = grid[std::min(at + 1, grid.size() - 1)];
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double m1 = hi - ratio * (hi - lo), m2 = lo + ratio * (hi - lo);
    double s1 = ssAt(m1), s2 = ssAt(m2);
    for (int it = 0; it < 60; ++it) {
        if (s1 < s2) {
            hi = m2;
            m2 = m1;
            s2 = s1;
            m1 = hi - ratio * (hi - lo);
            s1 = ssAt(m1);
        } else {
            lo = m1;
            m1 = m2;
            s1 = s2;
            m2 = lo + ratio * (hi - lo);
            s2 = ssAt(m2);
        }
    }
    double bendA = grid[at], ss1 = ssGrid[at];
    if (std::min(s1, s2) < ss1) {
        bendA = s1 < s2 ? m1 : m2;
        ss1 = std::min(s1, s2);
    }
    double ss0 = 0;
    for (int i = 0; i < n; ++i) {
        const double u = x[static_cast<std::size_t>(i)] / xMax;
        const double v = y[static_cast<std::size_t>(i)];
        ss0 += (v - b0 * u) * (v - b0 * u);
    }
    ss1 = std::min(ss1, ss0);
    const int dof = n - 2;
    const double variance = std::max(ss1 / dof, kScatterFloor * kScatterFloor);
    c.enoughData = true;
    c.scatter = std::sqrt(ss1 / dof);
    c.bend = bendA;
    c.fValue = std::max(ss0 - ss1, 0.0) / variance;
    const boost::math::fisher_f_distribution<double> f(1, dof);
    c.pValue = boost::math::cdf(boost::math::complement(f, c.fValue));
    const double fCritical = boost::math::quantile(f, 1 - kTestLevel);

    const double slope = b0 / xMax;
    const std::string numbers =
        cformat(tx("F = %s, %s, Streuung %s bar (p/z), %d Meßwerte"), fixedText(c.fValue, 2),
                c.pValue < 1e-4 ? std::string("p < 0.0001") : "p = " + fixedText(c.pValue, 4),
                fixedText(c.scatter, 2), n);
    if (c.pValue < kTestLevel) {
        c.power = 1;
        if (c.bend > 0) {
            c.verdict = WaterVerdict::Yes;
            c.support = true;
            c.reason = cformat(tx("Die gemessenen p/z liegen signifikant über der volumetrischen "
                                  "Geraden durch (0, (p/z)i) (%s): Wasser aus der Wasserzone "
                                  "stützt den Druck, die p/z-Gerade überschätzt das Gas in "
                                  "place."),
                               numbers);
        } else {
            c.verdict = WaterVerdict::No;
            c.reason = cformat(tx("Die gemessenen p/z biegen signifikant unter die volumetrische "
                                  "Gerade (%s): das spricht gegen Wasserzufluss (eher "
                                  "Kompressibilität von Gestein und Wasser oder fehlerhafte "
                                  "Werte)."),
                               numbers);
        }
        return;
    }
    if (!(slope < 0)) {
        c.reason = cformat(tx("Die gemessenen p/z fallen nicht mit der Förderung; der Test kann "
                              "nichts aussagen (%s)."),
                           numbers);
        return;
    }
    // The power from the curve's first-order form near the line, b u - b A u^2: the F test
    // of the bend then is that of the u^2 term. The Cole ordinate of the curve is
    // G (1 + A Gp / Gp_max); it rises by R from the first to the last point when
    // A = R Gp_max / (Gp_n - Gp_1 - R Gp_1).
    const double span = std::max(xMax - xMinPositive - kDetectableRise * xMinPositive, 1e-9 * xMax);
    const double cNeeded = -b0 * kDetectableRise * xMax / span;
    const double lambda = cNeeded * cNeeded / (variance * suu / det);
    if (lambda > 1e4) {
        c.power = 1;
    } else {
        try {
            const boost::math::non_central_f_distribution<double> shifted(1, dof, lambda);
            c.power = boost::math::cdf(boost::math::complement(shifted, fCritical));
        } catch (const std::exception&) {
            c.power = 0;
        }
    }
    if (c.power >= kPowerNeeded) {
        c.verdict = WaterVerdict::No;
        c.reason =
            cformat(tx("Die volumetrische Gerade durch (0, (p/z)i) erklärt die Meßwerte "
                       "innerhalb ihrer Streuung; eine Biegung nach oben verbessert sie "
                       "nicht signifikant (%s). Ein Cole-Anstieg von %s %% wäre mit %s "
                       "%% Wahrscheinlichkeit erkannt worden: kein Hinweis auf "
                       "Wasserzufluss."),
                    numbers, fixedText(kDetectableRise * 100, 0), fixedText(c.power * 100, 0));
    } else {
        c.reason =
            cformat(tx("Die Meßwerte lassen keine Aussage zu: keine signifikante Biegung "
                       "(%s), aber auch ein Cole-Anstieg von %s %% wäre nur mit %s %% "
                       "Wahrscheinlichkeit erkannt worden (zu wenige Punkte, zu wenig "
                       "Druckabfall oder zu viel Streuung)."),
                    numbers, fixedText(kDetectableRise * 100, 0), fixedText(c.power * 100, 0));
    }
}

} // namespace

StraightLine fitLine(const std::vector<double>& x, const std::vector<double>& y) {
    StraightLine line;
    const std::size_t n = std::min(x.size(), y.size());
    line.points = static_cast<int>(n);
    if (n < 2) {
        return line;
    }
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < n; ++i) {
        mx += x[i];
        my += y[i];
    }
    mx /= static_cast<double>(n);
    my /= static_cast<double>(n);
    // Centred sums: no cancellation when x lies far from 0.
    double sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sxx += (x[i] - mx) * (x[i] - mx);
        sxy += (x[i] - mx) * (y[i] - my);
    }
    if (!(sxx > 0)) {
        return line;
    }
    line.slope = sxy / sxx;
    line.intercept = my - line.slope * mx;
    line.valid = std::isfinite(line.slope) && std::isfinite(line.intercept);
    return line;
}

double expansionFactor(double pz, double temperature) {
    return (pz * 273) / ((temperature + 273) * static_cast<double>(kStandardPressure));
}

Diagnostics diagnose(const std::vector<RowRecord>& rows, double pzInit, double temperature,
                     double ogip, int chartType, const BalanceTerms& terms) {
    Diagnostics d;
    // p/z with the gas zone's expansion taken out: (p/z) (1 - c_e (p_i - p)).
    const auto pzNet = [&](double pz, double p) {
        return terms.ce == 0 ? pz : pz * (1 - terms.ce * 1E-5 * (terms.pInit - p));
    };
    d.pzInit = pzInit;
    d.ogip = ogip;
    d.chartType = chartType;

    // ---- p/z line over (0, (p/z)_i) and the measured points
    std::vector<double> gps{0.0}, pzs{pzInit};
    d.pzComputed.push_back({0.0, pzInit});
    for (const RowRecord& r : rows) {
        d.pzComputed.push_back({r.gp, pzNet(r.pz, r.p)});
        if (r.measured) {
            d.pzMeasured.push_back({r.gp, pzNet(r.pzMeasured, r.pMeasured)});
            gps.push_back(r.gp);
            pzs.push_back(d.pzMeasured.back().y);
        }
    }
    d.pzLine = fitLine(gps, pzs);
    d.volumetricOgip = d.pzLine.valid && d.pzLine.slope < 0 && d.pzLine.intercept > 0
                           ? -d.pzLine.intercept / d.pzLine.slope
                           : kNaN;

    // ---- Cole, Havlena-Odeh and residuals
    const double eInit = expansionFactor(pzInit, temperature);
    // The withdrawal F = Gp Bg + Wp Bw and the expansion E = Eg + Bg_i c_e (p_i - p) (reservoir
    // Mio m3, with Bg = 1 / E the reservoir m3 per standard m3) at a p/z and pressure.
    const auto withdrawal = [&](const RowRecord& r, double e) {
        return r.gp / e + r.wp * terms.bw;
    };
    const auto expansion = [&](double e, double p) {
        return 1 / e - 1 / eInit + terms.ce * 1E-5 * (terms.pInit - p) / eInit;
    };
    // The apparent gas in place F / E; the original form while the gas zone has no terms.
    const auto coleOf = [&](const RowRecord& r, double pz, double p) {
        if (terms.ce == 0 && r.wp == 0)
            return coleOrdinate(r.gp, pz, pzInit);
        const double e = expansionFactor(pz, temperature);
        return withdrawal(r, e) / expansion(e, p);
    };
    std::vector<double> coleX, coleY;
    double sumAbs = 0, sumSq = 0;
    for (const RowRecord& r : rows) {
        if (r.gp > 0 && r.pz < pzInit) {
            d.coleComputed.push_back({r.gp, coleOf(r, r.pz, r.p)});
        }
        if (!r.measured) {
            continue;
        }
        if (r.gp > 0 && r.pzMeasured < pzInit) {
            const double y = coleOf(r, r.pzMeasured, r.pMeasured);
            d.coleMeasured.push_back({r.gp, y});
            coleX.push_back(r.gp);
            coleY.push_back(y);
            // F / E over We / E: a straight line of slope 1 through G.
            const double e = expansionFactor(r.pzMeasured, temperature);
            if (terms.ce == 0 && r.wp == 0) {
                const double eg = 1 / e - 1 / eInit;
                if (e > 0 && eg > 0) {
                    d.havlenaOdeh.push_back({r.we / eg, r.gp / e / eg});
                }
            } else if (const double et = expansion(e, r.pMeasured); e > 0 && et > 0) {
                d.havlenaOdeh.push_back({r.we / et, withdrawal(r, e) / et});
            }
        }
        const double res = r.pMeasured - r.p;
        d.residuals.push_back({r.days, r.gp, res});
        sumAbs += std::fabs(res);
        sumSq += res * res;
    }
    const auto n = static_cast<double>(d.residuals.size());
    d.meanError = d.residuals.empty() ? kNaN : sumAbs / n;
    d.rms = d.residuals.empty() ? kNaN : std::sqrt(sumSq / n);

    // ---- Water support, from the measured points alone
    //
    // Without water entering the gas zone the gas expands in a fixed pore volume and p/z falls
    // on the straight line from (0, (p/z)_i) to (G, 0). Water that enters holds the pressure
    // up, ever more as it accumulates: the measured p/z bend above that line and the Cole
    // ordinate climbs with Gp. (Expansion of rock and connate water bends the line the other
    // way.) The check asks whether the points bend upwards beyond their own scatter: the line
    // p/z - (p/z)_i = b Gp (a constant Cole ordinate) against the curve b Gp / (1 + A Gp /
    // Gp_max), whose Cole ordinate G (1 + A Gp / Gp_max) rises on a straight line, by the
    // extra-sum-of-squares F test with (1, n - 2) degrees of freedom. The case's own OGIP, WIP
    // and J play no part. When the test finds no bend, it tells only as much as it could have
    // seen: the verdict is "nein" only where the bend of a Cole rise of kDetectableRise over
    // the measured range would have been found with a probability of at least kPowerNeeded,
    // else "unklar". What the test cannot see: a water zone that has not yet answered (its
    // bend starts after the last point), pressure support the scatter hides, and a bend from
    // anything other than water that happens to point upwards (wrong z-factors, a gauge drift).
    WaterSupportCheck& c = d.check;
    c.ogipRatio = std::isfinite(d.volumetricOgip) && ogip > 0 ? d.volumetricOgip / ogip : 0.0;
    const StraightLine cole = fitLine(coleX, coleY);
    if (cole.valid) {
        double gpMin = coleX.front(), gpMax = coleX.front();
        for (double gp : coleX) {
            gpMin = std::min(gpMin, gp);
            gpMax = std::max(gpMax, gp);
        }
        const double start = cole.at(gpMin);
        c.coleRise = start > 0 ? (cole.at(gpMax) - start) / start : 0.0;
    }
    testWaterSupport(gps, pzs, pzInit, c);
    return d;
}

Diagnostics diagnose(const RunResult& result, const CaseValues& values, int chartType) {
    return diagnose(result.rows, result.pzInit, values.temperature, values.ogip, chartType,
                    BalanceTerms{values.ce, values.bw, values.pInit});
}

} // namespace brelvan::engine
