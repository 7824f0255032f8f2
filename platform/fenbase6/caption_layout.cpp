#include "caption_layout.h"

#include "fen_objects.h"

#include <algorithm>

namespace tarnwick::fenbase6 {

namespace {

bool horizontal(const CaptionLayout& layout) {
    return layout.position == CaptPos::Left || layout.position == CaptPos::Right;
}

// How much of the window's extent across the band the caption and the gap take.
int bandExtent(int extent, int amount) {
    return std::clamp(amount, 0, std::max(extent, 0));
}

} // namespace

QRect captionArea(const CaptionLayout& layout, const QRect& window) {
    if (layout.size <= 0) {
        return {};
    }
    const int extent = horizontal(layout) ? window.width() : window.height();
    const int band = bandExtent(extent, layout.size);
    switch (layout.position) {
    case CaptPos::Top:
        return QRect(window.left(), window.top(), window.width(), band);
    case CaptPos::Right:
        return QRect(window.right() + 1 - band, window.top(), band, window.height());
    case CaptPos::Bottom:
        return QRect(window.left(), window.bottom() + 1 - band, window.width(), band);
    default:
        return QRect(window.left(), window.top(), band, window.height());
    }
}

QRect inputArea(const CaptionLayout& layout, const QRect& window) {
    if (layout.size <= 0) {
        return window;
    }
    const int extent = horizontal(layout) ? window.width() : window.height();
    const int taken = bandExtent(extent, layout.size + std::max<int>(layout.spacing, 0));
    switch (layout.position) {
    case CaptPos::Top:
        return window.adjusted(0, taken, 0, 0);
    case CaptPos::Right:
        return window.adjusted(0, 0, -taken, 0);
    case CaptPos::Bottom:
        return window.adjusted(0, 0, 0, -taken);
    default:
        return window.adjusted(taken, 0, 0, 0);
    }
}

} // namespace tarnwick::fenbase6
