// Cases shared by the engine's tests.
#pragma once

#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "support/WorkedCase.h"

// The worked case under the engine's field name, with J at will.
inline void setWorkedCase(CBrelvanDoc& doc, double jValue = worked_case::kJWert) {
    worked_case::set(doc);
    doc.m_strFeldname = "Testfeld";
    doc.m_dJWert = jValue;
}

// The index of the first report line that begins with `prefix`; -1 when there is none.
inline int findLine(const std::vector<std::string>& lines, const std::string& prefix) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].compare(0, prefix.size(), prefix) == 0)
            return static_cast<int>(i);
    return -1;
}
