#include "component_loader.h"

#include "class_registration.h"
#include "com_error.h"
#include "registry_script.h"

#include <QFileInfo>
#include <algorithm>

namespace tarnwick::com {

namespace {

[[noreturn]] void cannotCreate(const QString& reason) {
    throw ComError(ErrorNumber::CannotCreateObject,
                   QStringLiteral("%1: %2").arg(
                       ComError::standardDescription(ErrorNumber::CannotCreateObject), reason));
}

// One library file has one entry however its path is spelled.
QString libraryKey(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

} // namespace

ComponentLoader::ComponentLoader(const registry::RegistryStore& store) : m_store(store) {}

ComponentLoader::~ComponentLoader() {
    freeUnusedLibraries();
}

Guid ComponentLoader::classIdOf(const QString& progIdOrClsid) const {
    if (const auto clsid = Guid::fromString(progIdOrClsid)) {
        return *clsid;
    }
    if (progIdOrClsid.isEmpty()) {
        cannotCreate(QStringLiteral("no class was named"));
    }
    const auto registeredClass = [this](const QString& progId) -> std::optional<Guid> {
        const auto text = readClassesRootString(m_store, progId + QStringLiteral("\\CLSID"));
        return text ? Guid::fromString(*text) : std::nullopt;
    };
    auto clsid = registeredClass(progIdOrClsid);
    if (!clsid) {
        if (const auto current =
                readClassesRootString(m_store, progIdOrClsid + QStringLiteral("\\CurVer"))) {
            clsid = registeredClass(*current);
        }
    }
    if (!clsid) {
        cannotCreate(QStringLiteral("no class is registered as \"%1\"").arg(progIdOrClsid));
    }
    return *clsid;
}

ComPtr<IClassFactory> ComponentLoader::getClassObject(const Guid& clsid) {
    const auto path =
        readClassesRootString(m_store, classKey(clsid) + QStringLiteral("\\InprocServer32"));
    if (!path || path->isEmpty()) {
        cannotCreate(QStringLiteral("class %1 has no in-process server").arg(clsid.toString()));
    }
    return libraryAt(*path).classFactory(clsid);
}

ComPtr<IUnknown> ComponentLoader::createObject(const QString& progIdOrClsid) {
    const Guid clsid = classIdOf(progIdOrClsid);
    const ComPtr<IClassFactory> factory = getClassObject(clsid);
    void* object = nullptr;
    const HRESULT status = factory->CreateInstance(nullptr, IUnknown::kIid, &object);
    if (failed(status) || object == nullptr) {
        cannotCreate(QStringLiteral("the object of class %1 could not be made (status 0x%2)")
                         .arg(clsid.toString())
                         .arg(static_cast<std::uint32_t>(status), 8, 16, QLatin1Char('0')));
    }
    return ComPtr<IUnknown>::adopt(static_cast<IUnknown*>(object));
}

LoadedLibrary& ComponentLoader::libraryAt(const QString& path) {
    const QString key = libraryKey(path);
    const auto found = std::find_if(
        m_libraries.begin(), m_libraries.end(),
        [&key](const std::unique_ptr<LoadedLibrary>& library) { return library->path() == key; });
    if (found != m_libraries.end()) {
        return **found;
    }
    m_libraries.push_back(std::make_unique<LoadedLibrary>(key));
    return *m_libraries.back();
}

int ComponentLoader::freeUnusedLibraries() {
    const auto firstUnused = std::stable_partition(
        m_libraries.begin(), m_libraries.end(),
        [](const std::unique_ptr<LoadedLibrary>& library) { return !library->canUnloadNow(); });
    const int count = static_cast<int>(std::distance(firstUnused, m_libraries.end()));
    for (auto it = firstUnused; it != m_libraries.end(); ++it) {
        (*it)->unload();
    }
    m_libraries.erase(firstUnused, m_libraries.end());
    return count;
}

QStringList ComponentLoader::loadedLibraries() const {
    QStringList paths;
    for (const auto& library : m_libraries) {
        paths.append(library->path());
    }
    return paths;
}

} // namespace tarnwick::com
