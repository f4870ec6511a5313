// Shut-in pressure lines from CSV files as spreadsheets write them: the separator ";", "," or
// tab, a decimal comma or point, dates as T.M.JJJJ, JJJJ-MM-TT or TT/MM/JJJJ, an optional
// heading row whose names (German or English) tell the columns of date, Gp and pressure, and
// of the produced water Wp where there is one ("Wp", "Wasser", "Water"). A row with water may
// leave its pressure cell empty: it becomes a production-only line with 0 as its pressure.
//
// Every row becomes either a list line, written as a line typed into the list is written and
// checked by the same rules, or a skipped row with the reason. Nothing is dropped unreported
// except rows whose cells are all empty and title lines above the heading.
//
// Nothing is guessed silently: the decimal character and the order of day and month in dates
// with "/" are decided from the file's own evidence; where the file cannot decide (a "1.500"
// that may be 1.5 or 1500, a "2/1/2001" that may be 2 January or 1 February) the import stops
// with the reason and `undecided` says which choice the user has to make.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelvan::csv {

// The order of the fields of a date written with "/".
enum class DateOrder { Automatic, DayMonthYear, MonthDayYear, YearMonthDay };

// What the reader is told; every "automatic" is found from the file.
struct Options {
    char separator = 0; // ';', ',', '\t'; 0 automatic
    char decimal = 0;   // ',' or '.'; 0 automatic
    DateOrder dateOrder = DateOrder::Automatic;
    int headerLine = -1;     // the heading's line in the file (from 1); 0 none; -1 automatic
    int columnDate = -2;     // column index from 0; -2 automatic
    int columnGp = -2;       // column index from 0; -2 automatic
    int columnPressure = -2; // column index from 0; -1 none; -2 automatic
    int columnWater = -2;    // produced water Wp: column from 0; -1 none; -2 by its name only
    float beginn = 0;        // day number of the production start; lines must lie after it
};

struct Row {
    int lineNumber = 0; // in the file, from 1
    int day = 0, month = 0, year = 0;
    float gp = 0;
    std::optional<float> pressure;
    float water = 0;      // produced water Wp, Mio m3; 0 without
    std::string listLine; // the line as it enters the list
};

struct Skipped {
    int lineNumber = 0;
    std::string text;   // the row as it stands in the file
    std::string reason; // in the user's language
};

// The choice a stopped import needs from the user.
enum class Undecided { Nothing, Decimal, DateOrder };

struct Result {
    std::string error; // in the user's language; set when the file as a whole cannot be read
    Undecided undecided = Undecided::Nothing;
    char separator = ';';
    char decimal = ',';
    // The order of dates with "/"; DayMonthYear when the file has none that needs one.
    DateOrder dateOrder = DateOrder::DayMonthYear;
    bool header = false;
    int headerLine = 0; // the heading's line in the file (from 1); 0 none
    int columnCount = 0;
    std::vector<std::string> columnNames; // the heading's names, or "Spalte 1" (German), ...
    int columnDate = -1, columnGp = -1, columnPressure = -1;
    int columnWater = -1;          // produced water Wp ("Wp", "Wasser", "Water"); -1 none
    bool columnsFromNames = false; // date and Gp were found by their heading names
    std::vector<Row> rows;
    std::vector<Skipped> skipped;
};

// Largest file the reader takes, in bytes.
inline constexpr std::size_t kMaxBytes = std::size_t{32} << 20;

// Reads the bytes of a CSV file (UTF-8, with or without a byte order mark, or Windows-1252).
Result read(std::string_view bytes, const Options& options);

// One date cell in one of the forms T.M.JJJJ, JJJJ-MM-TT, TT/MM/JJJJ (or with "/" in the
// order `order`; Automatic reads day first); false for anything else. The date itself is not
// checked.
bool parseDate(std::string_view text, int& day, int& month, int& year,
               DateOrder order = DateOrder::Automatic);
// One number cell with the decimal character `decimal` ('.' or ','); the other character may
// group thousands by threes. False for anything else, also for a value that is not finite.
bool parseNumber(std::string_view text, char decimal, double& value);

// The names of the choices, for messages, in the user's language: "Komma", "Punkt"; "TMJ",
// "MTJ", "JMT" in German.
const char* decimalName(char decimal);
const char* dateOrderName(DateOrder order);

// True when `path` ends in ".csv" (any case).
bool isCsvPath(std::string_view path);

// The bytes of the file at `path` (UTF-8); false and `error` when it cannot be read
// or is larger than kMaxBytes.
bool readFile(const std::string& path, std::string& bytes, std::string& error);

} // namespace brelvan::csv
