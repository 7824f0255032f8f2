#include "recent_connection.h"

#include "shell/c_registry.h"

namespace tarnwick {

void SaveRecentConnection(const QString& SN, const QString& Port, const QString& Addr,
                          std::uint8_t SL, registry::RegistryStore& store,
                          RecentConnection& recent) {
    cRegistry registry(store);
    const auto write = [&](const QString& name, registry::ValueType type, const QVariant& value) {
        registry.setClassKey(registry::HKEY_LOCAL_MACHINE);
        registry.setSectionKey(kAppSettingsKey);
        registry.setValueKey(name);
        registry.setValueType(static_cast<std::int32_t>(type));
        registry.setValue(value);
    };
    write(kLastConnAddrValue, registry::REG_SZ, Addr);
    write(kLastConnSNValue, registry::REG_SZ, SN);
    write(kLastConnSLValue, registry::REG_DWORD, static_cast<int>(SL));
    write(kLastConnPortValue, registry::REG_SZ, Port);
    recent = {SN, SL, Port, Addr};
}

} // namespace tarnwick
