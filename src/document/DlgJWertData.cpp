#include "document/DlgJWertData.h"

#include <cmath>

#include "document/DataExchange.h"
#include "document/DocumentTexts.h"
#include "engine/JWert.h"
#include "support/TextFormat.h"

using brelvan::document::tx;

int DlgJWertData::checkRanges(brelvan::UserInterface& ui) const {
    struct Field {
        int id;
        float value;
        bool ranged;
        double min, max;
    };
    const Field fields[] = {
        {kIdWinkel, m_fWinkel, true, 0.0, 360.0},
        {kIdBreite, m_fBreite, false, 0, 0},
        {kIdMaechtigkeit, m_fMaechtigkeit, false, 0, 0},
        {kIdPermeabilitaet, m_fPermeabilitaet, false, 0, 0},
        {kIdTiefe, m_fTiefe, false, 0, 0},
        {kIdViskositaet, m_fViskositaet, false, 0, 0},
        {kIdPorositaet, m_fPorositaet, true, 0.0, 1.0},
        {kIdRadiusGWC, m_fRadiusGWC, false, 0, 0},
        {kIdRadiusEnde, m_fRadiusEnde, false, 0, 0},
    };
    for (const Field& f : fields) {
        const double v = f.value;
        if (f.ranged && !brelvan::inRange(v, f.min, f.max)) {
            ui.message(brelvan::rangeMessage(f.min, f.max, false));
            return f.id;
        }
        if (!f.ranged && !std::isfinite(v)) {
            ui.message(brelvan::notANumberMessage(false));
            return f.id;
        }
    }
    return 0;
}

void DlgJWertData::OnInitDialog() {
    m_fAnteil = m_fWinkel / 360.0f;
}

void DlgJWertData::OnKillfocusWinkel() {
    m_fAnteil = m_fWinkel / 360.0f;
}

bool DlgJWertData::OnKillfocusRadiusEnde(brelvan::UserInterface& ui) {
    if (!(m_fWinkel > 0))
        return false;
    if (m_fRadiusEnde <= m_fRadiusGWC) {
        ui.message(tx("Re-Wert <= Rw-Wert"));
        return false;
    }
    if (!brelvan::isThinRing(m_fRadiusGWC, m_fRadiusEnde))
        return false;
    // m_fAnteil keeps the fraction of the ring; it is not recomputed for the new angle 0.
    const brelvan::LinearStrip strip =
        brelvan::thinRingToStrip(m_fAnteil, m_fRadiusGWC, m_fRadiusEnde);
    m_fWinkel = 0;
    m_fBreite = strip.breite;
    m_fTiefe = strip.tiefe;
    ui.message(
        brelvan::cformat(tx("Da Re/Rw < 2.943 ist, wird ein lineares Brelvan gerechnet\n mit "
                            "der Breite B: %7.2f und der Tiefe L: %7.2f"),
                         m_fBreite, m_fTiefe));
    return true;
}

bool DlgJWertData::OnButtonOK(brelvan::UserInterface& ui) {
    if (m_fPermeabilitaet == 0 || m_fMaechtigkeit == 0) {
        ui.message(tx("Die Permeabilität bzw.die Mächtigkeit sind Null"));
        return false;
    }
    if (m_fPorositaet == 0) {
        ui.message(tx("Die Porosität ist Null"));
        return false;
    }
    // Both formulas divide by the viscosity.
    if (!(m_fViskositaet > 0)) {
        ui.message(tx("Die Wasserviskosität muss größer als Null sein"));
        return false;
    }

    const bool positive = m_fMaechtigkeit > 0 && m_fPermeabilitaet > 0 && m_fPorositaet > 0;
    bool accepted = false;
    brelvan::JWertResult result;
    if (m_fWinkel == 0 && m_fTiefe > 0 && m_fBreite > 0 && positive) {
        result = brelvan::linearJWert(m_fPermeabilitaet, m_fMaechtigkeit, m_fViskositaet,
                                      m_fPorositaet, m_fTiefe, m_fBreite);
        accepted = true;
    }
    if (m_fWinkel == 0 && m_fTiefe == 0)
        ui.message(tx("Die Tiefe des linearen Brelvans ist Null"));
    if (m_fWinkel == 0 && m_fBreite == 0)
        ui.message(tx("Die Breite des linearen Brelvans ist Null"));
    if (m_fWinkel > 0 && m_fRadiusGWC > 0 && m_fRadiusEnde > 0 && m_fRadiusEnde > m_fRadiusGWC &&
        positive) {
        result = brelvan::radialJWert(m_fAnteil, m_fPermeabilitaet, m_fMaechtigkeit, m_fViskositaet,
                                      m_fPorositaet, m_fRadiusGWC, m_fRadiusEnde);
        // A ring with ln(Re/Rw) <= 0.75 (outer radius up to about 2.117 times the inner one,
        // possible when the thin-ring conversion did not run) gives no usable J value.
        if (!(std::isfinite(result.jwert) && result.jwert > 0)) {
            ui.message(tx("Der Ring ist zu schmal für die radiale Formel (Re/Rw zu klein); "
                          "verlassen Sie das Feld \"Radius bis Brelvanende\", damit ein lineares "
                          "Brelvan gerechnet wird"));
            return false;
        }
        accepted = true;
    }
    if (accepted) {
        m_dJWert = result.jwert;
        m_dWIP = result.wip;
        return true;
    }
    if (m_fWinkel > 0 && m_fRadiusEnde <= m_fRadiusGWC)
        ui.message(tx("Radius bis Brelvanende <= Radius bis GWC"));
    if ((m_fWinkel > 0 && m_fRadiusGWC == 0) || m_fRadiusEnde == 0)
        ui.message(tx("Radius bis GWC bzw.Radius bis Brelvanende sind Null"));
    return false;
}
