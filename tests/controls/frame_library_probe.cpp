// Loads a control library as a host does and reports its start: every message box it shows,
// its DllStart answer and where the shared base library came from.
//   frame_library_probe LIBRARY
#include "frame/control_library.h"

#include <QFile>
#include <QTextStream>
#include <dlfcn.h>

namespace {

void printMessage(const QString& text, const QString& caption) {
    QTextStream(stdout) << "message: " << caption << ": " << text << '\n';
}

QString loadedBaseLibrary() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    maps.open(QIODevice::ReadOnly);
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype at = line.indexOf('/');
        if (at >= 0 && line.endsWith("/libfenbase6.so")) {
            return QString::fromLocal8Bit(line.mid(at));
        }
    }
    return QStringLiteral("none");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        return 2;
    }
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        QTextStream(stdout) << "dlopen: " << dlerror() << '\n';
        return 1;
    }
    // dlsym answers a data pointer; POSIX guarantees it converts to the function's type.
    const auto setHook = reinterpret_cast<void (*)(tarnwick::frame::FrameMessageHook)>(
        dlsym(library, tarnwick::frame::kFrameSetMessageHook));
    const auto start = reinterpret_cast<int (*)()>(dlsym(library, "DllStart"));
    if (setHook == nullptr || start == nullptr) {
        return 1;
    }
    setHook(&printMessage);
    const int started = start();
    QTextStream(stdout) << "start: " << started << '\n' << "base: " << loadedBaseLibrary() << '\n';
    return 0;
}
