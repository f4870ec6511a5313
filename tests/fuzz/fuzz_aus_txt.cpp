// A report file "aus.txt" read back into the report, and written out again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/CBrelvanDoc.h"
#include "document/DocumentCommands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CBrelvanDoc doc;
    doc.m_Ausgabe =
        brelvan::readReportLines(std::string_view(reinterpret_cast<const char*>(data), size));
    if (doc.m_Ausgabe.size() > static_cast<std::size_t>(brelvan::kMaxAusTxtZeilen))
        __builtin_trap();
    const std::string text = brelvan::reportFileText(doc);
    // Written and read again: the title line and as many lines as before (up to the limit).
    const auto again = brelvan::readReportLines(text);
    if (!doc.m_Ausgabe.empty() &&
        again.size() != std::min<std::size_t>(doc.m_Ausgabe.size() + 1,
                                              static_cast<std::size_t>(brelvan::kMaxAusTxtZeilen)))
        __builtin_trap();
    return 0;
}
