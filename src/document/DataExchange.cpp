#include "document/DataExchange.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "support/TextFormat.h"

namespace brelvan {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without its surrounding blanks and without one leading "+" (from_chars takes only
// "-"). Empty when nothing is left that could be a number.
std::string_view numberText(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        // "+-5" and "++5" are no numbers
        if (!text.empty() && (text.front() == '-' || text.front() == '+'))
            return {};
    }
    return text;
}

// Only digits, one decimal point and an exponent: no "inf", "nan" or hexadecimal forms.
bool decimalOnly(std::string_view t) {
    for (char c : t) {
        const bool ok =
            (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+';
        if (!ok)
            return false;
    }
    return true;
}

template <class Real> std::optional<Real> parseReal(std::string_view text) {
    const std::string_view t = numberText(text);
    if (t.empty() || !decimalOnly(t))
        return std::nullopt;
    Real value{};
    const char* first = t.data();
    const char* last = t.data() + t.size();
    const auto r = std::from_chars(first, last, value, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string formatDouble(double v) {
    return cformat("%.15g", v);
}
std::string formatFloat(float v) {
    return cformat("%.6g", static_cast<double>(v));
}
std::string formatInt(int v) {
    return cformat("%d", v);
}

std::optional<double> parseDouble(std::string_view text) {
    return parseReal<double>(text);
}
std::optional<float> parseFloat(std::string_view text) {
    return parseReal<float>(text);
}

std::optional<int> parseInt(std::string_view text) {
    const std::string_view t = numberText(text);
    if (t.empty())
        return std::nullopt;
    int value = 0;
    const char* last = t.data() + t.size();
    const auto r = std::from_chars(t.data(), last, value);
    if (r.ec != std::errc() || r.ptr != last)
        return std::nullopt;
    return value;
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
