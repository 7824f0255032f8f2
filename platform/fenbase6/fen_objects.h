#pragma once

#include "com/dispatch.h"

#include <QRect>
#include <cstdint>

class QPainter;

// The shared objects of the control family: Caption, Key and Spin. Each is a creatable
// component with an automation interface (its member table is its type information), the
// property-change connection point (IConnectionPointContainer with IPropertyNotifySink, so a
// control hears of every accepted put), and both persistence forms (IPersistStreamInit,
// IPersistPropertyBag), so controls save them as nested objects. Refused puts are error 380
// "Invalid property value." and change nothing.
namespace tarnwick::fenbase6 {

// ---- Caption ---------------------------------------------------------------------------

struct IFenCaptionDisp : com::IDispatch {
    using Base = com::IDispatch;
    static constexpr com::Guid kIid{
        0x4D3A94D2, 0x053F, 0x467D, {0xA1, 0x54, 0x8C, 0x5F, 0xF0, 0xCF, 0xCE, 0x3F}};
};

// What a control needs of its Caption besides automation.
struct IFenCaption : com::IUnknown {
    using Base = com::IUnknown;
    static constexpr com::Guid kIid{
        0xCC488172, 0xE4A7, 0x4571, {0xA0, 0xC1, 0x54, 0x4B, 0xAE, 0xA9, 0xE0, 0xC1}};

    // A new control's caption takes the host's ambient font (copied: any object with IFont;
    // null keeps the current font) and colours, without signalling a change.
    virtual void SetInitialValues(com::IUnknown* font, std::uint32_t backColor,
                                  std::uint32_t foreColor) = 0;
    // The control was enabled or disabled: a disabled caption draws its text greyed.
    virtual void SetControlEnabled(bool enabled) = 0;
    // The non-client calculation: `windowRect` less the caption area (`Size` wide at the left
    // or right, `Size` high at the top or bottom, by `Position`) and `Spacing` beside it.
    // A `Size` of 0 means no caption area: the whole rectangle is the input area.
    virtual QRect InputRect(const QRect& windowRect) const = 0;
    // Paints the caption area of a window occupying `windowRect` (background, then the text
    // with its alignment, word wrap and 3-D effect) and nothing outside it.
    virtual void Draw(QPainter& painter, const QRect& windowRect) const = 0;
    // `Position` (fenCaptPosConst) and `Size`.
    virtual std::int16_t GetPosition() const = 0;
    virtual std::int16_t GetSize() const = 0;
};

namespace CaptionDispIds {
constexpr com::DispId Text = 0; // default member
constexpr com::DispId AlignHorizontal = 1;
constexpr com::DispId AlignVertical = 2;
constexpr com::DispId BackColor = 3;
constexpr com::DispId Font = 4;
constexpr com::DispId Font3D = 5;
constexpr com::DispId ForeColor = 6;
constexpr com::DispId Position = 7;
constexpr com::DispId Size = 8;
constexpr com::DispId Spacing = 9;
constexpr com::DispId WordWrap = 11;
} // namespace CaptionDispIds

// fenCaptAlignHConst, fenCaptAlignVConst, fenCaptPosConst, fenFont3DConst.
namespace CaptAlignH {
constexpr std::int16_t Left = 0, Right = 1, Center = 2, Justify = 3;
}
namespace CaptAlignV {
constexpr std::int16_t Top = 0, Bottom = 1, Center = 2;
}
namespace CaptPos {
constexpr std::int16_t Left = 0, Top = 1, Right = 2, Bottom = 3;
}
namespace Font3D {
constexpr std::int16_t None = 0, Inset = 1, Raised = 2, InsetLite = 3, RaisedLite = 4;
}

// ---- Key -------------------------------------------------------------------------------

struct IFenKey : com::IDispatch {
    using Base = com::IDispatch;
    static constexpr com::Guid kIid{
        0xD59885BF, 0x2ECD, 0x4D78, {0x8C, 0xE9, 0x78, 0x0D, 0x0A, 0xE8, 0x1A, 0x14}};
};

// Key codes are virtual-key numbers (virtual_keys.h); the shift state is the sum of
// kShiftMask 1, kCtrlMask 2 and kAltMask 4, as the KeyDown event reports it.
struct IFenKeyActions : com::IUnknown {
    using Base = com::IUnknown;
    static constexpr com::Guid kIid{
        0xAFDC03B0, 0x23D7, 0x45FA, {0x84, 0x74, 0xEA, 0x00, 0xC9, 0x75, 0xD3, 0xA5}};

    // Bit n enables action n. Actions 0..2 (clear, next and previous control) belong to every
    // control and are always enabled; the control-specific ones (3..7) are off until enabled.
    virtual void SetEnabledActions(std::uint32_t mask) = 0;
    // The lowest-numbered enabled action whose key list holds this key and shift state
    // exactly; KeyAction::None when there is none.
    virtual std::int32_t ActionForKey(std::int32_t keyCode, std::int32_t shift) const = 0;
    // Whether `action` is enabled and its key list holds this key and shift state.
    virtual bool IsKeyBound(std::int32_t keyCode, std::int32_t shift,
                            std::int32_t action) const = 0;
};

// Action numbers; the dispatch id of an action's key list is the action number + 1, but for
// Clear, the default member (id 0).
namespace KeyAction {
constexpr std::int32_t None = -1;
constexpr std::int32_t Clear = 0;
constexpr std::int32_t NextCtrl = 1;
constexpr std::int32_t PrevCtrl = 2;
constexpr std::int32_t NextField = 3;
constexpr std::int32_t PrevField = 4;
constexpr std::int32_t Now = 5;
constexpr std::int32_t ThreeZero = 6;
constexpr std::int32_t DropDown = 7;
constexpr std::int32_t kCount = 8;
} // namespace KeyAction

namespace KeyDispIds {
constexpr com::DispId Clear = 0; // default member
constexpr com::DispId NextCtrl = 2;
constexpr com::DispId PrevCtrl = 3;
constexpr com::DispId NextField = 4;
constexpr com::DispId PrevField = 5;
constexpr com::DispId Now = 6;       // hidden
constexpr com::DispId ThreeZero = 7; // hidden
constexpr com::DispId DropDown = 8;  // hidden
} // namespace KeyDispIds

constexpr std::int32_t kShiftMask = 1;
constexpr std::int32_t kCtrlMask = 2;
constexpr std::int32_t kAltMask = 4;

// ---- Spin ------------------------------------------------------------------------------

struct IFenSpin : com::IDispatch {
    using Base = com::IDispatch;
    static constexpr com::Guid kIid{
        0x60E39A1B, 0x9C5F, 0x42F1, {0x8E, 0xD5, 0x7C, 0xC6, 0x85, 0x37, 0x68, 0x50}};
};

namespace SpinDispIds {
constexpr com::DispId Visible = 0; // default member
constexpr com::DispId Delay = 1;
constexpr com::DispId Enabled = 2;
constexpr com::DispId Increment = 3;
constexpr com::DispId Position = 4;
constexpr com::DispId Wrap = 6;
constexpr com::DispId SpinKeys = 7;
} // namespace SpinDispIds

// fenVisibleConst, fenSpinPosConst.
namespace SpinVisible {
constexpr std::int16_t NotShown = 0, ShowAlways = 1, ShowOnFocus = 2;
}
namespace SpinPos {
constexpr std::int16_t Inside = 0, Outside = 1;
}

// ---- Classes ---------------------------------------------------------------------------

constexpr com::Guid kCaptionClsid{
    0xC6BDD06B, 0xF273, 0x40BC, {0xA0, 0xDD, 0xAF, 0xBB, 0x61, 0x98, 0x35, 0x26}};
constexpr com::Guid kKeyClsid{
    0xD7982A49, 0xA115, 0x41D6, {0x99, 0xA4, 0x37, 0x99, 0x5B, 0x9E, 0x88, 0x13}};
constexpr com::Guid kSpinClsid{
    0x7342C635, 0xCD9F, 0x42E9, {0xB5, 0x76, 0x03, 0x1E, 0xFD, 0x91, 0x46, 0xA2}};

inline constexpr char kCaptionProgId[] = "Holm.FenCaption6.6";
inline constexpr char kKeyProgId[] = "Holm.FenKey6.6";
inline constexpr char kSpinProgId[] = "Holm.FenSpin6.6";

} // namespace tarnwick::fenbase6
