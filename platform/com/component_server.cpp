#include "component_server.h"

#include "com_error.h"

#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>

namespace tarnwick::com {

namespace {

// Runs a registry change for an exported function, which must not throw.
template <typename Change> HRESULT statusOf(Change&& change) noexcept {
    try {
        registry::RegistryStore store;
        change(store);
        return S_OK;
    } catch (const ComError& error) {
        return error.number() < 0 ? error.number() : SELFREG_E_CLASS;
    } catch (...) {
        return E_FAIL;
    }
}

} // namespace

ComponentServer::ComponentServer(std::vector<ServedClass> classes)
    : m_classes(std::move(classes)) {}

HRESULT ComponentServer::getClassObject(const Guid* clsid, const Guid* iid,
                                        void** object) noexcept {
    if (clsid == nullptr || iid == nullptr || object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    for (const ServedClass& served : m_classes) {
        if (served.registration.clsid == *clsid) {
            try {
                const auto create = served.create;
                const auto factory =
                    makeObject<ClassFactory>([this, create] { return create(m_module); }, m_module);
                return factory->QueryInterface(*iid, object);
            } catch (...) {
                return E_OUTOFMEMORY;
            }
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT ComponentServer::canUnloadNow() const noexcept {
    return m_module.canUnloadNow() ? S_OK : S_FALSE;
}

RegistryScript ComponentServer::registrationScript(const QString& libraryPath) const {
    RegistryScript script;
    for (const ServedClass& served : m_classes) {
        addClassRegistration(script, served.registration, libraryPath);
    }
    return script;
}

HRESULT registerServer(const RegistryScript& script) noexcept {
    return statusOf(
        [&script](registry::RegistryStore& store) { writeRegistryScript(store, script); });
}

HRESULT unregisterServer(const RegistryScript& script) noexcept {
    return statusOf(
        [&script](registry::RegistryStore& store) { removeRegistryScript(store, script); });
}

QString libraryPathOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

} // namespace tarnwick::com
