#include "support/TextFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <vector>

namespace brelvan {

long long FormatArg::asInt() const {
    switch (m_kind) {
    case Kind::Int:
    case Kind::Char:
        return m_int;
    case Kind::Double: {
        if (!std::isfinite(m_double))
            return 0;
        if (m_double >= 9.2e18)
            return std::numeric_limits<long long>::max();
        if (m_double <= -9.2e18)
            return std::numeric_limits<long long>::min();
        return static_cast<long long>(m_double);
    }
    case Kind::Text:
        return 0;
    }
    return 0;
}

double FormatArg::asDouble() const {
    switch (m_kind) {
    case Kind::Double:
        return m_double;
    case Kind::Int:
    case Kind::Char:
        return static_cast<double>(m_int);
    case Kind::Text:
        return 0.0;
    }
    return 0.0;
}

namespace {

struct Conversion {
    bool left = false, plus = false, space = false, alt = false, zero = false;
    int width = 0;
    int precision = -1;
    char conv = 0;
};

std::size_t utf8Length(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

// Byte length of the first `chars` code points of s.
std::size_t utf8Prefix(std::string_view s, std::size_t chars) {
    std::size_t i = 0, n = 0;
    while (i < s.size()) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (n == chars)
                break;
            ++n;
        }
        ++i;
    }
    return i;
}

void pad(std::string& out, std::string_view sign, std::string_view body, const Conversion& sp,
         std::size_t bodyChars, bool zeroAllowed) {
    const std::size_t len = sign.size() + bodyChars;
    const std::size_t width = sp.width > 0 ? static_cast<std::size_t>(sp.width) : 0;
    const std::size_t fill = width > len ? width - len : 0;
    if (sp.left) {
        out += sign;
        out += body;
        out.append(fill, ' ');
    } else if (sp.zero && zeroAllowed) {
        out += sign;
        out.append(fill, '0');
        out += body;
    } else {
        out.append(fill, ' ');
        out += sign;
        out += body;
    }
}

std::string toChars(double v, std::chars_format fmt, int precision) {
    // Report numbers fit the small buffer; to_chars says when one does not, and then a buffer
    // large enough for any double in fixed notation with that precision takes it.
    std::array<char, 64> small;
    auto r = std::to_chars(small.data(), small.data() + small.size(), v, fmt, precision);
    if (r.ec == std::errc())
        return std::string(small.data(), r.ptr);
    std::vector<char> buf(static_cast<std::size_t>(400 + (precision > 0 ? precision : 0)));
    r = std::to_chars(buf.data(), buf.data() + buf.size(), v, fmt, precision);
    if (r.ec != std::errc())
        return "?";
    return std::string(buf.data(), r.ptr);
}

// %#g: the notation %g chooses for `precision` significant digits, with its trailing zeros and
// always with a decimal point.
std::string generalKeepingZeros(double v, int precision) {
    const std::string scientific = toChars(v, std::chars_format::scientific, precision - 1);
    // "d.ddde+XX" or "d.ddde-XX"; from_chars takes no '+'.
    auto e = scientific.find('e') + 1;
    if (e < scientific.size() && scientific[e] == '+')
        ++e;
    int exponent = 0;
    std::from_chars(scientific.data() + e, scientific.data() + scientific.size(), exponent);
    std::string body = scientific;
    if (exponent < precision && exponent >= -4)
        body = toChars(v, std::chars_format::fixed, precision - 1 - exponent);
    if (body.find('.') == std::string::npos) {
        const auto end = body.find('e');
        body.insert(end == std::string::npos ? body.size() : end, 1, '.');
    }
    return body;
}

void formatFloat(std::string& out, double v, const Conversion& sp) {
    const bool upper = sp.conv == 'F' || sp.conv == 'E' || sp.conv == 'G';
    std::string sign;
    if (std::signbit(v)) {
        sign = "-";
        v = -v;
    } else if (sp.plus) {
        sign = "+";
    } else if (sp.space) {
        sign = " ";
    }
    std::string body;
    bool finite = std::isfinite(v);
    if (!finite) {
        body = std::isnan(v) ? "nan" : "inf";
    } else {
        const int prec = sp.precision < 0 ? 6 : sp.precision;
        switch (sp.conv) {
        case 'f':
        case 'F':
            body = toChars(v, std::chars_format::fixed, prec);
            if (sp.alt && prec == 0)
                body += '.';
            break;
        case 'e':
        case 'E':
            body = toChars(v, std::chars_format::scientific, prec);
            if (sp.alt && prec == 0)
                body.insert(1, 1, '.');
            break;
        default: // g, G
            body = sp.alt ? generalKeepingZeros(v, prec == 0 ? 1 : prec)
                          : toChars(v, std::chars_format::general, prec == 0 ? 1 : prec);
            break;
        }
    }
    if (upper)
        for (char& c : body)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
    pad(out, sign, body, sp, body.size(), finite);
}

void formatInt(std::string& out, long long v, const Conversion& sp) {
    std::string sign;
    unsigned long long mag;
    const bool isSigned = sp.conv == 'd' || sp.conv == 'i';
    if (isSigned && v < 0) {
        sign = "-";
        mag = 0ULL - static_cast<unsigned long long>(v);
    } else {
        mag = static_cast<unsigned long long>(v);
        if (!isSigned && v < 0)
            mag = static_cast<unsigned long long>(static_cast<unsigned int>(v));
        if (isSigned && sp.plus)
            sign = "+";
        else if (isSigned && sp.space)
            sign = " ";
    }
    int base = 10;
    if (sp.conv == 'x' || sp.conv == 'X')
        base = 16;
    else if (sp.conv == 'o')
        base = 8;
    char buf[72];
    auto r = std::to_chars(buf, buf + sizeof buf, mag, base);
    std::string digits(buf, r.ptr);
    if (sp.conv == 'X')
        for (char& c : digits)
            if (c >= 'a' && c <= 'f')
                c = static_cast<char>(c - 'a' + 'A');
    if (sp.precision >= 0) {
        if (sp.precision == 0 && mag == 0)
            digits.clear();
        else if (digits.size() < static_cast<std::size_t>(sp.precision))
            digits.insert(0, static_cast<std::size_t>(sp.precision) - digits.size(), '0');
    }
    if (sp.alt && base == 16 && mag != 0)
        sign += sp.conv == 'X' ? "0X" : "0x";
    else if (sp.alt && base == 8 && (digits.empty() || digits.front() != '0'))
        digits.insert(0, 1, '0'); // also the 0 that precision 0 leaves out
    pad(out, sign, digits, sp, digits.size(), sp.precision < 0);
}

} // namespace

std::string vcformat(std::string_view f, std::span<const FormatArg> args) {
    std::string out;
    out.reserve(f.size() + 16 * args.size());
    std::size_t next = 0;
    auto take = [&]() -> const FormatArg* { return next < args.size() ? &args[next++] : nullptr; };
    std::size_t i = 0;
    while (i < f.size()) {
        const char c = f[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        ++i;
        if (i >= f.size()) {
            out += '%';
            break;
        }
        Conversion sp;
        for (; i < f.size(); ++i) {
            const char fl = f[i];
            if (fl == '-')
                sp.left = true;
            else if (fl == '+')
                sp.plus = true;
            else if (fl == ' ')
                sp.space = true;
            else if (fl == '#')
                sp.alt = true;
            else if (fl == '0')
                sp.zero = true;
            else
                break;
        }
        auto readNumber = [&](int& target) {
            long long v = 0;
            while (i < f.size() && f[i] >= '0' && f[i] <= '9') {
                v = v * 10 + (f[i] - '0');
                if (v > 100000)
                    v = 100000; // no field is ever that wide; keeps the output bounded
                ++i;
            }
            target = static_cast<int>(v);
        };
        if (i < f.size() && f[i] == '*') {
            ++i;
            const FormatArg* a = take();
            long long w = a ? a->asInt() : 0;
            if (w < 0) {
                sp.left = true;
                // Not negated beyond the bound: the most negative value has no positive twin.
                w = w < -100000 ? 100000 : -w;
            }
            sp.width = static_cast<int>(w > 100000 ? 100000 : w);
        } else {
            readNumber(sp.width);
        }
        if (i < f.size() && f[i] == '.') {
            ++i;
            if (i < f.size() && f[i] == '*') {
                ++i;
                const FormatArg* a = take();
                long long p = a ? a->asInt() : 0;
                sp.precision = p < 0 ? -1 : static_cast<int>(p > 100000 ? 100000 : p);
            } else {
                readNumber(sp.precision);
            }
        }
        while (i < f.size() && (f[i] == 'h' || f[i] == 'l' || f[i] == 'L' || f[i] == 'z' ||
                                f[i] == 'j' || f[i] == 't'))
            ++i;
        if (i >= f.size())
            break;
        sp.conv = f[i++];
        switch (sp.conv) {
        case '%':
            out += '%';
            break;
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
        case 'o': {
            const FormatArg* a = take();
            formatInt(out, a ? a->asInt() : 0, sp);
            break;
        }
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G': {
            const FormatArg* a = take();
            formatFloat(out, a ? a->asDouble() : 0.0, sp);
            break;
        }
        case 'c': {
            const FormatArg* a = take();
            const char ch = static_cast<char>(a ? a->asInt() : ' ');
            const std::string_view body(&ch, 1);
            pad(out, {}, body, sp, 1, false);
            break;
        }
        case 's': {
            const FormatArg* a = take();
            std::string_view s = a ? a->asText() : std::string_view{};
            if (sp.precision >= 0)
                s = s.substr(0, utf8Prefix(s, static_cast<std::size_t>(sp.precision)));
            pad(out, {}, s, sp, utf8Length(s), false);
            break;
        }
        default:
            // Unknown conversion: written as it stands.
            out += '%';
            out += sp.conv;
            break;
        }
    }
    return out;
}

std::string fixedText(double v, int decimals) {
    std::string out(32, '\0');
    for (;;) {
        const auto res = std::to_chars(out.data(), out.data() + out.size(), v,
                                       std::chars_format::fixed, decimals);
        if (res.ec == std::errc()) {
            out.resize(static_cast<std::size_t>(res.ptr - out.data()));
            return out;
        }
        out.resize(out.size() * 2);
    }
}

std::string shortestText(double v, char decimal) {
    if (v == 0)
        v = 0; // no "-0"
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    if (decimal != '.')
        std::replace(text.begin(), text.end(), '.', decimal);
    return text;
}

std::string formatDouble(double v) {
    return cformat("%.15g", v);
}
std::string formatFloat(float v) {
    return cformat("%.6g", static_cast<double>(v));
}
std::string formatInt(int v) {
    return cformat("%d", v);
}

} // namespace brelvan
