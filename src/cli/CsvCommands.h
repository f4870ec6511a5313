// The batch tool's spreadsheet side: shut-in pressure lines from CSV files and the export of
// a computed case as CSV or XLSX.
#pragma once

#include <string>

#include "cli/Options.h"

class CBrelvanDoc;
class CliInterface;

namespace cli {

// Replaces the case's lines by the rows of the CSV file `path` that pass the list's checks;
// every skipped row is reported on stderr with its reason. False after a German message when
// the file cannot be read or holds no usable column.
bool importCsvLines(const std::string& path, CBrelvanDoc& doc, CliInterface& ui);

// The options --csv, --xlsx and --komma of a command that has computed `doc`: writes the
// files named. False after a German message when one cannot be written.
bool exportComputed(const Parsed& p, const CBrelvanDoc& doc, CliInterface& ui);

// The help lines of those options.
extern const char* const kExportHelp;

} // namespace cli
