// The grid search over OGIP, WIP and J for the smallest mean pressure error.
#include "engine/Sensitivity.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "engine/EngineTexts.h"
#include "engine/Parallel.h"
#include "engine/ReportWriter.h"
#include "support/TextFormat.h"

namespace brelvan::sens {

std::string resultLine(double error, double ogip, double wip, double jValue) {
    if (!std::isfinite(error))
        return cformat(engine::tx(kResultLineNoError), ogip, wip, jValue);
    return cformat(kResultLine, error, ogip, wip, jValue);
}

GridValues gridValues(const Ranges& r, int c) {
    const int i = c / (kValues * kValues), k = c / kValues % kValues, l = c % kValues;
    const double stepOgip = (r.maxOgip - r.minOgip) / kSteps;
    const double stepWip = (r.maxWip - r.minWip) / kSteps;
    const double stepJ = (r.maxJ - r.minJ) / kSteps;
    return {r.minOgip + i * stepOgip, r.minWip + k * stepWip, r.minJ + l * stepJ};
}

namespace {

// What the search keeps of one grid case.
struct CaseOutcome {
    double error = 0;
    double zInit = 0;
    std::vector<std::string> messages, report;
};

// Runs the grid cases on `threads` threads; every case writes only its own outcome.
std::vector<CaseOutcome> runCases(const engine::RunInputs& base, const Ranges& ranges,
                                  unsigned threads) {
    std::vector<CaseOutcome> outcomes(kCases);
    parallel::forEach(kCases, static_cast<int>(threads), [&](int c) {
        engine::CaseValues values = base;
        const GridValues v = gridValues(ranges, c);
        values.ogip = v.ogip;
        values.wip = v.wip;
        values.jValue = v.jValue;
        const engine::RunResult r = engine::run(values, base.rows);
        report::RunText text = report::runText(values, r, report::Detail::GridCase);
        CaseOutcome& o = outcomes[static_cast<std::size_t>(c)];
        o.error = r.meanError;
        o.zInit = r.zInit;
        o.messages = std::move(text.messages);
        o.report = std::move(text.lines);
    });
    return outcomes;
}

} // namespace

Ranges searchRanges(const engine::RunInputs& base, const Ranges& given) {
    // The pot ignores J: its grid holds J at the case's value, as its fit does, instead of
    // adopting the first J of a row of equal cases.
    Ranges ranges = given;
    if (base.model == waterzone::Model::Pot)
        ranges.minJ = ranges.maxJ = base.jValue;
    return ranges;
}

SearchResult search(const engine::RunInputs& base, const Ranges& given, unsigned threads) {
    const Ranges ranges = searchRanges(base, given);
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = std::min(threads, static_cast<unsigned>(kCases));
    std::vector<CaseOutcome> outcomes = runCases(base, ranges, threads);

    SearchResult s;
    s.lines.reserve(kCases);
    for (int c = 0; c < kCases; ++c) {
        CaseOutcome& o = outcomes[static_cast<std::size_t>(c)];
        const GridValues v = gridValues(ranges, c);
        s.lines.push_back(resultLine(o.error, v.ogip, v.wip, v.jValue));
        s.errors.push_back(o.error);
        s.messages.insert(s.messages.end(), std::make_move_iterator(o.messages.begin()),
                          std::make_move_iterator(o.messages.end()));
        s.report.insert(s.report.end(), std::make_move_iterator(o.report.begin()),
                        std::make_move_iterator(o.report.end()));
        s.lastZInit = o.zInit;
        // A case without an error value is listed but never the best; ties keep the earlier
        // case.
        if (std::isfinite(o.error) && (!s.haveBest || o.error < s.bestError)) {
            s.haveBest = true;
            s.bestError = o.error;
            s.best = v;
        }
    }
    if (s.haveBest) {
        s.question = cformat(engine::tx(kSummary), kRuns, s.bestError, s.best.ogip, s.best.wip,
                             s.best.jValue);
    } else {
        s.question = cformat(engine::tx(kSummaryNoError), kRuns);
        s.best = {base.ogip, base.wip, base.jValue};
    }
    return s;
}

} // namespace brelvan::sens
