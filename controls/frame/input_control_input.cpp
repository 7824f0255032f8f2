// The standard key and mouse events and key-action dispatch through the Key object.
#include "common_dispids.h"
#include "input_control.h"

#include <array>

namespace tarnwick::frame {

using namespace com;

namespace {

Variant shortArgument(std::int32_t value) {
    return Variant(static_cast<std::int16_t>(value));
}

} // namespace

bool InputControl::keyDown(std::int32_t& keyCode, std::int32_t shift, bool leftButtonDown) {
    Variant code = shortArgument(keyCode);
    const std::array args{Variant::reference(code), shortArgument(shift)};
    fireEvent(CommonEventIds::KeyDown, args);
    keyCode = code.toInt16();
    if (keyCode == 0) {
        return true;
    }
    const auto keys = m_key.query<fenbase6::IFenKeyActions>();
    const std::int32_t action =
        keys ? keys->ActionForKey(keyCode, shift) : fenbase6::KeyAction::None;
    return action != fenbase6::KeyAction::None && keyAction(action, keyCode, shift, leftButtonDown);
}

bool InputControl::keyPress(std::int32_t& keyAscii) {
    Variant ascii = shortArgument(keyAscii);
    const std::array args{Variant::reference(ascii)};
    fireEvent(CommonEventIds::KeyPress, args);
    keyAscii = ascii.toInt16();
    return keyAscii == 0;
}

void InputControl::keyUp(std::int32_t keyCode, std::int32_t shift) {
    Variant code = shortArgument(keyCode);
    const std::array args{Variant::reference(code), shortArgument(shift)};
    fireEvent(CommonEventIds::KeyUp, args);
}

void InputControl::mouseEvent(DispId event, std::int32_t button, std::int32_t shift,
                              const QPoint& pixel) {
    const QPointF point = containerPoint(pixel);
    const std::array args{shortArgument(button), shortArgument(shift), Variant(point.x()),
                          Variant(point.y())};
    fireEvent(event, args);
}

} // namespace tarnwick::frame
