// The texts of the sensitivity search: the result line of one grid case and the summary
// question.
#pragma once

#include <string>
#include <string_view>

namespace brelvan::sens {

// Grid size per parameter; 4 x 4 x 4 cases plus the final run.
inline constexpr int kValues = 4;
inline constexpr int kCases = kValues * kValues * kValues;

// error (bar), OGIP, WIP, J value
inline constexpr std::string_view kResultLine = "%6.4f   %12.1f   %12.1f   %12.1f";
// A case without an error value (no measured pressure compared): this text stands in the
// error column, the other columns keep their format.
inline constexpr std::string_view kResultLineNoError = "kein Wert   %12.1f   %12.1f   %12.1f";
inline constexpr std::string_view kSummary =
    "Es wurden 65 Fälle gerechnet\nMin.Error: %5.3f OGIP: %5.1f WIP: %5.1f JWert: %5.2f\n"
    "Wollen Sie die Einzelergebnisse sehen?";
// No grid case had an error value; the case keeps its values.
inline constexpr std::string_view kSummaryNoError =
    "Es wurden 65 Fälle gerechnet\nKein Fall ergab einen Fehlerwert (kein Meßwert "
    "verglichen).\nOGIP, WIP und JWert bleiben unverändert.\nWollen Sie die Einzelergebnisse "
    "sehen?";

std::string resultLine(double error, double ogip, double wip, double jValue);

} // namespace brelvan::sens
