#pragma once

#include <QStringList>

namespace tarnwick::cli {

// Exit codes as diff has them.
inline constexpr int kSame = 0;
inline constexpr int kDifferent = 1;
inline constexpr int kTrouble = 2;

// diff A B: 0 same, 1 different, 2 trouble (usage errors included).
int runDiff(const QStringList& arguments);
// apply CHANGES.json FILE.stv -o OUT.stv: 0 written, 1 refused or failed, 2 usage.
int runApply(const QStringList& arguments);

} // namespace tarnwick::cli
