#include "document/CaseExport.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "document/CBrelvanDoc.h"
#include "document/DocumentTexts.h"

namespace brelvan {

using document::tx;
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
    t.name = tx("Bericht");
    t.columns = {{tx("Datum"), -1, 12},
                 {tx("Zeit (Tage)"), 0, 0},
                 {tx("Gp (Mio m3)"), 3, 0},
                 {tx("Druck berechnet (bar)"), 1, 0},
                 {tx("Druck gemessen (bar)"), 1, 0},
                 {tx("p/z berechnet (bar)"), 1, 0},
                 {tx("p/z gemessen (bar)"), 1, 0},
                 {tx("WE (Mio m3)"), 3, 0},
                 {tx("OGIP-Schätzung (Mio m3)"), 1, 0}};
    // Produced water, where the case has any, as the last column.
    bool water = false;
    for (const engine::RowRecord& r : doc.m_Tabelle)
        water = water || r.wp != 0;
    if (water)
        t.columns.push_back({tx("Wp (Mio m3)"), 3, 0});
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
    t.name = tx("Falldaten");
    t.columns = {{tx("Größe"), -1, 34}, {tx("Wert"), -1, 16}, {tx("Einheit"), -1, 14}};
    auto add = [&t](const char* name, Cell value, const char* unit) {
        t.rows.push_back({std::string(name), std::move(value), std::string(unit)});
    };
    add(tx("Feld"), doc.m_strFeldname, "");
    add(tx("Förderbeginn"), Date{doc.m_iTag, doc.m_iMonat, doc.m_iJahr}, "");
    add(tx("Lagerstättentemperatur"), number(doc.m_dTemperatur), tx("Grad C"));
    add(tx("Original-Gas-in-place (OGIP)"), number(doc.m_dOGIP), tx("Mio m3"));
    add(tx("Original-Wasser-in-place (WIP)"), number(doc.m_dWIP), tx("Mio m3"));
    add(tx("Initialer Lagerstättendruck"), number(doc.m_dDruck), "bar");
    add(tx("Initialer z-Wert"), number(doc.m_dZInit), "-");
    add(tx("Kompressibilität"), number(doc.m_dKompress), "1E-5/bar");
    add(tx("J-Wert nach Fetkovich"), number(doc.m_dJWert), tx("m3/(Tag·bar)"));
    // The gas zone's values where the case has them.
    if (doc.m_dKompressFormation != 0 || doc.m_dKompressWasser != 0 || doc.m_dSwi != 0 ||
        doc.m_dBw != 1) {
        add(tx("Kompressibilität Gestein der Gaszone"), number(doc.m_dKompressFormation),
            "1E-5/bar");
        add(tx("Kompressibilität Haftwasser"), number(doc.m_dKompressWasser), "1E-5/bar");
        add(tx("Haftwassersättigung"), number(doc.m_dSwi), "-");
        add(tx("Formationsvolumenfaktor Wasser"), number(doc.m_dBw), "m3/m3");
    }
    add(tx("Grafik x-Achse"),
        std::string(doc.m_iGrafiktyp == 0 ? tx("Tage") : tx("Kum.Produktion")), "");
    add(tx("Permeabilität"), number(doc.m_fPermeabilitaet), "mD");
    add(tx("Mächtigkeit"), number(doc.m_fMaechtigkeit), "m");
    add(tx("Viskosität"), number(doc.m_fViskositaet), "cp");
    add(tx("Porosität"), number(doc.m_fPorositaet), "-");
    add(tx("Radius bis GWC"), number(doc.m_fRadiusGWC), "m");
    add(tx("Radius bis Ende der Wasserzone"), number(doc.m_fRadiusEnde), "m");
    add(tx("Tiefe (lineare Wasserzone)"), number(doc.m_fTiefe), "m");
    add(tx("Breite (lineare Wasserzone)"), number(doc.m_fBreite), "m");
    add(tx("Winkel"), number(doc.m_fWinkel), tx("Grad"));
    for (int i = 0; i < CBrelvanDoc::kComponents; ++i)
        add(kComponentNames[i], number(doc.m_fGas[static_cast<std::size_t>(i)]), "%");
    return t;
}

Table sensitivityTable(const CBrelvanDoc& doc) {
    Table t;
    t.name = tx("Sensitivität");
    t.columns = {{tx("Fall"), 0, 0},
                 {tx("Mittlerer Fehler (bar)"), 4, 0},
                 {tx("OGIP (Mio m3)"), 1, 0},
                 {tx("WIP (Mio m3)"), 1, 0},
                 {tx("J-Wert (m3/(Tag·bar))"), 1, 0}};
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
        return IoResult<>::failure(tx("es liegen keine berechneten Zeilen vor"));
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
