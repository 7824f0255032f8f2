#include "key_argument.h"

#include "registry/root_keys.h"
#include "regtool_failure.h"

#include <array>
#include <optional>
#include <utility>

namespace tarnwick::regtool {

namespace {

std::optional<registry::RootKey> shortRootName(QStringView name) {
    const std::array<std::pair<QLatin1String, registry::RootKey>, 4> shortNames{{
        {QLatin1String("HKCR"), registry::HKEY_CLASSES_ROOT},
        {QLatin1String("HKCU"), registry::HKEY_CURRENT_USER},
        {QLatin1String("HKLM"), registry::HKEY_LOCAL_MACHINE},
        {QLatin1String("HKU"), registry::HKEY_USERS},
    }};
    for (const auto& [shortName, root] : shortNames) {
        if (name.compare(shortName, Qt::CaseInsensitive) == 0) {
            return root;
        }
    }
    return std::nullopt;
}

} // namespace

KeyArgument parseKeyArgument(const QString& text) {
    const qsizetype separator = text.indexOf(QLatin1Char('\\'));
    const QStringView rootName = QStringView(text).left(separator < 0 ? text.size() : separator);
    std::optional<registry::RootKey> root = registry::rootKeyFromName(rootName);
    if (!root) {
        root = shortRootName(rootName);
    }
    if (!root) {
        throw RegtoolFailure(QStringLiteral("unknown root key in \"%1\"").arg(text), kUsageError);
    }
    return {*root, separator < 0 ? QString() : text.mid(separator + 1), text};
}

} // namespace tarnwick::regtool
