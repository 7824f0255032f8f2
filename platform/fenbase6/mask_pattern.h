#pragma once

#include "mask_keyword.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tarnwick::fenbase6 {

// One position of a parsed pattern: a literal shown as is, or an input slot of a class.
struct MaskPosition {
    bool isLiteral = false;
    QChar literal;
    MaskSlotClass slot;
    int field = -1; // the input field a slot belongs to; -1 for a literal
};

// A parsed pattern: its positions in display order and the further sections, kept as written.
// A field is a run of consecutive input slots; literals separate fields.
struct MaskPattern {
    std::vector<MaskPosition> positions;
    QStringList sections;
    int fieldCount = 0;

    int size() const { return static_cast<int>(positions.size()); }
    bool isSlot(int index) const {
        return index >= 0 && index < size() &&
               !positions[static_cast<std::size_t>(index)].isLiteral;
    }
    const MaskPosition& at(int index) const { return positions[static_cast<std::size_t>(index)]; }
};

} // namespace tarnwick::fenbase6
