#pragma once

#include "dispatch.h"

#include <QString>
#include <cstdint>

namespace tarnwick::com {

// The values of a font object.
struct FontDescription {
    static constexpr std::int16_t kNormalWeight = 400;
    static constexpr std::int16_t kBoldWeight = 700;

    QString name = QStringLiteral("Sans Serif");
    double size = 9.0; // points
    std::int16_t weight = kNormalWeight;
    std::int16_t charset = 0;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    // Semi-bold (600) and heavier count as bold.
    bool bold() const { return weight >= 600; }

    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// A font object's values for code that works with fonts directly (a control giving its
// window a font) rather than through automation.
struct IFont : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0xE0B8ABB0, 0x6226, 0x4FA3, {0xB4, 0xD6, 0x7E, 0x25, 0x76, 0xDE, 0xCF, 0xF6}};

    virtual FontDescription GetDescription() const = 0;
    // Takes all values at once; a change is signalled as a change of DispIds::Unknown.
    virtual void SetDescription(const FontDescription& description) = 0;
};

// The automation interface of a font object.
struct IFontDisp : IDispatch {
    using Base = IDispatch;
    static constexpr Guid kIid{
        0xBEF6E003, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};
};

namespace FontDispIds {
constexpr DispId Name = 0;
constexpr DispId Size = 2;
constexpr DispId Bold = 3;
constexpr DispId Italic = 4;
constexpr DispId Underline = 5;
constexpr DispId Strikethrough = 6;
constexpr DispId Weight = 7;
constexpr DispId Charset = 8;
} // namespace FontDispIds

// The class of the standard font object.
constexpr Guid kStdFontClsid{
    0x0BE35203, 0x8F91, 0x11CE, {0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};

} // namespace tarnwick::com
