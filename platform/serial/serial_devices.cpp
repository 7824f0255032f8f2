#include "serial_devices.h"

#include "registry/environment_strings.h"
#include "registry/registry_store.h"

#include <QSerialPortInfo>
#include <utility>

namespace tarnwick {

namespace {

using namespace registry;

// The string values of a key as (name, text) pairs, in the store's order.
std::vector<std::pair<QString, QString>> stringValues(const RegistryStore& store,
                                                      const QString& keyPath) {
    std::vector<std::pair<QString, QString>> values;
    KeyHandle key;
    if (store.openKey(HKEY_LOCAL_MACHINE, keyPath, KEY_READ, key) != ERROR_SUCCESS) {
        return values;
    }
    QString name;
    RegistryValue value;
    for (std::uint32_t index = 0; store.enumValue(key, index, name, &value) == ERROR_SUCCESS;
         ++index) {
        if (value.type != REG_SZ && value.type != REG_EXPAND_SZ) {
            continue;
        }
        // Text up to the first NUL, as the classic string functions read it.
        QByteArray bytes = value.data;
        if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0) {
            bytes.truncate(nul);
        }
        QString text = QString::fromLatin1(bytes);
        if (value.type == REG_EXPAND_SZ) {
            text = expandEnvironmentStrings(text);
        }
        if (!text.isEmpty()) {
            values.emplace_back(name, text);
        }
    }
    return values;
}

bool listed(const std::vector<SerialDevice>& devices, const QString& name) {
    for (const SerialDevice& device : devices) {
        if (device.name == name) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<SerialDevice> listSerialDevices(const RegistryStore& registry) {
    std::vector<SerialDevice> devices;
    const auto addPort = [&devices](const QString& path) {
        if (!listed(devices, path)) {
            devices.push_back({path, SerialDevice::Kind::Port});
        }
    };
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        addPort(port.systemLocation());
    }
    for (const auto& [name, path] : stringValues(registry, kSerialPortsKey)) {
        addPort(path);
    }
    for (const auto& [name, path] : stringValues(registry, kModemsKey)) {
        if (!name.isEmpty()) {
            devices.push_back({name, SerialDevice::Kind::Modem});
        }
    }
    return devices;
}

DeviceResolver registryDeviceResolver(const RegistryStore& registry) {
    return [&registry](const QString& portName) {
        for (const auto& [name, path] : stringValues(registry, kModemsKey)) {
            if (name == portName) {
                return path;
            }
        }
        return portName;
    };
}

} // namespace tarnwick
