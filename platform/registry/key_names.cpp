#include "key_names.h"

#include <algorithm>

namespace tarnwick::registry {

namespace {

bool hasControlCharacter(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

bool isValidKeyName(QStringView name) {
    return !name.isEmpty() && name.size() <= kMaxKeyNameLength &&
           !name.contains(QLatin1Char('\\')) && !hasControlCharacter(name);
}

} // namespace

bool isValidValueName(QStringView name) {
    return !hasControlCharacter(name);
}

std::optional<QStringList> splitKeyPath(QStringView path) {
    QStringList names;
    if (path.isEmpty()) {
        return names;
    }
    for (const QStringView name : path.split(QLatin1Char('\\'))) {
        if (!isValidKeyName(name)) {
            return std::nullopt;
        }
        names.append(name.toString());
    }
    return names;
}

} // namespace tarnwick::registry
