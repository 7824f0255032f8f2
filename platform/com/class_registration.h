#pragma once

#include "guid.h"
#include "registry_script.h"

#include <QString>

namespace tarnwick::com {

// A creatable class of an in-process library, as the registry knows it.
struct ClassRegistration {
    Guid clsid;
    QString description;
    QString progId;                   // version-dependent ("Vendor.Thing.6"); may be empty
    QString versionIndependentProgId; // ("Vendor.Thing"); may be empty
    QString threadingModel = QStringLiteral("Apartment");
};

// The registry key of a class: "CLSID\{...}".
QString classKey(const Guid& clsid);

// Adds the entries of `registration` served by the library at `libraryPath` to `script`:
//   <ProgID>                       default: description; CLSID: {clsid}
//   <VersionIndependentProgID>     default: description; CLSID: {clsid}; CurVer: <ProgID>
//   CLSID\{clsid}                  default: description; ProgID; VersionIndependentProgID
//   CLSID\{clsid}\InprocServer32   default: the library path; ThreadingModel
// The three keys are owned (deleted on unregistration). Entries of an empty ProgID are left
// out. A library adds its further entries (categories, verbs, type library) itself.
void addClassRegistration(RegistryScript& script, const ClassRegistration& registration,
                          const QString& libraryPath);

} // namespace tarnwick::com
