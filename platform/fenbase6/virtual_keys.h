#pragma once

#include <QtCore/qnamespace.h>

#include <cstdint>

// Virtual-key numbers: the key codes of the KeyDown/KeyUp events and of the Key object's
// lists, and their translation from Qt keys (US layout for the shifted symbols, so Shift+1
// is the key '1' with Shift held).
namespace tarnwick::fenbase6::VirtualKey {

constexpr std::int32_t Back = 0x08;
constexpr std::int32_t Tab = 0x09;
constexpr std::int32_t Clear = 0x0C;
constexpr std::int32_t Return = 0x0D;
constexpr std::int32_t Shift = 0x10;
constexpr std::int32_t Control = 0x11;
constexpr std::int32_t Menu = 0x12;
constexpr std::int32_t Pause = 0x13;
constexpr std::int32_t Capital = 0x14;
constexpr std::int32_t Escape = 0x1B;
constexpr std::int32_t Space = 0x20;
constexpr std::int32_t Prior = 0x21;
constexpr std::int32_t Next = 0x22;
constexpr std::int32_t End = 0x23;
constexpr std::int32_t Home = 0x24;
constexpr std::int32_t Left = 0x25;
constexpr std::int32_t Up = 0x26;
constexpr std::int32_t Right = 0x27;
constexpr std::int32_t Down = 0x28;
constexpr std::int32_t Insert = 0x2D;
constexpr std::int32_t Delete = 0x2E;
constexpr std::int32_t Digit0 = 0x30; // '0'..'9' are 0x30..0x39
constexpr std::int32_t LetterA = 0x41; // 'A'..'Z' are 0x41..0x5A
constexpr std::int32_t Numpad0 = 0x60; // ..0x69
constexpr std::int32_t Multiply = 0x6A;
constexpr std::int32_t Add = 0x6B;
constexpr std::int32_t Subtract = 0x6D;
constexpr std::int32_t Decimal = 0x6E;
constexpr std::int32_t Divide = 0x6F;
constexpr std::int32_t F1 = 0x70; // F1..F24 are 0x70..0x87
constexpr std::int32_t OemSemicolon = 0xBA;
constexpr std::int32_t OemPlus = 0xBB;
constexpr std::int32_t OemComma = 0xBC;
constexpr std::int32_t OemMinus = 0xBD;
constexpr std::int32_t OemPeriod = 0xBE;
constexpr std::int32_t OemSlash = 0xBF;
constexpr std::int32_t OemTilde = 0xC0;
constexpr std::int32_t OemOpenBracket = 0xDB;
constexpr std::int32_t OemBackslash = 0xDC;
constexpr std::int32_t OemCloseBracket = 0xDD;
constexpr std::int32_t OemQuote = 0xDE;

// The shift state of the key events: Shift 1, Ctrl 2, Alt 4.
inline std::int32_t shiftStateFromQt(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

namespace detail {

inline std::int32_t keypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return Numpad0 + (key - Qt::Key_0);
    }
    switch (key) {
    case Qt::Key_Asterisk: return Multiply;
    case Qt::Key_Plus: return Add;
    case Qt::Key_Minus: return Subtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return Decimal;
    case Qt::Key_Slash: return Divide;
    case Qt::Key_Enter: return Return;
    default: return 0;
    }
}

inline std::int32_t symbolKey(int key) {
    switch (key) {
    case Qt::Key_Exclam: return Digit0 + 1;
    case Qt::Key_At: return Digit0 + 2;
    case Qt::Key_NumberSign: return Digit0 + 3;
    case Qt::Key_Dollar: return Digit0 + 4;
    case Qt::Key_Percent: return Digit0 + 5;
    case Qt::Key_AsciiCircum: return Digit0 + 6;
    case Qt::Key_Ampersand: return Digit0 + 7;
    case Qt::Key_Asterisk: return Digit0 + 8;
    case Qt::Key_ParenLeft: return Digit0 + 9;
    case Qt::Key_ParenRight: return Digit0;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return OemSemicolon;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return OemPlus;
    case Qt::Key_Comma:
    case Qt::Key_Less: return OemComma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return OemMinus;
    case Qt::Key_Period:
    case Qt::Key_Greater: return OemPeriod;
    case Qt::Key_Slash:
    case Qt::Key_Question: return OemSlash;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return OemTilde;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return OemOpenBracket;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return OemBackslash;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return OemCloseBracket;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return OemQuote;
    default: return 0;
    }
}

inline std::int32_t namedKey(int key) {
    switch (key) {
    case Qt::Key_Backspace: return Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Tab;
    case Qt::Key_Clear: return Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Return;
    case Qt::Key_Shift: return Shift;
    case Qt::Key_Control: return Control;
    case Qt::Key_Alt: return Menu;
    case Qt::Key_Pause: return Pause;
    case Qt::Key_CapsLock: return Capital;
    case Qt::Key_Escape: return Escape;
    case Qt::Key_Space: return Space;
    case Qt::Key_PageUp: return Prior;
    case Qt::Key_PageDown: return Next;
    case Qt::Key_End: return End;
    case Qt::Key_Home: return Home;
    case Qt::Key_Left: return Left;
    case Qt::Key_Up: return Up;
    case Qt::Key_Right: return Right;
    case Qt::Key_Down: return Down;
    case Qt::Key_Insert: return Insert;
    case Qt::Key_Delete: return Delete;
    default: return 0;
    }
}

} // namespace detail

// The virtual-key number of a Qt key (QKeyEvent::key() and modifiers()); 0 for a key that
// has none.
inline std::int32_t fromQt(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const std::int32_t keypad = detail::keypadKey(key)) {
            return keypad;
        }
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return Digit0 + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return LetterA + (key - Qt::Key_A);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return F1 + (key - Qt::Key_F1);
    }
    if (const std::int32_t named = detail::namedKey(key)) {
        return named;
    }
    return detail::symbolKey(key);
}

} // namespace tarnwick::fenbase6::VirtualKey
