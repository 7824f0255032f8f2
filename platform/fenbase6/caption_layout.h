#pragma once

#include <QRect>
#include <cstdint>

// Where a caption sits in a control's window: a band `size` wide (left or right) or high (top
// or bottom) on the side `position` (fenCaptPosConst) names, then `spacing`, then the input
// area. A size of 0 is no caption at all. Bands larger than the window are cut to it.
namespace tarnwick::fenbase6 {

struct CaptionLayout {
    std::int16_t position = 0;
    std::int16_t size = 0;
    std::int16_t spacing = 0;
};

QRect captionArea(const CaptionLayout& layout, const QRect& window);
QRect inputArea(const CaptionLayout& layout, const QRect& window);

} // namespace tarnwick::fenbase6
