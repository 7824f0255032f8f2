#pragma once

#include <QStringList>

namespace tarnwick::cli {

// backup --inventory FILE --out DIR [--jobs N] [--only NAME,...] [--retries K]
int runBackup(const QStringList& arguments);

} // namespace tarnwick::cli
