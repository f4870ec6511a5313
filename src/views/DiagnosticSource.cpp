#include "document/CBrelvanDoc.h"
#include "document/DocumentDiagnostics.h"
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
    DocumentDiagnostics d = diagnoseDocument(doc);
    data.rows = std::move(d.rows);
    data.diag = std::move(d.diag);
    data.valid = !data.rows.empty();
    if (!doc.m_modelCurves.empty() &&
        fit::comparisonHolds(doc.m_modelCurves.compared, doc.runInputs()))
        data.modelCurves = doc.m_modelCurves.curves;
    return data;
}

} // namespace brelvan::views
