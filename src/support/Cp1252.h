// Conversion between the UTF-8 text held in memory and the Windows-1252 bytes of case files,
// "aus.txt" and measurement files.
#pragma once

#include <string>
#include <string_view>

namespace brelvan {

// Every byte has a character; the five bytes that Windows-1252 leaves undefined map to the
// control characters of the same number, as Windows itself reads them.
std::string cp1252ToUtf8(std::string_view bytes);

// A character Windows-1252 cannot hold, and every malformed UTF-8 sequence, becomes '?'.
std::string utf8ToCp1252(std::string_view text);

} // namespace brelvan
