#pragma once

#include "registry/registry_types.h"

#include <QString>

namespace tarnwick::regtool {

// Typed value data as the command line writes it (`set`) and shows it (`query`):
//   REG_SZ, REG_EXPAND_SZ   the text (ISO-8859-1; stored with its terminating NUL)
//   REG_DWORD,              a number 0..4294967295, decimal or with 0x
//   REG_DWORD_BIG_ENDIAN
//   REG_BINARY              hexadecimal bytes, optionally separated by commas or blanks
//   REG_MULTI_SZ            the strings separated by kMultiStringSeparator ("|")
inline constexpr QLatin1Char kMultiStringSeparator('|');

// Throws a usage failure for an unknown type name or data the type cannot hold.
registry::RegistryValue parseValueData(const QString& typeName, const QString& data);

// "TYPE<tab>DATA" in the form parseValueData reads; data that does not fit its type's form
// (and types without a name here) shows as "hex(N)<tab>" and the bytes.
QString formatValueData(const registry::RegistryValue& value);

} // namespace tarnwick::regtool
