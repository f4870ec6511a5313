// File helpers of the document commands, shared with the batch tool: the report file in the
// form of "aus.txt", whole-file reading and atomic writing.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

class CBrelvanDoc;

namespace brelvan {

// The most lines "aus.txt" gives back to the report.
inline constexpr int kMaxAusTxtZeilen = 1000;

// Where "aus.txt" lives: in the document's m_strAusTxtOrdner, else the current directory.
std::string ausTxtPath(const CBrelvanDoc& doc);

// The bytes of the report file: nothing for an empty report; otherwise the title and every
// report line, each followed by a line break, in Windows-1252, the texts literally.
std::string reportFileText(const CBrelvanDoc& doc);

// Writes reportFileText to `path` (atomically, in text mode); false and `error` (German) when
// the file cannot be created or written.
bool writeReportFile(const CBrelvanDoc& doc, const std::string& path, std::string& error);

// The report lines a file holds: one line per text line, up to kMaxAusTxtZeilen, without the
// line break (and a carriage return before it), converted from Windows-1252; a last line
// without a line break counts too, an empty line gives an empty report line.
std::vector<std::string> readReportLines(std::istream& in);

// The whole content of a file; false and `error` (German) when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& bytes, std::string& error);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so that `path`
// holds either its previous content or all of `bytes`. `textMode`: written as a text file.
// False and `error` (German, without the file name) when anything fails; the temporary file
// is removed then.
bool writeFileAtomically(const std::string& path, std::string_view bytes, bool textMode,
                         std::string& error);

} // namespace brelvan
