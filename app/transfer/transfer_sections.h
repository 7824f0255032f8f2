#pragma once

#include <QString>

namespace tarnwick {

// A run of blocks that the progress display names while the sweep passes through it.
struct BlockSection {
    int first;
    int last;
    QString name;
};

// The section holding `block` (0 to 251); other blocks are a subscript-out-of-range error.
const BlockSection& sectionOfBlock(int block);

} // namespace tarnwick
