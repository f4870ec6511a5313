#include "document/DataExchange.h"

#include <cmath>

#include "support/TextFormat.h"

namespace brelvan {

std::string formatDouble(double v) {
    return cformat("%.15g", v);
}
std::string formatFloat(float v) {
    return cformat("%.6g", static_cast<double>(v));
}
std::string formatInt(int v) {
    return cformat("%d", v);
}

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
