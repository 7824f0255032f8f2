#include "control_library.h"

#include "com/com_error.h"

#include <QDir>
#include <QFileInfo>

namespace tarnwick::frame {

using namespace com;

ControlLibrary::ControlLibrary(ControlLibraryDescription description, LibraryOpener& opener)
    : m_description(std::move(description)), m_base(opener), m_server(servedClasses()) {}

std::vector<ComponentServer::ServedClass> ControlLibrary::servedClasses() const {
    std::vector<ComponentServer::ServedClass> served;
    for (const LibraryClass& libraryClass : m_description.classes) {
        served.push_back(
            {libraryClass.registration,
             [this, create = libraryClass.create](ComModule& module) -> ComPtr<IUnknown> {
                 if (m_base.api() == nullptr) {
                     throw ComError::standard(ErrorNumber::CannotCreateObject);
                 }
                 return create(module, *m_base.api());
             }});
    }
    return served;
}

bool ControlLibrary::start(const QString& libraryFolder) {
    if (m_starts == 0 && !m_base.load(libraryFolder)) {
        return false;
    }
    ++m_starts;
    return true;
}

void ControlLibrary::stop() {
    if (m_starts > 0 && --m_starts == 0) {
        m_base.release();
    }
}

HRESULT ControlLibrary::getClassObject(const Guid* clsid, const Guid* iid, void** object) noexcept {
    return m_server.getClassObject(clsid, iid, object);
}

RegistryScript ControlLibrary::registrationScript(const QString& libraryPath) const {
    RegistryScript script = m_server.registrationScript(libraryPath);
    for (const LibraryClass& libraryClass : m_description.classes) {
        if (libraryClass.isControl) {
            addControlEntries(script, libraryClass.registration.clsid, libraryPath);
        }
    }
    addTypeLibraryEntries(script, libraryPath);
    return script;
}

void ControlLibrary::addControlEntries(RegistryScript& script, const Guid& clsid,
                                       const QString& libraryPath) const {
    const QString key = classKey(clsid);
    const auto below = [&key](const char* path) {
        return key + QLatin1Char('\\') + QLatin1String(path);
    };
    script.addValue(below("ToolboxBitmap32"), {}, libraryPath + QStringLiteral(", 1"));
    script.addValue(below("MiscStatus"), {}, QStringLiteral("0"));
    script.addValue(below("MiscStatus\\1"), {}, QStringLiteral("131473"));
    script.addValue(below("TypeLib"), {}, m_description.typeLibrary.toString());
    script.addValue(below("Version"), {}, QStringLiteral("1.0"));
    script.addValue(below("DataFormats\\GetSet\\0"), {}, QStringLiteral("1,1,1,3"));
    script.addValue(below("Verb\\0"), {}, QStringLiteral("&Properties, 0, 2"));
    script.addKey(below("Control"));
    script.addKey(below("Programmable"));
    for (const Guid& category : m_description.categories) {
        script.addKey(below("Implemented Categories\\") + category.toString());
    }
}

void ControlLibrary::addTypeLibraryEntries(RegistryScript& script,
                                           const QString& libraryPath) const {
    const QString library = m_description.typeLibrary.toString();
    const QString typeLibKey = QStringLiteral("TypeLib\\") + library;
    const QString version = typeLibKey + QStringLiteral("\\1.0");
    script.addValue(version, {}, m_description.typeLibraryName);
    script.addValue(version + QStringLiteral("\\0\\linux"), {}, libraryPath);
    script.addValue(version + QStringLiteral("\\FLAGS"), {}, QStringLiteral("0"));
    script.addValue(version + QStringLiteral("\\HELPDIR"), {},
                    QDir::toNativeSeparators(QFileInfo(libraryPath).absolutePath()));
    script.own(typeLibKey);
    for (const LibraryInterface& described : m_description.interfaces) {
        const QString key = QStringLiteral("Interface\\") + described.iid.toString();
        script.addValue(key, {}, described.name);
        script.addValue(key + QStringLiteral("\\TypeLib"), {}, library);
        script.addValue(key + QStringLiteral("\\TypeLib"), QStringLiteral("Version"),
                        QStringLiteral("1.0"));
        script.own(key);
    }
}

} // namespace tarnwick::frame
