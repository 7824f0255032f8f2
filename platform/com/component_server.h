#pragma once

#include "class_factory.h"
#include "class_registration.h"
#include "com_module.h"

#include <functional>
#include <vector>

namespace tarnwick::com {

// The serving side of a component library, behind its exported functions: its classes, its
// object and lock counts, and its registration entries. A library keeps one for its whole
// life (a function-local static) and forwards its exports to it.
class ComponentServer {
public:
    struct ServedClass {
        ClassRegistration registration;
        // Makes a new object counted in the library's module.
        std::function<ComPtr<IUnknown>(ComModule&)> create;
    };

    explicit ComponentServer(std::vector<ServedClass> classes);
    ComponentServer(const ComponentServer&) = delete;
    ComponentServer& operator=(const ComponentServer&) = delete;

    ComModule& module() { return m_module; }

    // DllGetClassObject: a class factory for `clsid` (CLASS_E_CLASSNOTAVAILABLE for a class
    // not served here).
    HRESULT getClassObject(const Guid* clsid, const Guid* iid, void** object) noexcept;
    // DllCanUnloadNow: S_OK when no objects or locks remain, else S_FALSE.
    HRESULT canUnloadNow() const noexcept;

    // The registration entries of every class for the library file at `libraryPath`.
    RegistryScript registrationScript(const QString& libraryPath) const;

private:
    ComModule m_module;
    std::vector<ServedClass> m_classes;
};

// DllRegisterServer and DllUnregisterServer: write or remove `script` in the registry store
// of the environment. S_OK, or the failure's status.
HRESULT registerServer(const RegistryScript& script) noexcept;
HRESULT unregisterServer(const RegistryScript& script) noexcept;

// The absolute path of the library (or program) whose code or data holds `address`; empty
// when it cannot be told. A library passes the address of one of its own variables.
QString libraryPathOf(const void* address);

} // namespace tarnwick::com
