// The byte archive of case files: fields written and read in a fixed order, little-endian
// whatever the machine, strings with the length prefixes of the MFC archive and string lists
// with its element counts. Text is UTF-8 in memory and Windows-1252 in the file; a character
// Windows-1252 cannot hold is written as "?".
//
// Every read is bounds-checked: a read that the remaining bytes cannot satisfy fails, leaves
// its target untouched and marks the reader failed; all later reads fail as well. A length or
// count larger than the remaining bytes can back fails before anything is allocated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ByteWriter {
public:
    void writeUInt8(std::uint8_t v);
    void writeUInt16(std::uint16_t v);
    void writeUInt32(std::uint32_t v);
    void writeInt32(std::int32_t v);
    void writeFloat(float v);
    void writeDouble(double v);
    // Length prefix: one byte below 255; else 0xFF and 16 bits below 0xFFFE; else 0xFF, 0xFFFF
    // and 32 bits. Then the Windows-1252 bytes, without terminator.
    void writeString(std::string_view utf8);
    // Element count: 16 bits below 0xFFFF, else 0xFFFF and 32 bits; then every element.
    void writeStringList(const std::vector<std::string>& list);

    const std::vector<unsigned char>& bytes() const { return m_bytes; }

private:
    void writeRawString(std::string_view bytes);
    std::vector<unsigned char> m_bytes;
};

class ByteReader {
public:
    // The reader does not own the bytes: they must outlive it.
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}
    explicit ByteReader(std::string&&) = delete;
    ByteReader(const unsigned char* data, std::size_t size)
        : m_bytes(reinterpret_cast<const char*>(data), size) {}

    bool readUInt8(std::uint8_t& v);
    bool readUInt16(std::uint16_t& v);
    bool readUInt32(std::uint32_t& v);
    bool readInt32(std::int32_t& v);
    bool readFloat(float& v);
    bool readDouble(double& v);
    bool readString(std::string& utf8);
    bool readStringList(std::vector<std::string>& list);
    // The next `n` bytes as they stand (a view into the reader's bytes).
    bool readBytes(std::size_t n, std::string_view& out) { return take(n, Item::Bytes, out); }

    bool failed() const { return m_failed; }
    // What failed, in the user's language, with the byte offset ("" while nothing failed).
    const std::string& failure() const { return m_failure; }
    std::size_t position() const { return m_pos; }
    std::size_t remaining() const { return m_bytes.size() - m_pos; }

private:
    // What a read expects, named in the message when the file ends before it.
    enum class Item { Byte, Int16, Int32, Integer, Float, Text, Bytes };
    static const char* itemName(Item item);

    bool take(std::size_t n, Item what, std::string_view& out);
    bool fail(std::string text);
    bool readLength(std::uint32_t& length);
    bool readCount(std::uint32_t& count);

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    bool m_failed = false;
    std::string m_failure;
};
