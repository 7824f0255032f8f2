#include "class_registration.h"

namespace tarnwick::com {

QString classKey(const Guid& clsid) {
    return QStringLiteral("CLSID\\") + clsid.toString();
}

void addClassRegistration(RegistryScript& script, const ClassRegistration& registration,
                          const QString& libraryPath) {
    const QString clsid = registration.clsid.toString();
    const QString key = classKey(registration.clsid);
    const QString progId = registration.progId;
    const QString independent = registration.versionIndependentProgId;

    if (!progId.isEmpty()) {
        script.addValue(progId, {}, registration.description);
        script.addValue(progId + QStringLiteral("\\CLSID"), {}, clsid);
        script.own(progId);
    }
    if (!independent.isEmpty()) {
        script.addValue(independent, {}, registration.description);
        script.addValue(independent + QStringLiteral("\\CLSID"), {}, clsid);
        if (!progId.isEmpty()) {
            script.addValue(independent + QStringLiteral("\\CurVer"), {}, progId);
        }
        script.own(independent);
    }
    script.addValue(key, {}, registration.description);
    if (!progId.isEmpty()) {
        script.addValue(key + QStringLiteral("\\ProgID"), {}, progId);
    }
    if (!independent.isEmpty()) {
        script.addValue(key + QStringLiteral("\\VersionIndependentProgID"), {}, independent);
    }
    const QString server = key + QStringLiteral("\\InprocServer32");
    script.addValue(server, {}, libraryPath);
    script.addValue(server, QStringLiteral("ThreadingModel"), registration.threadingModel);
    script.own(key);
}

} // namespace tarnwick::com
