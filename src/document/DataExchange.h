// The conversions between field texts and members that the dialogs' data exchange uses, and
// its messages. Doubles are shown with up to 15 significant digits, floats with up to
// 6, in the shortest general form; ranges are inclusive; a value that is not finite fails.
#pragma once

#include <string>

#include "support/Numbers.h"    // parseDouble, parseFloat, parseInt
#include "support/TextFormat.h" // formatDouble, formatFloat, formatInt

namespace brelvan {

// "Geben Sie eine Zahl ein." / "Geben Sie eine ganze Zahl ein."
std::string notANumberMessage(bool integer);
// "Geben Sie eine Zahl zwischen 7 und 13 ein." (bounds in the shortest form)
std::string rangeMessage(double min, double max, bool integer);

bool inRange(double v, double min, double max); // false for NaN and infinity

} // namespace brelvan
