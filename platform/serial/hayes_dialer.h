#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>

namespace tarnwick {

// Dials out through a Hayes modem: reset with "ATZ", wait for "OK", dial with "ATDT<number>",
// wait for "CONNECT". Only the decisions live here; the caller sends the commands, runs the
// timer and feeds back what the modem answers, so the sequence can be tested without a modem.
class HayesDialer {
public:
    static constexpr std::chrono::milliseconds kResetTimeout{5000};
    static constexpr std::chrono::milliseconds kDialTimeout{60000};
    static inline const QString kConnected = QStringLiteral("Connected");

    // What to do after an input.
    struct Step {
        QByteArray command;                   // send this now; empty for nothing
        std::chrono::milliseconds timeout{0}; // with a command: (re)start the timer
        std::optional<QString> result;        // the attempt has ended: kConnected or why not
    };

    // Starts an attempt. A number with characters outside the dial string (which could smuggle
    // further commands to the modem) ends it at once.
    Step start(const QString& number);
    Step received(const QByteArray& bytes);
    Step timedOut();
    // The bytes that came after the CONNECT line: the first data from the far end.
    QByteArray takeData();

private:
    enum class Phase { Idle, Resetting, Dialling, Done };

    Step finish(const QString& result);
    // The answer to the current command, if `line` is one.
    std::optional<Step> answer(const QByteArray& line);

    Phase m_phase = Phase::Idle;
    QByteArray m_dialString;
    QByteArray m_pending; // bytes of an unfinished line
    QByteArray m_data;
};

} // namespace tarnwick
