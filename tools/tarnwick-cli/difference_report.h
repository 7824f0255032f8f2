#pragma once

#include "config/config_diff.h"

#include <QJsonArray>
#include <QStringList>

namespace tarnwick::cli {

// One line per differing field, then one per differing byte that no field decodes.
QStringList differenceLines(const ConfigDifferences& differences);

QJsonArray fieldDifferencesJson(const std::vector<FieldDifference>& fields);
QJsonArray byteDifferencesJson(const std::vector<ByteDifference>& bytes);

} // namespace tarnwick::cli
