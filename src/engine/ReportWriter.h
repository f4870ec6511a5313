// The words of a run: the lines a run adds to the result report and the message boxes it
// raises, written from the numbers of its result (engine/Run.h) with the formats of
// engine/Report.h.
#pragma once

#include <string>
#include <vector>

#include "engine/Run.h"

namespace brelvan::report {

struct RunText {
    // A full run: the whole report, from the header block to the closing lines. A grid case of
    // the sensitivity search: only the lines of a negative decay factor and of an abort, which
    // the report appends.
    std::vector<std::string> lines;
    std::vector<std::string> messages; // in the order the run raised them
};

// How much of a run the report shows.
enum class Detail { Full, GridCase };

RunText runText(const engine::CaseValues& values, const engine::RunResult& result,
                Detail detail = Detail::Full);

} // namespace brelvan::report
