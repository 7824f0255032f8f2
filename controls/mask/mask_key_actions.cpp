#include "mask_key_actions.h"

#include "fenbase6/virtual_keys.h"

namespace tarnwick::mask {

using namespace fenbase6;

namespace {

struct Move {
    std::int32_t fieldAction;
    WordParam fieldWord;
    std::int32_t controlAction;
    WordParam controlWord;
};

constexpr Move kForward{KeyAction::NextField, MaskMsg::kNextField, KeyAction::NextCtrl,
                        MaskMsg::kNextControl};
constexpr Move kBackward{KeyAction::PrevField, MaskMsg::kPrevField, KeyAction::PrevCtrl,
                         MaskMsg::kPrevControl};

bool moveByKey(const Move& move, std::int32_t keyCode, std::int32_t shift,
               const IFenKeyActions& keys, const frame::EngineLink& engine) {
    if (keys.IsKeyBound(keyCode, shift, move.fieldAction) &&
        engine.send(MaskMsg::KeyAction, move.fieldWord) == 0) {
        return true;
    }
    if (keys.IsKeyBound(keyCode, shift, move.controlAction)) {
        engine.send(MaskMsg::KeyAction, move.controlWord);
        return true;
    }
    return false;
}

} // namespace

bool runMaskKeyAction(std::int32_t action, std::int32_t keyCode, std::int32_t shift,
                      const IFenKeyActions& keys, const frame::EngineLink& engine,
                      bool leftButtonDown, const std::function<void()>& clear) {
    switch (action) {
    case KeyAction::Clear:
        if (!leftButtonDown) {
            clear();
        }
        return true;
    case KeyAction::NextCtrl:
    case KeyAction::NextField:
        return moveByKey(kForward, keyCode, shift, keys, engine);
    case KeyAction::PrevCtrl:
    case KeyAction::PrevField:
        return moveByKey(kBackward, keyCode, shift, keys, engine);
    default:
        return false;
    }
}

bool keepsKeyFromHost(std::int32_t keyCode, std::int32_t shift, const frame::EngineLink& engine) {
    switch (keyCode) {
    case VirtualKey::Tab:
        return shift == 0 && engine.send(MaskMsg::TabStaysInside) == 0;
    case VirtualKey::Prior:
    case VirtualKey::Next:
    case VirtualKey::End:
    case VirtualKey::Home:
    case VirtualKey::Left:
    case VirtualKey::Up:
    case VirtualKey::Right:
    case VirtualKey::Down:
        return true;
    default:
        return false;
    }
}

} // namespace tarnwick::mask
