#include "cli/CsvCommands.h"

#include <functional>

#include "cli/CliInterface.h"
#include "cli/CliTexts.h"
#include "document/CBrelvanDoc.h"
#include "document/CaseExport.h"
#include "document/CsvImport.h"
#include "document/DlgInputData.h"
#include "document/DocumentCommands.h"
#include "engine/DayNumber.h"
#include "support/TextFormat.h"

using brelvan::cformat;

namespace cli {

const char* exportHelp() {
    return tx(
        "  --csv DATEI.csv      schreibt die Tabelle des Berichts (und die Fälle einer\n"
        "                       Sensitivitätsrechnung) als CSV\n"
        "  --csv-format komma|punkt  „;“ mit Dezimalkomma (Vorgabe) oder „,“ mit Dezimalpunkt\n"
        "  --xlsx DATEI.xlsx    schreibt sie als Excel-Arbeitsmappe, die Falldaten auf dem\n"
        "                       zweiten Blatt");
}

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

const std::vector<std::string> kCsvImportOptions = {"csv-spalten", "csv-dezimal", "csv-datum",
                                                    "csv-trenner", "csv-kopfzeile"};

const char* csvImportHelp() {
    return tx(
        "  --csv-spalten D,G[,P]  wählt die Spalten von Datum, Gp und Druck (ab 1; P 0: keine)\n"
        "  --csv-dezimal komma|punkt  das Dezimalzeichen der CSV-Datei (sonst aus der Datei\n"
        "                       bestimmt; kann sie es nicht entscheiden, bricht der Import ab)\n"
        "  --csv-datum TMJ|MTJ|JMT  die Reihenfolge in Daten mit „/“: Tag, Monat, Jahr oder\n"
        "                       Monat, Tag, Jahr oder Jahr, Monat, Tag (sonst aus der Datei)\n"
        "  --csv-trenner ';'|','|tab  das Trennzeichen der Spalten (sonst aus der Datei)\n"
        "  --csv-kopfzeile N    die Zeilennummer der Überschrift, 0 für keine (sonst in den\n"
        "                       ersten zehn Zeilen gesucht; Titelzeilen darüber stören nicht)");
}

bool csvImportOptions(const Parsed& p, brelvan::csv::Options& options, std::string& error) {
    using brelvan::csv::DateOrder;
    const auto value = [&p](const char* name) -> const std::string* {
        const auto it = p.options.find(name);
        return it == p.options.end() ? nullptr : &it->second;
    };
    if (const std::string* v = value("csv-spalten"); v && !csvColumns(*v, options)) {
        error = cformat(tx("„%s“ ist keine Spaltenangabe DATUM,GP[,DRUCK] für --csv-spalten."), *v);
        return false;
    }
    if (const std::string* v = value("csv-dezimal")) {
        if (*v == "komma")
            options.decimal = ',';
        else if (*v == "punkt")
            options.decimal = '.';
        else {
            error = cformat(tx("--csv-dezimal erwartet „komma“ oder „punkt“, nicht „%s“."), *v);
            return false;
        }
    }
    if (const std::string* v = value("csv-datum")) {
        if (*v == "TMJ")
            options.dateOrder = DateOrder::DayMonthYear;
        else if (*v == "MTJ")
            options.dateOrder = DateOrder::MonthDayYear;
        else if (*v == "JMT")
            options.dateOrder = DateOrder::YearMonthDay;
        else {
            error = cformat(tx("--csv-datum erwartet „TMJ“, „MTJ“ oder „JMT“, nicht „%s“."), *v);
            return false;
        }
    }
    if (const std::string* v = value("csv-trenner")) {
        if (*v == ";" || *v == ",")
            options.separator = (*v)[0];
        else if (*v == "tab" || *v == "\t")
            options.separator = '\t';
        else {
            error = cformat(tx("--csv-trenner erwartet „;“, „,“ oder „tab“, nicht „%s“."), *v);
            return false;
        }
    }
    if (const std::string* v = value("csv-kopfzeile")) {
        const std::optional<int> n = integer(*v);
        if (!n || *n < 0 || *n > 1000000) {
            error =
                cformat(tx("--csv-kopfzeile erwartet eine Zeilennummer (0 für keine Überschrift), "
                           "nicht „%s“."),
                        *v);
            return false;
        }
        options.headerLine = *n;
    }
    return true;
}

bool importCsvLines(const std::string& path, CBrelvanDoc& doc, CliInterface& ui,
                    brelvan::csv::Options options) {
    std::string bytes;
    std::string error;
    if (!brelvan::csv::readFile(inputPath(path), bytes, error)) {
        ui.error(cformat(tx("Die Datei „%s“ kann nicht geöffnet werden: %s."), path, error));
        return false;
    }
    options.beginn = static_cast<float>(brelvan::tage(doc.m_iTag, doc.m_iMonat, doc.m_iJahr, &ui));
    const brelvan::csv::Result r = brelvan::csv::read(bytes, options);
    if (!r.error.empty()) {
        std::string hint;
        if (r.undecided == brelvan::csv::Undecided::Decimal)
            hint = tx(" Bitte mit --csv-dezimal komma oder --csv-dezimal punkt angeben, welches "
                      "Zeichen das Dezimalzeichen ist.");
        else if (r.undecided == brelvan::csv::Undecided::DateOrder)
            hint = tx(" Bitte mit --csv-datum TMJ (Tag zuerst) oder --csv-datum MTJ (Monat zuerst) "
                      "angeben, wie die Daten zu lesen sind.");
        ui.error(
            cformat(tx("Die Datei „%s“: %s%s Es wurde nichts übernommen."), path, r.error, hint));
        return false;
    }
    for (const brelvan::csv::Skipped& s : r.skipped)
        ui.message(cformat(tx("Zeile %d übersprungen (%s): %s"), s.lineNumber, s.reason, s.text));
    std::vector<std::string> lines;
    for (const brelvan::csv::Row& row : r.rows)
        lines.push_back(row.listLine);
    DlgInputData dlg;
    dlg.takeCsvLines(lines, false);
    // The largest Gp of the lines with a pressure, as the measurement check finds it.
    dlg.m_dMaxGp = 0;
    if (!lines.empty())
        dlg.PruefeMesswerte(ui);
    doc.m_Zeilen = dlg.m_Zeilen;
    doc.m_dMaxGp = dlg.m_dMaxGp;
    const auto name = [&r](int c) {
        return c < 0 ? std::string(tx("keine")) : r.columnNames[static_cast<std::size_t>(c)];
    };
    const char* const separator = r.separator == '\t'  ? tx("Tabulator")
                                  : r.separator == ',' ? tx("„,“")
                                                       : tx("„;“");
    ui.message(cformat(
        tx("%s: Datum aus „%s“, Gp aus „%s“, Druck aus „%s“; Trennzeichen %s, "
           "Dezimalzeichen %s, Datumsfolge %s, Überschrift %s; %d Zeilen übernommen, "
           "%d übersprungen"),
        path, name(r.columnDate), name(r.columnGp), name(r.columnPressure), separator,
        brelvan::csv::decimalName(r.decimal), brelvan::csv::dateOrderName(r.dateOrder),
        r.headerLine > 0 ? cformat(tx("in Zeile %d"), r.headerLine) : std::string(tx("keine")),
        r.rows.size(), r.skipped.size()));
    if (r.rows.empty()) {
        ui.error(cformat(tx("Aus der Datei „%s“ wurde keine Zeile übernommen."), path));
        return false;
    }
    return true;
}

bool csvStyleOption(const Parsed& p, brelvan::ExportFormat& style, std::string& error) {
    style = brelvan::ExportFormat::CsvGerman;
    if (const auto it = p.options.find("csv-format"); it != p.options.end()) {
        if (it->second == "punkt")
            style = brelvan::ExportFormat::CsvPoint;
        else if (it->second != "komma") {
            error =
                cformat(tx("--csv-format erwartet „komma“ oder „punkt“, nicht „%s“."), it->second);
            return false;
        }
    }
    return true;
}

bool checkOutputs(const Parsed& p, const std::vector<std::string>& names, std::string& error) {
    brelvan::ExportFormat style;
    if (!csvStyleOption(p, style, error))
        return false;
    if (const auto it = p.options.find("xlsx"); it != p.options.end() && it->second == "-") {
        error =
            tx("Eine Excel-Arbeitsmappe kann nicht auf die Standardausgabe geschrieben werden.");
        return false;
    }
    int toStdout = 0;
    for (const std::string& name : names)
        if (const auto it = p.options.find(name); it != p.options.end() && it->second == "-")
            ++toStdout;
    if (toStdout > 1) {
        error = tx("Nur eine Ausgabe kann auf die Standardausgabe („-“) gehen.");
        return false;
    }
    return true;
}

bool stdoutTaken(const Parsed& p, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (const auto it = p.options.find(name); it != p.options.end() && it->second == "-")
            return true;
    return false;
}

namespace {

// Writes --csv and --xlsx, each through `write`.
bool writeWanted(
    const Parsed& p, CliInterface& ui,
    const std::function<brelvan::IoResult<>(const std::string&, brelvan::ExportFormat)>& write) {
    brelvan::ExportFormat csvStyle = brelvan::ExportFormat::CsvGerman;
    if (std::string error; !csvStyleOption(p, csvStyle, error)) {
        ui.error(error);
        return false;
    }
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
            ui.error(cformat(tx("Die Datei „%s“ kann nicht geschrieben werden: %s."), it->second,
                             written.error()));
            return false;
        }
    }
    return true;
}

} // namespace

bool exportComputed(const Parsed& p, const CBrelvanDoc& doc, CliInterface& ui) {
    return writeWanted(p, ui, [&doc](const std::string& path, brelvan::ExportFormat format) {
        if (path == "-" && format != brelvan::ExportFormat::Xlsx)
            return writeOutput(path, brelvan::table::toCsv(brelvan::exportTables(doc, format),
                                                           format == brelvan::ExportFormat::CsvPoint
                                                               ? brelvan::table::kCsvPoint
                                                               : brelvan::table::kCsvGerman));
        return brelvan::exportCase(doc, path, format);
    });
}

bool exportTableFiles(
    const Parsed& p,
    const std::function<std::vector<brelvan::table::Table>(brelvan::ExportFormat)>& tables,
    CliInterface& ui) {
    return writeWanted(p, ui, [&tables](const std::string& path, brelvan::ExportFormat format) {
        const std::vector<brelvan::table::Table> t = tables(format);
        if (path == "-" && format != brelvan::ExportFormat::Xlsx)
            return writeOutput(path,
                               brelvan::table::toCsv(t, format == brelvan::ExportFormat::CsvPoint
                                                            ? brelvan::table::kCsvPoint
                                                            : brelvan::table::kCsvGerman));
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
