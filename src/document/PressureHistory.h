// A boundary pressure history for the influx calculator: one line per time, the days since the
// start and the pressure (bar), separated by blanks, tabs, ";" or ",". A line with ";" or a tab
// may write its decimals with a comma. The first line is day 0 at the initial pressure; a heading
// line before it is allowed, blank lines are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brelvan {

inline constexpr std::size_t kMaxHistoryRows = 10000;

struct PressureHistory {
    std::vector<double> days;
    std::vector<double> pressures;
};

// False with a message naming the line for anything else: too many rows, a line without
// two numbers, a first time other than 0, a time before the previous one, a pressure not above 0.
bool parsePressureHistory(std::string_view text, PressureHistory& out, std::string& error);

} // namespace brelvan
