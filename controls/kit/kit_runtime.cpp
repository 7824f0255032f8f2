#include "kit_runtime.h"

#include "com/std_font.h"

#include <QDir>
#include <QFileInfo>
#include <dlfcn.h>

namespace tarnwick::kit {

namespace {

QString thisLibraryDir() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&kitHiveDir), &info) == 0 ||
        info.dli_fname == nullptr) {
        return {};
    }
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalPath();
}

} // namespace

QString kitHiveDir(const QString& libraryDir) {
    const QString buildDir = QFileInfo(QStringLiteral(FENCONTROLS_BUILD_DIR)).canonicalFilePath();
    if (!buildDir.isEmpty() && QFileInfo(libraryDir).canonicalFilePath() == buildDir) {
        return QStringLiteral(FENCONTROLS_BUILD_HIVE_DIR);
    }
    return QDir::cleanPath(libraryDir + u'/' + QStringLiteral(FENCONTROLS_RELATIVE_HIVE_DIR));
}

KitRuntime::KitRuntime()
    : store(registry::userHiveDirFromEnvironment(), kitHiveDir(thisLibraryDir())), loader(store),
      font(com::makeObject<com::StdFont>()->unknown()) {}

KitRuntime& KitRuntime::instance() {
    // Never destroyed: the libraries stay loaded for controls that outlive main().
    static KitRuntime* const runtime = new KitRuntime;
    return *runtime;
}

} // namespace tarnwick::kit
