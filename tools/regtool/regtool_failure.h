#pragma once

#include <QString>
#include <stdexcept>

namespace tarnwick::regtool {

inline constexpr int kFailure = 1;
inline constexpr int kUsageError = 2;

// A failure the tool reports as one line on stderr before exiting with `exitCode`.
class RegtoolFailure : public std::runtime_error {
public:
    explicit RegtoolFailure(const QString& message, int exitCode = kFailure)
        : std::runtime_error(message.toStdString()), m_exitCode(exitCode) {}
    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};

} // namespace tarnwick::regtool
