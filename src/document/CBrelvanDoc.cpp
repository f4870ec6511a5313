#include "document/CBrelvanDoc.h"

namespace {

// Used until the program sets its own user interface: tells nothing, answers No, cancels.
class SilentInterface : public brelvan::UserInterface {
public:
    void message(const std::string&) override {}
    bool question(const std::string&) override { return false; }
    void showSensResults(const std::vector<std::string>&) override {}
    bool runInputDialog(DlgInputData&) override { return false; }
};

SilentInterface g_silent;

} // namespace

void CDocumentBase::SetPathName(const std::string& path) {
    m_strPathName = path;
    const auto slash = path.find_last_of("/\\");
    m_strTitle = slash == std::string::npos ? path : path.substr(slash + 1);
}

CBrelvanDoc::CBrelvanDoc() = default;

void CBrelvanDoc::setUserInterface(brelvan::UserInterface* ui) { m_pUI = ui; }

brelvan::UserInterface& CBrelvanDoc::ui() const { return m_pUI ? *m_pUI : g_silent; }

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
    m_bNeueDaten = true;
}

bool CBrelvanDoc::OnNewDocument() {
    SetUntitled();
    SetModifiedFlag(false);
    setdefaults();
    m_strXAchse = "Zeit in Tagen";
    m_strY1Achse = "Druck(Bar)";
    m_strY2Achse = "WE(Mio m3)";
    m_strLegende1 = "Druck (Bar)";
    m_strLegende2 = "WE (Mio m3)";
    m_strLegende3 = "Meßwerte (Bar)";
    return true;
}
