#pragma once

#include <QByteArray>
#include <functional>

namespace tarnwick::stavikSim {

// The unit's end of the line to the computer.
class UnitLink {
public:
    using Receiver = std::function<void(const QByteArray&)>;

    virtual ~UnitLink() = default;

    virtual void write(const QByteArray& bytes) = 0;
    // Drops the line for good, as a lost carrier does.
    virtual void hangUp() = 0;

    void setReceiver(Receiver receiver) { m_receiver = std::move(receiver); }

protected:
    void deliver(const QByteArray& bytes) const {
        if (m_receiver) {
            m_receiver(bytes);
        }
    }

private:
    Receiver m_receiver;
};

} // namespace tarnwick::stavikSim
