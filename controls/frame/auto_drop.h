#pragma once

#include "fenbase6/engine_messages.h"

#include <cstdint>

namespace tarnwick::frame {

// Drop effects, as the OLE events report them.
namespace DropEffect {
constexpr std::int32_t None = 0;
constexpr std::int32_t Copy = 1;
constexpr std::int32_t Move = 2;
} // namespace DropEffect

// A drop of plain text on a control with automatic dropping.
struct DropSituation {
    bool fromThisControl = false; // the drag started in this same control
    int position = 0;             // character position under the drop point
    int selectionStart = 0;
    int selectionEnd = 0;
    bool controlKey = false;
    std::int32_t allowedEffects = DropEffect::Copy | DropEffect::Move;
};

struct DropPlan {
    std::int32_t effect = DropEffect::None;
    fenbase6::MessageId message = 0; // DropMoveSelection, DropInsert, or 0 for nothing
    bool restoreCaret = false;       // put the caret back (a drop onto its own selection)
};

// What an automatic drop does: nothing onto the dragged selection itself; otherwise copy with
// the Control key held (when copying is allowed), else move (when allowed). A move within
// the same control moves the selection; every other drop inserts the text.
DropPlan planAutomaticDrop(const DropSituation& drop);

} // namespace tarnwick::frame
