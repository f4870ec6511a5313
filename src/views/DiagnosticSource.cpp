#include "document/CBrelvanDoc.h"
#include "views/DiagnosticChart.h"

namespace brelvan::views {

DiagnosticData diagnosticData(const CBrelvanDoc& doc) {
    DiagnosticData data;
    data.fieldName = doc.m_strFeldname;
    data.pInit = doc.m_dDruck;
    data.chartType = doc.m_iGrafiktyp;
    return data;
}

} // namespace brelvan::views
