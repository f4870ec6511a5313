// Reading of shut-in pressure lines, as the scanf format "%d%c%d%c%d %lf %lf" (case document)
// or "%d%c%d%c%d %f %f" (input dialog) reads them: day, one separator character, month, one
// separator character, year, white space, Gp, white space, pressure.
//
// The count of fields read has scanf's meaning: 7 is a measured line, 6 a production-only line,
// fewer is no line; -1 when the text ends (or holds only white space) before the first field.
// The reading is bounds-checked and independent of the C locale. An integer beyond the range of
// int is taken as the nearest int value.
#pragma once

#include <string_view>

namespace brelvan {

// The counts of fields read: a production-only line (date and Gp), a measured line (with the
// pressure).
inline constexpr int kProductionLineFields = 6;
inline constexpr int kMeasuredLineFields = 7;

template <class Real> struct PressureLineT {
    int day = 0;
    char sep1 = 0;
    int month = 0;
    char sep2 = 0;
    int year = 0;
    Real gp = 0;
    Real pressure = 0;
};

using PressureLine = PressureLineT<double>; // "%d%c%d%c%d %lf %lf"
using PressureLineF = PressureLineT<float>; // "%d%c%d%c%d %f %f"

// Reads `text` into `line`; fields not read keep the values `line` held before.
int scanPressureLine(std::string_view text, PressureLine& line);
int scanPressureLine(std::string_view text, PressureLineF& line);

} // namespace brelvan
