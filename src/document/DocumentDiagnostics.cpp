#include "document/DocumentDiagnostics.h"

#include <utility>

#include "document/CBrelvanDoc.h"

namespace brelvan {

DocumentDiagnostics diagnoseDocument(const CBrelvanDoc& doc) {
    const engine::RunInputs in = doc.runInputs();
    engine::RunResult result = engine::run(in);
    DocumentDiagnostics d;
    d.aborted = result.aborted();
    d.diag = engine::diagnose(result, in, doc.m_iGrafiktyp);
    d.rows = std::move(result.rows);
    return d;
}

} // namespace brelvan
