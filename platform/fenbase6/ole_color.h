#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <cstdint>

// Colour values as controls store them: 0x00BBGGRR for a plain colour, 0x80000000 + n for
// system colour n (0 scroll bar ... 5 window background, 8 window text, 15 button face, 18
// button text ... 24 tooltip background), resolved against the application palette.
namespace tarnwick::fenbase6::OleColor {

constexpr std::uint32_t kSystemFlag = 0x80000000u;
constexpr std::uint32_t kLastSystemIndex = 24;

constexpr std::uint32_t WindowBackground = kSystemFlag + 5;
constexpr std::uint32_t WindowText = kSystemFlag + 8;
constexpr std::uint32_t ButtonFace = kSystemFlag + 15;
constexpr std::uint32_t ButtonText = kSystemFlag + 18;

constexpr bool isSystemColor(std::uint32_t colour) {
    return (colour & kSystemFlag) != 0;
}

// Whether a system colour names an index without meaning (any plain colour passes).
constexpr bool isUnknownSystemColor(std::uint32_t colour) {
    return isSystemColor(colour) && (colour & ~kSystemFlag) > kLastSystemIndex;
}

// A plain colour (top byte 0) or a system colour with a known index.
constexpr bool isValid(std::uint32_t colour) {
    return isSystemColor(colour) ? (colour & ~kSystemFlag) <= kLastSystemIndex
                                 : (colour >> 24) == 0;
}

// The colour `colour` stands for. A system index without meaning reads as black; the top byte
// of a plain colour is ignored.
inline QColor toQColor(std::uint32_t colour) {
    if (!isSystemColor(colour)) {
        return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                      static_cast<int>((colour >> 16) & 0xFFu));
    }
    static constexpr std::array<QPalette::ColorRole, kLastSystemIndex + 1> kRoles{
        QPalette::Mid,        QPalette::Dark,      QPalette::Highlight,  QPalette::Mid,
        QPalette::Window,     QPalette::Base,      QPalette::Shadow,     QPalette::WindowText,
        QPalette::Text,       QPalette::HighlightedText, QPalette::Window, QPalette::Window,
        QPalette::Dark,       QPalette::Highlight, QPalette::HighlightedText, QPalette::Button,
        QPalette::Dark,       QPalette::PlaceholderText, QPalette::ButtonText, QPalette::Text,
        QPalette::Light,      QPalette::Shadow,    QPalette::Midlight,   QPalette::ToolTipText,
        QPalette::ToolTipBase};
    const std::uint32_t index = colour & ~kSystemFlag;
    if (index > kLastSystemIndex) {
        return QColor(Qt::black);
    }
    return QGuiApplication::palette().color(kRoles[index]);
}

// The plain 0x00BBGGRR value of `colour`, system colours resolved.
inline std::uint32_t toRgb(std::uint32_t colour) {
    const QColor resolved = toQColor(colour);
    return static_cast<std::uint32_t>(resolved.red()) |
           (static_cast<std::uint32_t>(resolved.green()) << 8) |
           (static_cast<std::uint32_t>(resolved.blue()) << 16);
}

} // namespace tarnwick::fenbase6::OleColor
