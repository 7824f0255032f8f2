#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

// The program's command line as one text: its arguments joined with single spaces, so that a
// path the shell split at its blanks comes back whole.
QString commandLineOf(const QStringList& arguments);

// The settings file named on the command line: everything from the seventh character on when
// the command line is longer than seven characters, else empty. The first six characters,
// meant to be "/Open ", are skipped without being compared, and quotes are kept.
QString ParseOpenArgument(const QString& commandLine);

} // namespace tarnwick
