#include "engine/ModelComparison.h"

#include <algorithm>
#include <cmath>

#include "engine/EngineTexts.h"
#include "engine/FitObjective.h"
#include "engine/ModelWaterZone.h"
#include "support/TextFormat.h"

namespace brelvan::fit {

double aic(int n, double ss, int p) {
    const double floor = 1e-12 * n;
    return n * std::log(std::max(ss, floor) / n) + 2.0 * p;
}

ModelComparison compareModels(const engine::RunInputs& base, const RefineOptions& options,
                              const Point& start, bool fromGrid, bool withRanges,
                              const parallel::Control& control) {
    ModelComparison out;
    // Each model takes an equal share of the progress: a third for its grid, a sixth for the
    // refinement, the rest for its ranges.
    auto report = [&control](int model, double share) {
        if (control.progress)
            control.progress(static_cast<int>((model + share) * 100 / waterzone::kModelCount), 100);
    };
    parallel::Control inner;
    inner.cancel = control.cancel;
    inner.threads = control.threads;
    for (int i = 0; i < waterzone::kModelCount; ++i) {
        if (control.cancelled()) {
            out.cancelled = true;
            break;
        }
        ModelFit f;
        f.model = static_cast<waterzone::Model>(i);
        engine::RunInputs in = base;
        in.model = f.model;
        if (f.model != waterzone::Model::Fetkovich) {
            const waterzone::ZoneSetup z = engine::zoneOf(in);
            if (z.missing != waterzone::Missing::None) {
                f.problem = waterzone::missingMessage(f.model, z.missing);
                out.fits.push_back(std::move(f));
                report(i, 1);
                continue;
            }
        }
        RefineOptions o = options;
        if (f.model == waterzone::Model::Pot)
            o.free[kJWert] = false; // the pot ignores J
        f.freeParams = static_cast<int>(std::count(o.free.begin(), o.free.end(), true));
        if (f.freeParams == 0) {
            f.problem = engine::tx("Kein freier Parameter.");
            out.fits.push_back(std::move(f));
            report(i, 1);
            continue;
        }
        const Objective objective = caseObjective(in);
        Point from = start;
        if (fromGrid) {
            Bounds grid = o.bounds;
            for (int j = 0; j < kParams; ++j)
                if (!o.free[j])
                    grid.lo[j] = grid.hi[j] = start[j];
            parallel::Control gridControl = inner;
            gridControl.progress = [&](int done, int total) { report(i, done / 3.0 / total); };
            const GridBest g = gridBest(objective, grid, gridControl);
            if (g.valid)
                from = g.best;
        }
        f.best = refine(objective, from, o, inner);
        report(i, 0.5);
        if (control.cancelled()) {
            out.cancelled = true;
            break;
        }
        if (!f.best.valid) {
            f.problem = engine::tx("Am Startpunkt ergibt die Rechnung keinen Fehlerwert.");
            out.fits.push_back(std::move(f));
            report(i, 1);
            continue;
        }
        f.valid = true;
        if (withRanges) {
            parallel::Control walks = inner;
            walks.progress = [&](int done, int total) { report(i, 0.5 + done / 2.0 / total); };
            f.ranges = profileRanges(objective, f.best, o, walks);
            if (f.ranges.cancelled || control.cancelled()) {
                out.cancelled = true;
                break;
            }
        }
        f.aic = aic(f.best.misfit.n, f.best.misfit.ss, f.freeParams);
        if (out.bestIndex < 0 || f.aic < out.fits[static_cast<std::size_t>(out.bestIndex)].aic)
            out.bestIndex = i;
        out.fits.push_back(std::move(f));
        report(i, 1);
    }
    if (out.cancelled)
        out.bestIndex = -1; // no model is best among fits not all made
    return out;
}

namespace {

std::string rangeSide(double v, bool open) {
    return open ? std::string(engine::tx("offen")) : cformat("%.3f", v);
}

} // namespace

std::vector<std::string> comparisonTable(const ModelComparison& c) {
    std::vector<std::string> lines;
    lines.push_back(engine::tx("Modell                    OGIP   OGIP-Bereich (95 %)          WIP"
                               "      J-Wert  RMS-Fehler        AIC"));
    for (std::size_t i = 0; i < c.fits.size(); ++i) {
        const ModelFit& f = c.fits[i];
        // Padded to 22 characters (not bytes: the names hold en dashes).
        std::string name = waterzone::modelName(f.model);
        std::size_t chars = 0;
        for (const char ch : name)
            chars += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
        name.append(chars < 22 ? 22 - chars : 0, ' ');
        if (!f.valid) {
            lines.push_back(cformat("%s  %s", name, f.problem));
            continue;
        }
        const Range& r = f.ranges.ranges[kOgip];
        const std::string range =
            f.ranges.computed && r.computed
                ? rangeSide(r.lo, r.openLo) + engine::tx(" bis ") + rangeSide(r.hi, r.openHi)
                : std::string("-");
        lines.push_back(cformat("%s %9.1f   %-24s %9.1f %11.3f %11.4f %10.2f%s", name,
                                f.best.best[kOgip], range, f.best.best[kWip], f.best.best[kJWert],
                                f.best.misfit.rms, f.aic,
                                static_cast<int>(i) == c.bestIndex ? "  *" : ""));
    }
    if (c.bestIndex >= 0)
        lines.push_back(
            cformat(engine::tx("* am besten gestützt (kleinster AIC = n ln(SS/n) + 2p): %s"),
                    waterzone::modelName(c.fits[static_cast<std::size_t>(c.bestIndex)].model)));
    return lines;
}

ComparisonCurves comparisonCurves(const engine::RunInputs& base, const ModelComparison& c) {
    ComparisonCurves out;
    out.compared = base;
    for (const ModelFit& f : c.fits) {
        if (!f.valid)
            continue;
        engine::CaseValues values = base;
        values.model = f.model;
        values.ogip = f.best.best[kOgip];
        values.wip = f.best.best[kWip];
        values.jValue = f.best.best[kJWert];
        const engine::RunResult r = engine::run(values, base.rows);
        ModelCurve curve;
        curve.model = f.model;
        curve.days.push_back(0);
        curve.gp.push_back(0);
        curve.p.push_back(base.pInit);
        for (const engine::RowRecord& row : r.rows) {
            curve.days.push_back(row.days);
            curve.gp.push_back(row.gp);
            curve.p.push_back(row.p);
        }
        out.curves.push_back(std::move(curve));
    }
    return out;
}

bool comparisonHolds(const engine::RunInputs& compared, const engine::RunInputs& now) {
    engine::RunInputs a = compared, b = now;
    for (engine::RunInputs* x : {&a, &b}) {
        x->ogip = x->wip = x->jValue = 0;
        x->model = waterzone::Model::Fetkovich;
        x->fieldName.clear();
    }
    return a == b;
}

} // namespace brelvan::fit
