// The computed case as tables for spreadsheets: the report's table, the case data and, after a
// sensitivity search, its grid cases.
#pragma once

#include <string>
#include <vector>

#include "document/TableExport.h"

class CBrelvanDoc;

namespace brelvan {

enum class ExportFormat { CsvGerman, CsvPoint, Xlsx };

// The report's table: one row per computed row of the last run.
table::Table reportTable(const CBrelvanDoc& doc);
// The inputs of the case: name, production start, reservoir values, J inputs, composition.
table::Table caseTable(const CBrelvanDoc& doc);
// The grid cases of the last sensitivity search; no rows when none has run.
table::Table sensitivityTable(const CBrelvanDoc& doc);

// The tables of an export: a CSV holds the report's table and the sensitivity cases (when
// there are any); a workbook holds the report's table, the case data on the second sheet and
// the sensitivity cases on a third.
std::vector<table::Table> exportTables(const CBrelvanDoc& doc, ExportFormat format);

// Writes the export; the failure's reason (without the path) when there are no results
// yet or the file cannot be written.
IoResult<> exportCase(const CBrelvanDoc& doc, const std::string& path, ExportFormat format);

// The format a file name asks for: ".xlsx" a workbook, anything else CSV in `csvStyle`.
ExportFormat formatForPath(const std::string& path,
                           ExportFormat csvStyle = ExportFormat::CsvGerman);

} // namespace brelvan
