#include "window_geometry.h"

#include "registry/registry_store.h"
#include "shell/app_settings.h"

#include <QWidget>
#include <vector>

namespace tarnwick {

namespace {

// Beside the application's machine-wide key, but in the user's own root.
const QString kWindowsKey = kAppSettingsKey + QStringLiteral("\\Windows");

} // namespace

void restoreWindowGeometry(QWidget& window, const registry::RegistryStore& store) {
    using namespace registry;
    KeyHandle key;
    if (store.openKey(HKEY_CURRENT_USER, kWindowsKey, KEY_READ, key) != ERROR_SUCCESS)
        return;
    std::uint32_t size = 0;
    ValueType type = 0;
    if (store.queryValue(key, window.objectName(), &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY || size == 0)
        return;
    std::vector<std::uint8_t> data(size);
    if (store.queryValue(key, window.objectName(), nullptr, data.data(), &size) != ERROR_SUCCESS)
        return;
    window.restoreGeometry(
        QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(size)));
}

void saveWindowGeometry(const QWidget& window, registry::RegistryStore& store) {
    using namespace registry;
    KeyHandle key;
    if (store.createKey(HKEY_CURRENT_USER, kWindowsKey, KEY_ALL_ACCESS, key) != ERROR_SUCCESS)
        return;
    store.setValue(key, window.objectName(), REG_BINARY, window.saveGeometry());
}

} // namespace tarnwick
