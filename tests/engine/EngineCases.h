// Cases shared by the engine's tests.
#pragma once

#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"

// The published worked case: pure methane, 80 degrees C, 250 bar, OGIP 5000, WIP 20000,
// compressibility 9.5, J 50, production start 1.1.2000, four lines.
inline void setWorkedCase(CBrelvanDoc& doc, double jValue = 50) {
    doc.OnNewDocument();
    doc.m_strFeldname = "Testfeld";
    doc.m_dTemperatur = 80;
    doc.m_dDruck = 250;
    doc.m_dOGIP = 5000;
    doc.m_dWIP = 20000;
    doc.m_dKompress = 9.5;
    doc.m_dJWert = jValue;
    doc.m_iTag = 1;
    doc.m_iMonat = 1;
    doc.m_iJahr = 2000;
    doc.m_Zeilen = {"1.1.2001 500 225", "1.1.2002 1000 205", "1.7.2002 1200", "1.1.2003 1500 185"};
}

// The index of the first report line that begins with `prefix`; -1 when there is none.
inline int findLine(const std::vector<std::string>& lines, const std::string& prefix) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].compare(0, prefix.size(), prefix) == 0)
            return static_cast<int>(i);
    return -1;
}
