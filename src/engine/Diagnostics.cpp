#include "engine/Diagnostics.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace brelvan::engine {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Standard conditions of the material balance: 273 K and 1.0134 bar, the pressure held in
// single precision as in the run.
constexpr float kStandardPressure = 1.0134f;

// A number with a fixed count of decimals, with a point whatever the locale.
std::string fixed(double v, int decimals) {
    std::string out(32, '\0');
    for (;;) {
        const auto res = std::to_chars(out.data(), out.data() + out.size(), v,
                                       std::chars_format::fixed, decimals);
        if (res.ec == std::errc()) {
            out.resize(static_cast<std::size_t>(res.ptr - out.data()));
            return out;
        }
        out.resize(out.size() * 2);
    }
}

// The apparent gas in place of a point below the initial p/z, written as the report writes
// its estimate, so both agree to the last bit.
double coleOrdinate(double gp, double pz, double pzInit) {
    return (pz / (pzInit - pz) + 1) * gp;
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
                     double ogip, int chartType) {
    Diagnostics d;
    d.pzInit = pzInit;
    d.ogip = ogip;
    d.chartType = chartType;

    // ---- p/z line over (0, (p/z)_i) and the measured points
    std::vector<double> gps{0.0}, pzs{pzInit};
    d.pzComputed.push_back({0.0, pzInit});
    for (const RowRecord& r : rows) {
        d.pzComputed.push_back({r.gp, r.pz});
        if (r.measured) {
            d.pzMeasured.push_back({r.gp, r.pzMeasured});
            gps.push_back(r.gp);
            pzs.push_back(r.pzMeasured);
        }
    }
    d.pzLine = fitLine(gps, pzs);
    d.volumetricOgip = d.pzLine.valid && d.pzLine.slope < 0 && d.pzLine.intercept > 0
                           ? -d.pzLine.intercept / d.pzLine.slope
                           : kNaN;

    // ---- Cole, Havlena-Odeh and residuals
    const double eInit = expansionFactor(pzInit, temperature);
    std::vector<double> coleX, coleY;
    double sumAbs = 0, sumSq = 0;
    for (const RowRecord& r : rows) {
        if (r.gp > 0 && r.pz < pzInit) {
            d.coleComputed.push_back({r.gp, coleOrdinate(r.gp, r.pz, pzInit)});
        }
        if (!r.measured) {
            continue;
        }
        if (r.gp > 0 && r.pzMeasured < pzInit) {
            const double cole = coleOrdinate(r.gp, r.pzMeasured, pzInit);
            d.coleMeasured.push_back({r.gp, cole});
            coleX.push_back(r.gp);
            coleY.push_back(cole);
            // F = Gp Bg and Eg = Bg - Bg_i with Bg = 1 / E (reservoir m3 per standard m3).
            const double e = expansionFactor(r.pzMeasured, temperature);
            const double eg = 1 / e - 1 / eInit;
            if (e > 0 && eg > 0) {
                d.havlenaOdeh.push_back({r.we / eg, r.gp / e / eg});
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

    // ---- Water support
    //
    // Without water entering the gas zone the gas expands in a fixed pore volume, p/z falls on
    // a straight line with Gp and the Cole ordinate stays at G for every point. Water that
    // enters holds the pressure up: the measured p/z lies ever higher above that line, the
    // Cole ordinate climbs with Gp and the straight line through the points reaches p/z = 0
    // beyond the true gas in place. (Expansion of rock and connate water, the other effect
    // that bends the p/z line, makes the Cole ordinate fall, not rise.)
    //
    // The thresholds stand above what the measurements alone produce. A shut-in pressure read
    // to a few tenths of a bar moves the pressure drop of a typical point (tens of bar) by
    // about one percent and with it its Cole ordinate; the z-factor correlation adds about as
    // much, and the rise is taken from the line fitted through all Cole points, which averages
    // the scatter further. A rise of 5 % over the measured range is therefore a trend, not
    // noise. The same margin holds for the volumetric OGIP: the p/z line of a volumetric
    // reservoir reaches zero at the gas in place, so a line reaching 5 % beyond the case's
    // OGIP tells that pressure support is in the data or in the case's influx.
    WaterSupportCheck& c = d.check;
    c.ogipRatio = std::isfinite(d.volumetricOgip) && ogip > 0 ? d.volumetricOgip / ogip : 0.0;
    const StraightLine cole = fitLine(coleX, coleY);
    c.enoughData = cole.valid;
    if (!c.enoughData) {
        c.reason = "Zu wenige Messpunkte unter dem initialen p/z für eine Aussage "
                   "(mindestens zwei nötig).";
        return d;
    }
    double gpMin = coleX.front(), gpMax = coleX.front();
    for (double gp : coleX) {
        gpMin = std::min(gpMin, gp);
        gpMax = std::max(gpMax, gp);
    }
    const double start = cole.at(gpMin);
    c.coleRise = start > 0 ? (cole.at(gpMax) - start) / start : 0.0;
    const std::string volText = std::isfinite(d.volumetricOgip)
                                    ? "volumetrisches OGIP " + fixed(d.volumetricOgip, 1) +
                                          " statt " + fixed(ogip, 1) + " Mio m3"
                                    : "volumetrisches OGIP nicht bestimmbar";
    if (c.coleRise > kColeRiseThreshold) {
        c.support = true;
        c.reason = "Der Cole-Wert steigt über den Messbereich um " + fixed(c.coleRise * 100, 1) +
                   " %: Wasser stützt den Druck, die p/z-Gerade überschätzt das Gas in place (" +
                   volText + ").";
    } else if (c.ogipRatio > kOgipRatioThreshold) {
        c.support = true;
        c.reason = "Die p/z-Gerade erreicht p/z = 0 erst " + fixed((c.ogipRatio - 1) * 100, 1) +
                   " % hinter dem OGIP des Falls: sie überschätzt das Gas in place (" + volText +
                   ").";
    } else {
        const char* const line = c.ogipRatio >= 2 - kOgipRatioThreshold
                                     ? " %) und die p/z-Gerade trifft das OGIP des Falls ("
                                     : " %) und die p/z-Gerade reicht nicht über das OGIP des "
                                       "Falls hinaus (";
        c.reason = "Der Cole-Wert bleibt über den Messbereich nahezu gleich (Anstieg " +
                   fixed(c.coleRise * 100, 1) + line + volText + "): kein Hinweis auf " +
                   "Wasserzufluss.";
    }
    return d;
}

Diagnostics diagnose(const RunResult& result, const CaseValues& values, int chartType) {
    return diagnose(result.rows, result.pzInit, values.temperature, values.ogip, chartType);
}

} // namespace brelvan::engine
