#pragma once

#include "class_factory.h"
#include "loaded_library.h"
#include "registry/registry_store.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace tarnwick::com {

// Creates objects by ProgID or class identity through HKEY_CLASSES_ROOT of a registry store,
// loading their in-process libraries and keeping each loaded once. Used on the host's one
// user-interface thread.
//
// A name is a class identity when it reads as "{...}"; otherwise it is a ProgID whose CLSID
// key names the class, or, without one, whose CurVer key names the version-dependent ProgID
// that does. The class's InprocServer32 default value is the library's path.
class ComponentLoader {
public:
    explicit ComponentLoader(const registry::RegistryStore& store);
    // Unloads the libraries that may go; the others stay loaded for their living objects.
    ~ComponentLoader();
    ComponentLoader(const ComponentLoader&) = delete;
    ComponentLoader& operator=(const ComponentLoader&) = delete;

    // The class named by `progIdOrClsid`; error 429 when none is registered.
    Guid classIdOf(const QString& progIdOrClsid) const;
    // The class factory of `clsid`, its library loaded and started on first use; error 429
    // when the class has no server, the library does not load or start, or lacks the class.
    ComPtr<IClassFactory> getClassObject(const Guid& clsid);
    // A new object of the class named by `progIdOrClsid`; error 429 as above, or when the
    // factory cannot make it.
    ComPtr<IUnknown> createObject(const QString& progIdOrClsid);

    // Unloads every library whose DllCanUnloadNow answers yes; answers how many went.
    int freeUnusedLibraries();
    // The paths of the loaded libraries.
    QStringList loadedLibraries() const;

private:
    LoadedLibrary& libraryAt(const QString& path);

    const registry::RegistryStore& m_store;
    std::vector<std::unique_ptr<LoadedLibrary>> m_libraries;
};

} // namespace tarnwick::com
