#include "stream_io.h"

#include "com_error.h"

#include <bit>
#include <limits>

namespace tarnwick::com {

namespace {

void writeLittleEndian(IStream& stream, std::uint64_t value, int byteCount) {
    char bytes[8] = {};
    for (int i = 0; i < byteCount; ++i) {
        bytes[i] = static_cast<char>(value >> (8 * i));
    }
    stream.Write(bytes, byteCount);
}

[[noreturn]] void throwReadFault() {
    throw ComError::standard(STG_E_READFAULT);
}

} // namespace

void StreamWriter::writeInt16(std::int16_t value) {
    writeLittleEndian(m_stream, static_cast<std::uint16_t>(value), 2);
}

void StreamWriter::writeInt32(std::int32_t value) {
    writeLittleEndian(m_stream, static_cast<std::uint32_t>(value), 4);
}

void StreamWriter::writeDouble(double value) {
    writeLittleEndian(m_stream, std::bit_cast<std::uint64_t>(value), 8);
}

void StreamWriter::writeBool(bool value) {
    writeInt16(value ? -1 : 0);
}

void StreamWriter::writeString(const std::optional<QString>& text) {
    if (!text) {
        writeInt32(0);
        return;
    }
    const qsizetype byteCount = (text->size() + 1) * 2;
    if (byteCount > std::numeric_limits<std::int32_t>::max()) {
        throw ComError::standard(ErrorNumber::Overflow);
    }
    writeInt32(static_cast<std::int32_t>(byteCount));
    for (const QChar c : *text) {
        writeLittleEndian(m_stream, c.unicode(), 2);
    }
    writeLittleEndian(m_stream, 0, 2);
}

void StreamWriter::writeGuid(const Guid& guid) {
    writeBytes(guid.toBytes());
}

void StreamWriter::writeBytes(const QByteArray& bytes) {
    m_stream.Write(bytes.constData(), bytes.size());
}

std::uint64_t StreamReader::readLittleEndian(int byteCount) {
    char bytes[8] = {};
    if (m_stream.Read(bytes, byteCount) != byteCount) {
        throwReadFault();
    }
    std::uint64_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[i]);
    }
    return value;
}

std::int64_t StreamReader::remaining() const {
    return m_stream.Size() - m_stream.Seek(0, SeekOrigin::Current);
}

std::int16_t StreamReader::readInt16() {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(readLittleEndian(2)));
}

std::int32_t StreamReader::readInt32() {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(readLittleEndian(4)));
}

double StreamReader::readDouble() {
    return std::bit_cast<double>(readLittleEndian(8));
}

bool StreamReader::readBool() {
    return readInt16() != 0;
}

std::optional<QString> StreamReader::readString() {
    const std::int32_t byteCount = readInt32();
    if (byteCount == 0) {
        return std::nullopt;
    }
    if (byteCount < 2 || byteCount % 2 != 0) {
        throwReadFault();
    }
    const QByteArray bytes = readBytes(byteCount);
    QString text(bytes.size() / 2 - 1, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        text[i] = QChar(static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                              static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
    }
    return text;
}

Guid StreamReader::readGuid() {
    return *Guid::fromBytes(readBytes(static_cast<std::int64_t>(Guid::kByteSize)));
}

QByteArray StreamReader::readBytes(std::int64_t count) {
    if (count < 0 || count > remaining()) {
        throwReadFault();
    }
    QByteArray bytes(count, Qt::Uninitialized);
    if (m_stream.Read(bytes.data(), count) != count) {
        throwReadFault();
    }
    return bytes;
}

} // namespace tarnwick::com
