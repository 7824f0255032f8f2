#pragma once

#include "hive_key.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tarnwick::registry {

// .reg text (UTF-8) of `key` and all its subkeys, `keyPath` being the key's full path that
// starts with its root name: the header, then `leadingLines`, then one section per key with
// its values and kept lines. A bare root without values or kept lines gets no section of its
// own.
QByteArray writeRegText(const HiveKey& key, const QString& keyPath,
                        const QStringList& leadingLines = {});

} // namespace tarnwick::registry
