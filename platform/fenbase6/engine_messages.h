#pragma once

#include <cstdint>

// The numbered messages a control sends its edit engine, and the notification codes the engine
// answers with. Both engine classes understand the common messages; the mask engine
// (`OrrelMask`) and the number engine (`OrrelNumberLgt`) each have their own set besides, and
// several numbers mean different things in the two (0x300D, 0x300F, ...), so every constant
// lives in the namespace of the engine that understands it.
//
// Parameters: `word` and `long` (WordParam, LongParam). Text crosses as single-byte
// ISO-8859-1, null-terminated, addressed by the long parameter (`const char*` in, `char*`
// buffer out); a variant crosses by address (`tarnwick::com::Variant*`). A handle is the
// address of a Qt value the engine copies at once (font: `const QFont*`, custom pointer:
// `const QCursor*`). Colours are 32-bit colour values: 0x00BBGGRR, or 0x80000000 + n for
// system colour n (see ole_color.h).
namespace tarnwick::fenbase6 {

using MessageId = std::uint32_t;
using WordParam = std::uintptr_t;
using LongParam = std::intptr_t;
using MessageResult = std::intptr_t;

constexpr std::uint16_t lowWord(std::uintptr_t value) {
    return static_cast<std::uint16_t>(value & 0xFFFFu);
}
constexpr std::uint16_t highWord(std::uintptr_t value) {
    return static_cast<std::uint16_t>((value >> 16) & 0xFFFFu);
}
// Two 16-bit halves in one parameter (margin pairs, command words, points).
constexpr std::uintptr_t makePair(std::uint16_t low, std::uint16_t high) {
    return static_cast<std::uintptr_t>(low) | (static_cast<std::uintptr_t>(high) << 16);
}

// Messages both engines understand.
namespace Msg {
// Standard window messages.
constexpr MessageId SetText = 0x000C;       // long: text. Answers 1 when taken, 0 when refused.
constexpr MessageId GetText = 0x000D;       // word: buffer size incl. the null; long: buffer.
                                            // Answers the characters copied (null excluded).
constexpr MessageId GetTextLength = 0x000E; // answers the length of the text
constexpr MessageId SetFont = 0x0030;       // word: const QFont*; long: non-zero redraws
constexpr MessageId Command = 0x0111;       // engine -> control: see FenEngineListener
constexpr MessageId GetSel = 0x00B0;        // answers makePair(start, end) of the selection
constexpr MessageId GetRect = 0x00B2;       // long: QRect* filled with the text rectangle
constexpr MessageId SetReadOnly = 0x00CF;   // word: flag
constexpr MessageId PosFromChar = 0x00D6;   // word: char index; answers makePair(x, y)
constexpr MessageId CharFromPos = 0x00D7;   // long: makePair(x, y); answers the char index
constexpr MessageId Cut = 0x0300;
constexpr MessageId Copy = 0x0301;
constexpr MessageId Paste = 0x0302;
constexpr MessageId Clear = 0x0303; // deletes the selection; the number engine clears its value
constexpr MessageId Undo = 0x0304;

// Common settings.
constexpr MessageId SetAlignHorizontal = 0x1111; // word: fenAlignHConst
constexpr MessageId SetAlignVertical = 0x1113;   // word: fenAlignVConst
constexpr MessageId GetMarginsLeftRight = 0x1114; // answers makePair(left, right)
constexpr MessageId SetMarginsLeftRight = 0x1115; // word: makePair(left, right)
constexpr MessageId GetMarginsTopBottom = 0x1116; // answers makePair(top, bottom)
constexpr MessageId SetMarginsTopBottom = 0x1117; // word: makePair(top, bottom)
constexpr MessageId SetBackColor = 0x1119;        // word: colour
constexpr MessageId SetAppearance = 0x111D;       // word: 0 flat, 1 3-D
constexpr MessageId SetBorderStyle = 0x111F;      // word: 0 none, 1 fixed single
constexpr MessageId SetMousePointer = 0x1125;     // word: fenMousePointerConst (0 default)
constexpr MessageId SetMouseIcon = 0x1127;        // word: const QCursor* (0 none); used at 99
constexpr MessageId SetContextMenu = 0x114E;      // word: flag
constexpr MessageId SetUserMode = 0x116E;         // word: the host's user mode (0 design time)
constexpr MessageId DataSaved = 0x117C;           // word: 2 after the bound value was written

// Selection.
constexpr MessageId GetSelStart = 0x1108;
constexpr MessageId SetSelStart = 0x1109;  // word: start, kept inside the text. Answers 0
constexpr MessageId GetSelLength = 0x110A;
constexpr MessageId SetSelLength = 0x110B; // word: length, kept inside the text. Answers 0
constexpr MessageId GetSelText = 0x110C;   // long: buffer; at most 255 characters (mask) or
                                           // 31 (number) are copied, then a null
constexpr MessageId SetSelText = 0x110D;   // long: text replacing the selection. 0, or 1 refused

// Drop of dragged text at a character position (word), the text in the long parameter.
constexpr MessageId DropInsert = 0x1199;        // inserts the text there
constexpr MessageId DropMoveSelection = 0x119A; // moves the selection there
} // namespace Msg

// Messages of the mask engine `OrrelMask`.
namespace MaskMsg {
constexpr MessageId GetInsertMode = 0x1100;   // non-zero while in insert mode
constexpr MessageId SetInsertMode = 0x1101;   // word: flag
constexpr MessageId SetInsertToggle = 0x1156; // word: flag, whether the Insert key switches
constexpr MessageId SetForeColor = 0x111B;    // word: colour
constexpr MessageId SetImeMode = 0x1148;
constexpr MessageId GetImeStatus = 0x1149;
constexpr MessageId SetImeStatus = 0x114A;
constexpr MessageId SetClipMode = 0x2001;
constexpr MessageId GetCurrentField = 0x2002;
constexpr MessageId SetCursorPosition = 0x2004; // word: field. 0, or 1 refused
constexpr MessageId SetErrorBeep = 0x2006;
constexpr MessageId SetHighlightText = 0x200A;
constexpr MessageId SetMoveOnLRKey = 0x200C;
constexpr MessageId SetPromptChar = 0x200E; // word: the prompt byte
constexpr MessageId SetShowLiterals = 0x2010;
constexpr MessageId SetTabAction = 0x2012;
constexpr MessageId GetTextLength = 0x2013;        // text with literals
constexpr MessageId GetText = 0x2014;              // long: buffer of length + 1
constexpr MessageId SetText = 0x2015;              // long: text. 0, or 1 refused
constexpr MessageId GetDisplayTextLength = 0x2016;
constexpr MessageId GetDisplayText = 0x2017;       // long: buffer of length + 1
constexpr MessageId ClearContents = 0x2018;
constexpr MessageId KeyAction = 0x2019; // word: 0 prev control, 1 next control, 2 prev field,
                                        // 3 next field. Answers 0 when it moved
constexpr MessageId TabStaysInside = 0x201A; // answers 0 when Tab stays inside the control
constexpr MessageId SetAllowSpace = 0x3000;
constexpr MessageId SetAutoConvert = 0x3002;
constexpr MessageId SetFormat = 0x3005;      // long: pattern. 1 = rejected
constexpr MessageId SetLookupMode = 0x3007;
constexpr MessageId SetLookupTable = 0x300A; // long: table. 1 = rejected
constexpr MessageId GetValueLength = 0x300C; // text without literals
constexpr MessageId GetValue = 0x300D;       // long: buffer of length + 1
constexpr MessageId SetValue = 0x300E;       // long: text. 0, or 1 refused
constexpr MessageId IsFull = 0x300F;         // non-zero when every position is filled

// Key action words of KeyAction.
constexpr std::uintptr_t kPrevControl = 0;
constexpr std::uintptr_t kNextControl = 1;
constexpr std::uintptr_t kPrevField = 2;
constexpr std::uintptr_t kNextField = 3;
} // namespace MaskMsg

// Messages of the number engine `OrrelNumberLgt`.
namespace NumberMsg {
constexpr MessageId SetHighlightText = 0x1123;
constexpr MessageId SetSpinDelay = 0x1130;   // word: milliseconds between repeats of a held button
constexpr MessageId SetSpinEnabled = 0x1132; // word: flag; 0 also greys the buttons
constexpr MessageId SetSpinLayout = 0x113E; // word: 0 none, 1 inside, 7 outside
constexpr MessageId SetSpinShow = 0x1140;   // word: 0 always, 1 on focus
constexpr MessageId SetSpinIncrement = 0x1172; // word: the step, 0..32767
constexpr MessageId SetSpinWrap = 0x1174;      // word: flag, a step from a bound goes to the other
constexpr MessageId SetSpinKeys = 0x1176;      // word: flag, Up and Down spin
constexpr MessageId MoveToControl = 0x1C09; // word: 0 next control, 1 previous control
constexpr MessageId GetValue = 0x3006;      // long: Variant* filled with Double or Null
constexpr MessageId SetValue = 0x3007;      // long: const Variant*. 0, else kRefusedBase + code
constexpr MessageId GetInsertMode = 0x3008;
constexpr MessageId SetInsertMode = 0x3009;
constexpr MessageId SetInsertToggle = 0x300B;
constexpr MessageId SetClearAction = 0x300D;
constexpr MessageId SetNewFlag = 0x300F; // word: 0 for a new control; accepted, changes nothing
constexpr MessageId GetCurrentPosition = 0x3010; // 0 integer part, 1 decimal part
constexpr MessageId GetDecimal = 0x3011;         // long: Variant* filled
constexpr MessageId SetDecimalPoint = 0x3013;    // word: the byte. 0 accepted
constexpr MessageId GetInteger = 0x3015;         // long: Variant* filled
constexpr MessageId SetErrorBeep = 0x3017;
constexpr MessageId SetNegativeColor = 0x3019; // long: RGB
constexpr MessageId SetMoveOnLRKey = 0x3020;
constexpr MessageId GetMinValue = 0x3021; // long: Variant* filled
constexpr MessageId SetMinValue = 0x3022; // long: const Variant*. 0 accepted
constexpr MessageId GetMaxValue = 0x3023;
constexpr MessageId SetMaxValue = 0x3024;
constexpr MessageId SetText = 0x3028;  // word: length in bytes; long: text. 0 accepted
constexpr MessageId ThreeZero = 0x302A; // multiplies the value by 1000 (0x1801 when it cannot)
constexpr MessageId SetForeColor = 0x302C; // long: colour
constexpr MessageId SetIntegerPlaces = 0x4002; // word: places. 0 accepted
constexpr MessageId SetDecimalPlaces = 0x4004; // word: places. 0 accepted
constexpr MessageId SetMinusSign = 0x4006;     // word: fenMinusSignConst; answer returned by put

// SetValue answers kRefusedBase + 0 for an unusable value, kRefusedBase + 1 out of range.
constexpr MessageResult kRefusedBase = 0x4005;
} // namespace NumberMsg

// Notification codes: the high word of a command message's word parameter.
namespace Notify {
constexpr std::uint16_t Changed = 0x0300;
constexpr std::uint16_t InsertModeSwitched = 0x1800;
constexpr std::uint16_t MouseLeft = 0x1809;
constexpr std::uint16_t MouseEntered = 0x180A;
// Mask engine.
constexpr std::uint16_t MaskInvalidInput = 0x2032;
constexpr std::uint16_t MaskKeyExit = 0x2033; // long: fenKeyExitConst
// Number engine.
constexpr std::uint16_t NumberInvalidInput = 0x1801;
constexpr std::uint16_t SpinUp = 0x1802;
constexpr std::uint16_t SpinDown = 0x1803;
constexpr std::uint16_t OutOfRange = 0x3035; // long: bool* restore flag (true restores)
constexpr std::uint16_t NumberKeyExit = 0x3000; // low word of long: fenKeyExitConst
} // namespace Notify

// fenKeyExitConst: the key that moved the focus out.
namespace KeyExit {
constexpr std::int32_t TabKey = 0;
constexpr std::int32_t ShiftTabKey = 1;
constexpr std::int32_t NextCtrlKey = 2;
constexpr std::int32_t PrevCtrlKey = 3;
constexpr std::int32_t RightKey = 4;
constexpr std::int32_t LeftKey = 5;
constexpr std::int32_t CtrlRightKey = 6;
constexpr std::int32_t CtrlLeftKey = 7;
} // namespace KeyExit

} // namespace tarnwick::fenbase6
