#include "simulated_serial_control.h"

#include <algorithm>
#include <utility>

namespace tarnwick::sim {

using modProtocol::Frame;

SimulatedSerialControl::SimulatedSerialControl(Scheduler& scheduler, StavikUnit& unit)
    : m_unit(unit), m_timers(scheduler),
      m_toUnit(scheduler, [this](const Frame& bytes) { m_unit.receive(bytes); }) {
    m_unit.setTransmitter([this](const Frame& bytes) { arrive(bytes); });
    m_unit.setCarrierLostHandler([this] {
        if (m_open) {
            close(QStringLiteral("Carrier lost"));
            m_timers.after(Scheduler::Duration{0}, [this] { fire(events().carrierChanged); });
        }
    });
}

SimulatedSerialControl::~SimulatedSerialControl() {
    m_unit.setTransmitter({});
    m_unit.setCarrierLostHandler({});
}

void SimulatedSerialControl::setPortOpen(bool open) {
    if (!open) {
        close(QStringLiteral("Disconnected"));
        return;
    }
    if (m_opening) {
        return;
    }
    m_opening = true;
    m_timers.after(kOpenDelay, [this] { finishOpen(); });
}

void SimulatedSerialControl::finishOpen() {
    m_opening = false;
    // Opening an open port is an attempt like any other: it ends with `opened`, still connected.
    if (!m_open) {
        const QString failure = m_unit.carrierLost() ? QStringLiteral("No carrier") : m_openFailure;
        m_open = failure.isEmpty();
        m_state = m_open ? QStringLiteral("Connected") : failure;
    }
    fire(events().opened);
}

void SimulatedSerialControl::close(const QString& state) {
    // Whatever was still on its way in either direction is lost with the port.
    m_timers.cancelAll();
    m_toUnit.clear();
    m_input.clear();
    m_open = false;
    m_opening = false;
    m_state = state;
}

void SimulatedSerialControl::write(const QByteArray& bytes) {
    m_writes.push_back({m_timers.now(), bytes, m_open});
    if (m_open) {
        m_toUnit.send(Frame(bytes.begin(), bytes.end()));
    }
}

QByteArray SimulatedSerialControl::readAll() {
    return std::exchange(m_input, {});
}

void SimulatedSerialControl::arrive(const Frame& bytes) {
    if (!m_open) {
        return;
    }
    const std::size_t chunk = m_chunkSize == 0 ? bytes.size() : m_chunkSize;
    for (std::size_t start = 0; start < bytes.size(); start += chunk) {
        const std::size_t end = std::min(bytes.size(), start + chunk);
        QByteArray piece(reinterpret_cast<const char*>(bytes.data() + start),
                         static_cast<qsizetype>(end - start));
        m_timers.after(Scheduler::Duration{0}, [this, piece = std::move(piece)] {
            m_input.append(piece);
            fire(events().received);
        });
    }
}

void SimulatedSerialControl::fire(std::function<void()> event) {
    if (event) {
        event();
    }
}

} // namespace tarnwick::sim
