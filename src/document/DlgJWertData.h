// The J value dialog without its window: its members and its rules. DlgJWert derives from it.
#pragma once

#include "document/CaseFields.h"
#include "support/UserInterface.h"

// The inputs are the J inputs of CaseFields.h, each exchanged with its control (the angle 0 to
// 360, the porosity 0 to 1).
class DlgJWertData : public JInputs {
public:
    // The control ids of the dialog, shared by its rules, its window and the tests.
    enum ControlId : int {
        kIdPermeabilitaet = 1035,
        kIdMaechtigkeit = 1036,
        kIdPorositaet = 1037,
        kIdViskositaet = 1038,
        kIdRadiusGWC = 1039,
        kIdRadiusEnde = 1040,
        kIdTiefe = 1041,
        kIdBreite = 1042,
        kIdWinkel = 1043,
    };

    double m_dJWert = 0; // result, m3/(day bar)
    double m_dWIP = 0;   // result, Mio m3
    float m_fAnteil = 0; // angle / 360

    // Checks of the members in the exchange order (angle, width, thickness, permeability,
    // depth, viscosity, porosity, inner and outer radius): the angle 0 to 360 and the porosity
    // 0 to 1; a field without a range must still hold a finite number. The first failing
    // control id after its message, 0 when all pass.
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
