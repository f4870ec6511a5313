#include "cli/CsvCommands.h"

#include <functional>

#include "cli/CliInterface.h"
#include "document/CBrelvanDoc.h"
#include "document/CaseExport.h"
#include "document/CsvImport.h"
#include "document/DlgInputData.h"
#include "document/DocumentCommands.h"
#include "engine/DayNumber.h"
#include "support/TextFormat.h"

using brelvan::cformat;

namespace cli {

const char* const kExportHelp =
    "  --csv DATEI.csv      schreibt die Tabelle des Berichts (und die Fälle einer\n"
    "                       Sensitivitätsrechnung) als CSV\n"
    "  --csv-format komma|punkt  „;“ mit Dezimalkomma (Vorgabe) oder „,“ mit Dezimalpunkt\n"
    "  --xlsx DATEI.xlsx    schreibt sie als Excel-Arbeitsmappe, die Falldaten auf dem\n"
    "                       zweiten Blatt";

bool csvColumns(const std::string& text, brelvan::csv::Options& options) {
    std::vector<int> numbers;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(',', start);
        const std::optional<int> n = integer(text.substr(start, end - start));
        if (!n || *n < 0 || *n > 1000)
            return false;
        numbers.push_back(*n);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (numbers.size() < 2 || numbers.size() > 3 || numbers[0] < 1 || numbers[1] < 1)
        return false;
    options.columnDate = numbers[0] - 1;
    options.columnGp = numbers[1] - 1;
    options.columnPressure = numbers.size() == 3 ? numbers[2] - 1 : -1;
    return true;
}

bool importCsvLines(const std::string& path, CBrelvanDoc& doc, CliInterface& ui,
                    const std::string* columns) {
    std::string bytes;
    std::string error;
    if (!brelvan::csv::readFile(path, bytes, error)) {
        ui.error(cformat("Die Datei „%s“ kann nicht geöffnet werden: %s.", path, error));
        return false;
    }
    brelvan::csv::Options options;
    if (columns && !csvColumns(*columns, options)) {
        ui.error(
            cformat("„%s“ ist keine Spaltenangabe DATUM,GP[,DRUCK] für --csv-spalten.", *columns));
        return false;
    }
    options.beginn = static_cast<float>(brelvan::tage(doc.m_iTag, doc.m_iMonat, doc.m_iJahr, &ui));
    const brelvan::csv::Result r = brelvan::csv::read(bytes, options);
    if (!r.error.empty()) {
        ui.error(cformat("Die Datei „%s“: %s", path, r.error));
        return false;
    }
    for (const brelvan::csv::Skipped& s : r.skipped)
        ui.message(cformat("Zeile %d übersprungen (%s): %s", s.lineNumber, s.reason, s.text));
    std::vector<std::string> lines;
    for (const brelvan::csv::Row& row : r.rows)
        lines.push_back(row.listLine);
    DlgInputData dlg;
    dlg.takeCsvLines(lines, false);
    // The largest Gp of the lines with a pressure, as the measurement check finds it.
    dlg.m_dMaxGp = 0;
    dlg.PruefeMesswerte(ui);
    doc.m_Zeilen = dlg.m_Zeilen;
    doc.m_dMaxGp = dlg.m_dMaxGp;
    const auto name = [&r](int c) {
        return c < 0 ? std::string("keine") : r.columnNames[static_cast<std::size_t>(c)];
    };
    ui.message(cformat("%s: Datum aus „%s“, Gp aus „%s“, Druck aus „%s“; %d Zeilen übernommen, "
                       "%d übersprungen",
                       path, name(r.columnDate), name(r.columnGp), name(r.columnPressure),
                       r.rows.size(), r.skipped.size()));
    return true;
}

bool csvStyleOption(const Parsed& p, brelvan::ExportFormat& style, CliInterface& ui) {
    style = brelvan::ExportFormat::CsvGerman;
    if (const auto it = p.options.find("csv-format"); it != p.options.end()) {
        if (it->second == "punkt")
            style = brelvan::ExportFormat::CsvPoint;
        else if (it->second != "komma") {
            ui.error(
                cformat("--csv-format erwartet „komma“ oder „punkt“, nicht „%s“.", it->second));
            return false;
        }
    }
    return true;
}

namespace {

// Writes --csv and --xlsx, each through `write`.
bool writeWanted(
    const Parsed& p, CliInterface& ui,
    const std::function<brelvan::IoResult<>(const std::string&, brelvan::ExportFormat)>& write) {
    brelvan::ExportFormat csvStyle = brelvan::ExportFormat::CsvGerman;
    if (!csvStyleOption(p, csvStyle, ui))
        return false;
    const struct {
        const char* option;
        brelvan::ExportFormat format;
    } wanted[] = {{"csv", csvStyle}, {"xlsx", brelvan::ExportFormat::Xlsx}};
    for (const auto& w : wanted) {
        const auto it = p.options.find(w.option);
        if (it == p.options.end())
            continue;
        const brelvan::IoResult<> written = write(it->second, w.format);
        if (!written) {
            ui.error(cformat("Die Datei „%s“ kann nicht geschrieben werden: %s.", it->second,
                             written.error()));
            return false;
        }
    }
    return true;
}

} // namespace

bool exportComputed(const Parsed& p, const CBrelvanDoc& doc, CliInterface& ui) {
    return writeWanted(p, ui, [&doc](const std::string& path, brelvan::ExportFormat format) {
        return brelvan::exportCase(doc, path, format);
    });
}

bool exportTableFiles(
    const Parsed& p,
    const std::function<std::vector<brelvan::table::Table>(brelvan::ExportFormat)>& tables,
    CliInterface& ui) {
    return writeWanted(p, ui, [&tables](const std::string& path, brelvan::ExportFormat format) {
        const std::vector<brelvan::table::Table> t = tables(format);
        switch (format) {
        case brelvan::ExportFormat::Xlsx:
            return brelvan::table::writeXlsx(path, t);
        case brelvan::ExportFormat::CsvPoint:
            return brelvan::table::writeCsv(path, t, brelvan::table::kCsvPoint);
        case brelvan::ExportFormat::CsvGerman:
            break;
        }
        return brelvan::table::writeCsv(path, t, brelvan::table::kCsvGerman);
    });
}

} // namespace cli
