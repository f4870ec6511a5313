#include "document/CBrelvanDoc.h"
#include "engine/Run.h"
#include "views/DiagnosticChart.h"

namespace brelvan::views {

DiagnosticData diagnosticData(const CBrelvanDoc& doc) {
    DiagnosticData data;
    data.fieldName = doc.m_strFeldname;
    data.pInit = doc.m_dDruck;
    data.chartType = doc.m_iGrafiktyp;
    // Only a case that has been computed has plots (a new case shows none, as in the report).
    if (doc.m_MaxWerte <= 0) {
        return data;
    }
    engine::RunInputs inputs = doc.runInputs();
    inputs.quiet = false;
    engine::RunResult result = engine::run(inputs);
    data.rows = std::move(result.rows);
    data.diag = engine::diagnose(data.rows, result.pzInit, inputs.temperature, inputs.ogip,
                                 inputs.chartType,
                                 engine::BalanceTerms{inputs.ce, inputs.bw, inputs.pInit});
    data.valid = !data.rows.empty();
    return data;
}

} // namespace brelvan::views
