// The sensitivity range dialog without its window. DlgSensitivity derives from it.
#pragma once

#include <string>
#include <vector>

#include "document/CaseFields.h"
#include "support/UserInterface.h"

// The ranges are the sensitivity ranges of CaseFields.h, each exchanged with its control.
class DlgSensitivityData : public SensitivityRanges {
public:
    // The control ids of the dialog, shared by its window and the tests.
    enum ControlId : int {
        kIdMinOGIP = 1048,
        kIdMaxOGIP = 1049,
        kIdMinWIP = 1050,
        kIdMaxWIP = 1051,
        kIdMinJ = 1052,
        kIdMaxJ = 1053,
        kIdMaxGp = 1055,
    };

    int m_bSensitivitaet = 0; // set to 1 when the ranges are accepted
    double m_dMaxGp = 0;      // for information

    // The checks after "take all fields into the members", in the order J value, OGIP, WIP;
    // only the first failing pair is reported. True (and the flag set to 1) when the ranges
    // are accepted; the dialog may then end with OK.
    bool OnButtonOK(brelvan::UserInterface& ui);
};

// The order in which the results list shows the result lines of a search: by ascending error,
// compared as numbers; lines without an error value (a text in place of the number, or empty
// ones) last. Lines with equal errors, and the lines without one, keep their order.
std::vector<std::string> sortSensResults(const std::vector<std::string>& lines);
