// Reading of shut-in pressure lines, as the scanf format "%d%c%d%c%d %lf %lf" (case document)
// or "%d%c%d%c%d %f %f" (input dialog) reads them: day, one separator character, month, one
// separator character, year, white space, Gp, white space, pressure.
//
// A measured line may carry a fourth number, the cumulative produced water Wp (Mio m3):
// "T.M.JJJJ Gp Druck Wp", with a pressure of 0 on a production-only row that has water. The
// original format stops after the pressure, so it reads such a line as before; the count below
// counts the original fields only, and `water` takes the fourth number when there is one (a
// word in its place is text after the line, as before).
//
// The count of fields read has scanf's meaning: 7 is a measured line, 6 a production-only line,
// fewer is no line; -1 when the text ends (or holds only white space) before the first field.
// The reading is bounds-checked and independent of the C locale. An integer beyond the range of
// int is taken as the nearest int value. A Gp or pressure that is no finite number (a doubled
// sign, "nan", "inf", beyond the type) or whose magnitude exceeds kMaxLineValue is not read:
// the count stops before it, and pressureLineProblem says why.
#pragma once

#include <string>
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
    Real water = 0; // Wp, Mio m3; read only after a pressure
};

using PressureLine = PressureLineT<double>; // "%d%c%d%c%d %lf %lf"
using PressureLineF = PressureLineT<float>; // "%d%c%d%c%d %f %f"

// The largest magnitude of a Gp (Mio m3) or a pressure (bar) that a line may hold: far beyond
// the largest gas in place (100000 Mio m3) and the largest pressure (10000 bar) of a case.
inline constexpr double kMaxLineValue = 1e9;

// Why the Gp, the pressure or the produced water of the line `text` is refused, in German (""
// when none is); a negative Wp is refused as well.
std::string pressureLineProblem(std::string_view text);

// Reads `text` into `line`; fields not read keep the values `line` held before.
int scanPressureLine(std::string_view text, PressureLine& line);
int scanPressureLine(std::string_view text, PressureLineF& line);

} // namespace brelvan
