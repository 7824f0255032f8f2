#pragma once

#include "config/config_image.h"
#include "connections/current_connection.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tarnwick::registry {
class RegistryStore;
}

namespace tarnwick::cli {

// What `tarnwick-cli upload` is asked to do, checked before anything is sent.
struct UploadOptions {
    CurrentConnection connection;
    ConfigImage image{};
    bool restoreCalibration = false;
    bool changePasswords = false;
    QString oldMasterPassword;
    QString newMasterPassword; // 4 characters when changing passwords
    QString newUserPassword;   // likewise
    // The answer to "Change password failed" given by --yes or --no.
    std::optional<bool> continueWithoutPasswords;
    QString protectedLocationsPath; // an existing file of the right size and contents
    // Only list what an upload would change; the vocabulary names the words it lists.
    bool dryRun = false;
    QString vocabularyPath;
};

// The arguments after "upload". The image and the connection's defaults come from the
// settings file; the protected-locations file from --protected, else from the `Protected`
// value of `registry`. Usage errors and unusable files are CliFailure.
UploadOptions readUploadOptions(const QStringList& arguments, registry::RegistryStore& registry);

} // namespace tarnwick::cli
