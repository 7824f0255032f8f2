#pragma once

#include <QStringList>

namespace tarnwick::cli {

// Each takes the arguments after the command name and returns the exit code.
int runShow(const QStringList& arguments);
int runImage(const QStringList& arguments);
int runPack(const QStringList& arguments);

} // namespace tarnwick::cli
