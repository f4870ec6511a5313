// The J value dialog without its window: its members and its rules. DlgJWert derives from it.
#pragma once

#include "support/UserInterface.h"

class DlgJWertData {
public:
    double m_dJWert = 0;         // result, m3/(day bar)
    double m_dWIP = 0;           // result, Mio m3
    float m_fWinkel = 0;         // 1043, 0 to 360
    float m_fBreite = 0;         // 1042
    float m_fMaechtigkeit = 0;   // 1036
    float m_fPermeabilitaet = 0; // 1035
    float m_fTiefe = 0;          // 1041
    float m_fViskositaet = 0;    // 1038
    float m_fPorositaet = 0;     // 1037, 0 to 1
    float m_fRadiusGWC = 0;      // 1039
    float m_fRadiusEnde = 0;     // 1040
    float m_fAnteil = 0;         // angle / 360

    // Checks of the members in the exchange order (1043, 1042, 1036, 1035, 1041, 1038, 1037,
    // 1039, 1040): the angle 0 to 360 and the porosity 0 to 1; a field without a range must
    // still hold a finite number. The first failing control id after its message, 0 when all
    // pass.
    int checkRanges(brelvan::UserInterface& ui) const;

    // Each handler is the step after "take all fields into the members": the window exchanges
    // its fields first (and stops on a failed range check), then calls the handler, then
    // refills its controls where the handler says so.
    void OnInitDialog();      // m_fAnteil from the angle
    void OnKillfocusWinkel(); // m_fAnteil from the angle
    // The outer radius field lost the focus: "Re-Wert <= Rw-Wert" for a ring whose outer
    // radius is not beyond its inner one; a thin ring becomes a linear strip (angle 0, width
    // and depth from the radii, message). True when the members changed (refill the fields).
    bool OnKillfocusRadiusEnde(brelvan::UserInterface& ui);
    // OK: the window takes all fields into the members before calling this, so the J value and
    // water in place computed here always belong to the inputs the dialog shows and returns.
    // Validation and computation; true when the input is accepted (m_dJWert and m_dWIP set),
    // the dialog may then end with OK. A viscosity of 0 or below is refused.
    bool OnButtonOK(brelvan::UserInterface& ui);
};
