#pragma once

#include "unit_link.h"

#include <QSerialPort>
#include <QString>

namespace tarnwick::stavikSim {

// A real serial device at 1200 baud 8N1, for a computer cabled to this one.
class DeviceLink final : public UnitLink {
public:
    // Throws AppError (75) when the device cannot be opened.
    explicit DeviceLink(const QString& path);

    void write(const QByteArray& bytes) override;
    // Closing the port drops DTR, which the far end sees as a lost carrier.
    void hangUp() override { m_port.close(); }

private:
    QSerialPort m_port;
};

} // namespace tarnwick::stavikSim
