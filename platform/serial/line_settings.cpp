#include "line_settings.h"

#include <QStringList>

namespace tarnwick {

namespace {

constexpr qint32 kLowestBaud = 50;
constexpr qint32 kHighestBaud = 4000000;

std::optional<QSerialPort::Parity> parityOf(const QString& text) {
    if (text.size() != 1) {
        return std::nullopt;
    }
    switch (text[0].toLower().unicode()) {
    case 'n':
        return QSerialPort::NoParity;
    case 'e':
        return QSerialPort::EvenParity;
    case 'o':
        return QSerialPort::OddParity;
    case 'm':
        return QSerialPort::MarkParity;
    case 's':
        return QSerialPort::SpaceParity;
    default:
        return std::nullopt;
    }
}

std::optional<QSerialPort::DataBits> dataBitsOf(const QString& text) {
    if (text == QLatin1String("5")) {
        return QSerialPort::Data5;
    }
    if (text == QLatin1String("6")) {
        return QSerialPort::Data6;
    }
    if (text == QLatin1String("7")) {
        return QSerialPort::Data7;
    }
    if (text == QLatin1String("8")) {
        return QSerialPort::Data8;
    }
    return std::nullopt;
}

std::optional<QSerialPort::StopBits> stopBitsOf(const QString& text) {
    if (text == QLatin1String("1")) {
        return QSerialPort::OneStop;
    }
    if (text == QLatin1String("1.5")) {
        return QSerialPort::OneAndHalfStop;
    }
    if (text == QLatin1String("2")) {
        return QSerialPort::TwoStop;
    }
    return std::nullopt;
}

} // namespace

std::optional<LineSettings> parseLineSettings(const QString& text) {
    QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return std::nullopt;
    }
    for (QString& part : parts) {
        part = part.trimmed();
    }
    bool numeric = false;
    const qint32 baud = parts[0].toInt(&numeric);
    const auto parity = parityOf(parts[1]);
    const auto dataBits = dataBitsOf(parts[2]);
    const auto stopBits = stopBitsOf(parts[3]);
    // toInt accepts a sign; a baud rate is digits only.
    if (!numeric || !parts[0][0].isDigit() || baud < kLowestBaud || baud > kHighestBaud ||
        !parity || !dataBits || !stopBits) {
        return std::nullopt;
    }
    return LineSettings{baud, *parity, *dataBits, *stopBits};
}

} // namespace tarnwick
