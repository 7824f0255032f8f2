#pragma once

#include "serial/serial_control.h"
#include "sim/line_pacer.h"
#include "sim/stavik_unit.h"
#include "sim/timer_group.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <vector>

namespace tarnwick::sim {

// The computer's serial port, cabled to a simulated unit on the same Scheduler. What is
// written crosses the line at its pace; what the unit sends is handed over in chunks, each
// announced by its own `received` event. Every event comes from a scheduled callback.
class SimulatedSerialControl final : public SerialControl {
public:
    // How long an open attempt takes before `opened` fires.
    static constexpr Scheduler::Duration kOpenDelay{20};

    // The unit must outlive this control.
    SimulatedSerialControl(Scheduler& scheduler, StavikUnit& unit);
    ~SimulatedSerialControl() override;

    void setPortName(const QString& port) override { m_portName = port; }
    void setSettings(const QString& settings) override { m_settings = settings; }
    void setDialAddress(const QString& address) override { m_dialAddress = address; }

    void setPortOpen(bool open) override;
    bool portOpen() const override { return m_open; }
    QString connectionState() const override { return m_state; }

    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

    // Open attempts fail with this state text; empty lets them succeed.
    void setOpenFailure(const QString& stateText) { m_openFailure = stateText; }
    // Hands what the unit sends over in chunks of at most this many bytes; 0 hands each
    // transmission over whole.
    void setChunkSize(std::size_t bytes) { m_chunkSize = bytes; }

    struct Write {
        Scheduler::Duration time{0};
        QByteArray bytes;
        bool portWasOpen = false; // writes on a closed port go nowhere
    };
    const std::vector<Write>& writes() const { return m_writes; }

    const QString& portName() const { return m_portName; }
    const QString& settings() const { return m_settings; }
    const QString& dialAddress() const { return m_dialAddress; }

private:
    void finishOpen();
    void close(const QString& state);
    void arrive(const modProtocol::Frame& bytes);
    // Takes its own copy, so a handler may replace the events while it runs.
    static void fire(std::function<void()> event);

    StavikUnit& m_unit;
    TimerGroup m_timers; // open attempts and receive events
    LinePacer m_toUnit;

    QString m_portName;
    QString m_settings;
    QString m_dialAddress;
    QString m_openFailure;
    QString m_state = QStringLiteral("Disconnected");
    bool m_open = false;
    bool m_opening = false;
    std::size_t m_chunkSize = 0;
    QByteArray m_input;
    std::vector<Write> m_writes;
};

} // namespace tarnwick::sim
