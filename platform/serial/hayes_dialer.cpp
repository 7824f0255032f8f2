#include "hayes_dialer.h"

#include <utility>

namespace tarnwick {

namespace {

// Longest dial string a modem's command buffer takes with room for "ATDT".
constexpr qsizetype kLongestDialString = 36;

// Digits, tone keys and the dial modifiers: W wait for dial tone, P pulse, T tone, @ quiet
// answer, ! flash, comma pause. Everything else, ";" (back to command mode) above all, is
// refused. Blanks and the usual separators are dropped, as a person writes them.
std::optional<QByteArray> dialStringOf(const QString& number) {
    static const QByteArray kDialable = QByteArrayLiteral("0123456789*#ABCDWPT@!,");
    static const QByteArray kSeparators = QByteArrayLiteral(" -().");
    QByteArray dial;
    for (const QChar c : number) {
        if (c.unicode() > 0x7F) {
            return std::nullopt;
        }
        const char ascii = static_cast<char>(c.toUpper().unicode());
        if (kSeparators.contains(ascii)) {
            continue;
        }
        if (!kDialable.contains(ascii)) {
            return std::nullopt;
        }
        dial.append(ascii);
    }
    if (dial.isEmpty() || dial.size() > kLongestDialString) {
        return std::nullopt;
    }
    return dial;
}

qsizetype lineEnd(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            return i;
        }
    }
    return -1;
}

struct DialFailure {
    const char* code;
    const char* text;
};

// The modem's result codes for a call that did not connect, and what they tell a user.
constexpr DialFailure kDialFailures[] = {
    {"NO CARRIER", "The call was not connected (no carrier)."},
    {"BUSY", "The line is busy."},
    {"NO DIALTONE", "There is no dial tone."},
    {"NO DIAL TONE", "There is no dial tone."},
    {"NO ANSWER", "The number does not answer."},
    {"ERROR", "The modem refused the dial command."},
};

} // namespace

HayesDialer::Step HayesDialer::start(const QString& number) {
    m_pending.clear();
    m_data.clear();
    const std::optional<QByteArray> dial = dialStringOf(number);
    if (!dial) {
        return finish(QStringLiteral("The phone number cannot be dialled: only digits, * # , and "
                                     "the dial modifiers W P T @ ! are allowed."));
    }
    m_dialString = *dial;
    m_phase = Phase::Resetting;
    return {QByteArrayLiteral("ATZ\r"), kResetTimeout, std::nullopt};
}

HayesDialer::Step HayesDialer::received(const QByteArray& bytes) {
    if (m_phase != Phase::Resetting && m_phase != Phase::Dialling) {
        return {};
    }
    m_pending += bytes;
    for (;;) {
        const qsizetype end = lineEnd(m_pending);
        if (end < 0) {
            return {};
        }
        const QByteArray line = m_pending.left(end).trimmed();
        qsizetype next = end + 1;
        // A CR LF pair ends one line.
        if (m_pending[end] == '\r' && next < m_pending.size() && m_pending[next] == '\n') {
            ++next;
        }
        m_pending.remove(0, next);
        if (std::optional<Step> step = answer(line)) {
            if (m_phase == Phase::Done) {
                m_data = std::exchange(m_pending, {});
            }
            return *step;
        }
    }
}

std::optional<HayesDialer::Step> HayesDialer::answer(const QByteArray& line) {
    // Blank lines and the modem's echo of our own command say nothing.
    if (line.isEmpty() || line.toUpper().startsWith("AT")) {
        return std::nullopt;
    }
    if (m_phase == Phase::Resetting) {
        if (line == "OK") {
            m_phase = Phase::Dialling;
            return Step{QByteArrayLiteral("ATDT") + m_dialString + '\r', kDialTimeout,
                        std::nullopt};
        }
        if (line == "ERROR") {
            return finish(QStringLiteral("The modem refused the reset command."));
        }
        return std::nullopt;
    }
    if (line.startsWith("CONNECT")) {
        return finish(kConnected);
    }
    for (const DialFailure& failure : kDialFailures) {
        if (line == failure.code) {
            return finish(QLatin1String(failure.text));
        }
    }
    return std::nullopt;
}

HayesDialer::Step HayesDialer::timedOut() {
    switch (m_phase) {
    case Phase::Resetting:
        return finish(QStringLiteral("The modem is not responding."));
    case Phase::Dialling:
        return finish(
            QStringLiteral("The call was not connected within %1 seconds.")
                .arg(std::chrono::duration_cast<std::chrono::seconds>(kDialTimeout).count()));
    case Phase::Idle:
    case Phase::Done:
        break;
    }
    return {};
}

QByteArray HayesDialer::takeData() {
    return std::exchange(m_data, {});
}

HayesDialer::Step HayesDialer::finish(const QString& result) {
    m_phase = Phase::Done;
    return {{}, std::chrono::milliseconds{0}, result};
}

} // namespace tarnwick
