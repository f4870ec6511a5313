// Tables of numbers, dates and texts written for spreadsheets: as CSV (";" with a decimal comma
// as German spreadsheets read it, or "," with a decimal point) and as an XLSX workbook with one
// sheet per table, numbers as numbers and dates as dates.
//
// Any result of the program that is a table goes out through these writers; the case export
// builds its tables from the computed case, and further results (fits, maps) only need to
// build theirs.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "support/FileIo.h"

namespace brelvan::table {

struct Date {
    int day = 0, month = 0, year = 0;
};

// An empty cell, a number, a date or a text (UTF-8).
using Cell = std::variant<std::monostate, double, Date, std::string>;

struct Column {
    std::string heading; // with the unit, e.g. "Gp (Mio m3)"
    int decimals = -1;   // places shown in a spreadsheet; -1 general; the value is written whole
    double width = 0;    // column width in characters in a workbook; 0 from the heading
};

struct Table {
    std::string name; // the sheet name in a workbook (at most 31 characters)
    std::vector<Column> columns;
    std::vector<std::vector<Cell>> rows;
};

struct CsvStyle {
    char separator = ';';
    char decimal = ',';
};
inline constexpr CsvStyle kCsvGerman{';', ','};
inline constexpr CsvStyle kCsvPoint{',', '.'};

// The CSV text: each table as a heading row and its rows, tables parted by an empty line.
// Numbers are written in their shortest exact form, dates as T.M.JJJJ with the decimal comma
// and as JJJJ-MM-TT with the decimal point; the German form starts with a UTF-8 byte order
// mark, so that spreadsheets take the text as UTF-8. Lines end with CR LF.
std::string toCsv(const std::vector<Table>& tables, CsvStyle style);

// Writes toCsv atomically to `path`; the failure's reason is in the user's language, without
// the path.
IoResult<> writeCsv(const std::string& path, const std::vector<Table>& tables, CsvStyle style);

// Writes an XLSX workbook with one sheet per table: headings bold, the heading row frozen,
// numbers with their decimals, dates in the form TT.MM.JJJJ. Atomic like writeCsv; the
// workbook's temporary file is gone again whatever fails.
IoResult<> writeXlsx(const std::string& path, const std::vector<Table>& tables);

} // namespace brelvan::table
