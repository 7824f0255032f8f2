#pragma once

#include "mask_editor.h"

namespace tarnwick::fenbase6 {

// fenShowLiteralsConst: when the literals of the pattern are displayed during entry.
enum class MaskLiteralDisplay { Always = 0, PostDisplay = 1, PreDisplay = 2 };

// The display of `editor`: one character per pattern position, empty slots as `prompt`.
// Where entry stands is just behind the last filled slot. Always shows every literal;
// PostDisplay only the literals entry has passed; PreDisplay also those that close the field
// being entered, so the next separator is seen before it is reached. A literal not shown is a
// space.
QString maskDisplayText(const MaskEditor& editor, QChar prompt, MaskLiteralDisplay mode);

} // namespace tarnwick::fenbase6
