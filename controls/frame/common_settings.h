#pragma once

#include "com/dispatch.h"
#include "fen_enums.h"

#include <cstdint>

namespace tarnwick::frame {

// The stored values of the common properties, with a new control's defaults (the control
// sets its own horizontal alignment).
struct CommonSettings {
    static constexpr std::uint32_t kDefaultBackColor = 0x80000005u; // window background
    static constexpr std::uint32_t kDefaultForeColor = 0x80000008u; // window text

    std::int16_t alignHorizontal = fenAlignHLeft;
    std::int16_t alignVertical = fenAlignVTop;
    std::int16_t appearance = fen3D;
    std::int16_t borderStyle = fenFixedSingle;
    std::uint32_t backColor = kDefaultBackColor;
    std::uint32_t foreColor = kDefaultForeColor;
    bool enabled = true;
    bool readOnly = false;
    bool errorBeep = false;
    bool showContextMenu = true;
    std::int16_t marginBottom = 1;
    std::int16_t marginLeft = 1;
    std::int16_t marginRight = 1;
    std::int16_t marginTop = 1;
    std::int16_t mousePointer = fenDefault;
    std::int16_t moveOnLRKey = fenMoveOnLRKeyNone;
    std::int16_t oleDragMode = fenOLEDragManual;
    std::int16_t oleDropMode = fenOLEDropNone;
    std::int16_t editMode = fenInsert;

    // The stored value of the 16-bit property `id` (an enumeration or a margin); null for
    // any other property.
    std::int16_t* shortValue(com::DispId id);
    const std::int16_t* shortValue(com::DispId id) const;

    // Error 380 unless every value obeys its put rule (for values read from saved data).
    void validate() const;

    friend bool operator==(const CommonSettings&, const CommonSettings&) = default;
};

// The put rules: the value converted, or error 380 "Invalid property value." when it is
// outside the rule (conversion failures keep their own numbers).
std::int16_t checkedEnumValue(const com::Variant& value, const FenEnumeration& enumeration);
std::int16_t checkedMargin(const com::Variant& value);

// The enumeration that rules the 16-bit property `id`; null for a margin or another property.
const FenEnumeration* enumerationOf(com::DispId id);

} // namespace tarnwick::frame
