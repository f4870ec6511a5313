#include "document/FitCase.h"

#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"

namespace brelvan {

namespace {

template <class T> fit::Bounds rangesOf(const T& d) {
    fit::Bounds b;
    b.lo = {d.m_dMinOGIP, d.m_dMinWIP, d.m_dMinJ};
    b.hi = {d.m_dMaxOGIP, d.m_dMaxWIP, d.m_dMaxJ};
    return b;
}

} // namespace

fit::Bounds sensitivityRanges(const CBrelvanDoc& doc) {
    return rangesOf(doc);
}

fit::Bounds sensitivityRanges(const DlgInputData& dlg) {
    return rangesOf(dlg);
}

fit::Bounds inputLimits() {
    fit::Bounds b;
    const int ids[fit::kParams] = {DlgInputData::kIdOGIP, DlgInputData::kIdWIP,
                                   DlgInputData::kIdJWertFeld};
    for (int j = 0; j < fit::kParams; ++j) {
        const DlgInputData::FieldRange r = DlgInputData::rangeOf(ids[j]);
        b.lo[j] = r.min;
        b.hi[j] = r.max;
    }
    return b;
}

engine::RunInputs runInputsOf(const DlgInputData& dlg) {
    // A document with the dialog's values gives the inputs as the editing cycle would.
    CBrelvanDoc probe;
    probe.m_fGas = dlg.m_fGas;
    probe.m_Zeilen = dlg.m_Zeilen;
    probe.m_dKompress = dlg.m_dKompress;
    probe.m_strFeldname = dlg.m_strFeldname;
    probe.m_iJahr = dlg.m_iJahr;
    probe.m_iMonat = dlg.m_iMonat;
    probe.m_iTag = dlg.m_iTag;
    probe.m_dJWert = dlg.m_dJWert;
    probe.m_dOGIP = dlg.m_dOGIP;
    probe.m_dDruck = dlg.m_dDruck;
    probe.m_dTemperatur = dlg.m_dTemperatur;
    probe.m_dWIP = dlg.m_dWIP;
    probe.m_dKompressFormation = dlg.m_dKompressFormation;
    probe.m_dKompressWasser = dlg.m_dKompressWasser;
    probe.m_dSwi = dlg.m_dSwi;
    probe.m_dBw = dlg.m_dBw;
    probe.m_iGrafiktyp = dlg.m_iGrafiktyp;
    probe.m_iVerfahren = engine::influxScheme(dlg.m_iVerfahren);
    probe.m_iModell = dlg.m_iModell;
    probe.jInputs() = dlg.jInputs();
    return probe.runInputs();
}

ShownFitValues shownFitValues(const fit::Point& values, const fit::RangesResult& ranges,
                              const std::array<bool, fit::kParams>& free) {
    ShownFitValues shown;
    for (int j = 0; j < fit::kParams; ++j) {
        if (!free[static_cast<std::size_t>(j)])
            continue;
        const fit::Range range = ranges.computed ? ranges.ranges[j] : fit::Range{};
        shown[static_cast<std::size_t>(j)] = {values[j], fit::justifiedText(values[j], range)};
    }
    return shown;
}

void adoptFit(CBrelvanDoc& doc, const fit::Point& values, const ShownFitValues& shown) {
    doc.m_fitTexts = shown;
    const bool changed = doc.m_dOGIP != values[fit::kOgip] || doc.m_dWIP != values[fit::kWip] ||
                         doc.m_dJWert != values[fit::kJWert];
    doc.m_dOGIP = values[fit::kOgip];
    doc.m_dWIP = values[fit::kWip];
    doc.m_dJWert = values[fit::kJWert];
    doc.m_bGeaendert = changed;
    if (changed)
        doc.SetModifiedFlag();
    doc.m_bSensitivitaet = false;
    doc.compute();
    if (doc.m_bGeaendert)
        doc.m_bNeueDaten = true;
    doc.ui().updateAllViews();
}

} // namespace brelvan
