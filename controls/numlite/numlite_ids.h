#pragma once

#include "com/dispatch.h"
#include "com/guid.h"

// The fixed identities of the numeric control: its class, interfaces, pages and type library,
// and the dispatch identities of its own members and events (the common ones are the frame's).
namespace tarnwick::numlite {

struct IFenNumLite : com::IDispatch {
    using Base = com::IDispatch;
    static constexpr com::Guid kIid{
        0x3B9C52A1, 0x6E14, 0x4F0B, {0xA2, 0x7D, 0x51, 0x0C, 0x9E, 0x34, 0x6B, 0x10}};
};

constexpr com::Guid kNumLiteEventsIid{
    0x3B9C52A2, 0x6E14, 0x4F0B, {0xA2, 0x7D, 0x51, 0x0C, 0x9E, 0x34, 0x6B, 0x10}};
constexpr com::Guid kNumLiteClsid{
    0x3B9C52A3, 0x6E14, 0x4F0B, {0xA2, 0x7D, 0x51, 0x0C, 0x9E, 0x34, 0x6B, 0x10}};
constexpr com::Guid kGeneralPageClsid{
    0x3B9C52A4, 0x6E14, 0x4F0B, {0xA2, 0x7D, 0x51, 0x0C, 0x9E, 0x34, 0x6B, 0x10}};
constexpr com::Guid kValuePageClsid{
    0x3B9C52A5, 0x6E14, 0x4F0B, {0xA2, 0x7D, 0x51, 0x0C, 0x9E, 0x34, 0x6B, 0x10}};
constexpr com::Guid kAppearancePageClsid{
    0x3B9C52A6, 0x6E14, 0x4F0B, {0xA2, 0x7D, 0x51, 0x0C, 0x9E, 0x34, 0x6B, 0x10}};
constexpr com::Guid kButtonPageClsid{
    0x3B9C52A7, 0x6E14, 0x4F0B, {0xA2, 0x7D, 0x51, 0x0C, 0x9E, 0x34, 0x6B, 0x10}};
constexpr com::Guid kNumLiteTypeLibrary{
    0x3B9C52A8, 0x6E14, 0x4F0B, {0xA2, 0x7D, 0x51, 0x0C, 0x9E, 0x34, 0x6B, 0x10}};

namespace NumLiteDispIds {
constexpr com::DispId Value = 0x00; // default member
constexpr com::DispId ClearAction = 0x34;
constexpr com::DispId CurrentPosition = 0x35;
constexpr com::DispId Decimal = 0x36;
constexpr com::DispId DecimalPlaces = 0x37;
constexpr com::DispId DecimalPoint = 0x38;
constexpr com::DispId HighlightText = 0x39;
constexpr com::DispId Integer = 0x3A;
constexpr com::DispId IntegerPlaces = 0x3B;
constexpr com::DispId MaxValue = 0x3C;
constexpr com::DispId MinusSign = 0x3D;
constexpr com::DispId MinValue = 0x3E;
constexpr com::DispId NegativeColor = 0x3F;
constexpr com::DispId SelLength = 0x40;
constexpr com::DispId SelStart = 0x41;
constexpr com::DispId SelText = 0x42;
constexpr com::DispId Text = 0x43;
constexpr com::DispId ValueIsNull = 0x45;
constexpr com::DispId DataBind = 0x46; // hidden
constexpr com::DispId ClearControl = 0x47;
constexpr com::DispId Spin = 0x3E9;
} // namespace NumLiteDispIds

namespace NumLiteEventIds {
constexpr com::DispId Change = 0x01;
constexpr com::DispId EditModeChange = 0x04;
constexpr com::DispId DBError = 0x05;
constexpr com::DispId InvalidInput = 0x06;
constexpr com::DispId InvalidRange = 0x07;
constexpr com::DispId SpinUp = 0x35;
constexpr com::DispId SpinDown = 0x36;
} // namespace NumLiteEventIds

} // namespace tarnwick::numlite
