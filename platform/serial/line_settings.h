#pragma once

#include <QSerialPort>
#include <QString>
#include <optional>

namespace tarnwick {

// The line settings of a serial port, written as "1200,n,8,1".
struct LineSettings {
    qint32 baudRate = 1200;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;

    bool operator==(const LineSettings&) const = default;
};

// "baud,parity,data bits,stop bits": a baud rate of 50 to 4000000, parity n/e/o/m/s (either
// case), 5 to 8 data bits, 1, 1.5 or 2 stop bits; blanks around the parts are allowed.
// Nothing for any other text.
std::optional<LineSettings> parseLineSettings(const QString& text);

} // namespace tarnwick
