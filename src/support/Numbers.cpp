#include "support/Numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <system_error>

namespace brelvan {
namespace {

bool isSign(char c) {
    return c == '+' || c == '-';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Whether a number too large in magnitude for its type is near zero (a negative exponent, or
// no exponent and nothing but zeros before the point) rather than beyond the largest value.
bool isTiny(std::string_view number) {
    const auto e = number.find_first_of("eE");
    if (e != std::string_view::npos)
        return e + 1 < number.size() && number[e + 1] == '-';
    for (char c : number) {
        if (c == '.')
            return true;
        if (c >= '1' && c <= '9')
            return false;
    }
    return true;
}

template <class Real> ScannedNumber<Real> scanReal(std::string_view text) {
    ScannedNumber<Real> r;
    std::size_t p = 0;
    bool negative = false;
    if (p < text.size() && isSign(text[p])) {
        negative = text[p] == '-';
        ++p;
    }
    if (p < text.size() && isSign(text[p])) {
        r.status = NumberStatus::Malformed;
        r.length = p + 1;
        return r;
    }
    const char* first = text.data() + p;
    const char* last = text.data() + text.size();
    Real value{};
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::invalid_argument || res.ptr == first)
        return r;
    r.length = static_cast<std::size_t>(res.ptr - text.data());
    if (res.ec == std::errc::result_out_of_range) {
        const bool tiny =
            isTiny(std::string_view(first, static_cast<std::size_t>(res.ptr - first)));
        r.status = tiny ? NumberStatus::Underflow : NumberStatus::NotFinite;
        value = tiny ? Real(0) : std::numeric_limits<Real>::infinity();
    } else {
        r.status = std::isfinite(value) ? NumberStatus::Ok : NumberStatus::NotFinite;
    }
    r.value = negative ? -value : value;
    return r;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

template <class Real> std::optional<Real> parseWhole(std::string_view text) {
    const std::string_view t = trimmed(text);
    const ScannedNumber<Real> r = scanReal<Real>(t);
    if (r.status != NumberStatus::Ok || r.length != t.size())
        return std::nullopt;
    return r.value;
}

} // namespace

ScannedNumber<double> scanDouble(std::string_view text) {
    return scanReal<double>(text);
}

ScannedNumber<float> scanFloat(std::string_view text) {
    return scanReal<float>(text);
}

std::optional<ScannedInt> scanInt(std::string_view text) {
    std::size_t p = 0;
    bool negative = false;
    if (p < text.size() && isSign(text[p])) {
        negative = text[p] == '-';
        ++p;
    }
    const std::size_t digits = p;
    long long value = 0;
    bool overflow = false;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p) {
        if (value > (LLONG_MAX - 9) / 10)
            overflow = true;
        else
            value = value * 10 + (text[p] - '0');
    }
    if (p == digits)
        return std::nullopt;
    if (negative)
        value = -value;
    ScannedInt r;
    r.length = p;
    if (overflow || value > INT_MAX || value < INT_MIN) {
        r.saturated = true;
        r.value = negative ? INT_MIN : INT_MAX;
    } else {
        r.value = static_cast<int>(value);
    }
    return r;
}

std::optional<double> parseDouble(std::string_view text) {
    return parseWhole<double>(text);
}

std::optional<float> parseFloat(std::string_view text) {
    return parseWhole<float>(text);
}

std::optional<int> parseInt(std::string_view text) {
    const std::string_view t = trimmed(text);
    const std::optional<ScannedInt> r = scanInt(t);
    if (!r || r->saturated || r->length != t.size())
        return std::nullopt;
    return r->value;
}

} // namespace brelvan
