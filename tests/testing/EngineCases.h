// Cases shared by the engine's tests.
#pragma once

#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "engine/ReportWriter.h"
#include "engine/Run.h"
#include "engine/RunChart.h"
#include "testing/WorkedCase.h"

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

// A run with its words and its chart: the numbers of the engine, the report lines and messages
// of the report writer, the series of the chart adapter, as the document takes them over.
struct WrittenRun : brelvan::engine::RunResult {
    std::vector<std::string> report, messages;
    brelvan::chart::Series series;
};

// `gridCase`: a case of the sensitivity search (only abort lines, no series rows).
inline WrittenRun runWritten(const brelvan::engine::RunInputs& in, bool gridCase = false,
                             brelvan::chart::XAxis axis = brelvan::chart::XAxis::Days) {
    WrittenRun w;
    static_cast<brelvan::engine::RunResult&>(w) = brelvan::engine::run(in);
    brelvan::report::RunText text = brelvan::report::runText(
        in, w, gridCase ? brelvan::report::Detail::GridCase : brelvan::report::Detail::Full);
    w.report = std::move(text.lines);
    w.messages = std::move(text.messages);
    w.series = brelvan::chart::runSeries(w, in.pInit, axis, !gridCase);
    return w;
}

// The rows of `lines`.
inline brelvan::engine::Rows rowsOf(const std::vector<std::string>& lines) {
    return brelvan::engine::parseRows(lines);
}
