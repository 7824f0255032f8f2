#pragma once

#include "serial/serial_control.h"

#include <QString>
#include <functional>
#include <vector>

namespace tarnwick {

namespace registry {
class RegistryStore;
}

// Extra serial ports: every string value of this key names a device path (the value names are
// free), for devices the system does not list, such as pseudo-terminals or adapters with
// unusual names.
inline const QString kSerialPortsKey =
    QStringLiteral("SOFTWARE\\Corvane Technology\\Tarnwick\\2.0\\Ports");
// Modems: each value's name is the modem's display name, its data the modem's device path.
inline const QString kModemsKey =
    QStringLiteral("SOFTWARE\\Corvane Technology\\Tarnwick\\2.0\\Modems");

// The devices a connection can use: the system's serial ports (by device path) and the extra
// ports of the store, each once, then the store's modems by display name. Both keys are under
// HKEY_LOCAL_MACHINE; a missing key lists nothing. String values may be REG_SZ or
// REG_EXPAND_SZ; values of other types or with empty data are skipped.
std::vector<SerialDevice> listSerialDevices(const registry::RegistryStore& registry);

// Maps a profile's port name to the device to open.
using DeviceResolver = std::function<QString(const QString& portName)>;

// A modem's display name becomes its device path as the store holds it when called; any
// other name is taken as the device path itself. The store must outlive the resolver.
DeviceResolver registryDeviceResolver(const registry::RegistryStore& registry);

} // namespace tarnwick
