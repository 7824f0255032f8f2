#pragma once

#include "mask_lookup.h"
#include "mask_pattern.h"

#include <optional>

namespace tarnwick::fenbase6 {

// How typed and given characters are accepted besides the class of their slot.
struct MaskInputRules {
    bool allowSpace = true;
    bool autoConvert = true;
    MaskLookupMode lookupMode = MaskLookupMode::None;
    MaskLookupTable lookupTable;
};

// The contents of a pattern: one cell per position, a character or nothing in each slot.
// Positions are display indexes (the display has one character per pattern position).
//
// In the text and value forms an empty slot is a space, and both end at the last filled slot
// (the text also keeps the literals that close the pattern). A space given back in either form
// is a space where the slot takes one (AllowSpace, class "&", "?", "H" or "Z"), else an empty
// slot, so both forms read back to the same form. A prompt character typed into a slot is
// input like any other.
class MaskEditor {
public:
    explicit MaskEditor(MaskPattern pattern);

    const MaskPattern& pattern() const { return m_pattern; }
    // A new pattern starts empty.
    void setPattern(MaskPattern pattern);
    MaskInputRules& rules() { return m_rules; }

    // The cell at a slot: null when empty.
    QChar cell(int index) const { return m_cells.at(index); }
    const QString& cells() const { return m_cells; }
    void restoreCells(const QString& cells) { m_cells = cells; }

    QString text() const;
    QString value() const;
    bool isFull() const;
    // Both answer false, changing nothing, for text that does not fit.
    bool setText(const QString& text);
    bool setValue(const QString& value);
    void clear();

    // Types `c` at the first slot at or after `position`: in insert mode the field's later
    // characters move right when that slot is taken. The caret position after it, or none
    // (nothing changed) when the character does not fit.
    std::optional<int> type(int position, QChar c, bool insert);
    // Erases the slot before `position` (Backspace) or at/after it (Delete); in insert mode
    // the field's later characters move left. The caret position after it, none if no slot.
    std::optional<int> eraseBefore(int position, bool insert);
    std::optional<int> eraseAfter(int position, bool insert);
    // Erases the slots of [start, end): in insert mode each field closes up behind them.
    void removeRange(int start, int end, bool insert);

    // Clipboard form of positions [start, end): empty slots as spaces, literals only when
    // `withLiterals`.
    QString clipText(int start, int end, bool withLiterals) const;
    // Removes [start, end) and fills slots from `start` with `text` (in insert mode moving the
    // field's later characters right), skipping characters that match the literal at their
    // place, so text copied with or without literals fits. The caret position after it, or
    // none (nothing changed) when a character does not fit.
    std::optional<int> replace(int start, int end, const QString& text, bool insert);

    // Fields: the field of the first slot at or after `position` (the last field past the end).
    int fieldAt(int position) const;
    int fieldStart(int field) const;
    int fieldEnd(int field) const;    // one past its last slot
    int nextSlot(int position) const; // size() when none

private:
    // The cell `c` makes at slot `index` (null: a blank), or none when it does not fit.
    std::optional<QChar> fit(int index, QChar c, bool typed) const;
    // Moves the field's cells from `from` one place towards `toward` (+1 right, -1 left).
    bool shiftField(int from, int direction);
    int lastFilledSlot() const;

    MaskPattern m_pattern;
    QString m_cells;
    MaskInputRules m_rules;
};

} // namespace tarnwick::fenbase6
