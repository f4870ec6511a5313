// The batch tool's spreadsheet side: shut-in pressure lines from CSV files and the export of
// a computed case as CSV or XLSX.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/Options.h"
#include "document/CaseExport.h"
#include "document/CsvImport.h"

class CBrelvanDoc;
class CliInterface;

namespace cli {

// Replaces the case's lines by the rows of the CSV file `path` that pass the list's checks;
// every skipped row is reported on stderr with its reason. False after a German message when
// the file cannot be read or holds no usable column.
// `columns`, when given, chooses the columns as "DATUM,GP[,DRUCK]" (numbers from 1, DRUCK 0
// for none) instead of the heading's names.
bool importCsvLines(const std::string& path, CBrelvanDoc& doc, CliInterface& ui,
                    const std::string* columns = nullptr);

// Reads "DATUM,GP[,DRUCK]" into the options; false for anything else.
bool csvColumns(const std::string& text, brelvan::csv::Options& options);

// The options --csv, --xlsx and --csv-format of a command that has computed `doc`: writes the
// files named. False after a German message when one cannot be written.
bool exportComputed(const Parsed& p, const CBrelvanDoc& doc, CliInterface& ui);

// The options --csv and --xlsx of a command with tables of its own: writes `tables(format)` to
// the files named. False after a German message when one cannot be written.
bool exportTableFiles(
    const Parsed& p,
    const std::function<std::vector<brelvan::table::Table>(brelvan::ExportFormat)>& tables,
    CliInterface& ui);

// --csv-format komma|punkt as the CSV style; false after a German message for anything else.
bool csvStyleOption(const Parsed& p, brelvan::ExportFormat& style, CliInterface& ui);

// The help lines of the options of exportComputed.
extern const char* const kExportHelp;

} // namespace cli
