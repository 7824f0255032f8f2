#include "spin_settings.h"

#include "engine_params.h"

#include "fenbase6/engine_messages.h"
#include "fenbase6/fen_objects.h"

#include <algorithm>

namespace tarnwick::numlite {

using namespace com;
using namespace fenbase6;

namespace {

Variant spinProperty(IDispatch& spin, DispId id) {
    return spin.Invoke(id, InvokeKind::Get, {});
}

} // namespace

SpinSettings SpinSettings::of(IUnknown* spin) {
    SpinSettings settings;
    const auto dispatch = queryInterface<IDispatch>(spin);
    if (!dispatch) {
        return settings;
    }
    settings.visible = spinProperty(*dispatch, SpinDispIds::Visible).toInt16();
    settings.delay = spinProperty(*dispatch, SpinDispIds::Delay).toInt32();
    settings.enabled = spinProperty(*dispatch, SpinDispIds::Enabled).toBool();
    settings.increment = spinProperty(*dispatch, SpinDispIds::Increment).toInt16();
    settings.position = spinProperty(*dispatch, SpinDispIds::Position).toInt16();
    settings.wrap = spinProperty(*dispatch, SpinDispIds::Wrap).toBool();
    settings.spinKeys = spinProperty(*dispatch, SpinDispIds::SpinKeys).toBool();
    return settings;
}

void sendSpinEnabled(const frame::EngineLink& link, const SpinSettings& spin,
                     bool controlEnabled) {
    link.send(NumberMsg::SetSpinEnabled, spin.enabled && controlEnabled ? 1 : 0);
}

void sendSpinSettings(const frame::EngineLink& link, const SpinSettings& spin,
                      bool controlEnabled) {
    sendSpinEnabled(link, spin, controlEnabled);
    link.send(NumberMsg::SetSpinDelay, static_cast<WordParam>(std::max(spin.delay, 0)));
    link.send(NumberMsg::SetSpinIncrement, shortWord(spin.increment));
    link.send(NumberMsg::SetSpinWrap, spin.wrap ? 1 : 0);
    link.send(NumberMsg::SetSpinKeys, spin.spinKeys ? 1 : 0);
    if (spin.visible == SpinVisible::NotShown) {
        link.send(NumberMsg::SetSpinLayout, 0);
        return;
    }
    link.send(NumberMsg::SetSpinLayout, spin.position == SpinPos::Outside ? 7 : 1);
    link.send(NumberMsg::SetSpinShow, shortWord(static_cast<std::int16_t>(spin.visible - 1)));
}

} // namespace tarnwick::numlite
