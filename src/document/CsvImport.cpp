#include "document/CsvImport.h"

#include "support/FileIo.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>

#include "document/DocumentCommands.h"
#include "document/DocumentTexts.h"
#include "document/ListLine.h"
#include "engine/DayNumber.h"
#include "support/Cp1252.h"
#include "support/TextFormat.h"

namespace brelvan::csv {

using document::tx;

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
    // A computed or simulated pressure is never the measured one.
    for (const std::string& x : w)
        if (startsWith(x, "berechn") || startsWith(x, "rechen") || startsWith(x, "comput") ||
            startsWith(x, "calc") || startsWith(x, "simul") || startsWith(x, "modell") ||
            startsWith(x, "model") || x == "sim")
            return Role::None;
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

// What one number cell says about the decimal character.
enum class Evidence { None, Comma, Point, Ambiguous };

// "1.234,5" and "12,5" can only have a decimal comma, "1,234.5" and "1,234,567" only a decimal
// point; "1.500" and "1,500" (one to three digits, not starting with 0, then one separator and
// three digits) can be either; a cell without either character says nothing.
Evidence evidenceOf(std::string_view s) {
    s = trim(s);
    if (!s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix(1);
    if (const std::size_t e = s.find_first_of("eE"); e != std::string_view::npos)
        s = s.substr(0, e);
    const std::size_t commas = static_cast<std::size_t>(std::count(s.begin(), s.end(), ','));
    const std::size_t points = static_cast<std::size_t>(std::count(s.begin(), s.end(), '.'));
    if (commas > 0 && points > 0)
        return s.rfind(',') > s.rfind('.') ? Evidence::Comma : Evidence::Point;
    if (commas > 1)
        return Evidence::Point; // commas that group thousands
    if (points > 1)
        return Evidence::Comma;
    if (commas + points == 0)
        return Evidence::None;
    const char mark = commas ? ',' : '.';
    const std::size_t at = s.find(mark);
    std::size_t before = 0;
    for (std::size_t i = 0; i < at; ++i)
        before += isDigit(s[i]) ? 1 : 0;
    const std::string_view after = s.substr(at + 1);
    const bool threeDigits = after.size() == 3 && std::all_of(after.begin(), after.end(), isDigit);
    const bool groupStart = before >= 1 && before <= 3 && s.front() != '0' && before == at;
    if (threeDigits && groupStart)
        return Evidence::Ambiguous;
    return mark == ',' ? Evidence::Comma : Evidence::Point;
}

struct Sample {
    int lineNumber = 0;
    std::string text;
};

// The decimal character the number cells of the columns show, or the stop with its reason.
// Without any evidence the separator's usual partner is taken (every cell reads alike then).
char decideDecimal(const std::vector<Record>& records, std::size_t first,
                   const std::vector<int>& columns, char separator, Result& result) {
    std::optional<Sample> comma, point, ambiguous;
    for (std::size_t i = first; i < records.size(); ++i) {
        for (int col : columns) {
            const std::string_view cell = trim(cellAt(records[i], col));
            std::optional<Sample>* target = nullptr;
            switch (evidenceOf(cell)) {
            case Evidence::Comma:
                target = &comma;
                break;
            case Evidence::Point:
                target = &point;
                break;
            case Evidence::Ambiguous:
                target = &ambiguous;
                break;
            case Evidence::None:
                break;
            }
            if (target && !*target)
                *target = Sample{records[i].lineNumber, std::string(cell)};
        }
    }
    if (comma && point) {
        result.error =
            cformat(tx("Die Zahlen der Datei haben teils ein Dezimalkomma („%s“ in Zeile "
                       "%d), teils einen Dezimalpunkt („%s“ in Zeile %d)."),
                    comma->text, comma->lineNumber, point->text, point->lineNumber);
        result.undecided = Undecided::Decimal;
        return 0;
    }
    if (comma)
        return ',';
    if (point)
        return '.';
    if (ambiguous) {
        std::string text = ambiguous->text;
        const char mark = text.find(',') != std::string::npos ? ',' : '.';
        std::string plain = text;
        std::erase(plain, mark);
        std::string decimal = text;
        std::replace(decimal.begin(), decimal.end(), mark, ',');
        result.error = cformat(tx("„%s“ in Zeile %d kann %s oder %s bedeuten, und nichts in der "
                                  "Datei entscheidet, ob „%c“ das Dezimalzeichen ist."),
                               text, ambiguous->lineNumber, decimal, plain, mark);
        result.undecided = Undecided::Decimal;
        return 0;
    }
    return separator == ',' ? '.' : ',';
}

// The two leading fields of a date with "/" whose year stands last; false for other dates.
bool slashFields(std::string_view text, int& a, int& b) {
    text = trim(text);
    if (const std::size_t cut = text.find_first_of(" T"); cut != std::string_view::npos)
        text = text.substr(0, cut);
    const std::size_t s1 = text.find('/');
    if (s1 == std::string_view::npos)
        return false;
    const std::size_t s2 = text.find('/', s1 + 1);
    if (s2 == std::string_view::npos)
        return false;
    return readInt(text.substr(0, s1), 1, 2, a) &&
           readInt(text.substr(s1 + 1, s2 - s1 - 1), 1, 2, b);
}

// The order of day and month in the date column's cells with "/": a first field above 12 can
// only be the day, a second above 12 only the day as well (month first). A date whose fields
// could be swapped with no such cell to decide stops the import.
DateOrder decideDateOrder(const std::vector<Record>& records, std::size_t first, int column,
                          Result& result) {
    std::optional<Sample> dayFirst, monthFirst, open;
    for (std::size_t i = first; i < records.size(); ++i) {
        const std::string_view cell = trim(cellAt(records[i], column));
        int a = 0, b = 0;
        if (!slashFields(cell, a, b))
            continue;
        const Sample here{records[i].lineNumber, std::string(cell)};
        if (a > 12 && b <= 12 && !dayFirst)
            dayFirst = here;
        else if (b > 12 && a <= 12 && !monthFirst)
            monthFirst = here;
        else if (a != b && a <= 12 && b <= 12 && !open)
            open = here;
    }
    if (dayFirst && monthFirst) {
        result.error =
            cformat(tx("Die Daten der Datei stehen teils mit dem Tag zuerst („%s“ in "
                       "Zeile %d), teils mit dem Monat zuerst („%s“ in Zeile %d)."),
                    dayFirst->text, dayFirst->lineNumber, monthFirst->text, monthFirst->lineNumber);
        result.undecided = Undecided::DateOrder;
        return DateOrder::Automatic;
    }
    if (monthFirst)
        return DateOrder::MonthDayYear;
    if (dayFirst || !open)
        return DateOrder::DayMonthYear;
    int a = 0, b = 0;
    slashFields(open->text, a, b);
    result.error =
        cformat(tx("Das Datum „%s“ in Zeile %d kann der %d.%d. oder der %d.%d. sein, und "
                   "kein Datum der Datei entscheidet, ob der Tag oder der Monat zuerst "
                   "steht."),
                open->text, open->lineNumber, a, b, b, a);
    result.undecided = Undecided::DateOrder;
    return DateOrder::Automatic;
}

// The heading among the first ten lines: the first row that names a date and a Gp column;
// otherwise the row just above the first row holding a date (title rows may stand above it).
// The index of the heading's record, or -1 for none.
int findHeading(const std::vector<Record>& records) {
    constexpr int kHeadingLines = 10;
    for (std::size_t i = 0; i < records.size() && records[i].lineNumber <= kHeadingLines; ++i) {
        bool date = false, gp = false;
        for (const std::string& c : records[i].cells) {
            const Role role = roleOf(c);
            date = date || role == Role::Date;
            gp = gp || role == Role::Gp;
        }
        if (date && gp)
            return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < records.size() && records[i].lineNumber <= kHeadingLines + 1; ++i) {
        for (const std::string& c : records[i].cells) {
            int d = 0, m = 0, y = 0;
            if (parseDate(c, d, m, y))
                return static_cast<int>(i) - 1;
        }
    }
    return 0; // no date near the top: the first row is taken as the heading
}

} // namespace

bool parseDate(std::string_view text, int& day, int& month, int& year, DateOrder order) {
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
        // A year of four digits in front is read year first whatever the order.
        if (sep == '-' || (sep == '/' && (order == DateOrder::YearMonthDay || p1.size() == 4)))
            return readInt(p1, 4, 4, year) && readInt(p2, 1, 2, month) && readInt(p3, 1, 2, day);
        if (sep == '/' && order == DateOrder::MonthDayYear)
            return readInt(p1, 1, 2, month) && readInt(p2, 1, 2, day) && readInt(p3, 4, 4, year);
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

const char* decimalName(char decimal) {
    return decimal == '.' ? tx("Punkt") : tx("Komma");
}

const char* dateOrderName(DateOrder order) {
    switch (order) {
    case DateOrder::MonthDayYear:
        return tx("MTJ");
    case DateOrder::YearMonthDay:
        return tx("JMT");
    case DateOrder::DayMonthYear:
    case DateOrder::Automatic:
        break;
    }
    return tx("TMJ");
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
            cformat(tx("Die Datei ist größer als %d MB."), static_cast<int>(kMaxBytes >> 20));
        return result;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const std::string text = validUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);

    result.separator = options.separator ? options.separator : detectSeparator(text);
    std::vector<Record> records = split(text, result.separator);
    std::erase_if(records, allEmpty);
    if (records.empty()) {
        result.error = tx("Die Datei enthält keine Zeilen.");
        return result;
    }

    // The heading: the line asked for, or found near the top. Lines above it are titles.
    int heading = -1;
    if (options.headerLine > 0) {
        for (std::size_t i = 0; i < records.size() && heading < 0; ++i)
            if (records[i].lineNumber == options.headerLine)
                heading = static_cast<int>(i);
        if (heading < 0) {
            result.error = cformat(tx("Die Zeile %d der Datei ist leer oder fehlt; sie kann nicht "
                                      "die Überschrift sein."),
                                   options.headerLine);
            return result;
        }
    } else if (options.headerLine < 0) {
        heading = findHeading(records);
    }
    if (heading > 0)
        records.erase(records.begin(), records.begin() + heading);
    result.header = heading >= 0;
    result.headerLine = result.header ? records.front().lineNumber : 0;
    for (const Record& r : records)
        result.columnCount = std::max(result.columnCount, static_cast<int>(r.cells.size()));
    const Record& first = records.front();
    for (int c = 0; c < result.columnCount; ++c) {
        const std::string name = result.header ? std::string(trim(cellAt(first, c))) : "";
        result.columnNames.push_back(name.empty() ? cformat(tx("Spalte %d"), c + 1) : name);
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
        result.error = tx("Keine Spalte mit dem Datum gefunden.");
        return result;
    }
    if (gp < 0 || gp >= result.columnCount) {
        result.error = tx("Keine Spalte mit der kumulativen Produktion (Gp) gefunden.");
        return result;
    }
    if (pressure >= result.columnCount)
        pressure = result.columnPressure = -1;

    // The decimal character and the order of dates with "/", from the file's own evidence.
    std::vector<int> numberColumns = {gp};
    if (pressure >= 0)
        numberColumns.push_back(pressure);
    if (water >= 0)
        numberColumns.push_back(water);
    result.decimal = options.decimal ? options.decimal
                                     : decideDecimal(records, firstData, numberColumns,
                                                     result.separator, result);
    if (!result.error.empty())
        return result;
    result.dateOrder = options.dateOrder != DateOrder::Automatic
                           ? options.dateOrder
                           : decideDateOrder(records, firstData, date, result);
    if (!result.error.empty())
        return result;

    double lastDay = 0; // the day number of the last row taken
    int lastLine = 0;
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
            skip(tx("Datum fehlt"));
            continue;
        }
        if (!parseDate(dateText, row.day, row.month, row.year, result.dateOrder)) {
            skip(cformat(tx("„%s“ ist kein Datum (T.M.JJJJ, JJJJ-MM-TT oder %s)"), dateText,
                         result.dateOrder == DateOrder::MonthDayYear   ? tx("MM/TT/JJJJ")
                         : result.dateOrder == DateOrder::YearMonthDay ? tx("JJJJ/MM/TT")
                                                                       : tx("TT/MM/JJJJ")));
            continue;
        }
        if (gpText.empty()) {
            skip(tx("Gp fehlt"));
            continue;
        }
        double gpValue = 0;
        if (!parseNumber(gpText, result.decimal, gpValue) || std::fabs(gpValue) > FLT_MAX) {
            skip(cformat(tx("Gp „%s“ ist keine Zahl"), gpText));
            continue;
        }
        if (gpValue < 0) {
            skip(tx("Gp ist negativ"));
            continue;
        }
        row.gp = static_cast<float>(gpValue);
        if (!pText.empty()) {
            double p = 0;
            if (!parseNumber(pText, result.decimal, p) || std::fabs(p) > FLT_MAX) {
                skip(cformat(tx("Druck „%s“ ist keine Zahl"), pText));
                continue;
            }
            if (p < 0) {
                skip(tx("Druck ist negativ"));
                continue;
            }
            row.pressure = static_cast<float>(p);
        }
        if (const std::string_view wText = trim(cellAt(rec, water)); !wText.empty()) {
            double w = 0;
            if (!parseNumber(wText, result.decimal, w) || std::fabs(w) > FLT_MAX) {
                skip(cformat(tx("Wp „%s“ ist keine Zahl"), wText));
                continue;
            }
            if (w < 0) {
                skip(tx("Wp ist negativ"));
                continue;
            }
            row.water = static_cast<float>(w);
        }
        // The line as it enters the list, with the checks of a typed line.
        row.listLine = listLine(row.day, row.month, row.year, static_cast<double>(row.gp),
                                row.pressure ? std::optional<double>(*row.pressure) : std::nullopt,
                                static_cast<double>(row.water));
        const LineCheck check = checkListLine(row.listLine, options.beginn);
        switch (check.fault) {
        case LineFault::None:
            break;
        case LineFault::NoSuchDate:
            skip(cformat(tx("Das Datum %d.%d.%d gibt es nicht"), row.day, row.month, row.year));
            continue;
        case LineFault::NotAfterStart:
            skip(tx("Keine zeitliche Reihenfolge (nicht nach dem Förderbeginn)"));
            continue;
        case LineFault::Value:
            // The message ends with its own full stop, as the dialog shows it.
            skip(check.message.substr(0, check.message.size() - 1));
            continue;
        default:
            skip(check.message);
            continue;
        }
        const double t = tage(row.day, row.month, row.year, nullptr);
        if (lastLine > 0 && t == lastDay) {
            skip(cformat(tx("Das Datum steht schon in Zeile %d"), lastLine));
            continue;
        }
        if (lastLine > 0 && t < lastDay) {
            skip(cformat(tx("Keine zeitliche Reihenfolge (vor dem Datum der Zeile %d)"), lastLine));
            continue;
        }
        lastDay = t;
        lastLine = rec.lineNumber;
        result.rows.push_back(std::move(row));
    }
    return result;
}

} // namespace brelvan::csv
