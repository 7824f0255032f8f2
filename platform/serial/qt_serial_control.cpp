#include "qt_serial_control.h"

#include "serial/line_settings.h"

namespace tarnwick {

QtSerialControl::QtSerialControl(DeviceResolver resolver) : m_resolver(std::move(resolver)) {
    m_openedTimer.setSingleShot(true);
    m_dialTimer.setSingleShot(true);
    m_carrierTimer.setInterval(kCarrierPoll);
    QObject::connect(&m_openedTimer, &QTimer::timeout, &m_port, [this] { announceOpened(); });
    QObject::connect(&m_dialTimer, &QTimer::timeout, &m_port,
                     [this] { dialStep(m_dialer.timedOut()); });
    QObject::connect(&m_carrierTimer, &QTimer::timeout, &m_port, [this] { pollCarrier(); });
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] { onReadyRead(); });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
}

QtSerialControl::~QtSerialControl() {
    // Closing emits nothing into a half-destroyed object.
    QObject::disconnect(&m_port, nullptr, &m_port, nullptr);
    m_port.close();
}

void QtSerialControl::setPortOpen(bool open) {
    if (!open) {
        m_openedTimer.stop();
        if (m_link != Link::Closed || m_port.isOpen()) {
            closePort(QStringLiteral("Disconnected"));
        }
        return;
    }
    if (m_link != Link::Closed || m_openedTimer.isActive()) {
        return;
    }
    beginOpen();
}

void QtSerialControl::beginOpen() {
    m_input.clear();
    const std::optional<LineSettings> line = parseLineSettings(m_settings);
    if (!line) {
        endAttempt(QStringLiteral("The line settings \"%1\" are not of the form "
                                  "baud,parity,data bits,stop bits (such as 1200,n,8,1).")
                       .arg(m_settings));
        return;
    }
    const QString device = m_resolver ? m_resolver(m_portName) : m_portName;
    if (device.isEmpty()) {
        endAttempt(QStringLiteral("No port has been chosen."));
        return;
    }
    m_port.setPortName(device);
    m_port.setBaudRate(line->baudRate);
    m_port.setParity(line->parity);
    m_port.setDataBits(line->dataBits);
    m_port.setStopBits(line->stopBits);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QString reason = m_port.errorString();
        m_port.clearError();
        endAttempt(reason);
        return;
    }
    m_modem = !m_dialAddress.isEmpty();
    m_carrier = false;
    if (!m_modem) {
        m_link = Link::Up;
        endAttempt(QStringLiteral("Connected"));
        return;
    }
    // A modem takes commands only while DTR is up; a pseudo-terminal has no such line, which is
    // no reason to fail.
    m_port.setDataTerminalReady(true);
    m_port.clearError();
    m_link = Link::Dialling;
    dialStep(m_dialer.start(m_dialAddress));
}

void QtSerialControl::endAttempt(const QString& state) {
    m_state = state;
    m_openedTimer.start(0);
}

void QtSerialControl::dialStep(const HayesDialer::Step& step) {
    if (m_link != Link::Dialling) {
        return;
    }
    if (!step.command.isEmpty()) {
        m_port.write(step.command);
        m_dialTimer.start(step.timeout);
    }
    if (!step.result) {
        return;
    }
    m_dialTimer.stop();
    if (*step.result != HayesDialer::kConnected) {
        closePort(*step.result);
        m_openedTimer.start(0);
        return;
    }
    m_link = Link::Up;
    m_input = m_dialer.takeData();
    m_carrierTimer.start();
    endAttempt(*step.result);
}

void QtSerialControl::announceOpened() {
    fire(events().opened);
    // Data that arrived before the link was announced is reported now.
    if (m_link == Link::Up && (!m_input.isEmpty() || m_port.bytesAvailable() > 0)) {
        fire(events().received);
    }
}

void QtSerialControl::onReadyRead() {
    if (m_link == Link::Dialling) {
        dialStep(m_dialer.received(m_port.readAll()));
    } else if (m_link == Link::Up && !m_openedTimer.isActive()) {
        fire(events().received);
    }
}

void QtSerialControl::onError(QSerialPort::SerialPortError error) {
    // Only a vanished device (unplugged, or the far end of a pseudo-terminal gone) ends the
    // link; other errors are answered where they happen.
    if (error != QSerialPort::ResourceError || m_link == Link::Closed) {
        return;
    }
    const bool dialling = m_link == Link::Dialling;
    const bool modemUp = m_modem && m_link == Link::Up;
    closePort(QStringLiteral("The device has gone: it was unplugged or the line was hung up."));
    if (dialling) {
        m_openedTimer.start(0);
    } else if (modemUp) {
        fire(events().carrierChanged);
    }
}

void QtSerialControl::pollCarrier() {
    const bool carrier = m_port.pinoutSignals().testFlag(QSerialPort::DataCarrierDetectSignal);
    if (m_port.error() == QSerialPort::UnsupportedOperationError) {
        // The device has no modem lines to read: there is no carrier to watch.
        m_port.clearError();
        m_carrierTimer.stop();
        return;
    }
    if (carrier == m_carrier) {
        return;
    }
    m_carrier = carrier;
    if (!carrier) {
        closePort(QStringLiteral("The carrier was lost."));
    }
    fire(events().carrierChanged);
}

void QtSerialControl::write(const QByteArray& bytes) {
    if (m_link == Link::Up) {
        m_port.write(bytes);
    }
}

QByteArray QtSerialControl::readAll() {
    QByteArray bytes = std::exchange(m_input, {});
    if (m_port.isOpen()) {
        bytes += m_port.readAll();
    }
    return bytes;
}

void QtSerialControl::closePort(const QString& state) {
    m_dialTimer.stop();
    m_carrierTimer.stop();
    m_link = Link::Closed;
    m_carrier = false;
    m_port.close();
    m_port.clearError();
    m_state = state;
}

void QtSerialControl::fire(std::function<void()> event) {
    if (event) {
        event();
    }
}

} // namespace tarnwick
