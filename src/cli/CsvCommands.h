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

// The options of the CSV import, without the production start: --csv-spalten, --csv-dezimal,
// --csv-datum, --csv-trenner, --csv-kopfzeile. False and `error` for a bad value.
bool csvImportOptions(const Parsed& p, brelvan::csv::Options& options, std::string& error);
// The option names csvImportOptions reads.
extern const std::vector<std::string> kCsvImportOptions;

// Replaces the case's lines by the rows of the CSV file `path` ("-": standard input) that pass
// the list's checks; every skipped row is reported on stderr with its reason. False after a
// German message when the file cannot be read, holds no usable column or leaves a choice to
// the user (the message names the option that makes it).
bool importCsvLines(const std::string& path, CBrelvanDoc& doc, CliInterface& ui,
                    brelvan::csv::Options options);

// Reads "DATUM,GP[,DRUCK]" into the options; false for anything else.
bool csvColumns(const std::string& text, brelvan::csv::Options& options);

// The options --csv, --xlsx and --csv-format of a command that has computed `doc`: writes the
// files named. False after a message when one cannot be written.
bool exportComputed(const Parsed& p, const CBrelvanDoc& doc, CliInterface& ui);

// The options --csv and --xlsx of a command with tables of its own: writes `tables(format)` to
// the files named. False after a message when one cannot be written.
bool exportTableFiles(
    const Parsed& p,
    const std::function<std::vector<brelvan::table::Table>(brelvan::ExportFormat)>& tables,
    CliInterface& ui);

// --csv-format komma|punkt as the CSV style; false and `error` for anything else.
bool csvStyleOption(const Parsed& p, brelvan::ExportFormat& style, std::string& error);

// The output options `names` of a command, checked before anything is computed: --csv-format,
// at most one of them "-" (standard output), --xlsx never "-". False and `error`.
bool checkOutputs(const Parsed& p, const std::vector<std::string>& names, std::string& error);
// Whether one of the output options `names` is "-": standard output then carries that file only.
bool stdoutTaken(const Parsed& p, const std::vector<std::string>& names);

// The help lines of the options of csvImportOptions.
const char* csvImportHelp();

// The help lines of the options of exportComputed.
const char* exportHelp();

} // namespace cli
