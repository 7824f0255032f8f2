#include "library_registration.h"

#include "regtool_failure.h"

#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <memory>

namespace tarnwick::regtool {

namespace {

using RegistrationFunction = long (*)();

struct LibraryCloser {
    void operator()(void* handle) const { dlclose(handle); }
};

QString lastLoaderError() {
    const char* message = dlerror();
    return message != nullptr ? QString::fromLocal8Bit(message) : QString();
}

} // namespace

void runRegistration(const QString& path, Registration what) {
    // A file that exists is loaded from there; a bare name would search the library path.
    const QString file = QFileInfo::exists(path) ? QFileInfo(path).absoluteFilePath() : path;
    const std::unique_ptr<void, LibraryCloser> library(
        dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL));
    if (!library) {
        throw RegtoolFailure(QStringLiteral("cannot load %1: %2").arg(path, lastLoaderError()));
    }
    const char* const name =
        what == Registration::Register ? "DllRegisterServer" : "DllUnregisterServer";
    // dlsym answers a data pointer; POSIX guarantees it converts to the function's type.
    const auto function = reinterpret_cast<RegistrationFunction>(dlsym(library.get(), name));
    if (function == nullptr) {
        throw RegtoolFailure(
            QStringLiteral("%1 does not export %2").arg(path, QLatin1String(name)));
    }
    if (const long result = function(); result != 0) {
        throw RegtoolFailure(QStringLiteral("%1 in %2 failed: 0x%3")
                                 .arg(QLatin1String(name), path)
                                 .arg(static_cast<quint32>(result), 8, 16, QLatin1Char('0')));
    }
}

} // namespace tarnwick::regtool
