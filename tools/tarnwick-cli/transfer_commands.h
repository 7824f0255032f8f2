#pragma once

#include <QStringList>

namespace tarnwick::cli {

// Downloads a unit's configuration into a settings file; takes the arguments after the
// command name and returns the exit code: 0 once the file is written, 1 when the download
// failed, 128 + the signal number when SIGINT (130) or SIGTERM (143) stopped it. Needs a
// QCoreApplication.
int runDownload(const QStringList& arguments);

} // namespace tarnwick::cli
