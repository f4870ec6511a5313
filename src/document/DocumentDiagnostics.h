// The diagnostics of a case document: one full run of the case as it stands, and the plots and
// the water-support check computed from its rows.
#pragma once

#include <vector>

#include "engine/Diagnostics.h"
#include "engine/Run.h"

class CBrelvanDoc;

namespace brelvan {

struct DocumentDiagnostics {
    std::vector<engine::RowRecord> rows; // the rows the run computed
    engine::Diagnostics diag;
    bool aborted = false; // the run ended early: the diagnostics rest on the rows before
};

DocumentDiagnostics diagnoseDocument(const CBrelvanDoc& doc);

} // namespace brelvan
