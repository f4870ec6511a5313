// The lines of the shut-in pressure list as the input dialog's list holds them: how a line
// entered by hand (or taken from a spreadsheet) is written, and the checks every such line
// passes before it enters the list. The input dialog's edit line and the CSV import both use
// them, so a line reads and is refused alike whichever way it came.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "support/PressureLine.h"

namespace brelvan {

// "     %2d.%2d.%4d  %13.3f  %16.1f " with the pressure, "     %2d.%2d.%4d  %13.3f" without;
// with produced water (Mio m3) "     %2d.%2d.%4d  %13.3f  %16.1f  %12.4f", the pressure 0 where
// the row has none.
std::string listLine(int day, int month, int year, double gp, std::optional<double> pressure,
                     double water = 0);

// The line "Druckdatei öffnen" makes of a measurement file's line: "%7d.%2d.%4d  %13.3f  %16.1f"
// with the pressure, "%7d.%2d.%4d  %13.3f   " without (the same columns, other blanks at the
// end); with produced water "%7d.%2d.%4d  %13.3f  %16.1f %12.4f".
std::string importedLine(int day, int month, int year, double gp, std::optional<double> pressure,
                         double water = 0);

// Which check a line failed, in the order the checks run.
enum class LineFault {
    None,
    Value,        // a Gp or pressure that is no possible number (pressureLineProblem)
    TooFewFields, // no date and Gp
    Day,          // not 1 to 31
    Month,        // not 1 to 12
    Year,         // not 1900 to 2200
    NoSuchDate,   // 31.2., 31.4., ...
    NotAfterStart // on or before the production start
};

struct LineCheck {
    LineFault fault = LineFault::None;
    std::string message; // as the input dialog shows it ("" when the line passes)
    PressureLineF line;  // the fields read
    int fields = 0;      // as scanPressureLine counts them
};

// The checks of a line typed into the list (`beginn`: the day number of the production start).
// The message of a date that does not exist and of one not after the start is the dialog's
// "Keine zeitliche Reihenfolge"; the fault tells them apart.
LineCheck checkListLine(std::string_view text, float beginn);

} // namespace brelvan
