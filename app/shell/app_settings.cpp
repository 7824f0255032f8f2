#include "app_settings.h"

#include "registry/hive_location.h"
#include "registry/registry_store.h"
#include "shell/app_error.h"
#include "shell/c_registry.h"

#include <QDir>

namespace tarnwick {

namespace {

QVariant readAppValue(cRegistry& registry, const QString& name) {
    registry.setClassKey(registry::HKEY_LOCAL_MACHINE);
    registry.setSectionKey(kAppSettingsKey);
    registry.setValueKey(name);
    return registry.Value();
}

// The conversion to an unsigned 8-bit index: empty is 0, a number outside 0..255 overflows.
std::uint8_t siteLetterIndex(const QVariant& value) {
    if (!value.isValid()) {
        return 0;
    }
    bool isNumber = false;
    const qlonglong number = registryValueText(value).toLongLong(&isNumber);
    if (!isNumber) {
        throw AppError::standard(ErrorNumber::TypeMismatch);
    }
    if (number < 0 || number > 255) {
        throw AppError::standard(ErrorNumber::Overflow);
    }
    return static_cast<std::uint8_t>(number);
}

// A run scoped to a registry folder of its own (a script, a test) makes only the folders its
// own hive names: the default hive's lie in the user's home, which such a run leaves alone.
bool mayCreateFolder(const QString& name, const QString& path) {
    const QString scope = registry::scopedHiveDirFromEnvironment();
    if (scope.isEmpty()) {
        return true;
    }
    registry::RegistryStore scopedHive(scope);
    cRegistry registry(scopedHive);
    return registryValueText(readAppValue(registry, name)) == path;
}

// A folder that cannot be made is left to the dialogs that start in it; start-up goes on.
void createMissingFolder(const QString& name, const QString& path) {
    if (!path.isEmpty() && mayCreateFolder(name, path)) {
        QDir().mkpath(path);
    }
}

} // namespace

AppSettings LoadAppSettings(registry::RegistryStore& store) {
    cRegistry registry(store);
    const auto text = [&](const QString& name) {
        return registryValueText(readAppValue(registry, name));
    };
    AppSettings settings;
    settings.SaveFileDir = text(kSaveFileDirValue);
    settings.SaveConnDir = text(kSaveConnDirValue);
    settings.RecentConnection.SN = text(kLastConnSNValue);
    settings.RecentConnection.SL = siteLetterIndex(readAppValue(registry, kLastConnSLValue));
    settings.RecentConnection.Port = text(kLastConnPortValue);
    settings.RecentConnection.Addr = text(kLastConnAddrValue);
    settings.VocabDat = text(kVocabDatValue);
    settings.HelpFile = text(kHelpFileValue);
    settings.Protected = text(kProtectedValue);
    createMissingFolder(kSaveFileDirValue, settings.SaveFileDir);
    createMissingFolder(kSaveConnDirValue, settings.SaveConnDir);
    return settings;
}

} // namespace tarnwick
