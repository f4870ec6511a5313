// The worked case the tests and the benchmark start from: pure methane, 80 degrees C, 250 bar,
// OGIP 5000, WIP 20000, compressibility 9.5, J 50, production start 1.1.2000, three measured
// lines and one production-only line. A test that needs another value sets it after these.
#pragma once

#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "engine/Run.h"

namespace worked_case {

inline constexpr double kTemperatur = 80; // degrees C
inline constexpr double kDruck = 250;     // bar
inline constexpr double kOGIP = 5000;     // Mio m3
inline constexpr double kWIP = 20000;     // Mio m3
inline constexpr double kKompress = 9.5;
inline constexpr double kJWert = 50;
inline constexpr int kTag = 1;
inline constexpr int kMonat = 1;
inline constexpr int kJahr = 2000;
inline constexpr double kMaxGp = 1500; // the largest Gp of the measured lines
inline const std::string kFeldname = "Beispielfeld";

// The four lines as the input dialog lays them out.
inline std::vector<std::string> lines() {
    return {"      1. 1.2001        500.000             225.0",
            "      1. 1.2002       1000.000             205.0", "      1. 7.2002       1200.000   ",
            "      1. 1.2003       1500.000             185.0"};
}

// The reservoir's values and the production start, on the document or on the input dialog's
// data (both name these fields alike). Nothing else is touched.
template <class Case> void setReservoir(Case& c) {
    c.m_dTemperatur = kTemperatur;
    c.m_dDruck = kDruck;
    c.m_dOGIP = kOGIP;
    c.m_dWIP = kWIP;
    c.m_dKompress = kKompress;
    c.m_dJWert = kJWert;
    c.m_iTag = kTag;
    c.m_iMonat = kMonat;
    c.m_iJahr = kJahr;
}

// The worked case's values for the engine, without its lines.
inline brelvan::engine::CaseValues caseValues() {
    brelvan::engine::CaseValues v;
    v.fieldName = kFeldname;
    v.gas[3] = 100; // methane
    v.temperature = kTemperatur;
    v.pInit = kDruck;
    v.ogip = kOGIP;
    v.wip = kWIP;
    v.compress = kKompress;
    v.jValue = kJWert;
    v.startDay = kTag;
    v.startMonth = kMonat;
    v.startYear = kJahr;
    return v;
}

// A new document holding the whole worked case.
inline void set(CBrelvanDoc& doc) {
    doc.OnNewDocument();
    doc.m_strFeldname = kFeldname;
    setReservoir(doc);
    doc.m_Zeilen = lines();
    doc.m_dMaxGp = kMaxGp;
}

} // namespace worked_case
