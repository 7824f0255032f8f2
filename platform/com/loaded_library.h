#pragma once

#include "class_factory.h"
#include "library_exports.h"

#include <QLibrary>
#include <QString>

namespace tarnwick::com {

// One component library loaded into the process, started through its DllStart.
class LoadedLibrary {
public:
    // Loads the library at `path` and starts it. Error 429, with the reason in the
    // description, when it cannot be loaded, does not export DllGetClassObject or refuses to
    // start (it is unloaded again then).
    explicit LoadedLibrary(const QString& path);
    // Leaves the library loaded: objects of it may still be alive. unload() ends it.
    ~LoadedLibrary() = default;
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    const QString& path() const { return m_path; }

    // The class factory of `clsid`; error 429 when the library has no such class.
    ComPtr<IClassFactory> classFactory(const Guid& clsid) const;
    // Whether the library answers DllCanUnloadNow with yes (one without it never does).
    bool canUnloadNow() const;
    // Calls DllStop and unloads the library. Only after canUnloadNow().
    void unload();

private:
    [[noreturn]] void fail(const QString& reason) const;

    QString m_path;
    QLibrary m_library;
    DllGetClassObjectFunction m_getClassObject = nullptr;
    DllCanUnloadNowFunction m_canUnloadNow = nullptr;
    DllStopFunction m_stop = nullptr;
};

} // namespace tarnwick::com
