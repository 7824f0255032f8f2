#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The key lists of the Key object: which keys (with which shift keys held) trigger an action.
//
// A list is key entries separated by commas; blanks around an entry are ignored and an empty
// list binds no key. An entry is any of the shift prefixes "+" (Shift), "^" (Ctrl) and "%"
// (Alt), each at most once, followed by the key:
//   - a letter A-Z or a digit 0-9, in either case: "^N", "%{F4}", "+{ENTER}";
//   - a key name in braces, in either case: {BACKSPACE} or {BS}, {TAB}, {ENTER}, {ESC},
//     {SPACE}, {PGUP}, {PGDN}, {END}, {HOME}, {LEFT}, {UP}, {RIGHT}, {DOWN}, {INSERT} or {INS},
//     {DELETE} or {DEL}, {F1}..{F24}, {NUMPAD0}..{NUMPAD9}, {MULTIPLY}, {ADD}, {SUBTRACT},
//     {DECIMAL}, {DIVIDE}, {CLEAR};
//   - {#n}, the virtual key n (1..254) in decimal, for any other key.
// An entry binds exactly its shift state: "{ENTER}" is Enter alone, not Shift+Enter.
namespace tarnwick::fenbase6 {

struct KeyStroke {
    std::int32_t keyCode = 0; // virtual-key number
    std::int32_t shift = 0;   // 1 Shift, 2 Ctrl, 4 Alt

    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The strokes of `list`; none when it does not follow the syntax.
std::optional<std::vector<KeyStroke>> parseKeyList(const QString& list);

// Whether `list` (a valid one) holds `stroke`.
bool keyListHolds(const QString& list, const KeyStroke& stroke);

} // namespace tarnwick::fenbase6
