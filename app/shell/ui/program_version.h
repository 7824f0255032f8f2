#pragma once

#include <QString>

namespace tarnwick {

struct ProgramVersion {
    int major;
    int minor;
    int revision;
};

// The version this build of the program carries.
ProgramVersion programVersion();

// "Version " + major + "." + minor + "." + revision, as the windows show it.
QString versionCaption(const ProgramVersion& version);

} // namespace tarnwick
