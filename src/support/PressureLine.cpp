#include "support/PressureLine.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <system_error>

namespace brelvan {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Whether a number too large in magnitude for its type is near zero (a negative exponent, or no
// exponent and nothing but zeros before the point) rather than beyond the largest value.
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

class Scanner {
public:
    explicit Scanner(std::string_view s) : m_s(s) {}

    bool atEnd() const { return m_pos >= m_s.size(); }
    void skipSpace() {
        while (!atEnd() && isSpace(m_s[m_pos]))
            ++m_pos;
    }

    // %d: 0 on success, 1 on a matching failure, -1 on the end of the input.
    int readInt(int& out) {
        skipSpace();
        if (atEnd())
            return -1;
        std::size_t p = m_pos;
        bool negative = false;
        if (m_s[p] == '+' || m_s[p] == '-') {
            negative = m_s[p] == '-';
            ++p;
        }
        std::size_t digits = p;
        long long value = 0;
        bool overflow = false;
        while (digits < m_s.size() && m_s[digits] >= '0' && m_s[digits] <= '9') {
            if (value > (LLONG_MAX - 9) / 10)
                overflow = true;
            else
                value = value * 10 + (m_s[digits] - '0');
            ++digits;
        }
        if (digits == p)
            return p == m_pos ? 1 : (digits >= m_s.size() ? -1 : 1);
        m_pos = digits;
        if (negative)
            value = -value;
        if (overflow || value > INT_MAX)
            out = negative ? INT_MIN : INT_MAX;
        else if (value < INT_MIN)
            out = INT_MIN;
        else
            out = static_cast<int>(value);
        return 0;
    }

    // %c: one character, white space included.
    int readChar(char& out) {
        if (atEnd())
            return -1;
        out = m_s[m_pos++];
        return 0;
    }

    // %f / %lf: a decimal number with optional sign, fraction and exponent, or inf / nan.
    template <class Real> int readReal(Real& out) {
        skipSpace();
        if (atEnd())
            return -1;
        std::size_t p = m_pos;
        bool negative = false;
        if (m_s[p] == '+' || m_s[p] == '-') {
            negative = m_s[p] == '-';
            ++p;
        }
        if (p >= m_s.size())
            return -1;
        // from_chars takes no sign of its own beyond '-', and no leading '+'.
        Real value{};
        const char* first = m_s.data() + p;
        const char* last = m_s.data() + m_s.size();
        auto r = std::from_chars(first, last, value, std::chars_format::general);
        if (r.ec == std::errc::result_out_of_range) {
            // The text is a number, only too large or too small: take infinity or zero.
            const char* end = r.ptr;
            m_pos = static_cast<std::size_t>(end - m_s.data());
            const bool tiny =
                isTiny(std::string_view(first, static_cast<std::size_t>(end - first)));
            value = tiny ? Real(0) : std::numeric_limits<Real>::infinity();
            out = negative ? -value : value;
            return 0;
        }
        if (r.ec != std::errc() || r.ptr == first)
            return 1;
        if (*first == '-')
            return 1; // a second sign
        m_pos = static_cast<std::size_t>(r.ptr - m_s.data());
        out = negative ? -value : value;
        return 0;
    }

private:
    std::string_view m_s;
    std::size_t m_pos = 0;
};

template <class Real> int scan(std::string_view text, PressureLineT<Real>& line) {
    Scanner sc(text);
    int count = 0;
    auto step = [&](int r) -> bool {
        if (r == 0) {
            ++count;
            return true;
        }
        if (r < 0 && count == 0)
            count = -1;
        return false;
    };
    if (!step(sc.readInt(line.day)))
        return count;
    if (!step(sc.readChar(line.sep1)))
        return count;
    if (!step(sc.readInt(line.month)))
        return count;
    if (!step(sc.readChar(line.sep2)))
        return count;
    if (!step(sc.readInt(line.year)))
        return count;
    if (!step(sc.readReal(line.gp)))
        return count;
    step(sc.readReal(line.pressure));
    return count;
}

} // namespace

int scanPressureLine(std::string_view text, PressureLine& line) {
    return scan(text, line);
}
int scanPressureLine(std::string_view text, PressureLineF& line) {
    return scan(text, line);
}

} // namespace brelvan
