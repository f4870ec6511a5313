// The document's computations: each fills the engine's inputs from the members, runs the
// engine and takes the results back.
#include <cmath>
#include <utility>

#include "document/CBrelvanDoc.h"
#include "document/DataExchange.h"
#include "document/DocumentTexts.h"
#include "document/FitCase.h"
#include "document/WaterZoneCase.h"
#include "engine/DayNumber.h"
#include "engine/GasBalance.h"
#include "engine/GasProperties.h"
#include "engine/Report.h"
#include "engine/ReportWriter.h"
#include "engine/RunChart.h"
#include "engine/Sensitivity.h"
#include "support/TextFormat.h"

using brelvan::engine::RunInputs;
using brelvan::engine::RunResult;

RunInputs CBrelvanDoc::runInputs() const {
    RunInputs in;
    in.fieldName = m_strFeldname;
    in.gas = m_fGas;
    in.temperature = m_dTemperatur;
    in.pInit = m_dDruck;
    in.ogip = m_dOGIP;
    in.wip = m_dWIP;
    in.compress = m_dKompress;
    in.jValue = m_dJWert;
    in.startDay = m_iTag;
    in.startMonth = m_iMonat;
    in.startYear = m_iJahr;
    in.scheme = m_iVerfahren;
    in.ce =
        brelvan::engine::effectiveCompressibility(m_dKompressFormation, m_dKompressWasser, m_dSwi);
    in.bw = m_dBw;
    in.model = brelvan::modelOf(m_iModell);
    in.rock = brelvan::rockOf(jInputs());
    in.rows = brelvan::engine::parseRows(m_Zeilen);
    return in;
}

void CBrelvanDoc::applyRunResult(const RunInputs& in, RunResult&& r) {
    using namespace brelvan;
    // A case of the sensitivity search adds only its aborts to the report.
    const bool gridCase = m_bSensitivitaet;
    m_dZInit = r.zInit;
    report::RunText text =
        report::runText(in, r, gridCase ? report::Detail::GridCase : report::Detail::Full);
    const chart::Series s = chart::runSeries(r, in.pInit, chart::xAxis(m_iGrafiktyp), !gridCase);
    if (!gridCase) {
        m_Tabelle = std::move(r.rows); // the table of a full run, for the export
        m_bAbgebrochen = !r.status.completed();
        m_Ausgabe = std::move(text.lines);
    } else {
        m_Ausgabe.insert(m_Ausgabe.end(), std::make_move_iterator(text.lines.begin()),
                         std::make_move_iterator(text.lines.end()));
    }
    m_fXRechen = s.xRechen;
    m_fPRechen = s.pRechen;
    m_fWERechen = s.weRechen;
    m_fXMess = s.xMess;
    m_fPMess = s.pMess;
    m_MaxWerte = s.computedPoints;
    m_Max2Werte = s.measuredPoints;
    if (s.hasCaptions()) {
        m_strXAchse = s.xAchse;
        m_strY1Achse = s.y1Achse;
        m_strY2Achse = s.y2Achse;
        m_strLegende1 = s.legende1;
        m_strLegende2 = s.legende2;
        m_strLegende3 = s.legende3;
    }
    for (const std::string& message : text.messages)
        ui().message(message);
}

double CBrelvanDoc::compute() {
    const RunInputs in = runInputs();
    RunResult r = brelvan::engine::run(in);
    const double error = r.meanError;
    applyRunResult(in, std::move(r));
    return error;
}

void CBrelvanDoc::sensitivity() {
    using namespace brelvan::sens;
    ui().beginWaitCursor();
    const brelvan::engine::RunInputs in = runInputs();
    const Ranges ranges =
        searchRanges(in, {m_dMinOGIP, m_dMaxOGIP, m_dMinWIP, m_dMaxWIP, m_dMinJ, m_dMaxJ});
    SearchResult s = search(in, ranges);
    // What the grid cases left behind, as if they had run on the document one by one.
    m_dZInit = s.lastZInit;
    m_Ausgabe.insert(m_Ausgabe.end(), std::make_move_iterator(s.report.begin()),
                     std::make_move_iterator(s.report.end()));
    for (const std::string& text : s.messages)
        ui().message(text);
    m_SensWerte.clear();
    for (int c = 0; c < kCases; ++c) {
        const GridValues v = gridValues(ranges, c);
        m_SensWerte.push_back({s.errors[static_cast<std::size_t>(c)], v.ogip, v.wip, v.jValue});
    }
    m_SensErgebnisse = std::move(s.lines);
    ui().endWaitCursor();

    if (ui().question(s.question))
        ui().showSensResults(std::vector<std::string>(m_SensErgebnisse));

    // The case takes only values its input dialog accepts: the best grid case within the
    // input limits, or its own values when no grid case with an error value lies within them.
    GridValues adopt = s.best;
    const brelvan::fit::Bounds limits = brelvan::inputLimits();
    auto accepted = [&limits](const GridValues& v) {
        return brelvan::inRange(v.ogip, limits.lo[0], limits.hi[0]) &&
               brelvan::inRange(v.wip, limits.lo[1], limits.hi[1]) &&
               brelvan::inRange(v.jValue, limits.lo[2], limits.hi[2]);
    };
    if (s.haveBest && !accepted(s.best)) {
        int chosen = -1;
        for (int c = 0; c < kCases; ++c) {
            const double e = s.errors[static_cast<std::size_t>(c)];
            if (std::isfinite(e) && accepted(gridValues(ranges, c)) &&
                (chosen < 0 || e < s.errors[static_cast<std::size_t>(chosen)]))
                chosen = c;
        }
        using brelvan::document::tx;
        std::string text = brelvan::cformat(
            tx("Der beste Fall (OGIP %.3f, WIP %.3f, J-Wert %.4f) liegt außerhalb der Grenzen der "
               "Eingabe (OGIP und WIP %g bis %g Mio m3, J-Wert %g bis %g m3/(Tag bar)). "),
            s.best.ogip, s.best.wip, s.best.jValue, limits.lo[0], limits.hi[0], limits.lo[2],
            limits.hi[2]);
        if (chosen >= 0) {
            adopt = gridValues(ranges, chosen);
            text += brelvan::cformat(
                tx("Übernommen wird der beste Fall innerhalb der Grenzen: "
                   "OGIP %.3f, WIP %.3f, J-Wert %.4f (mittlerer Fehler %.4f)."),
                adopt.ogip, adopt.wip, adopt.jValue, s.errors[static_cast<std::size_t>(chosen)]);
        } else {
            adopt = {m_dOGIP, m_dWIP, m_dJWert};
            text +=
                tx("Kein Fall innerhalb der Grenzen ergab einen Fehlerwert; die Werte des Falls "
                   "bleiben.");
        }
        ui().message(text);
    }
    m_dOGIP = adopt.ogip;
    m_dWIP = adopt.wip;
    m_dJWert = adopt.jValue;
    m_bSensitivitaet = false;
    compute();
}

void CBrelvanDoc::writeheader() {
    m_Ausgabe.clear();
    brelvan::report::writeHeader(runInputs(), m_dZInit, m_Ausgabe);
}

void CBrelvanDoc::pseudocrit(double& tpc, double& ppc) const {
    brelvan::gas::pseudocrit(m_fGas, tpc, ppc);
}

void CBrelvanDoc::critcorrect(double tpc, double ppc, double& tpcKorr, double& ppcKorr) const {
    brelvan::gas::critcorrect(m_fGas, tpc, ppc, tpcKorr, ppcKorr);
}

double CBrelvanDoc::zfactor(double temperaturC, double druckBar, double tpc, double ppc) const {
    return brelvan::gas::zfactor(temperaturC, druckBar, tpc, ppc);
}

double CBrelvanDoc::pzpressure(double temperaturC, double pzBar, double tpc, double ppc) const {
    return brelvan::gas::pzpressure(temperaturC, pzBar, tpc, ppc);
}

double CBrelvanDoc::tage(int tag, int monat, int jahr) const {
    return brelvan::tage(tag, monat, jahr, &ui());
}
