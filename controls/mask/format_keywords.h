#pragma once

#include <QStringList>

namespace tarnwick::mask {

// The example the Format page shows.
inline constexpr char kFormatExample[] = "(999)999-99999;{9};{}";

// The keyword help of the Format page, one line per keyword: the "(SBCS)" group, then the
// "(DBCS)" group with its keywords as the pattern writes them ("^" before a single-byte
// keyword's letter).
QStringList formatKeywordHelp();

} // namespace tarnwick::mask
