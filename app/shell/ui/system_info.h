#pragma once

#include "registry/registry_store.h"

#include <QString>
#include <optional>

namespace tarnwick {

// Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into `KeyVal` as text and
// answers true. The key is opened with all access rights, so a key the user may not change
// counts as not found. A text value (REG_SZ) gives its text without the terminating NUL; a
// number (REG_DWORD) gives "&h" followed by its bytes in hexadecimal, most significant first,
// two digits each; any other type leaves `KeyVal` as it was. A key or value that cannot be
// read, or a value of more than 1024 bytes, empties `KeyVal` and answers false.
bool GetKeyValue(const registry::RegistryStore& store, registry::RootKey KeyRoot,
                 const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

// The system-information program, as the registry names it: the program path in the MSINFO
// key, else the program file "MSINFO32.EXE" in the folder its location key names, when that
// file exists. Nothing when neither is found.
std::optional<QString> systemInfoProgram(const registry::RegistryStore& store);

} // namespace tarnwick
