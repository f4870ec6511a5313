#include "document/DlgInputData.h"

#include "document/DataExchange.h"
#include "document/DocumentTexts.h"
#include "document/ListLine.h"
#include "document/WaterZoneCase.h"
#include "engine/DayNumber.h"
#include "support/Cp1252.h"
#include "support/FileIo.h"
#include "support/PressureLine.h"
#include "support/TextFormat.h"

float& DlgInputData::gasField(int index) {
    switch (index) {
    case 0:
        return m_fH2S;
    case 1:
        return m_fCO2;
    case 2:
        return m_fN2;
    case 3:
        return m_fCH4;
    case 4:
        return m_fC2H6;
    case 5:
        return m_fC3H8;
    case 6:
        return m_fiC4H10;
    case 7:
        return m_fnC4H10;
    case 8:
        return m_fiC5H12;
    case 9:
        return m_fnC5H12;
    case 10:
        return m_fC6H14;
    case 11:
        return m_fC7H16;
    case 12:
        return m_fC8H18;
    case 13:
        return m_fC9H20;
    default:
        return m_fC10H22;
    }
}

using brelvan::document::tx;

namespace {

const char* keineDruckmesswerte() {
    return tx("Es liegen keine Druckmeßwerte vor!");
}

// The composition summed in single precision, in component order, starting from 0.
float gasSum(const std::array<float, DlgInputData::kComponents>& gas) {
    float sum = 0.0f;
    for (float v : gas)
        sum += v;
    return sum;
}

std::string sumText(float sum) {
    return brelvan::cformat("%6.2f", sum);
}

} // namespace

const std::vector<DlgInputData::FieldRange>& DlgInputData::exchangeRanges() {
    static const std::vector<FieldRange> ranges = {
        {kIdKompress, 7.0, 13.0, false},
        {kIdJWertFeld, 0.001, 10000.0, false},
        {kIdOGIP, 0.1, 100000.0, false},
        {kIdDruck, 1.0, 10000.0, false},
        {kIdTemperatur, 0.0, 1000.0, false},
        // Up to 100000 like OGIP: the water zone is commonly several times the gas zone (the
        // worked case has 20000), and the sensitivity search adopts values without a bound.
        {kIdWIP, 0.1, 100000.0, false},
        // The gas zone: rock compressibility up to that of poorly consolidated, over-pressured
        // sands (about 70E-5/bar), connate water saturation below 1 so that gas remains.
        {kIdKompressFormation, 0.0, 100.0, false},
        {kIdKompressWasser, 0.0, 100.0, false},
        {kIdSwi, 0.0, 0.9, false},
        {kIdBw, 0.5, 2.0, false},
        {kIdGasFirst + 9, 0, 100, false},
        {kIdGasFirst + 10, 0, 100, false},
        {kIdGasFirst + 11, 0, 100, false},
        {kIdGasFirst + 12, 0, 100, false},
        {kIdGasFirst + 13, 0, 100, false},
        {kIdGasFirst + 14, 0, 100, false},
        {kIdGasFirst + 1, 0, 100, false},
        {kIdGasFirst + 2, 0, 100, false},
        {kIdGasFirst + 3, 0, 100, false},
        {kIdGasFirst + 4, 0, 100, false},
        {kIdGasFirst + 5, 0, 100, false},
        {kIdGasFirst + 6, 0, 100, false},
        {kIdGasFirst + 7, 0, 100, false},
        {kIdGasFirst + 8, 0, 100, false},
        {kIdGasFirst, 0, 100, false},
        {kIdJahr, 1930, 2200, true},
        {kIdMonat, 1, 12, true},
        {kIdTag, 1, 31, true},
    };
    return ranges;
}

DlgInputData::FieldRange DlgInputData::rangeOf(int id) {
    for (const FieldRange& r : exchangeRanges())
        if (r.id == id)
            return r;
    return {id, 0, 0, false};
}

int DlgInputData::checkRanges(brelvan::UserInterface& ui) const {
    auto value = [this](int id) -> double {
        switch (id) {
        case kIdKompress:
            return m_dKompress;
        case kIdJWertFeld:
            return m_dJWert;
        case kIdOGIP:
            return m_dOGIP;
        case kIdDruck:
            return m_dDruck;
        case kIdTemperatur:
            return m_dTemperatur;
        case kIdWIP:
            return m_dWIP;
        case kIdKompressFormation:
            return m_dKompressFormation;
        case kIdKompressWasser:
            return m_dKompressWasser;
        case kIdSwi:
            return m_dSwi;
        case kIdBw:
            return m_dBw;
        case kIdJahr:
            return m_iJahr;
        case kIdMonat:
            return m_iMonat;
        case kIdTag:
            return m_iTag;
        default:
            return gasField(id - kIdGasFirst);
        }
    };
    for (const FieldRange& f : exchangeRanges()) {
        if (!brelvan::inRange(value(f.id), f.min, f.max)) {
            ui.message(brelvan::rangeMessage(f.min, f.max, f.integer));
            return f.id;
        }
    }
    return 0;
}

void DlgInputData::OnInitDialog(brelvan::UserInterface& ui) {
    for (int i = 0; i < kComponents; ++i)
        gasField(i) = m_fGas[static_cast<std::size_t>(i)];
    m_strSumme = sumText(gasSum(m_fGas));
    m_fBeginn = static_cast<float>(brelvan::tage(m_iTag, m_iMonat, m_iJahr, &ui));
    m_iOption = 0;
    m_ListDruck = m_Zeilen;
    m_iListSelection = -1;
}

void DlgInputData::OnKillfocusGas() {
    for (int i = 0; i < kComponents; ++i)
        m_fGas[static_cast<std::size_t>(i)] = gasField(i);
    m_strSumme = sumText(gasSum(m_fGas));
}

void DlgInputData::OnKillfocusBeginn(brelvan::UserInterface& ui) {
    m_fBeginn = static_cast<float>(brelvan::tage(m_iTag, m_iMonat, m_iJahr, &ui));
}

bool DlgInputData::PruefeMesswerte(brelvan::UserInterface& ui) {
    if (m_Zeilen.empty()) {
        ui.message(tx("Es liegen keine Meßwerte vor!"));
        return false;
    }
    // The largest Gp is found afresh from the lines each time, so correcting or deleting the
    // line with the largest Gp lowers it.
    m_dMaxGp = 0;
    // A line whose Gp or pressure is no possible number (from an old or a damaged file) is
    // refused before anything is computed from it.
    for (std::size_t i = 0; i < m_Zeilen.size(); ++i) {
        const std::string problem = brelvan::pressureLineProblem(m_Zeilen[i]);
        if (!problem.empty()) {
            ui.message(brelvan::cformat(tx("%d.Zeile: %s.\n%s"), i + 1, problem, m_Zeilen[i]));
            return false;
        }
    }
    int measured = 0;
    for (const std::string& zeile : m_Zeilen) {
        brelvan::PressureLine line;
        if (brelvan::scanPressureLine(zeile, line) != brelvan::kMeasuredLineFields)
            continue;
        // A production-only row with produced water writes 0 in the pressure's place.
        if (line.water != 0 && !(line.pressure > 0))
            continue;
        if (line.gp > m_dMaxGp)
            m_dMaxGp = line.gp;
        ++measured;
    }
    if (measured == 0) {
        ui.message(keineDruckmesswerte());
        return false;
    }
    return true;
}

bool DlgInputData::OnButtonOK(brelvan::UserInterface& ui) {
    if (!PruefeMesswerte(ui))
        return false;
    for (int i = 0; i < kComponents; ++i)
        m_fGas[static_cast<std::size_t>(i)] = gasField(i);
    const float sum = gasSum(m_fGas);
    const std::size_t n = m_ListDruck.size();
    if (sum > 0 && sum <= 100 && n >= 1 && m_dMaxGp > 0 && m_dMaxGp < m_dOGIP) {
        // The water-zone model needs its geometry in the J-value data.
        const std::string lacking = brelvan::waterZoneProblem(m_iModell, reservoir(), jInputs());
        if (lacking.empty())
            return true;
        ui.message(lacking);
        return false;
    }
    if (n == 0)
        ui.message(tx("Es wurden keine Schließdruckwerte eingegeben"));
    else if (!(sum > 0))
        ui.message(tx("Bitte Gaskomponenten eingeben"));
    else if (sum > 100)
        ui.message(tx("Die Summe der Gaskomponenten ist > 100 !"));
    else if (m_dMaxGp >= m_dOGIP)
        ui.message(brelvan::cformat(tx("Die max.Kum.Produktion %5.2f >= OGIP von %5.2f"), m_dMaxGp,
                                    m_dOGIP));
    else if (m_dMaxGp == 0)
        ui.message(keineDruckmesswerte());
    return false;
}

bool DlgInputData::checkAll(brelvan::UserInterface& ui) {
    if (checkRanges(ui) != 0)
        return false;
    return OnButtonOK(ui);
}

bool DlgInputData::OnDblclkListe() {
    if (m_iListSelection < 0 || static_cast<std::size_t>(m_iListSelection) >= m_ListDruck.size())
        return false;
    m_iAuswahl = m_iListSelection;
    m_strZeile = m_ListDruck[static_cast<std::size_t>(m_iAuswahl)];
    m_strStatus = brelvan::cformat(tx("%d.Zeile ausgewählt"), m_iAuswahl + 1);
    return true;
}

void DlgInputData::setOption(int option) {
    m_iOption = option;
}

bool DlgInputData::OnKillfocusZeile(brelvan::UserInterface& ui) {
    const bool selected =
        m_iListSelection >= 0 && static_cast<std::size_t>(m_iListSelection) < m_ListDruck.size();
    m_iAuswahl = selected ? m_iListSelection : -1;

    const brelvan::LineCheck check = brelvan::checkListLine(m_strZeile, m_fBeginn);
    if (check.fault != brelvan::LineFault::None) {
        ui.message(check.message);
        return false;
    }
    const brelvan::PressureLineF& line = check.line;
    const int fields = check.fields;

    // Change, insert and delete work on the line chosen in the list.
    if (m_iOption >= 0 && m_iOption != 1 && m_iOption <= 3 && m_iAuswahl < 0) {
        const char* const which = m_iOption == 0   ? tx("die zu ändernde Zeile")
                                  : m_iOption == 2 ? tx("die Zeile, vor der eingefügt werden soll,")
                                                   : tx("die zu löschende Zeile");
        ui.message(brelvan::cformat(tx("Keine Zeile ausgewählt: Bitte wählen Sie zuerst %s in der "
                                       "Liste mit Doppelklick aus."),
                                    which));
        m_Zeilen = m_ListDruck;
        return false;
    }
    bool applied = false;
    const bool withPressure = fields == brelvan::kMeasuredLineFields;
    const std::string text =
        brelvan::listLine(line.day, line.month, line.year, line.gp,
                          withPressure ? std::optional<double>(line.pressure) : std::nullopt,
                          withPressure ? static_cast<double>(line.water) : 0.0);
    const auto at = [this](int index) {
        return m_ListDruck.begin() + static_cast<std::ptrdiff_t>(index);
    };
    switch (m_iOption) {
    case 0: // change
        if (m_iAuswahl >= 0 &&
            ui.question(tx("Soll diese Zeile geändert werden?\n") + m_strZeile)) {
            *at(m_iAuswahl) = text;
            m_iListSelection = -1;
            m_strStatus = brelvan::cformat(tx("%d.Zeile wurde geändert"), m_iAuswahl + 1);
            applied = true;
        }
        break;
    case 1: // append
        if (ui.question(tx("Soll diese Zeile angehängt werden?\n") + m_strZeile)) {
            m_ListDruck.push_back(text);
            m_strStatus = brelvan::cformat(tx("%d.Zeile angehängt"), m_ListDruck.size());
            applied = true;
        }
        break;
    case 2: // insert before the selected line; refused without one
        if (m_iAuswahl >= 0 &&
            ui.question(tx("Soll diese Zeile vor der markarkierten eingefügt werden?\n") +
                        m_strZeile)) {
            m_ListDruck.insert(at(m_iAuswahl), text);
            m_iListSelection = m_iAuswahl + 1; // the selection stays on the line it marked
            m_strStatus = brelvan::cformat(tx("%d.Zeile eingefügt"), m_iAuswahl + 1);
            applied = true;
        }
        break;
    case 3: // delete the selected line; refused without one
        if (m_iAuswahl >= 0 &&
            ui.question(tx("Soll diese Zeile wirklich gelöscht werden?\n") + m_strZeile)) {
            m_ListDruck.erase(at(m_iAuswahl));
            m_iListSelection = -1;
            m_strStatus = brelvan::cformat(tx("%d.Zeile gelöscht"), m_iAuswahl + 1);
            applied = true;
        }
        break;
    default:
        break;
    }
    m_Zeilen = m_ListDruck;
    return applied;
}

void DlgInputData::importPressureFile(const std::string& path, brelvan::UserInterface& ui) {
    // The whole file is read (once, bounded) before the list is touched, so that a file that
    // cannot be read leaves the list as it was.
    const brelvan::IoResult<std::string> read = brelvan::readFileBounded(path);
    if (!read) {
        ui.error(brelvan::cformat(tx("Die Datei %s kann nicht geöffnet werden: %s."), path,
                                  read.error()));
        return;
    }
    importPressureText(path, read.value(), ui);
}

void DlgInputData::importPressureText(const std::string& path, const std::string& content,
                                      brelvan::UserInterface& ui) {
    const std::string* bytes = &content;
    m_Zeilen.clear();
    m_ListDruck.clear();
    m_iListSelection = -1;
    ui.message(brelvan::cformat(tx("%s wird geöffnet"), path));

    // Lines are read as text: a carriage return before a line feed is dropped. A read takes
    // at most 99 characters of a line (its line feed included); a line that fills it ends the
    // import.
    constexpr std::size_t kReadLimit = 99;
    std::size_t pos = 0;
    int skipped = 0; // lines with a Gp or pressure that is no possible number
    std::string firstSkipped;
    for (int number = 0; pos < bytes->size(); ++number) {
        std::string raw;
        bool lineEnd = false;
        while (pos < bytes->size()) {
            char c = (*bytes)[pos];
            if (c == '\r' && pos + 1 < bytes->size() && (*bytes)[pos + 1] == '\n') {
                ++pos;
                continue;
            }
            ++pos;
            if (c == '\n') {
                lineEnd = true;
                break;
            }
            raw.push_back(c);
        }
        if (raw.size() + (lineEnd ? 1 : 0) >= kReadLimit) {
            ui.message(brelvan::cformat(tx("In der %d.Zeile 100 Zeichen gelesen"), number + 1));
            break;
        }
        const std::string text = brelvan::cp1252ToUtf8(raw);
        if (number == 0)
            continue; // the heading
        if (const std::string problem = brelvan::pressureLineProblem(text); !problem.empty()) {
            if (skipped++ == 0)
                firstSkipped = brelvan::cformat(tx("%d.Zeile: %s"), number + 1, problem);
            continue;
        }
        brelvan::PressureLineF line;
        const int fields = brelvan::scanPressureLine(text, line);
        if (fields < brelvan::kProductionLineFields) {
            ui.message(brelvan::cformat(tx("Die Zeile enhält keine 6 Werte\n %s"), text));
            break;
        }
        const bool withPressure = fields == brelvan::kMeasuredLineFields;
        const std::string listLine = brelvan::importedLine(
            line.day, line.month, line.year, line.gp,
            withPressure ? std::optional<double>(line.pressure) : std::nullopt,
            withPressure ? static_cast<double>(line.water) : 0.0);
        m_Zeilen.push_back(listLine);
        m_ListDruck.push_back(listLine);
    }

    if (skipped > 0)
        ui.message(brelvan::cformat(tx("%d Zeilen mit ungültigen Zahlen wurden übersprungen.\n"
                                       "Die erste: %s."),
                                    skipped, firstSkipped));
    m_strStatus = brelvan::cformat(tx("%d Zeilen wurden eingelesen"), m_Zeilen.size());
    m_strZeile.assign(1, ' '); // one blank
}

void DlgInputData::takeJWert(const DlgJWertData& jwert, brelvan::UserInterface& ui) {
    if (jwert.m_dJWert != m_dJWert &&
        ui.question(brelvan::cformat(tx("Soll der neue J-Wert von %5.2f und der neue WI-Wert von "
                                        "%5.1f genommen werden?"),
                                     jwert.m_dJWert, jwert.m_dWIP))) {
        m_dJWert = jwert.m_dJWert;
        m_dWIP = jwert.m_dWIP;
    }
    jInputs() = jwert.jInputs();
}

void DlgInputData::giveJWert(DlgJWertData& jwert) const {
    jwert.jInputs() = jInputs();
}

bool DlgInputData::mayOpenSensitivity(brelvan::UserInterface& ui) const {
    if (m_Zeilen.empty()) {
        ui.message(keineDruckmesswerte());
        return false;
    }
    return true;
}

void DlgInputData::giveSensitivity(DlgSensitivityData& sens) const {
    sens.m_dMaxGp = m_dMaxGp;
    sens.ranges() = ranges();
    sens.m_bSensitivitaet = 0;
}

void DlgInputData::takeSensitivity(const DlgSensitivityData& sens) {
    m_bSensitivitaet = sens.m_bSensitivitaet;
    ranges() = sens.ranges();
}
