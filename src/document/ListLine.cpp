#include "document/ListLine.h"

#include "document/DocumentTexts.h"
#include "engine/DayNumber.h"
#include "support/TextFormat.h"

namespace brelvan {

std::string listLine(int day, int month, int year, double gp, std::optional<double> pressure,
                     double water) {
    // Produced water follows the pressure; a row with water and no pressure has 0 there.
    if (water != 0)
        return cformat("     %2d.%2d.%4d  %13.3f  %16.1f  %12.4f", day, month, year, gp,
                       pressure.value_or(0), water);
    if (pressure)
        return cformat("     %2d.%2d.%4d  %13.3f  %16.1f ", day, month, year, gp, *pressure);
    return cformat("     %2d.%2d.%4d  %13.3f", day, month, year, gp);
}

std::string importedLine(int day, int month, int year, double gp, std::optional<double> pressure,
                         double water) {
    if (water != 0)
        return cformat("%7d.%2d.%4d  %13.3f  %16.1f %12.4f", day, month, year, gp,
                       pressure.value_or(0), water);
    if (pressure)
        return cformat("%7d.%2d.%4d  %13.3f  %16.1f", day, month, year, gp, *pressure);
    return cformat("%7d.%2d.%4d  %13.3f   ", day, month, year, gp);
}

using document::tx;

LineCheck checkListLine(std::string_view text, float beginn) {
    LineCheck c;
    const auto fail = [&c](LineFault fault, std::string message) {
        c.fault = fault;
        c.message = std::move(message);
        return c;
    };
    if (std::string problem = pressureLineProblem(text); !problem.empty())
        return fail(LineFault::Value, problem + ".");
    c.fields = scanPressureLine(text, c.line);
    if (c.fields < kProductionLineFields)
        return fail(LineFault::TooFewFields, tx("Die Zeile enthält zu wenig Daten"));
    if (c.line.day < 1 || c.line.day > 31)
        return fail(LineFault::Day, tx("Fehler bei der Angabe der Tage"));
    if (c.line.month < 1 || c.line.month > 12)
        return fail(LineFault::Month, tx("Fehler bei der Angabe der Monate"));
    if (c.line.year < 1900 || c.line.year > 2200)
        return fail(LineFault::Year, tx("Fehler bei der Angabe des Jahres"));
    // The year is 1900 or later here, so the day number raises no message.
    const double t = tage(c.line.day, c.line.month, c.line.year, nullptr);
    if (t == 0)
        return fail(LineFault::NoSuchDate, tx("Keine zeitliche Reihenfolge"));
    if (!(static_cast<float>(t) > beginn))
        return fail(LineFault::NotAfterStart, tx("Keine zeitliche Reihenfolge"));
    return c;
}

} // namespace brelvan
