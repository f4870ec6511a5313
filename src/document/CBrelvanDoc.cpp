#include "document/CBrelvanDoc.h"

#include <cstdint>
#include <tuple>
#include <utility>

#include "document/Archive.h"
#include "document/CaseExtension.h"

namespace {

// Used until the program sets its own user interface.
brelvan::SilentInterface g_silent;

} // namespace

void CDocumentBase::SetPathName(const std::string& path) {
    m_strPathName = path;
    const auto slash = path.find_last_of("/\\");
    m_strTitle = slash == std::string::npos ? path : path.substr(slash + 1);
}

CBrelvanDoc::CBrelvanDoc() = default;

void CBrelvanDoc::setUserInterface(brelvan::UserInterface* ui) {
    m_pUI = ui;
}

brelvan::UserInterface& CBrelvanDoc::ui() const {
    return m_pUI ? *m_pUI : g_silent;
}

void CBrelvanDoc::setdefaults() {
    m_fGas.fill(0.0f);
    m_fGas[3] = 100.0f;
    m_dTemperatur = 0.0;
    m_dOGIP = 1.0;
    m_dWIP = 1.0;
    m_dDruck = 1.0;
    m_dKompress = 9.5;
    m_dJWert = 50.0;
    m_iTag = 1;
    m_iJahr = 2000;
    m_iMonat = 1;
    m_dKompressFormation = 0.0;
    m_dKompressWasser = 0.0;
    m_dSwi = 0.0;
    m_dBw = 1.0;
    m_fPermeabilitaet = 0.0f;
    m_fMaechtigkeit = 0.0f;
    m_fViskositaet = 1.0f;
    m_fPorositaet = 0.0f;
    m_fRadiusGWC = 0.0f;
    m_fRadiusEnde = 0.0f;
    m_fTiefe = 0.0f;
    m_fBreite = 0.0f;
    m_fWinkel = 360.0f;
    m_dMaxJ = m_dMinJ = m_dMaxOGIP = m_dMinOGIP = m_dMaxWIP = m_dMinWIP = 0.0;
    m_dMaxGp = 0.0;
    m_bSensitivitaet = false;
    m_Zeilen.clear();
    m_bGeaendert = true;
    m_iGrafiktyp = 0;
    m_iVerfahren = brelvan::engine::InfluxScheme::Original;
    m_bNeueDaten = true;
}

bool CBrelvanDoc::OnNewDocument() {
    SetUntitled();
    SetModifiedFlag(false);
    setdefaults();
    using brelvan::document::tx;
    m_strXAchse = tx("Zeit in Tagen");
    m_strY1Achse = tx("Druck(Bar)");
    m_strY2Achse = tx("WE(Mio m3)");
    m_strLegende1 = tx("Druck (Bar)");
    m_strLegende2 = tx("WE (Mio m3)");
    m_strLegende3 = tx("Meßwerte (Bar)");
    return true;
}

// ---- Case file

namespace {

// The stored fields in file order, except the composition (after m_dMaxGp) and the lines
// (last); every entry is read back into the member it was written from, with the same width.
constexpr auto kStoredFields = std::make_tuple(
    &CBrelvanDoc::m_dKompress, &CBrelvanDoc::m_strFeldname, &CBrelvanDoc::m_iJahr,
    &CBrelvanDoc::m_iMonat, &CBrelvanDoc::m_iTag, &CBrelvanDoc::m_dJWert, &CBrelvanDoc::m_dOGIP,
    &CBrelvanDoc::m_dDruck, &CBrelvanDoc::m_dTemperatur, &CBrelvanDoc::m_dWIP,
    &CBrelvanDoc::m_fPermeabilitaet, &CBrelvanDoc::m_fMaechtigkeit, &CBrelvanDoc::m_fViskositaet,
    &CBrelvanDoc::m_fPorositaet, &CBrelvanDoc::m_fRadiusGWC, &CBrelvanDoc::m_fRadiusEnde,
    &CBrelvanDoc::m_fTiefe, &CBrelvanDoc::m_fBreite, &CBrelvanDoc::m_fWinkel,
    &CBrelvanDoc::m_dMaxGp);

void put(ByteWriter& ar, double v) {
    ar.writeDouble(v);
}
void put(ByteWriter& ar, float v) {
    ar.writeFloat(v);
}
void put(ByteWriter& ar, int v) {
    ar.writeInt32(v);
}
void put(ByteWriter& ar, const std::string& v) {
    ar.writeString(v);
}

bool get(ByteReader& ar, double& v) {
    return ar.readDouble(v);
}
bool get(ByteReader& ar, float& v) {
    return ar.readFloat(v);
}
bool get(ByteReader& ar, int& v) {
    std::int32_t i = 0;
    if (!ar.readInt32(i))
        return false;
    v = i;
    return true;
}
bool get(ByteReader& ar, std::string& v) {
    return ar.readString(v);
}

} // namespace

void CBrelvanDoc::Serialize(ByteWriter& ar) const {
    std::apply([&](auto... field) { (put(ar, this->*field), ...); }, kStoredFields);
    for (float percent : m_fGas)
        ar.writeFloat(percent);
    ar.writeStringList(m_Zeilen);
    brelvan::caseext::write(ar, *this);
}

brelvan::IoResult<> CBrelvanDoc::Serialize(ByteReader& ar) {
    // Read into a fresh object; the stored fields are taken over only when all have been read.
    CBrelvanDoc fresh;
    std::apply([&](auto... field) { (get(ar, fresh.*field) && ...); }, kStoredFields);
    for (float& percent : fresh.m_fGas)
        ar.readFloat(percent);
    ar.readStringList(fresh.m_Zeilen);
    if (ar.failed())
        return brelvan::IoResult<>::failure(ar.failure());
    if (brelvan::IoResult<> extension = brelvan::caseext::read(ar, fresh); !extension)
        return extension;
    std::apply([&](auto... field) { ((this->*field = std::move(fresh.*field)), ...); },
               kStoredFields);
    m_fGas = fresh.m_fGas;
    m_Zeilen = std::move(fresh.m_Zeilen);
    m_iVerfahren = fresh.m_iVerfahren;
    m_dKompressFormation = fresh.m_dKompressFormation;
    m_dKompressWasser = fresh.m_dKompressWasser;
    m_dSwi = fresh.m_dSwi;
    m_dBw = fresh.m_dBw;
    m_iModell = fresh.m_iModell;
    return {};
}
