// The J value dialog without its window: its members and its rules. DlgJWert derives from it.
#pragma once

#include "document/UserInterface.h"

class DlgJWertData {
public:
    double m_dJWert = 0;       // result, m3/(day bar)
    double m_dWIP = 0;         // result, Mio m3
    float m_fWinkel = 0;       // 1043, 0 to 360
    float m_fBreite = 0;       // 1042
    float m_fMaechtigkeit = 0; // 1036
    float m_fPermeabilitaet = 0; // 1035
    float m_fTiefe = 0;        // 1041
    float m_fViskositaet = 0;  // 1038
    float m_fPorositaet = 0;   // 1037, 0 to 1
    float m_fRadiusGWC = 0;    // 1039
    float m_fRadiusEnde = 0;   // 1040
    float m_fAnteil = 0;       // angle / 360

    // Range checks of the exchange (angle, porosity) on the members: the first failing control
    // id after its message, 0 when all are inside.
    int checkRanges(brelvan::UserInterface& ui) const;

    // Each handler is the part after "take all fields into the members".
    void OnInitDialog();
    void OnKillfocusWinkel();
    // True when the thin-ring conversion changed the members (the fields are to be refilled).
    bool OnKillfocusRadiusEnde(brelvan::UserInterface& ui);
    // Validation and computation; true when the input is accepted (results set).
    bool OnButtonOK(brelvan::UserInterface& ui);
};
