#include "loaded_library.h"

#include "com_error.h"

namespace tarnwick::com {

namespace {

template <typename Function> Function resolved(QLibrary& library, const char* name) {
    return reinterpret_cast<Function>(library.resolve(name));
}

} // namespace

LoadedLibrary::LoadedLibrary(const QString& path) : m_path(path), m_library(path) {
    // Every symbol now, so a library missing one fails here rather than mid-call; its own
    // symbols stay its own.
    m_library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!m_library.load()) {
        fail(QStringLiteral("cannot be loaded (%1)").arg(m_library.errorString()));
    }
    m_getClassObject = resolved<DllGetClassObjectFunction>(m_library, kDllGetClassObject);
    if (m_getClassObject == nullptr) {
        m_library.unload();
        fail(QStringLiteral("does not export %1").arg(QLatin1String(kDllGetClassObject)));
    }
    m_canUnloadNow = resolved<DllCanUnloadNowFunction>(m_library, kDllCanUnloadNow);
    if (const auto start = resolved<DllStartFunction>(m_library, kDllStart);
        start != nullptr && start() == 0) {
        m_library.unload();
        fail(QStringLiteral("refused to start"));
    }
    m_stop = resolved<DllStopFunction>(m_library, kDllStop);
}

void LoadedLibrary::fail(const QString& reason) const {
    throw ComError(
        ErrorNumber::CannotCreateObject,
        QStringLiteral("%1: library %2 %3")
            .arg(ComError::standardDescription(ErrorNumber::CannotCreateObject), m_path, reason));
}

ComPtr<IClassFactory> LoadedLibrary::classFactory(const Guid& clsid) const {
    void* factory = nullptr;
    const HRESULT status = m_getClassObject(&clsid, &IClassFactory::kIid, &factory);
    if (failed(status) || factory == nullptr) {
        fail(QStringLiteral("has no class %1 (status 0x%2)")
                 .arg(clsid.toString())
                 .arg(static_cast<std::uint32_t>(status), 8, 16, QLatin1Char('0')));
    }
    return ComPtr<IClassFactory>::adopt(static_cast<IClassFactory*>(factory));
}

bool LoadedLibrary::canUnloadNow() const {
    return m_canUnloadNow != nullptr && m_canUnloadNow() == S_OK;
}

void LoadedLibrary::unload() {
    if (m_stop != nullptr) {
        m_stop();
    }
    m_library.unload();
}

} // namespace tarnwick::com
