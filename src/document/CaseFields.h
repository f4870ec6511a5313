// The field groups of a case that the document, the input dialog, the J value and sensitivity
// dialogs and the batch tool hand to each other. Each holder derives from the groups it has,
// so the members keep their names; copying a group is one assignment and comparing it one ==.
#pragma once

#include <array>
#include <string>

#include "engine/GasProperties.h"

// The reservoir: name, composition, state, volumes, water zone and production start. The
// input dialog changes these; any difference marks the case modified.
struct ReservoirData {
    std::string m_strFeldname;
    std::array<float, brelvan::gas::kComponents> m_fGas{}; // percent, H2S ... C10H22
    double m_dKompress = 0;                                // 1E-5 per bar
    double m_dJWert = 0;                                   // m3/(day bar)
    double m_dOGIP = 0;                                    // Mio m3
    double m_dDruck = 0;                                   // bar
    double m_dTemperatur = 0;                              // degrees C
    double m_dWIP = 0;                                     // Mio m3
    int m_iJahr = 0;
    int m_iMonat = 0;
    int m_iTag = 0;
    // The gas zone itself: pore compressibility c_f and connate water compressibility c_w
    // (1E-5 per bar), connate water saturation S_wi (fraction) and the water formation volume
    // factor Bw (m3/m3) of the produced water. Stored in the case file's extension block.
    double m_dKompressFormation = 0;
    double m_dKompressWasser = 0;
    double m_dSwi = 0;
    double m_dBw = 1;

    ReservoirData& reservoir() { return *this; }
    const ReservoirData& reservoir() const { return *this; }
    bool operator==(const ReservoirData&) const = default;
};

// The rock, fluid and geometry data of the water zone from which the J value tool computes J
// and the water in place.
struct JInputs {
    float m_fPermeabilitaet = 0; // mD
    float m_fMaechtigkeit = 0;   // m
    float m_fViskositaet = 0;    // cp
    float m_fPorositaet = 0;     // fraction
    float m_fRadiusGWC = 0;      // m
    float m_fRadiusEnde = 0;     // m
    float m_fTiefe = 0;          // m
    float m_fBreite = 0;         // m
    float m_fWinkel = 0;         // degrees

    JInputs& jInputs() { return *this; }
    const JInputs& jInputs() const { return *this; }
    bool operator==(const JInputs&) const = default;
};

// The ranges of the sensitivity search.
struct SensitivityRanges {
    double m_dMinOGIP = 0, m_dMaxOGIP = 0; // Mio m3
    double m_dMinWIP = 0, m_dMaxWIP = 0;   // Mio m3
    double m_dMinJ = 0, m_dMaxJ = 0;       // m3/(day bar)

    SensitivityRanges& ranges() { return *this; }
    const SensitivityRanges& ranges() const { return *this; }
    bool operator==(const SensitivityRanges&) const = default;
};
