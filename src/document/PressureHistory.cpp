#include "document/PressureHistory.h"

#include <optional>

#include "document/DocumentTexts.h"
#include "support/Numbers.h"
#include "support/TextFormat.h"

namespace brelvan {

using document::tx;

namespace {

// The fields of one line: blanks, tabs and ";" separate; "," separates too unless the line has
// ";" or a tab, where it is a decimal comma.
std::vector<std::string> fields(std::string_view line) {
    const bool decimalComma =
        line.find(';') != std::string_view::npos || line.find('\t') != std::string_view::npos;
    std::vector<std::string> out;
    std::string current;
    for (const char c : line) {
        const bool separator = c == ' ' || c == '\t' || c == ';' || (c == ',' && !decimalComma);
        if (separator) {
            if (!current.empty())
                out.push_back(std::move(current));
            current.clear();
        } else
            current.push_back(c == ',' ? '.' : c);
    }
    if (!current.empty())
        out.push_back(std::move(current));
    return out;
}

} // namespace

bool parsePressureHistory(std::string_view text, PressureHistory& out, std::string& error) {
    out = {};
    std::size_t lineNo = 0;
    bool headingAllowed = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::vector<std::string> f = fields(line);
        if (f.empty())
            continue;
        const std::optional<double> day = parseDouble(f[0]);
        const std::optional<double> p = f.size() >= 2 ? parseDouble(f[1]) : std::nullopt;
        if (!day || !p || f.size() > 2) {
            if (headingAllowed && !day) { // a heading line
                headingAllowed = false;
                continue;
            }
            error = cformat(tx("Zeile %d des Druckverlaufs enthält nicht genau zwei Zahlen (Tage "
                               "und Druck)."),
                            static_cast<int>(lineNo));
            return false;
        }
        headingAllowed = false;
        if (out.days.size() >= kMaxHistoryRows) {
            error = cformat(tx("Der Druckverlauf hat mehr als %d Zeilen."),
                            static_cast<int>(kMaxHistoryRows));
            return false;
        }
        if (out.days.empty() && *day != 0) {
            error = cformat(tx("Die erste Zeile des Druckverlaufs (Zeile %d) muss Tag 0 mit dem "
                               "Anfangsdruck sein."),
                            static_cast<int>(lineNo));
            return false;
        }
        if (!out.days.empty() && *day < out.days.back()) {
            error = cformat(tx("Zeile %d des Druckverlaufs liegt zeitlich vor der vorigen."),
                            static_cast<int>(lineNo));
            return false;
        }
        if (!(*p > 0)) {
            error = cformat(tx("Der Druck in Zeile %d des Druckverlaufs ist nicht größer als 0."),
                            static_cast<int>(lineNo));
            return false;
        }
        out.days.push_back(*day);
        out.pressures.push_back(*p);
    }
    if (out.days.empty()) {
        error = tx("Der Druckverlauf enthält keine Zeile mit Tagen und Druck.");
        return false;
    }
    return true;
}

} // namespace brelvan
