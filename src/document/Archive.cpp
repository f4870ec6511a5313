#include "document/Archive.h"

#include <bit>
#include <utility>

#include "document/DocumentTexts.h"
#include "support/Cp1252.h"
#include "support/TextFormat.h"

static_assert(sizeof(float) == 4 && sizeof(double) == 8, "IEEE 754 binary32 and binary64");

void ByteWriter::writeUInt8(std::uint8_t v) {
    m_bytes.push_back(v);
}

void ByteWriter::writeUInt16(std::uint16_t v) {
    m_bytes.push_back(static_cast<unsigned char>(v & 0xFF));
    m_bytes.push_back(static_cast<unsigned char>(v >> 8));
}

void ByteWriter::writeUInt32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.push_back(static_cast<unsigned char>((v >> shift) & 0xFF));
}

void ByteWriter::writeInt32(std::int32_t v) {
    writeUInt32(static_cast<std::uint32_t>(v));
}

void ByteWriter::writeFloat(float v) {
    writeUInt32(std::bit_cast<std::uint32_t>(v));
}

void ByteWriter::writeDouble(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    writeUInt32(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
    writeUInt32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteWriter::writeRawString(std::string_view bytes) {
    const std::size_t n = bytes.size();
    if (n < 0xFF) {
        writeUInt8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        writeUInt8(0xFF);
        writeUInt16(static_cast<std::uint16_t>(n));
    } else {
        writeUInt8(0xFF);
        writeUInt16(0xFFFF);
        writeUInt32(static_cast<std::uint32_t>(n));
    }
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void ByteWriter::writeString(std::string_view utf8) {
    writeRawString(brelvan::utf8ToCp1252(utf8));
}

void ByteWriter::writeStringList(const std::vector<std::string>& list) {
    const std::size_t n = list.size();
    if (n < 0xFFFF) {
        writeUInt16(static_cast<std::uint16_t>(n));
    } else {
        writeUInt16(0xFFFF);
        writeUInt32(static_cast<std::uint32_t>(n));
    }
    for (const std::string& s : list)
        writeString(s);
}

bool ByteReader::fail(std::string text) {
    if (!m_failed) {
        m_failed = true;
        m_failure = std::move(text);
    }
    return false;
}

using brelvan::document::tx;

const char* ByteReader::itemName(Item item) {
    switch (item) {
    case Item::Byte:
        return tx("einem Byte");
    case Item::Int16:
        return tx("einer 16-Bit-Zahl");
    case Item::Int32:
        return tx("einer 32-Bit-Zahl");
    case Item::Integer:
        return tx("einer ganzen Zahl");
    case Item::Float:
        return tx("einer Gleitkommazahl");
    case Item::Text:
        return tx("dem Text");
    case Item::Bytes:
        break;
    }
    return tx("weiteren Bytes");
}

bool ByteReader::take(std::size_t n, Item what, std::string_view& out) {
    if (m_failed)
        return false;
    if (n > remaining()) {
        return fail(
            brelvan::cformat(tx("die Datei endet bei Byte %u vor %s"), m_pos, itemName(what)));
    }
    out = m_bytes.substr(m_pos, n);
    m_pos += n;
    return true;
}

namespace {

std::uint64_t littleEndian(std::string_view b) {
    std::uint64_t v = 0;
    for (std::size_t i = b.size(); i-- > 0;)
        v = (v << 8) | static_cast<unsigned char>(b[i]);
    return v;
}

} // namespace

bool ByteReader::readUInt8(std::uint8_t& v) {
    std::string_view b;
    if (!take(1, Item::Byte, b))
        return false;
    v = static_cast<std::uint8_t>(littleEndian(b));
    return true;
}

bool ByteReader::readUInt16(std::uint16_t& v) {
    std::string_view b;
    if (!take(2, Item::Int16, b))
        return false;
    v = static_cast<std::uint16_t>(littleEndian(b));
    return true;
}

bool ByteReader::readUInt32(std::uint32_t& v) {
    std::string_view b;
    if (!take(4, Item::Int32, b))
        return false;
    v = static_cast<std::uint32_t>(littleEndian(b));
    return true;
}

bool ByteReader::readInt32(std::int32_t& v) {
    std::string_view b;
    if (!take(4, Item::Integer, b))
        return false;
    v = static_cast<std::int32_t>(static_cast<std::uint32_t>(littleEndian(b)));
    return true;
}

bool ByteReader::readFloat(float& v) {
    std::string_view b;
    if (!take(4, Item::Float, b))
        return false;
    v = std::bit_cast<float>(static_cast<std::uint32_t>(littleEndian(b)));
    return true;
}

bool ByteReader::readDouble(double& v) {
    std::string_view b;
    if (!take(8, Item::Float, b))
        return false;
    v = std::bit_cast<double>(littleEndian(b));
    return true;
}

bool ByteReader::readLength(std::uint32_t& length) {
    std::uint8_t b = 0;
    if (!readUInt8(b))
        return false;
    if (b < 0xFF) {
        length = b;
        return true;
    }
    std::uint16_t w = 0;
    if (!readUInt16(w))
        return false;
    if (w < 0xFFFF) {
        length = w;
        return true;
    }
    return readUInt32(length);
}

bool ByteReader::readCount(std::uint32_t& count) {
    std::uint16_t w = 0;
    if (!readUInt16(w))
        return false;
    if (w < 0xFFFF) {
        count = w;
        return true;
    }
    return readUInt32(count);
}

bool ByteReader::readString(std::string& utf8) {
    const std::size_t start = m_pos;
    std::uint32_t length = 0;
    if (!readLength(length))
        return false;
    if (length > remaining()) {
        return fail(brelvan::cformat(
            tx("der Text ab Byte %u soll %u Zeichen lang sein, die Datei hat danach nur %u Bytes"),
            start, length, remaining()));
    }
    std::string_view b;
    take(length, Item::Text, b);
    utf8 = brelvan::cp1252ToUtf8(b);
    return true;
}

bool ByteReader::readStringList(std::vector<std::string>& list) {
    const std::size_t start = m_pos;
    std::uint32_t count = 0;
    if (!readCount(count))
        return false;
    // Every element takes at least its one-byte length prefix.
    if (count > remaining()) {
        return fail(brelvan::cformat(
            tx("die Liste ab Byte %u soll %u Einträge haben, die Datei hat danach nur %u Bytes"),
            start, count, remaining()));
    }
    std::vector<std::string> read;
    read.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string s;
        if (!readString(s))
            return false;
        read.push_back(std::move(s));
    }
    list = std::move(read);
    return true;
}
