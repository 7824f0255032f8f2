#pragma once

#include "com/com_ptr.h"
#include "frame/engine_link.h"

#include <cstdint>

namespace tarnwick::numlite {

// The Spin object's settings as the number engine takes them.
struct SpinSettings {
    std::int16_t visible = 0; // fenVisibleConst
    std::int32_t delay = 100;
    bool enabled = true;
    std::int16_t increment = 1;
    std::int16_t position = 0; // fenSpinPosConst
    bool wrap = false;
    bool spinKeys = false;

    // Read from a Spin object (the defaults when it has no dispatch interface).
    static SpinSettings of(com::IUnknown* spin);
};

// Sends the settings in the engine's order: enabled (0 while the control is disabled), delay,
// increment, wrap, spin keys, then the layout (0 none, 7 outside, 1 inside) and, while the
// buttons are shown, the show mode (0 always, 1 on focus).
void sendSpinSettings(const frame::EngineLink& link, const SpinSettings& spin,
                      bool controlEnabled);
// Only the enabled setting (after the control's own Enabled changed).
void sendSpinEnabled(const frame::EngineLink& link, const SpinSettings& spin,
                     bool controlEnabled);

} // namespace tarnwick::numlite
