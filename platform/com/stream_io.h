#pragma once

#include "guid.h"
#include "stream.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace tarnwick::com {

// Writes the values of a saved object one after the other without names, little-endian:
// 2-, 4- and 8-byte numbers, booleans as 2 bytes (-1 or 0), and a string as a 32-bit byte
// count (its UTF-16 length in bytes plus 2) followed by the UTF-16 text and a null
// character; no string at all is the count 0 alone.
class StreamWriter {
public:
    explicit StreamWriter(IStream& stream) : m_stream(stream) {}

    void writeInt16(std::int16_t value);
    void writeInt32(std::int32_t value);
    void writeDouble(double value);
    void writeBool(bool value);
    void writeString(const std::optional<QString>& text);
    void writeGuid(const Guid& guid);
    void writeBytes(const QByteArray& bytes);

private:
    IStream& m_stream;
};

// Reads what StreamWriter writes. Data that ends early, or a string count that is odd, below
// 2 or beyond the end of the stream, is ComError(STG_E_READFAULT): a damaged stream never
// makes the reader allocate more than the stream holds.
class StreamReader {
public:
    explicit StreamReader(IStream& stream) : m_stream(stream) {}

    std::int16_t readInt16();
    std::int32_t readInt32();
    double readDouble();
    // Any value other than 0 reads as true.
    bool readBool();
    std::optional<QString> readString();
    Guid readGuid();
    QByteArray readBytes(std::int64_t count);

private:
    std::uint64_t readLittleEndian(int byteCount);
    std::int64_t remaining() const;

    IStream& m_stream;
};

} // namespace tarnwick::com
