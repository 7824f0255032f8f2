#include "system_info.h"

#include "shell/latin1.h"

#include <QFileInfo>
#include <array>
#include <span>

namespace tarnwick {

namespace {
using namespace registry;

// The rights GetKeyValue opens its key with: reading and writing.
constexpr Access kGetKeyValueAccess = 0x2003F;
constexpr std::uint32_t kValueBufferSize = 1024;

const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kSysInfoValue = QStringLiteral("PATH");
const QString kSysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kSysInfoLocationValue = QStringLiteral("MSINFO");
const QString kSysInfoProgramFile = QStringLiteral("MSINFO32.EXE");

// "&h" and the bytes from the last to the first, two hexadecimal digits each.
QString hexNumberText(std::span<const std::uint8_t> bytes) {
    QString text = QStringLiteral("&h");
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte)
        text += QString::number(*byte, 16).rightJustified(2, QLatin1Char('0')).toUpper();
    return text;
}
} // namespace

bool GetKeyValue(const RegistryStore& store, RootKey KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal) {
    KeyHandle key;
    if (store.openKey(KeyRoot, KeyName, kGetKeyValueAccess, key) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    std::array<std::uint8_t, kValueBufferSize> buffer{};
    std::uint32_t size = kValueBufferSize;
    ValueType type = REG_NONE;
    if (store.queryValue(key, SubKeyRef, &type, buffer.data(), &size) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    std::span<const std::uint8_t> data(buffer.data(), size);
    if (!data.empty() && data.back() == 0)
        data = data.first(data.size() - 1);
    if (type == REG_SZ)
        KeyVal = fromSingleByte(data);
    else if (type == REG_DWORD)
        KeyVal = hexNumberText(data);
    return true;
}

std::optional<QString> systemInfoProgram(const RegistryStore& store) {
    QString path;
    if (GetKeyValue(store, HKEY_LOCAL_MACHINE, kSysInfoKey, kSysInfoValue, path))
        return path;
    QString folder;
    if (GetKeyValue(store, HKEY_LOCAL_MACHINE, kSysInfoLocationKey, kSysInfoLocationValue,
                    folder)) {
        const QString program = folder + QLatin1Char('/') + kSysInfoProgramFile;
        if (QFileInfo(program).isFile())
            return program;
    }
    return std::nullopt;
}

} // namespace tarnwick
