#include "engine/ReportWriter.h"

#include "engine/DayNumber.h"
#include "engine/EngineTexts.h"
#include "engine/Report.h"
#include "engine/WaterZone.h"
#include "support/TextFormat.h"

namespace brelvan::report {
namespace {

using engine::RunEnd;
using engine::RunNote;
using engine::tx;

void add(RunText& out, std::string line) {
    out.lines.push_back(std::move(line));
}

// The lines and the message of the end `s`; nothing for a completed run.
void writeEnd(const engine::RunStatus& s, Detail detail, RunText& out) {
    auto abort = [&](std::string text) {
        out.messages.push_back(text);
        add(out, std::move(text));
    };
    auto impossible = [&](std::string first) {
        const std::string cause(tx(kImpossibleCause));
        const std::string remedy = cformat(tx(kInvasion3), s.day, s.month, s.year);
        out.messages.push_back(first + "\n" + cause + "\n" + remedy);
        add(out, std::move(first));
        add(out, cause);
        add(out, remedy);
    };
    switch (s.end) {
    case RunEnd::Completed:
        break;
    case RunEnd::InvalidCase:
        abort(std::string(tx(kInvalidCase)));
        break;
    case RunEnd::Time:
        abort(cformat(tx(kTimeAbort), s.day, s.month, s.year));
        break;
    case RunEnd::Production:
        abort(cformat(tx(kProductionAbort), s.value, s.limit));
        break;
    case RunEnd::Numeric:
        abort(cformat(tx(kNumericAbort), s.day, s.month, s.year));
        break;
    case RunEnd::SearchLimit:
        abort(cformat(tx(kSearchLimit), s.day, s.month, s.year, s.evaluations));
        break;
    case RunEnd::Invasion:
        // In the report only, and only of a full run.
        if (detail == Detail::Full) {
            add(out, std::string(tx(kInvasion1)));
            add(out, cformat(tx(kInvasion2), s.value));
            add(out, cformat(tx(kInvasion3), s.day, s.month, s.year));
        }
        break;
    case RunEnd::ImpossiblePressure:
        impossible(cformat(tx(kImpossiblePressure), s.day, s.month, s.year, s.value, s.limit));
        break;
    case RunEnd::ImpossiblePz:
        impossible(cformat(tx(kImpossiblePz), s.day, s.month, s.year, s.value, s.limit));
        break;
    case RunEnd::ImpossibleInflux:
        impossible(cformat(tx(kImpossibleInflux), s.day, s.month, s.year, s.value));
        break;
    }
}

// A row's table line; with the column WP when the case has produced water.
void writeRow(const engine::RowRecord& row, bool water, RunText& out) {
    add(out,
        row.measured
            ? measuredRow(row.day, row.month, row.year, row.days, row.gp, row.p, row.pMeasured,
                          row.pz, row.pzMeasured, row.we, row.ogipEstimate)
            : productionRow(row.day, row.month, row.year, row.days, row.gp, row.p, row.pz, row.we));
    if (water)
        out.lines.back() += cformat(row.measured ? kWaterColumn : kWaterColumnAfterStar, row.wp);
    if (!row.settled)
        add(out, cformat(tx(kNotSettled), row.day, row.month, row.year, engine::kFixedPointPasses,
                         row.lastChange));
}

} // namespace

RunText runText(const engine::CaseValues& values, const engine::RunResult& result, Detail detail) {
    RunText out;
    const bool full = detail == Detail::Full;
    if (full)
        writeHeader(values, result.zInit, out.lines);
    for (const RunNote& n : result.notes)
        if (n.kind == RunNote::Kind::YearBefore1900)
            out.messages.emplace_back(tx(kYearBefore1900));

    // The rows the run entered: the ones computed and the one it ended on.
    const engine::RunStatus& s = result.status;
    const int computed = static_cast<int>(result.rows.size());
    const int entered = s.row >= computed ? s.row + 1 : computed;
    // Produced water on any row: the table has the column WP.
    bool water = false;
    for (const engine::RowRecord& row : result.rows)
        water = water || row.wp != 0;
    std::size_t note = 0;
    for (int i = 0; i < entered; ++i) {
        if (full && i == 0)
            for (std::string_view h : water ? kTableHeaderWater : kTableHeader)
                out.lines.emplace_back(tx(h));
        for (; note < result.notes.size() && result.notes[note].row <= i; ++note) {
            const RunNote& n = result.notes[note];
            if (n.row == i && n.kind == RunNote::Kind::NegativeDecay)
                add(out, cformat(tx(kNegativeDecay), n.value, n.gp));
        }
        if (full && i < computed)
            writeRow(result.rows[static_cast<std::size_t>(i)], water, out);
    }
    writeEnd(s, detail, out);

    if (s.completed() && full) {
        out.lines.emplace_back(kBlank);
        add(out, meanErrorLine(result.meanError));
        if (result.unsettled > 0)
            add(out, cformat(tx(kNotSettledCount), result.unsettled));
    }
    return out;
}

} // namespace brelvan::report
