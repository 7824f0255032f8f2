#include "auto_drop.h"

#include <algorithm>

namespace tarnwick::frame {

namespace {

std::int32_t chosenEffect(const DropSituation& drop) {
    const bool copyAllowed = (drop.allowedEffects & DropEffect::Copy) != 0;
    const bool moveAllowed = (drop.allowedEffects & DropEffect::Move) != 0;
    if (drop.controlKey && copyAllowed) {
        return DropEffect::Copy;
    }
    if (moveAllowed) {
        return DropEffect::Move;
    }
    return copyAllowed ? DropEffect::Copy : DropEffect::None;
}

} // namespace

DropPlan planAutomaticDrop(const DropSituation& drop) {
    const int from = std::min(drop.selectionStart, drop.selectionEnd);
    const int to = std::max(drop.selectionStart, drop.selectionEnd);
    if (drop.fromThisControl && drop.position >= from && drop.position <= to) {
        return {DropEffect::None, 0, true};
    }
    const std::int32_t effect = chosenEffect(drop);
    if (effect == DropEffect::None) {
        return {};
    }
    // A copy within the control inserts the text: moving would lose the original.
    const bool movesSelection = drop.fromThisControl && effect == DropEffect::Move;
    return {effect, movesSelection ? fenbase6::Msg::DropMoveSelection : fenbase6::Msg::DropInsert,
            false};
}

} // namespace tarnwick::frame
