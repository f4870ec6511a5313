#include "engine/MisfitMap.h"

#include <algorithm>
#include <cmath>

#include "engine/EngineTexts.h"

namespace brelvan::fit {

int thirdAxis(int a, int b) {
    return 3 - a - b;
}

std::string mapProblem(const MapOptions& options) {
    if (options.holdJ && (options.axisA == kJWert || options.axisB == kJWert))
        return "Das Topf-Modell hängt nicht vom J-Wert ab; eine Fehlerkarte über dem J-Wert sagt "
               "nichts. Bitte die Achsen OGIP und WIP wählen.";
    return {};
}

MisfitMap misfitMap(const Objective& objective, const MapOptions& options,
                    const parallel::Control& control) {
    MisfitMap map;
    map.axisA = options.axisA;
    map.axisB = options.axisB;
    map.third = thirdAxis(options.axisA, options.axisB);
    if (!mapProblem(options).empty())
        return map;
    map.points = std::max(options.points, 2);
    // A J the water zone ignores is held: re-optimising it would change nothing but the
    // contour's count of free parameters.
    map.optimiseThird = options.optimiseThird && !(options.holdJ && map.third == kJWert);
    const int n = map.points;
    auto gridValues = [n](double lo, double hi) {
        std::vector<double> v(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            v[static_cast<std::size_t>(i)] = i == n - 1 ? hi : lo + i * (hi - lo) / (n - 1);
        return v;
    };
    map.valuesA = gridValues(options.loA, options.hiA);
    map.valuesB = gridValues(options.loB, options.hiB);
    map.cells.resize(static_cast<std::size_t>(n * n));

    RefineOptions third;
    third.bounds = options.bounds;
    third.free = {false, false, false};
    third.free[map.third] = true;
    third.maxIterations = 60;
    parallel::Control one;
    one.cancel = control.cancel;
    one.threads = 1;

    auto task = [&](int c) {
        MapCell& cell = map.cells[static_cast<std::size_t>(c)];
        cell.x = options.base;
        cell.x[map.axisA] = map.valuesA[static_cast<std::size_t>(c / n)];
        cell.x[map.axisB] = map.valuesB[static_cast<std::size_t>(c % n)];
        if (!map.optimiseThird) {
            cell.misfit = evaluate(objective, cell.x);
            return;
        }
        const RefineResult r = refine(objective, cell.x, third, one);
        if (r.valid) {
            cell.x = r.best;
            cell.misfit = r.misfit;
        }
    };
    map.cancelled =
        !parallel::forEach(n * n, control.threads, task, control.cancel, control.progress);

    double ssMin = 0;
    int measured = 0;
    for (int c = 0; c < n * n; ++c) {
        const Misfit& m = map.cells[static_cast<std::size_t>(c)].misfit;
        if (m.valid && (map.bestCell < 0 || m.ss < ssMin)) {
            map.bestCell = c;
            ssMin = m.ss;
            measured = m.n;
        }
    }
    if (map.bestCell >= 0) {
        const double thr = ssThreshold(ssMin, measured, map.optimiseThird ? 3 : 2, 2);
        if (thr >= 0)
            map.contourRms = std::sqrt(thr / measured);
    }
    return map;
}

std::string mapCsv(const MisfitMap& map) {
    std::string out = engine::tx("OGIP,WIP,JWert,RMSFehler,MittlererFehler\n");
    for (const MapCell& cell : map.cells) {
        out += fixedText(cell.x[kOgip], 6) + ',' + fixedText(cell.x[kWip], 6) + ',' +
               fixedText(cell.x[kJWert], 6) + ',';
        if (cell.misfit.valid)
            out += fixedText(cell.misfit.rms, 6) + ',' + fixedText(cell.misfit.meanAbs, 6);
        else
            out += ',';
        out += '\n';
    }
    return out;
}

} // namespace brelvan::fit
