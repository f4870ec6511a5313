// Day numbers of dates: days counted from 31.12.1899, so that 1.1.1900 is day 1. Every year
// divisible by 4 is a leap year, 1900 included.
#pragma once

#include "document/UserInterface.h"

namespace brelvan {

// 0 for a date that does not exist; a year before 1900 also shows "ERROR JAHR < 1900" through
// `ui` (when given). Computed in closed form, so any int year answers at once.
double tage(int tag, int monat, int jahr, UserInterface* ui);

} // namespace brelvan
