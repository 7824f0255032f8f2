#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace tarnwick {

// The serial link to a unit: a direct cable, or a Hayes modem when a dial address is set.
// Events are delivered from the event loop, never from inside a call on this object.
class SerialControl {
public:
    virtual ~SerialControl() = default;

    virtual void setPortName(const QString& port) = 0;
    // Line settings as "1200,n,8,1": baud, parity, data bits, stop bits.
    virtual void setSettings(const QString& settings) = 0;
    // Empty for a direct cable; otherwise the number a modem dials.
    virtual void setDialAddress(const QString& address) = 0;

    // Opening is asynchronous (a modem must dial): `opened` fires once the attempt has ended,
    // after which connectionState() tells how. Closing takes effect at once and fires nothing.
    virtual void setPortOpen(bool open) = 0;
    virtual bool portOpen() const = 0;
    // "Connected" when the link is up, otherwise a text that explains why it is not.
    virtual QString connectionState() const = 0;

    virtual void write(const QByteArray& bytes) = 0;
    // Everything received since the last call.
    virtual QByteArray readAll() = 0;

    struct Events {
        std::function<void()> opened;         // an open attempt has ended
        std::function<void()> received;       // bytes are waiting for readAll()
        std::function<void()> carrierChanged; // the modem carrier came or went
    };
    void setEvents(Events events) { m_events = std::move(events); }

protected:
    const Events& events() const { return m_events; }

private:
    Events m_events;
};

// One entry of the device list the connection windows offer.
struct SerialDevice {
    enum class Kind { Port = 1, Modem = 2 };
    QString name;
    Kind kind = Kind::Port;
};

} // namespace tarnwick
