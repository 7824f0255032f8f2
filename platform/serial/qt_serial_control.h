#pragma once

#include "serial/hayes_dialer.h"
#include "serial/serial_control.h"
#include "serial/serial_devices.h"

#include <QSerialPort>
#include <QTimer>

namespace tarnwick {

// The serial control on a real device (any path QSerialPort can open, pseudo-terminals
// included). A direct cable is up as soon as the device is open; with a dial address the
// device is a Hayes modem, which is dialled first, and whose carrier (the DCD line) is then
// watched: when it drops, the port is closed and `carrierChanged` fires. Closing the port drops
// DTR, which hangs a modem up. Every event is delivered from the event loop.
class QtSerialControl final : public SerialControl {
public:
    static constexpr std::chrono::milliseconds kCarrierPoll{250};

    // Without a resolver the port name is the device path.
    explicit QtSerialControl(DeviceResolver resolver = {});
    ~QtSerialControl() override;
    QtSerialControl(const QtSerialControl&) = delete;
    QtSerialControl& operator=(const QtSerialControl&) = delete;

    void setPortName(const QString& port) override { m_portName = port; }
    // Malformed settings are not refused here: the next open fails with a state text that
    // says so.
    void setSettings(const QString& settings) override { m_settings = settings; }
    void setDialAddress(const QString& address) override { m_dialAddress = address; }

    // Opening while open or already opening does nothing.
    void setPortOpen(bool open) override;
    bool portOpen() const override { return m_port.isOpen(); }
    QString connectionState() const override { return m_state; }

    // Bytes written while the link is not up are dropped, as on a dead line.
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    enum class Link { Closed, Dialling, Up };

    void beginOpen();
    // Ends an open attempt: `opened` fires from the event loop.
    void endAttempt(const QString& state);
    void dialStep(const HayesDialer::Step& step);
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void pollCarrier();
    void closePort(const QString& state);
    void announceOpened();
    // Takes its own copy, so that a handler may replace the events while it runs.
    static void fire(std::function<void()> event);

    DeviceResolver m_resolver;
    QString m_portName;
    QString m_settings;
    QString m_dialAddress;
    QString m_state = QStringLiteral("Disconnected");
    Link m_link = Link::Closed;
    bool m_modem = false;
    bool m_carrier = false; // DCD has been seen up on this link
    QByteArray m_input;     // data that came in with the modem's CONNECT answer

    QSerialPort m_port;
    HayesDialer m_dialer;
    QTimer m_openedTimer; // delivers `opened` from the event loop
    QTimer m_dialTimer;
    QTimer m_carrierTimer;
};

} // namespace tarnwick
