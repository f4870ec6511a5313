// The sensitivity range dialog without its window. DlgSensitivity derives from it.
#pragma once

#include <string>
#include <vector>

#include "support/UserInterface.h"

class DlgSensitivityData {
public:
    int m_bSensitivitaet = 0; // set to 1 when the ranges are accepted
    double m_dMaxJ = 0;       // 1053
    double m_dMaxOGIP = 0;    // 1049
    double m_dMaxWIP = 0;     // 1051
    double m_dMinJ = 0;       // 1052
    double m_dMinOGIP = 0;    // 1048
    double m_dMinWIP = 0;     // 1050
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
