#include "document/CaseExport.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "document/CBrelvanDoc.h"

namespace brelvan {

using table::Cell;
using table::Column;
using table::Date;
using table::Table;

namespace {

constexpr const char* kComponentNames[CBrelvanDoc::kComponents] = {
    "H2S",    "CO2",    "N2",    "CH4",   "C2H6",  "C3H8",  "iC4H10", "nC4H10",
    "iC5H12", "nC5H12", "C6H14", "C7H16", "C8H18", "C9H20", "C10H22"};

Cell number(double v) {
    return std::isfinite(v) ? Cell(v) : Cell();
}

// A single-precision input as the number it was typed as (0.2f as 0.2, not 0.200000003).
Cell number(float v) {
    if (!std::isfinite(v))
        return Cell();
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    double d = v;
    if (ec == std::errc())
        std::from_chars(buffer, end, d);
    return Cell(d);
}

} // namespace

Table reportTable(const CBrelvanDoc& doc) {
    Table t;
    t.name = "Bericht";
    t.columns = {{"Datum", -1, 12},
                 {"Zeit (Tage)", 0, 0},
                 {"Gp (Mio m3)", 3, 0},
                 {"Druck berechnet (bar)", 1, 0},
                 {"Druck gemessen (bar)", 1, 0},
                 {"p/z berechnet (bar)", 1, 0},
                 {"p/z gemessen (bar)", 1, 0},
                 {"WE (Mio m3)", 3, 0},
                 {"OGIP-Schätzung (Mio m3)", 1, 0}};
    // Produced water, where the case has any, as the last column.
    bool water = false;
    for (const engine::RowRecord& r : doc.m_Tabelle)
        water = water || r.wp != 0;
    if (water)
        t.columns.push_back({"Wp (Mio m3)", 3, 0});
    for (const engine::RowRecord& r : doc.m_Tabelle) {
        std::vector<Cell> row = {Date{r.day, r.month, r.year}, number(r.days), number(r.gp),
                                 number(r.p)};
        row.push_back(r.measured ? number(r.pMeasured) : Cell());
        row.push_back(number(r.pz));
        row.push_back(r.measured ? number(r.pzMeasured) : Cell());
        row.push_back(number(r.we));
        row.push_back(r.measured ? number(r.ogipEstimate) : Cell());
        if (water)
            row.push_back(number(r.wp));
        t.rows.push_back(std::move(row));
    }
    return t;
}

Table caseTable(const CBrelvanDoc& doc) {
    Table t;
    t.name = "Falldaten";
    t.columns = {{"Größe", -1, 34}, {"Wert", -1, 16}, {"Einheit", -1, 14}};
    auto add = [&t](const char* name, Cell value, const char* unit) {
        t.rows.push_back({std::string(name), std::move(value), std::string(unit)});
    };
    add("Feld", doc.m_strFeldname, "");
    add("Förderbeginn", Date{doc.m_iTag, doc.m_iMonat, doc.m_iJahr}, "");
    add("Lagerstättentemperatur", number(doc.m_dTemperatur), "Grad C");
    add("Original-Gas-in-place (OGIP)", number(doc.m_dOGIP), "Mio m3");
    add("Original-Wasser-in-place (WIP)", number(doc.m_dWIP), "Mio m3");
    add("Initialer Lagerstättendruck", number(doc.m_dDruck), "bar");
    add("Initialer z-Wert", number(doc.m_dZInit), "-");
    add("Kompressibilität", number(doc.m_dKompress), "1E-5/bar");
    add("J-Wert nach Fetkovich", number(doc.m_dJWert), "m3/(Tag·bar)");
    // The gas zone's values where the case has them.
    if (doc.m_dKompressFormation != 0 || doc.m_dKompressWasser != 0 || doc.m_dSwi != 0 ||
        doc.m_dBw != 1) {
        add("Kompressibilität Gestein der Gaszone", number(doc.m_dKompressFormation), "1E-5/bar");
        add("Kompressibilität Haftwasser", number(doc.m_dKompressWasser), "1E-5/bar");
        add("Haftwassersättigung", number(doc.m_dSwi), "-");
        add("Formationsvolumenfaktor Wasser", number(doc.m_dBw), "m3/m3");
    }
    add("Grafik x-Achse", std::string(doc.m_iGrafiktyp == 0 ? "Tage" : "Kum.Produktion"), "");
    add("Permeabilität", number(doc.m_fPermeabilitaet), "mD");
    add("Mächtigkeit", number(doc.m_fMaechtigkeit), "m");
    add("Viskosität", number(doc.m_fViskositaet), "cp");
    add("Porosität", number(doc.m_fPorositaet), "-");
    add("Radius bis GWC", number(doc.m_fRadiusGWC), "m");
    add("Radius bis Ende der Wasserzone", number(doc.m_fRadiusEnde), "m");
    add("Tiefe (lineare Wasserzone)", number(doc.m_fTiefe), "m");
    add("Breite (lineare Wasserzone)", number(doc.m_fBreite), "m");
    add("Winkel", number(doc.m_fWinkel), "Grad");
    for (int i = 0; i < CBrelvanDoc::kComponents; ++i)
        add(kComponentNames[i], number(doc.m_fGas[static_cast<std::size_t>(i)]), "%");
    return t;
}

Table sensitivityTable(const CBrelvanDoc& doc) {
    Table t;
    t.name = "Sensitivität";
    t.columns = {{"Fall", 0, 0},
                 {"Mittlerer Fehler (bar)", 4, 0},
                 {"OGIP (Mio m3)", 1, 0},
                 {"WIP (Mio m3)", 1, 0},
                 {"J-Wert (m3/(Tag·bar))", 1, 0}};
    int n = 0;
    for (const CBrelvanDoc::SensWert& s : doc.m_SensWerte)
        t.rows.push_back({static_cast<double>(++n), number(s.error), number(s.ogip), number(s.wip),
                          number(s.jWert)});
    return t;
}

std::vector<Table> exportTables(const CBrelvanDoc& doc, ExportFormat format) {
    std::vector<Table> tables = {reportTable(doc)};
    if (format == ExportFormat::Xlsx)
        tables.push_back(caseTable(doc));
    if (!doc.m_SensWerte.empty())
        tables.push_back(sensitivityTable(doc));
    return tables;
}

IoResult<> exportCase(const CBrelvanDoc& doc, const std::string& path, ExportFormat format) {
    if (doc.m_Tabelle.empty())
        return IoResult<>::failure("es liegen keine berechneten Zeilen vor");
    const std::vector<Table> tables = exportTables(doc, format);
    switch (format) {
    case ExportFormat::Xlsx:
        return table::writeXlsx(path, tables);
    case ExportFormat::CsvPoint:
        return table::writeCsv(path, tables, table::kCsvPoint);
    case ExportFormat::CsvGerman:
        break;
    }
    return table::writeCsv(path, tables, table::kCsvGerman);
}

ExportFormat formatForPath(const std::string& path, ExportFormat csvStyle) {
    std::string ext = path.size() >= 5 ? path.substr(path.size() - 5) : path;
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".xlsx" ? ExportFormat::Xlsx : csvStyle;
}

} // namespace brelvan
