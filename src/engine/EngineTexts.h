// The texts of the engine in German and English: tx() answers with a German text in the current
// language. The report's lines (engine/Report.h) and the sensitivity search's texts stand as
// named German constants; their users pass them through tx() as well.
#pragma once

#include <string_view>

#include "support/Language.h"

namespace brelvan::engine {

const Catalogue& catalogue();

const char* tx(const char* german);
std::string_view tx(std::string_view german);

} // namespace brelvan::engine
