// The sensitivity range dialog without its window. DlgSensitivity derives from it.
#pragma once

#include <string>
#include <vector>

#include "document/CaseFields.h"
#include "support/UserInterface.h"

// The ranges are the sensitivity ranges of CaseFields.h, exchanged with the controls m_dMaxJ
// 1053, m_dMaxOGIP 1049, m_dMaxWIP 1051, m_dMinJ 1052, m_dMinOGIP 1048, m_dMinWIP 1050.
class DlgSensitivityData : public SensitivityRanges {
public:
    int m_bSensitivitaet = 0; // set to 1 when the ranges are accepted
    double m_dMaxGp = 0;      // 1055, for information

    // The checks after "take all fields into the members", in the order J value, OGIP, WIP;
    // only the first failing pair is reported. True (and the flag set to 1) when the ranges
    // are accepted; the dialog may then end with OK.
    bool OnButtonOK(brelvan::UserInterface& ui);
};

// The order in which the results list shows the result lines of a search: by ascending error,
// compared as numbers; lines without an error value (a text in place of the number, or empty
// ones) last. Lines with equal errors, and the lines without one, keep their order.
std::vector<std::string> sortSensResults(const std::vector<std::string>& lines);
