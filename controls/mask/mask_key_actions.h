#pragma once

#include "fenbase6/fen_objects.h"
#include "frame/engine_link.h"

#include <cstdint>
#include <functional>

namespace tarnwick::mask {

// The field actions the masked control enables on its Key object (actions 3 and 4).
constexpr std::uint32_t kMaskKeyActions =
    (1u << fenbase6::KeyAction::NextField) | (1u << fenbase6::KeyAction::PrevField);

// What a key bound to `action` does: clear (unless the left mouse button is down), or move
// forward or backward, to the next field when the key is bound to that and the engine
// moves, else to the next control when the key is bound to that. Answers whether the key is
// consumed; an unconsumed key goes on to the engine.
bool runMaskKeyAction(std::int32_t action, std::int32_t keyCode, std::int32_t shift,
                      const fenbase6::IFenKeyActions& keys, const frame::EngineLink& engine,
                      bool leftButtonDown, const std::function<void()>& clear);

// Whether the control keeps a key from the host's shortcut pass: Tab while the engine keeps
// it inside the control, and the navigation keys, which the host must not use to move
// between controls.
bool keepsKeyFromHost(std::int32_t keyCode, std::int32_t shift, const frame::EngineLink& engine);

} // namespace tarnwick::mask
