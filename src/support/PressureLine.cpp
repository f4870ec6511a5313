#include "support/PressureLine.h"

#include <cmath>

#include "support/Numbers.h"
#include "support/SupportTexts.h"
#include "support/TextFormat.h"

namespace brelvan {
namespace {

using support::tx;

// The numbers of a line, named in the reasons a line is refused for.
enum class Field { Gp, Pressure, Water };

// Looked up only for a reason, not for every line read.
const char* fieldName(Field field) {
    switch (field) {
    case Field::Pressure:
        return tx("Druckwert");
    case Field::Water:
        return tx("Wp-Wert");
    case Field::Gp:
        break;
    }
    return tx("Gp-Wert");
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
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
        const auto r = scanInt(m_s.substr(m_pos));
        if (!r) {
            const bool onlySign =
                (m_s[m_pos] == '+' || m_s[m_pos] == '-') && m_pos + 1 >= m_s.size();
            return onlySign ? -1 : 1;
        }
        m_pos += r->length;
        out = r->value;
        return 0;
    }

    // %c: one character, white space included.
    int readChar(char& out) {
        if (atEnd())
            return -1;
        out = m_s[m_pos++];
        return 0;
    }

    // %f / %lf: a decimal number with optional sign, fraction and exponent. A number nearer to
    // zero than the type holds reads as zero; one that is refused is a matching failure and
    // leaves its reason in `problem`.
    template <class Real> int readReal(Real& out, std::string& problem, Field field) {
        skipSpace();
        if (atEnd())
            return -1;
        if ((m_s[m_pos] == '+' || m_s[m_pos] == '-') && m_pos + 1 >= m_s.size())
            return -1;
        const std::string_view rest = m_s.substr(m_pos);
        ScannedNumber<Real> r;
        if constexpr (sizeof(Real) == sizeof(float))
            r = scanFloat(rest);
        else
            r = scanDouble(rest);
        std::size_t tokenEnd = 0;
        while (tokenEnd < rest.size() && !isSpace(rest[tokenEnd]))
            ++tokenEnd;
        const std::string token(rest.substr(0, tokenEnd));
        switch (r.status) {
        case NumberStatus::None:
            return 1;
        case NumberStatus::Malformed:
            problem = cformat(tx("Der %s „%s“ ist keine gültige Zahl"), fieldName(field), token);
            return 1;
        case NumberStatus::NotFinite:
            problem = cformat(tx("Der %s „%s“ ist keine endliche Zahl"), fieldName(field), token);
            return 1;
        case NumberStatus::Ok:
        case NumberStatus::Underflow:
            break;
        }
        if (std::fabs(static_cast<double>(r.value)) > kMaxLineValue) {
            problem = cformat(tx("Der %s „%s“ liegt außerhalb jedes möglichen Wertes"),
                              fieldName(field), token);
            return 1;
        }
        m_pos += r.length;
        out = r.value;
        return 0;
    }

private:
    std::string_view m_s;
    std::size_t m_pos = 0;
};

template <class Real>
int scan(std::string_view text, PressureLineT<Real>& line, std::string& problem) {
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
    if (!step(sc.readReal(line.gp, problem, Field::Gp)))
        return count;
    if (!step(sc.readReal(line.pressure, problem, Field::Pressure)))
        return count;
    // The produced water: read where a number stands, refused (with its reason) where the
    // number is no possible one, and text of any other kind is ignored as before.
    if (sc.readReal(line.water, problem, Field::Water) == 0 && line.water < 0)
        problem = tx("Der Wp-Wert darf nicht negativ sein");
    return count;
}

} // namespace

int scanPressureLine(std::string_view text, PressureLine& line) {
    std::string problem;
    return scan(text, line, problem);
}
int scanPressureLine(std::string_view text, PressureLineF& line) {
    std::string problem;
    return scan(text, line, problem);
}

std::string pressureLineProblem(std::string_view text) {
    PressureLine line;
    std::string problem;
    scan(text, line, problem);
    return problem;
}

} // namespace brelvan
