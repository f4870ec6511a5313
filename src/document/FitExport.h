// The results of a fit and of a misfit map as tables for spreadsheets, written through the
// generic table writers.
#pragma once

#include "document/TableExport.h"
#include "engine/Fit.h"
#include "engine/MisfitMap.h"

namespace brelvan {

// The table "Anpassung": one row per parameter (name with unit, value, "frei" or "fest", the
// 95-%-range's ends with an empty cell for an open side, the open sides in words), then the
// RMS error, the mean error and the iterations.
table::Table fitTable(const fit::RefineResult& best, const fit::RangesResult& ranges,
                      const fit::RefineOptions& options);

// The table "Fehlerkarte": one row per cell with the three parameters and both errors as
// numbers; a cell without an error value has empty error cells.
table::Table mapTable(const fit::MisfitMap& map);

} // namespace brelvan
