#include "document/DataExchange.h"

#include <cmath>

#include "support/TextFormat.h"

namespace brelvan {

std::string notANumberMessage(bool integer) {
    return integer ? "Geben Sie eine ganze Zahl ein." : "Geben Sie eine Zahl ein.";
}

std::string rangeMessage(double min, double max, bool integer) {
    const std::string lo = integer ? cformat("%.0f", min) : formatDouble(min);
    const std::string hi = integer ? cformat("%.0f", max) : formatDouble(max);
    return (integer ? "Geben Sie eine ganze Zahl zwischen " : "Geben Sie eine Zahl zwischen ") +
           lo + " und " + hi + " ein.";
}

bool inRange(double v, double min, double max) {
    return std::isfinite(v) && v >= min && v <= max;
}

} // namespace brelvan
