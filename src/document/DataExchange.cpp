#include "document/DataExchange.h"

#include <cmath>

#include "document/DocumentTexts.h"
#include "support/TextFormat.h"

namespace brelvan {

using document::tx;

std::string notANumberMessage(bool integer) {
    return integer ? tx("Geben Sie eine ganze Zahl ein.") : tx("Geben Sie eine Zahl ein.");
}

std::string rangeMessage(double min, double max, bool integer) {
    const std::string lo = integer ? cformat("%.0f", min) : formatDouble(min);
    const std::string hi = integer ? cformat("%.0f", max) : formatDouble(max);
    return cformat(integer ? tx("Geben Sie eine ganze Zahl zwischen %s und %s ein.")
                           : tx("Geben Sie eine Zahl zwischen %s und %s ein."),
                   lo, hi);
}

bool inRange(double v, double min, double max) {
    return std::isfinite(v) && v >= min && v <= max;
}

} // namespace brelvan
