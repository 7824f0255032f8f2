#pragma once

#include "config/settings_file.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <stdexcept>

class QCommandLineParser;

namespace tarnwick::cli {

// A failure the tool reports as one line on stderr before exiting with `exitCode`.
class CliFailure : public std::runtime_error {
public:
    CliFailure(const QString& message, int exitCode = 1)
        : std::runtime_error(message.toStdString()), m_exitCode(exitCode) {}
    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};

inline constexpr int kUsageError = 2;

// "A".."D" to 0..3; anything else is a usage error naming `option`.
std::uint8_t parseSiteLetter(const QString& text, const QString& option);

// Parses the arguments after `command`, which must leave exactly `positionalCount` positional
// arguments; returns them. Anything else is a usage error.
QStringList parseArguments(QCommandLineParser& parser, const QString& command,
                           const QStringList& arguments, int positionalCount);

// The value of option `name`; missing or empty is a usage error.
QString requiredOption(const QCommandLineParser& parser, const QString& name);

// The settings file at `path`; a missing, foreign or damaged file is a failure.
SettingsRecord readSettingsRecord(const QString& path);

// The vocabulary file to show words with: the given path, else the one shipped with the tool.
QString vocabularyPath(const QString& given);

} // namespace tarnwick::cli
