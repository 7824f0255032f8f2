#include "record_io.h"

#include "app_error.h"
#include "latin1.h"

#include <QtEndian>

#include <bit>
#include <cstring>

namespace tarnwick {

QByteArray RecordReader::bytes(qsizetype count) {
    QByteArray out(count, '\0');
    const qsizetype available = qBound<qsizetype>(0, m_data.size() - m_pos, count);
    if (available > 0) {
        std::memcpy(out.data(), m_data.constData() + m_pos, static_cast<size_t>(available));
    }
    m_pos += count;
    return out;
}

std::uint8_t RecordReader::u8() {
    return static_cast<std::uint8_t>(bytes(1).at(0));
}

std::uint16_t RecordReader::u16() {
    return qFromLittleEndian<quint16>(bytes(2).constData());
}

std::int16_t RecordReader::i16() {
    return static_cast<std::int16_t>(u16());
}

double RecordReader::f64() {
    return std::bit_cast<double>(qFromLittleEndian<quint64>(bytes(8).constData()));
}

QString RecordReader::text() {
    const std::uint16_t count = u16();
    return fromSingleByte(bytes(count));
}

void RecordWriter::u16(std::uint16_t v) {
    char buf[2];
    qToLittleEndian<quint16>(v, buf);
    m_data.append(buf, 2);
}

void RecordWriter::f64(double v) {
    char buf[8];
    qToLittleEndian<quint64>(std::bit_cast<quint64>(v), buf);
    m_data.append(buf, 8);
}

void RecordWriter::text(const QString& s) {
    const QByteArray b = toSingleByte(s);
    if (b.size() > 0xFFFF) {
        throw AppError::standard(ErrorNumber::Overflow, QStringLiteral("text longer than 65535 characters"));
    }
    u16(static_cast<std::uint16_t>(b.size()));
    m_data.append(b);
}

} // namespace tarnwick
