// The texts of the support layer in German and English: tx() answers with a German text in the
// current language (engine and document have their own tables).
#pragma once

#include <string_view>

#include "support/Language.h"

namespace brelvan::support {

const Catalogue& catalogue();

const char* tx(const char* german);
std::string_view tx(std::string_view german);

} // namespace brelvan::support
