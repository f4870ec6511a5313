// File helpers of the document commands, shared with the batch tool: the report file in the
// form of "aus.txt".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/FileIo.h"

class CBrelvanDoc;

namespace brelvan {

// The most lines "aus.txt" gives back to the report.
inline constexpr int kMaxAusTxtZeilen = 1000;

// Where "aus.txt" lives: in the document's m_strAusTxtOrdner, else the current directory.
std::string ausTxtPath(const CBrelvanDoc& doc);

// The second line of the messages about "aus.txt": its folder, so that the user finds the
// file ("\nOrdner: /home/…").
std::string ausTxtFolderLine(const std::string& path);

// The bytes of the report file: nothing for an empty report; otherwise the title and every
// report line, each followed by a line break, in Windows-1252, the texts literally.
std::string reportFileText(const CBrelvanDoc& doc);

// Writes reportFileText to `path` atomically (see writeFileAtomically); the reason
// when the file cannot be written.
IoResult<> writeReportFile(const CBrelvanDoc& doc, const std::string& path);

// The report lines of a file's bytes: one line per text line, up to kMaxAusTxtZeilen, without
// the line break (and a carriage return before it), converted from Windows-1252; a last line
// without a line break counts too, an empty line gives an empty report line.
std::vector<std::string> readReportLines(std::string_view bytes);

} // namespace brelvan
