#pragma once

#include <QStringList>
#include <QStringView>
#include <optional>

namespace tarnwick::registry {

constexpr qsizetype kMaxKeyNameLength = 255;

// A value name: any text without control characters; empty names the key's default value.
bool isValidValueName(QStringView name);

// The key names of a backslash-separated path; an empty path has none. Nothing when a name
// is empty (leading, trailing or doubled backslash), longer than 255 characters, or holds a
// control character (a hive file keeps one key path per line).
std::optional<QStringList> splitKeyPath(QStringView path);

} // namespace tarnwick::registry
