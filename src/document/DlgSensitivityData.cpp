#include "document/DlgSensitivityData.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "document/DataExchange.h"
#include "document/DocumentTexts.h"
#include "support/TextFormat.h"

using brelvan::document::tx;

namespace {

// A pair is usable when both values are non-zero and the maximum exceeds the minimum (and
// both are finite, so that the grid steps are numbers).
bool validPair(double min, double max) {
    return max != 0 && min != 0 && max > min && std::isfinite(min) && std::isfinite(max);
}

// The four grid values min + k * (max - min) / 3 are finite numbers (a range such as -1e308 to
// 1e308 has an infinite step).
bool finiteGrid(double min, double max) {
    const double step = (max - min) / 3;
    for (int k = 0; k < 4; ++k)
        if (!std::isfinite(min + k * step))
            return false;
    return std::isfinite(step);
}

// The error value at the beginning of a result line; none for an empty line or one that
// begins with a text instead of a number.
std::optional<double> leadingError(const std::string& line) {
    std::size_t begin = line.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return std::nullopt;
    std::size_t end = line.find_first_of(" \t", begin);
    if (end == std::string::npos)
        end = line.size();
    return brelvan::parseDouble(std::string_view(line).substr(begin, end - begin));
}

} // namespace

bool DlgSensitivityData::OnButtonOK(brelvan::UserInterface& ui) {
    const struct {
        const char* name;
        double min, max;
    } pairs[] = {{tx("JWert"), m_dMinJ, m_dMaxJ},
                 {"OGIP", m_dMinOGIP, m_dMaxOGIP},
                 {"WIP", m_dMinWIP, m_dMaxWIP}};
    for (const auto& p : pairs) {
        if (!validPair(p.min, p.max)) {
            ui.message(brelvan::cformat(tx("%s=0 bzw Max.Wert<=Min.Wert"), p.name));
            return false;
        }
        if (!finiteGrid(p.min, p.max)) {
            ui.message(brelvan::cformat(
                tx("%s: Der Bereich ist zu groß, seine Rasterwerte sind keine endlichen Zahlen"),
                p.name));
            return false;
        }
    }
    m_bSensitivitaet = 1;
    return true;
}

std::vector<std::string> sortSensResults(const std::vector<std::string>& lines) {
    struct Entry {
        std::optional<double> error;
        const std::string* line;
    };
    std::vector<Entry> entries;
    entries.reserve(lines.size());
    for (const std::string& line : lines)
        entries.push_back({leadingError(line), &line});
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.error && b.error)
            return *a.error < *b.error;
        return a.error.has_value() && !b.error.has_value();
    });
    std::vector<std::string> sorted;
    sorted.reserve(entries.size());
    for (const Entry& e : entries)
        sorted.push_back(*e.line);
    return sorted;
}
