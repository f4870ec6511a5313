#include "document/CaseExtension.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "document/Archive.h"
#include "document/CBrelvanDoc.h"
#include "document/DocumentTexts.h"
#include "support/TextFormat.h"

namespace brelvan::caseext {

using document::tx;

namespace {

void writeTag(ByteWriter& ar, const char (&tag)[4]) {
    for (char c : tag)
        ar.writeUInt8(static_cast<std::uint8_t>(c));
}

bool isTag(std::string_view bytes, const char (&tag)[4]) {
    return bytes.size() == 4 && std::memcmp(bytes.data(), tag, 4) == 0;
}

// The gas zone's values: each stored only when it differs from its default.
struct GasZoneField {
    const char (&tag)[4];
    double ReservoirData::*member;
    double fallback;
    double min, max;       // inclusive; a stored value outside makes the block damaged
    const char* (*name)(); // for the message, in the language of the moment
};
const GasZoneField kGasZoneFields[] = {
    {kRockTag, &ReservoirData::m_dKompressFormation, 0, 0, 1e6,
     [] { return tx("die Gesteinskompressibilität"); }},
    {kConnateWaterTag, &ReservoirData::m_dKompressWasser, 0, 0, 1e6,
     [] { return tx("die Haftwasserkompressibilität"); }},
    {kSwiTag, &ReservoirData::m_dSwi, 0, 0, 0.99, [] { return tx("die Haftwassersättigung"); }},
    {kBwTag, &ReservoirData::m_dBw, 1, 0.01, 100,
     [] { return tx("der Formationsvolumenfaktor des Wassers"); }},
};

} // namespace

void write(ByteWriter& ar, const CBrelvanDoc& doc) {
    ByteWriter fields;
    if (doc.m_iVerfahren != engine::InfluxScheme::Original) {
        writeTag(fields, kSchemeTag);
        fields.writeUInt32(4);
        fields.writeInt32(static_cast<std::int32_t>(doc.m_iVerfahren));
    }
    if (doc.m_iModell != 0) {
        writeTag(fields, kModelTag);
        fields.writeUInt32(4);
        fields.writeInt32(doc.m_iModell);
    }
    for (const GasZoneField& f : kGasZoneFields) {
        if (doc.*f.member == f.fallback)
            continue;
        writeTag(fields, f.tag);
        fields.writeUInt32(8);
        fields.writeDouble(doc.*f.member);
    }
    if (fields.bytes().empty())
        return;

    writeTag(ar, kBlockTag);
    ar.writeUInt32(static_cast<std::uint32_t>(fields.bytes().size()));
    for (unsigned char b : fields.bytes())
        ar.writeUInt8(b);
}

IoResult<> read(ByteReader& ar, CBrelvanDoc& doc) {
    const std::size_t start = ar.position();
    if (ar.remaining() == 0)
        return {};
    auto damaged = [&](const std::string& why) {
        return IoResult<>::failure(
            cformat(tx("der Erweiterungsblock ab Byte %u ist beschädigt: %s"), start, why));
    };

    std::string_view tag;
    std::uint32_t length = 0;
    if (!ar.readBytes(4, tag) || !ar.readUInt32(length))
        return damaged(tx("er endet vor seiner Länge"));
    if (!isTag(tag, kBlockTag))
        return damaged(tx("er beginnt nicht mit „BRVX“"));
    if (length > ar.remaining())
        return damaged(cformat(tx("er soll %u Bytes lang sein, die Datei hat danach nur %u Bytes"),
                               length, ar.remaining()));
    if (length < ar.remaining())
        return damaged(cformat(tx("nach ihm folgen noch %u Bytes"), ar.remaining() - length));

    int verfahren = 0, modell = 0;
    ReservoirData gasZone; // the defaults
    while (ar.remaining() > 0) {
        const std::size_t at = ar.position();
        std::string_view fieldTag;
        std::uint32_t fieldLength = 0;
        if (!ar.readBytes(4, fieldTag) || !ar.readUInt32(fieldLength))
            return damaged(cformat(tx("das Feld ab Byte %u endet vor seiner Länge"), at));
        if (fieldLength > ar.remaining())
            return damaged(cformat(tx("das Feld ab Byte %u soll %u Bytes lang sein, der Block hat "
                                      "danach nur %u Bytes"),
                                   at, fieldLength, ar.remaining()));
        std::string_view payload;
        ar.readBytes(fieldLength, payload);
        if (isTag(fieldTag, kSchemeTag)) {
            ByteReader value(payload);
            std::int32_t v = 0;
            if (fieldLength != 4 || !value.readInt32(v) || (v != 0 && v != 1))
                return damaged(
                    cformat(tx("das Rechenverfahren ab Byte %u ist weder 0 noch 1"), at));
            verfahren = v;
        } else if (isTag(fieldTag, kModelTag)) {
            ByteReader value(payload);
            std::int32_t v = 0;
            if (fieldLength != 4 || !value.readInt32(v) || v < 0 || v > 3)
                return damaged(
                    cformat(tx("das Zuflussmodell ab Byte %u ist keines von 0 bis 3"), at));
            modell = v;
        }
        for (const GasZoneField& f : kGasZoneFields) {
            if (!isTag(fieldTag, f.tag))
                continue;
            ByteReader value(payload);
            double v = 0;
            if (fieldLength != 8 || !value.readDouble(v) || !(v >= f.min && v <= f.max))
                return damaged(cformat(tx("%s ab Byte %u ist keine Zahl von %g bis %g"), f.name(),
                                       at, f.min, f.max));
            gasZone.*f.member = v;
        }
        // Fields of other tags belong to later versions of the program and are skipped.
    }
    doc.m_iVerfahren = engine::influxScheme(verfahren);
    for (const GasZoneField& f : kGasZoneFields)
        doc.*f.member = gasZone.*f.member;
    doc.m_iModell = modell;
    return {};
}

} // namespace brelvan::caseext
