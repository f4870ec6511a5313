// Commands of the diagnostic views: one to show each plot, one to export the plot shown.
#pragma once

#include "views/DiagnosticChart.h"

namespace brelvan::cmd {

enum : int {
    ID_DIAG_HISTORY = 32850,
    ID_DIAG_PZ = 32851,
    ID_DIAG_COLE = 32852,
    ID_DIAG_HO = 32853,
    ID_DIAG_RESIDUALS = 32854,
    ID_DIAG_EXPORT = 32855,
};

// The command that shows a plot, and the plot a command shows.
inline int diagnosticCommand(views::DiagnosticKind kind) {
    return ID_DIAG_HISTORY + static_cast<int>(kind);
}
inline bool diagnosticKindOfCommand(int id, views::DiagnosticKind& kind) {
    if (id < ID_DIAG_HISTORY || id > ID_DIAG_RESIDUALS) {
        return false;
    }
    kind = static_cast<views::DiagnosticKind>(id - ID_DIAG_HISTORY);
    return true;
}

} // namespace brelvan::cmd
