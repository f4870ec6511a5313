// The extension block of the case file: options that the fixed field order cannot hold, stored
// after the line list.
//
// Layout (little-endian): the tag "BRVX", a 32-bit length of what follows, then tagged fields,
// each a 4-byte tag, a 32-bit length and that many bytes. A field of a tag this program does not
// know is skipped by its length, so later options can be added as new fields.
//
//   "VERF"  int32  the influx scheme m_iVerfahren (0 original, 1 interval mean)
//   "MODL"  int32  the water-zone model m_iModell (0 Fetkovich, 1 van Everdingen-Hurst,
//                  2 Carter-Tracy, 3 pot)
//   "KFOR"  double the gas zone's pore compressibility m_dKompressFormation (1E-5/bar, default 0)
//   "KWAS"  double its connate water compressibility m_dKompressWasser (1E-5/bar, default 0)
//   "SWI "  double its connate water saturation m_dSwi (fraction, default 0)
//   "BW  "  double the water formation volume factor m_dBw (m3/m3, default 1)
//
// Each field is written only when its value differs from the default.
//
// A case whose options all have their defaults is written without the block, so its file is the
// plain field sequence. Reading: no bytes after the line list means all defaults; otherwise
// those bytes must be exactly one complete block, or the file is refused.
#pragma once

#include <string>

#include "support/FileIo.h"

class ByteReader;
class ByteWriter;
class CBrelvanDoc;

namespace brelvan::caseext {

inline constexpr char kBlockTag[4] = {'B', 'R', 'V', 'X'};
inline constexpr char kSchemeTag[4] = {'V', 'E', 'R', 'F'};
inline constexpr char kRockTag[4] = {'K', 'F', 'O', 'R'};
inline constexpr char kConnateWaterTag[4] = {'K', 'W', 'A', 'S'};
inline constexpr char kSwiTag[4] = {'S', 'W', 'I', ' '};
inline constexpr char kBwTag[4] = {'B', 'W', ' ', ' '};
inline constexpr char kModelTag[4] = {'M', 'O', 'D', 'L'};

// Appends the block of the options of `doc`; nothing when every option has its default.
void write(ByteWriter& ar, const CBrelvanDoc& doc);

// Reads what follows the line list into the options of `doc` (which hold their defaults).
// The reason (in the user's language) when those bytes are not one complete, valid block.
IoResult<> read(ByteReader& ar, CBrelvanDoc& doc);

} // namespace brelvan::caseext
