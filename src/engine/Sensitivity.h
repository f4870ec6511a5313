// The sensitivity search: the grid of OGIP, WIP and J values between the ranges the user gives,
// each case run as a grid case (only its aborts reach the report), the case with the smallest mean
// pressure error adopted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/Run.h"

namespace brelvan::sens {

// Grid size per parameter: 4 values, 3 steps between them; 4 x 4 x 4 cases plus the final run.
inline constexpr int kValues = 4;
inline constexpr int kSteps = kValues - 1;
inline constexpr int kCases = kValues * kValues * kValues;
inline constexpr int kRuns = kCases + 1;

// error (bar), OGIP, WIP, J value
inline constexpr std::string_view kResultLine = "%6.4f   %12.1f   %12.1f   %12.1f";
// A case without an error value (no measured pressure compared): this text stands in the
// error column, the other columns keep their format.
inline constexpr std::string_view kResultLineNoError = "kein Wert   %12.1f   %12.1f   %12.1f";
// The summary question: the number of runs (kRuns), then the best case.
inline constexpr std::string_view kSummary =
    "Es wurden %d Fälle gerechnet\nMin.Error: %5.3f OGIP: %5.1f WIP: %5.1f JWert: %5.2f\n"
    "Wollen Sie die Einzelergebnisse sehen?";
// No grid case had an error value; the case keeps its values. The number of runs (kRuns).
inline constexpr std::string_view kSummaryNoError =
    "Es wurden %d Fälle gerechnet\nKein Fall ergab einen Fehlerwert (kein Meßwert "
    "verglichen).\nOGIP, WIP und JWert bleiben unverändert.\nWollen Sie die Einzelergebnisse "
    "sehen?";

std::string resultLine(double error, double ogip, double wip, double jValue);

// The ranges of the search.
struct Ranges {
    double minOgip = 0, maxOgip = 0; // Mio m3
    double minWip = 0, maxWip = 0;   // Mio m3
    double minJ = 0, maxJ = 0;       // m3/(day bar)
};

// The values of grid case `c` (0 .. kCases - 1): OGIP varies slowest, J fastest.
struct GridValues {
    double ogip = 0, wip = 0, jValue = 0;
};
GridValues gridValues(const Ranges& ranges, int c);

// The ranges the grid of `base` spans: the given ones, except that for the pot water zone, which
// ignores J, every grid case keeps the case's J.
Ranges searchRanges(const engine::RunInputs& base, const Ranges& given);

struct SearchResult {
    std::vector<std::string> lines;    // one result line per grid case, in grid order
    std::vector<double> errors;        // the mean error of each grid case, NaN without one
    std::vector<std::string> messages; // the grid cases' messages, case after case
    std::vector<std::string> report;   // the lines the grid cases add to the report
    double lastZInit = 0;              // z at the initial pressure, of the last grid case
    bool haveBest = false;             // some case yielded an error value
    GridValues best;                   // the values the case takes: the best, or its own
    double bestError = 0;
    std::string question; // the summary question to the user
};

// Runs the grid cases of `base` (each as a grid case of the report) on `threads` threads at once, 0
// meaning one per processor. The result is the same as that of the cases run one after the other,
// whatever the number of threads. The grid spans searchRanges(base, ranges).
SearchResult search(const engine::RunInputs& base, const Ranges& ranges, unsigned threads = 0);

} // namespace brelvan::sens
