// Day numbers of dates: days counted from 31.12.1899, so that 1.1.1900 is day 1. Every year
// divisible by 4 is a leap year, 1900 included.
#pragma once

#include <string>
#include <vector>

#include "support/UserInterface.h"

namespace brelvan {

// The message of a date before 1900.
inline constexpr const char* kYearBefore1900 = "ERROR JAHR < 1900";

// The day number of a date; 0 for a date that does not exist (a year before 1900 included).
// Computed in closed form, so any int year answers at once.
double dayNumber(int tag, int monat, int jahr);

// The same; a year before 1900 also adds kYearBefore1900 to
// `messages`.
double tage(int tag, int monat, int jahr, std::vector<std::string>& messages);

// The same, showing the message through `ui` (when given).
double tage(int tag, int monat, int jahr, UserInterface* ui);

} // namespace brelvan
