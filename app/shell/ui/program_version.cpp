#include "program_version.h"

namespace tarnwick {

ProgramVersion programVersion() {
    // Given by the build from the project's version.
    return {TARNWICK_VERSION_MAJOR, TARNWICK_VERSION_MINOR, TARNWICK_VERSION_REVISION};
}

QString versionCaption(const ProgramVersion& version) {
    return QStringLiteral("Version %1.%2.%3")
        .arg(version.major)
        .arg(version.minor)
        .arg(version.revision);
}

} // namespace tarnwick
