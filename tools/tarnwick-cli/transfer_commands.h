#pragma once

#include <QStringList>

namespace tarnwick::cli {

// The transfer commands take the arguments after the command name, need a QCoreApplication
// and return the exit code: 128 + the signal number when SIGINT (130) or SIGTERM (143)
// stopped the transfer, 2 for a usage error.

// Downloads a unit's configuration into a settings file: 0 once the file is written, 1 when
// the download failed.
int runDownload(const QStringList& arguments);

// Uploads a settings file's image into a unit: 0 after "Upload complete.", 1 when the upload
// failed or was stopped at the password question. When it did not complete, the blocks
// already written are named.
int runUpload(const QStringList& arguments);

} // namespace tarnwick::cli
