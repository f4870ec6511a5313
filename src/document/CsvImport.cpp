#include "document/CsvImport.h"

#include "support/FileIo.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "document/DocumentCommands.h"
#include "engine/DayNumber.h"
#include "support/Cp1252.h"
#include "support/TextFormat.h"

namespace brelvan::csv {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    // A no-break space (UTF-8) around a value, as some spreadsheets write it.
    while (s.size() >= 2 && s.substr(0, 2) == "\xC2\xA0")
        s.remove_prefix(2);
    while (s.size() >= 2 && s.substr(s.size() - 2) == "\xC2\xA0")
        s.remove_suffix(2);
    return s;
}

bool validUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        if (c < 0x80)
            n = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            n = 1;
        else if ((c & 0xF0) == 0xE0)
            n = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            n = 3;
        else
            return false;
        if (i + n >= s.size())
            return false;
        for (std::size_t k = 1; k <= n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += n + 1;
    }
    return true;
}

// Digits only, 1 to `maxDigits` of them.
bool readInt(std::string_view s, std::size_t minDigits, std::size_t maxDigits, int& value) {
    if (s.size() < minDigits || s.size() > maxDigits)
        return false;
    if (!std::all_of(s.begin(), s.end(), isDigit))
        return false;
    value = 0;
    for (char c : s)
        value = value * 10 + (c - '0');
    return true;
}

struct Record {
    int lineNumber = 0;
    std::string text; // as it stands in the file, without the line end
    std::vector<std::string> cells;
};

// Splits the text into records and cells. A cell in double quotes may hold the separator, line
// breaks and doubled quotes.
std::vector<Record> split(std::string_view text, char separator) {
    std::vector<Record> records;
    Record current;
    std::string cell;
    int line = 1;
    current.lineNumber = 1;
    bool quoted = false;
    bool cellStarted = false;
    std::size_t recordStart = 0;
    auto endRecord = [&](std::size_t end) {
        current.cells.push_back(cell);
        current.text.assign(text.substr(recordStart, end - recordStart));
        if (!current.text.empty() && current.text.back() == '\r')
            current.text.pop_back();
        records.push_back(std::move(current));
        current = Record{};
        cell.clear();
        cellStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    cell.push_back('"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++line;
                cell.push_back(c);
            }
            continue;
        }
        if (c == '"' && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == separator) {
            current.cells.push_back(cell);
            cell.clear();
            cellStarted = false;
        } else if (c == '\n' || c == '\r') {
            endRecord(i);
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            recordStart = i + 1;
            current.lineNumber = line;
        } else {
            if (!isSpace(c))
                cellStarted = true;
            cell.push_back(c);
        }
    }
    if (recordStart < text.size() || !cell.empty() || !current.cells.empty())
        endRecord(text.size());
    return records;
}

char detectSeparator(std::string_view text) {
    // The first lines decide: a tab wins, then the semicolon, then the comma.
    std::size_t lines = 0;
    std::size_t tabs = 0, semicolons = 0, commas = 0;
    for (std::size_t i = 0; i < text.size() && lines < 20; ++i) {
        switch (text[i]) {
        case '\t':
            ++tabs;
            break;
        case ';':
            ++semicolons;
            break;
        case ',':
            ++commas;
            break;
        case '\n':
            ++lines;
            break;
        default:
            break;
        }
    }
    if (tabs > 0)
        return '\t';
    if (semicolons > 0)
        return ';';
    if (commas > 0)
        return ',';
    return ';';
}

bool allEmpty(const Record& r) {
    return std::all_of(r.cells.begin(), r.cells.end(),
                       [](const std::string& c) { return trim(c).empty(); });
}

// Lower-case words of a heading name, umlauts kept; "ß" as "ss".
std::vector<std::string> words(std::string_view name) {
    std::vector<std::string> out;
    std::string word;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c >= 0x80) {
            if (name.substr(i, 2) == "\xC3\x9F") {
                word += "ss";
                ++i;
                continue;
            }
            word.push_back(static_cast<char>(c));
        } else if (std::isalnum(c)) {
            word.push_back(static_cast<char>(std::tolower(c)));
        } else {
            if (!word.empty())
                out.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        out.push_back(word);
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

enum class Role { None, Date, Gp, Pressure, Water };

Role roleOf(std::string_view name) {
    const std::vector<std::string> w = words(name);
    if (w.empty())
        return Role::None;
    // p/z and computed values are not the measured pressure.
    std::string lower;
    for (char c : name)
        lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    const bool pz =
        lower.find("p/z") != std::string::npos || std::find(w.begin(), w.end(), "pz") != w.end();
    for (const std::string& x : w) {
        if (x == "datum" || x == "date" || x == "messdatum" || x == "zeitpunkt" || x == "tag" ||
            x == "day")
            return Role::Date;
    }
    // Produced water before Gp: "Kum. Wasser" is water, not gas.
    for (const std::string& x : w) {
        if (x == "wp" || startsWith(x, "wasser") || x == "water")
            return Role::Water;
    }
    for (const std::string& x : w) {
        if (x == "gp" || startsWith(x, "kum") || startsWith(x, "cum") ||
            startsWith(x, "produktion") || startsWith(x, "production") ||
            startsWith(x, "f\xC3\xB6rder") || startsWith(x, "foerder") || x == "produced")
            return Role::Gp;
    }
    if (pz)
        return Role::None;
    for (const std::string& x : w) {
        if (x.find("druck") != std::string::npos || x == "pressure" || x == "p" || x == "shut" ||
            x == "pws" || x == "bhp")
            return Role::Pressure;
    }
    return Role::None;
}

const std::string& cellAt(const Record& r, int column) {
    static const std::string empty;
    if (column < 0 || static_cast<std::size_t>(column) >= r.cells.size())
        return empty;
    return r.cells[static_cast<std::size_t>(column)];
}

bool looksNumeric(std::string_view s) {
    s = trim(s);
    if (s.empty())
        return false;
    double v = 0;
    return parseNumber(s, '.', v) || parseNumber(s, ',', v);
}

// The decimal character the number cells of the columns use most.
char detectDecimal(const std::vector<Record>& records, std::size_t first,
                   const std::vector<int>& columns) {
    std::size_t comma = 0, point = 0;
    for (std::size_t i = first; i < records.size(); ++i) {
        for (int col : columns) {
            const std::string_view s = trim(cellAt(records[i], col));
            const bool hasComma = s.find(',') != std::string_view::npos;
            const bool hasPoint = s.find('.') != std::string_view::npos;
            if (hasComma && !hasPoint)
                ++comma;
            else if (hasPoint && !hasComma)
                ++point;
            else if (hasComma && hasPoint)
                (s.rfind(',') > s.rfind('.') ? comma : point) += 1;
        }
    }
    return comma > point ? ',' : '.';
}

// The line as typed lines enter the list.
std::string listLine(const Row& r) {
    // Produced water follows the pressure; a row with water and no pressure has 0 there.
    if (r.water != 0)
        return cformat("     %2d.%2d.%4d  %13.3f  %16.1f  %12.4f", r.day, r.month, r.year,
                       static_cast<double>(r.gp), static_cast<double>(r.pressure.value_or(0)),
                       static_cast<double>(r.water));
    if (r.pressure)
        return cformat("     %2d.%2d.%4d  %13.3f  %16.1f ", r.day, r.month, r.year,
                       static_cast<double>(r.gp), static_cast<double>(*r.pressure));
    return cformat("     %2d.%2d.%4d  %13.3f", r.day, r.month, r.year, static_cast<double>(r.gp));
}

} // namespace

bool parseDate(std::string_view text, int& day, int& month, int& year) {
    text = trim(text);
    // A time of day after the date (as spreadsheets write date cells) is ignored when it is
    // midnight or any other well-formed time.
    const std::size_t cut = text.find_first_of(" T");
    if (cut != std::string_view::npos && cut >= 8) {
        const std::string_view time = trim(text.substr(cut + 1));
        if (time.empty() ||
            !std::all_of(time.begin(), time.end(), [](char c) { return isDigit(c) || c == ':'; }))
            return false;
        text = text.substr(0, cut);
    }
    for (char sep : {'.', '/', '-'}) {
        const std::size_t a = text.find(sep);
        if (a == std::string_view::npos)
            continue;
        const std::size_t b = text.find(sep, a + 1);
        if (b == std::string_view::npos || text.find(sep, b + 1) != std::string_view::npos)
            return false;
        const std::string_view p1 = text.substr(0, a);
        const std::string_view p2 = text.substr(a + 1, b - a - 1);
        const std::string_view p3 = text.substr(b + 1);
        if (sep == '-')
            return readInt(p1, 4, 4, year) && readInt(p2, 1, 2, month) && readInt(p3, 1, 2, day);
        return readInt(p1, 1, 2, day) && readInt(p2, 1, 2, month) && readInt(p3, 4, 4, year);
    }
    return false;
}

bool parseNumber(std::string_view text, char decimal, double& value) {
    text = trim(text);
    const char group = decimal == ',' ? '.' : ',';
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        plain.push_back(text[i++]);
    // Integer part, with thousands grouped by threes or not at all.
    std::size_t digits = 0;
    std::size_t sinceGroup = 0;
    bool grouped = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            plain.push_back(c);
            ++digits;
            ++sinceGroup;
        } else if (c == group || (c == ' ' && digits > 0) || text.substr(i, 2) == "\xC2\xA0") {
            if (digits == 0 || (grouped && sinceGroup != 3) || (!grouped && sinceGroup > 3))
                return false;
            grouped = true;
            sinceGroup = 0;
            if (c != group && c != ' ')
                ++i; // the second byte of the no-break space
        } else {
            break;
        }
    }
    if (grouped && sinceGroup != 3)
        return false;
    if (i < text.size() && text[i] == decimal) {
        plain.push_back('.');
        ++i;
        std::size_t fraction = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++fraction)
            plain.push_back(text[i]);
        if (digits == 0 && fraction == 0)
            return false;
    } else if (digits == 0) {
        return false;
    }
    // An exponent, as spreadsheets write very small or large numbers.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            plain.push_back(text[i++]);
        std::size_t expDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++expDigits)
            plain.push_back(text[i]);
        if (expDigits == 0)
            return false;
    }
    if (i != text.size())
        return false;
    const char* begin = plain.data();
    if (*begin == '+')
        ++begin;
    double v = 0;
    const auto [end, ec] = std::from_chars(begin, plain.data() + plain.size(), v);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool isCsvPath(std::string_view path) {
    if (path.size() < 4)
        return false;
    std::string ext(path.substr(path.size() - 4));
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".csv";
}

bool readFile(const std::string& path, std::string& bytes, std::string& error) {
    // Read once and bounded: the file may be a FIFO.
    IoResult<std::string> read = readFileBounded(path, kMaxBytes);
    if (!read) {
        error = read.error();
        return false;
    }
    bytes = std::move(read.value());
    return true;
}

Result read(std::string_view bytes, const Options& options) {
    Result result;
    if (bytes.size() > kMaxBytes) {
        result.error =
            cformat("Die Datei ist größer als %d MB.", static_cast<int>(kMaxBytes >> 20));
        return result;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const std::string text = validUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);

    result.separator = options.separator ? options.separator : detectSeparator(text);
    std::vector<Record> records = split(text, result.separator);
    std::erase_if(records, allEmpty);
    if (records.empty()) {
        result.error = "Die Datei enthält keine Zeilen.";
        return result;
    }
    for (const Record& r : records)
        result.columnCount = std::max(result.columnCount, static_cast<int>(r.cells.size()));

    // A heading row holds no date.
    const Record& first = records.front();
    bool firstHasDate = false;
    for (const std::string& c : first.cells) {
        int d = 0, m = 0, y = 0;
        firstHasDate = firstHasDate || parseDate(c, d, m, y);
    }
    result.header = options.header >= 0 ? options.header == 1 : !firstHasDate;
    for (int c = 0; c < result.columnCount; ++c) {
        const std::string name = result.header ? std::string(trim(cellAt(first, c))) : "";
        result.columnNames.push_back(name.empty() ? cformat("Spalte %d", c + 1) : name);
    }
    const std::size_t firstData = result.header ? 1 : 0;

    // Columns by their heading names.
    int date = -1, gp = -1, pressure = -1, water = -1;
    if (result.header) {
        for (int c = 0; c < result.columnCount; ++c) {
            switch (roleOf(cellAt(first, c))) {
            case Role::Date:
                date = date < 0 ? c : date;
                break;
            case Role::Gp:
                gp = gp < 0 ? c : gp;
                break;
            case Role::Pressure:
                pressure = pressure < 0 ? c : pressure;
                break;
            case Role::Water:
                water = water < 0 ? c : water;
                break;
            case Role::None:
                break;
            }
        }
    }
    result.columnsFromNames = date >= 0 && gp >= 0;
    // Columns not named: the first column holding a date, then the next number columns.
    if (date < 0 || gp < 0) {
        const Record* sample = firstData < records.size() ? &records[firstData] : nullptr;
        if (sample && date < 0) {
            for (int c = 0; c < result.columnCount && date < 0; ++c) {
                int d = 0, m = 0, y = 0;
                if (c != gp && c != pressure && parseDate(cellAt(*sample, c), d, m, y))
                    date = c;
            }
        }
        if (sample && gp < 0) {
            for (int c = date + 1; c < result.columnCount && gp < 0; ++c)
                if (c != pressure && c != water && looksNumeric(cellAt(*sample, c)))
                    gp = c;
        }
        if (sample && pressure < 0 && !result.header) {
            for (int c = gp + 1; gp >= 0 && c < result.columnCount && pressure < 0; ++c)
                if (c != date && c != water && looksNumeric(cellAt(*sample, c)))
                    pressure = c;
        }
    }
    if (options.columnDate != -2)
        date = options.columnDate;
    if (options.columnGp != -2)
        gp = options.columnGp;
    if (options.columnPressure != -2)
        pressure = options.columnPressure;
    if (options.columnWater != -2)
        water = options.columnWater;
    if (water >= result.columnCount)
        water = -1;
    result.columnWater = water;
    result.columnDate = date;
    result.columnGp = gp;
    result.columnPressure = pressure;
    if (date < 0 || date >= result.columnCount) {
        result.error = "Keine Spalte mit dem Datum gefunden.";
        return result;
    }
    if (gp < 0 || gp >= result.columnCount) {
        result.error = "Keine Spalte mit der kumulativen Produktion (Gp) gefunden.";
        return result;
    }
    if (pressure >= result.columnCount)
        pressure = result.columnPressure = -1;

    std::vector<int> numberColumns = {gp};
    if (pressure >= 0)
        numberColumns.push_back(pressure);
    if (water >= 0)
        numberColumns.push_back(water);
    // In a comma-separated file a decimal comma can stand only in quoted cells, which the
    // detection sees as well.
    result.decimal =
        options.decimal ? options.decimal : detectDecimal(records, firstData, numberColumns);

    for (std::size_t i = firstData; i < records.size(); ++i) {
        const Record& rec = records[i];
        auto skip = [&](std::string reason) {
            result.skipped.push_back({rec.lineNumber, rec.text, std::move(reason)});
        };
        Row row;
        row.lineNumber = rec.lineNumber;
        const std::string_view dateText = trim(cellAt(rec, date));
        const std::string_view gpText = trim(cellAt(rec, gp));
        const std::string_view pText = trim(cellAt(rec, pressure));
        if (dateText.empty()) {
            skip("Datum fehlt");
            continue;
        }
        if (!parseDate(dateText, row.day, row.month, row.year)) {
            skip(cformat("„%s“ ist kein Datum (T.M.JJJJ, JJJJ-MM-TT oder TT/MM/JJJJ)", dateText));
            continue;
        }
        if (gpText.empty()) {
            skip("Gp fehlt");
            continue;
        }
        double gpValue = 0;
        if (!parseNumber(gpText, result.decimal, gpValue) || std::fabs(gpValue) > FLT_MAX) {
            skip(cformat("Gp „%s“ ist keine Zahl", gpText));
            continue;
        }
        if (gpValue < 0) {
            skip("Gp ist negativ");
            continue;
        }
        row.gp = static_cast<float>(gpValue);
        if (!pText.empty()) {
            double p = 0;
            if (!parseNumber(pText, result.decimal, p) || std::fabs(p) > FLT_MAX) {
                skip(cformat("Druck „%s“ ist keine Zahl", pText));
                continue;
            }
            if (p < 0) {
                skip("Druck ist negativ");
                continue;
            }
            row.pressure = static_cast<float>(p);
        }
        if (const std::string_view wText = trim(cellAt(rec, water)); !wText.empty()) {
            double w = 0;
            if (!parseNumber(wText, result.decimal, w) || std::fabs(w) > FLT_MAX) {
                skip(cformat("Wp „%s“ ist keine Zahl", wText));
                continue;
            }
            if (w < 0) {
                skip("Wp ist negativ");
                continue;
            }
            row.water = static_cast<float>(w);
        }
        // The checks of a typed line, in their order and with their messages.
        if (row.day < 1 || row.day > 31) {
            skip("Fehler bei der Angabe der Tage");
            continue;
        }
        if (row.month < 1 || row.month > 12) {
            skip("Fehler bei der Angabe der Monate");
            continue;
        }
        if (row.year < 1900 || row.year > 2200) {
            skip("Fehler bei der Angabe des Jahres");
            continue;
        }
        const double t = tage(row.day, row.month, row.year, nullptr);
        if (t == 0) {
            skip("Keine zeitliche Reihenfolge (das Datum gibt es nicht)");
            continue;
        }
        if (!(static_cast<float>(t) > options.beginn)) {
            skip("Keine zeitliche Reihenfolge (nicht nach dem Förderbeginn)");
            continue;
        }
        row.listLine = listLine(row);
        result.rows.push_back(std::move(row));
    }
    return result;
}

} // namespace brelvan::csv
