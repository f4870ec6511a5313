// The batch tool's texts in English beside the German ones: usage, help, messages and the
// labels of its outputs. Call sites pass the German literal to tx() inline; the
// catalogue holds the English translation of every such text.
#pragma once

#include <string_view>

#include "support/Language.h"

namespace cli {

const brelvan::Catalogue& catalogue();

// The text in the current language (brelvan::currentLanguage()).
const char* tx(const char* german);
std::string_view tx(std::string_view german);

} // namespace cli
