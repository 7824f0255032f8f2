#include "device_link.h"

#include "shell/app_error.h"

namespace tarnwick::stavikSim {

DeviceLink::DeviceLink(const QString& path) {
    m_port.setPortName(path);
    m_port.setBaudRate(QSerialPort::Baud1200);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        throw AppError::standard(ErrorNumber::PathFileAccess,
                                 QStringLiteral("%1: %2").arg(path, m_port.errorString()));
    }
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port,
                     [this] { deliver(m_port.readAll()); });
}

void DeviceLink::write(const QByteArray& bytes) {
    if (m_port.isOpen()) {
        m_port.write(bytes);
    }
}

} // namespace tarnwick::stavikSim
