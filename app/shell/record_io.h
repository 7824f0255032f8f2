#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace tarnwick {

// Reads the fixed little-endian records of our file formats. Reading past the end of the
// data yields zero bytes, so a short file reads as zeros and empty texts, never out of
// bounds.
class RecordReader {
public:
    explicit RecordReader(QByteArray data) : m_data(std::move(data)) {}

    std::uint8_t u8();
    std::uint16_t u16();
    std::int16_t i16();
    double f64();
    QByteArray bytes(qsizetype count);
    // A 16-bit character count followed by that many single-byte characters.
    QString text();

    qsizetype position() const { return m_pos; }
    bool pastEnd() const { return m_pos > m_data.size(); }

private:
    QByteArray m_data;
    qsizetype m_pos = 0;
};

// Builds the same records; the counterpart of RecordReader.
class RecordWriter {
public:
    void u8(std::uint8_t v) { m_data.append(static_cast<char>(v)); }
    void u16(std::uint16_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void f64(double v);
    void bytes(const QByteArray& b) { m_data.append(b); }
    // Fails with an overflow error for texts longer than 65535 characters.
    void text(const QString& s);

    const QByteArray& data() const { return m_data; }

private:
    QByteArray m_data;
};

} // namespace tarnwick
