#pragma once

#include "shell/app_settings.h"

#include <QString>
#include <cstdint>

namespace tarnwick {

namespace registry {
class RegistryStore;
}

// Stores the connection as the most recent one: "LastConnAddr", "LastConnSN", "LastConnSL"
// (a number) and "LastConnPort" in the application's key, in that order, then the same into
// `recent`, so the settings dialog offers them without reading the registry again. A failed
// write raises the registry's AppError and leaves `recent` as it was.
void SaveRecentConnection(const QString& SN, const QString& Port, const QString& Addr,
                          std::uint8_t SL, registry::RegistryStore& store,
                          RecentConnection& recent);

} // namespace tarnwick
