// The English texts of the case document: its messages, the texts of its dialog rules and the
// headings and labels of its exported tables. Every text is written in German where it is
// used, inside tx(...); tx answers with it unchanged while the language is German.
#pragma once

#include <string_view>

#include "support/Language.h"

namespace brelvan::document {

const brelvan::Catalogue& catalogue();

// `german` in the current language.
const char* tx(const char* german);
std::string_view tx(std::string_view german);

} // namespace brelvan::document
