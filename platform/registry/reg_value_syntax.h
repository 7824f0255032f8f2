#pragma once

#include "hive_key.h"
#include "reg_text_parser.h"

#include <QString>
#include <QStringView>
#include <variant>

namespace tarnwick::registry {

// One value line of .reg text in both directions. Strings hold single-byte text: REG_SZ data
// ending in its only NUL and free of control bytes is written as `"text"` (with \\ and \"
// escapes), a 4-byte REG_DWORD as `dword:`, REG_BINARY as `hex:`, everything else as
// `hex(type):` with the stored bytes. Long byte lists continue on the next line after `\`.
QString formatValueLine(const HiveValue& value);

// The entry of a logical value line (continuations already joined), or why it is unreadable.
std::variant<RegEntry, QString> parseValueLine(QStringView line);

} // namespace tarnwick::registry
