#pragma once

#include "com/dispatch.h"
#include "com/guid.h"

// The identities of the masked input control: its classes, interfaces, and the dispatch ids
// of its own members and events (the common ones are frame/common_dispids.h).
namespace tarnwick::mask {

struct IFenMask : com::IDispatch {
    using Base = com::IDispatch;
    static constexpr com::Guid kIid{
        0x1CB4DDF2, 0x0425, 0x4C3C, {0xA1, 0x4D, 0x0D, 0x58, 0x3F, 0x9B, 0x15, 0xFA}};
};

constexpr com::Guid kFenMaskEventsIid{
    0x19D38E27, 0x4CDC, 0x4F8C, {0x9D, 0x4F, 0x75, 0x63, 0x21, 0x09, 0x8B, 0x29}};
constexpr com::Guid kFenMaskClsid{
    0xF0ADEDBA, 0xA6B1, 0x4C41, {0xAF, 0xF6, 0x02, 0xDC, 0xCD, 0x57, 0xA8, 0xA0}};
constexpr com::Guid kGeneralPageClsid{
    0xA5B4BF9A, 0xF938, 0x4510, {0xB9, 0x8E, 0xED, 0x8E, 0x01, 0x41, 0x66, 0x99}};
constexpr com::Guid kAppearancePageClsid{
    0xEF669149, 0x45AA, 0x40A1, {0x8C, 0xD1, 0x37, 0x2B, 0xAE, 0xDA, 0x6C, 0x8D}};
constexpr com::Guid kFormatPageClsid{
    0x7F523F64, 0x9E6C, 0x4488, {0xA8, 0x6B, 0x64, 0xD1, 0x5F, 0x76, 0x25, 0x22}};
constexpr com::Guid kLookupPageClsid{
    0xF5031C40, 0x35AA, 0x49D3, {0xBF, 0x08, 0x3F, 0x7B, 0xAC, 0xAE, 0x52, 0xA5}};
constexpr com::Guid kMaskTypeLibrary{
    0xFCFC66D5, 0x9243, 0x4049, {0x97, 0xA8, 0x5D, 0x0F, 0x92, 0xFF, 0xB6, 0x0F}};

namespace MaskDispIds {
constexpr com::DispId ClipMode = 0x03;
constexpr com::DispId IMEMode = 0x07;
constexpr com::DispId ShowLiterals = 0x11;
constexpr com::DispId AllowSpace = 0x33;
constexpr com::DispId AutoConvert = 0x34;
constexpr com::DispId CurrentField = 0x35;
constexpr com::DispId CursorPosition = 0x36;
constexpr com::DispId DataProperty = 0x37;
constexpr com::DispId DisplayText = 0x38;
constexpr com::DispId Format = 0x39;
constexpr com::DispId HighlightText = 0x3A;
constexpr com::DispId IMEStatus = 0x3B;
constexpr com::DispId LookupMode = 0x3C;
constexpr com::DispId LookupTable = 0x3D;
constexpr com::DispId PromptChar = 0x3E;
constexpr com::DispId SelLength = 0x3F;
constexpr com::DispId SelStart = 0x40;
constexpr com::DispId SelText = 0x41;
constexpr com::DispId TabAction = 0x42;
constexpr com::DispId Text = 0x43;
constexpr com::DispId Value = 0x00; // the default member
constexpr com::DispId ValueIsFull = 0x45;
constexpr com::DispId DataBind = 0x46; // hidden
constexpr com::DispId ClearControl = 0x47;
} // namespace MaskDispIds

namespace MaskEventIds {
constexpr com::DispId Change = 0x01;
constexpr com::DispId EditModeChange = 0x02;
constexpr com::DispId DBError = 0x03;
constexpr com::DispId InvalidInput = 0x05;
} // namespace MaskEventIds

} // namespace tarnwick::mask
