#pragma once

#include <QPointF>
#include <QSize>
#include <cmath>

// HIMETRIC units (0.01 mm), in which controls keep their size and hosts map mouse positions,
// at the 96 pixels per inch of the control windows.
namespace tarnwick::frame::Himetric {

constexpr double kPerPixel = 2540.0 / 96.0;

inline QPointF fromPixels(const QPointF& pixels) {
    return pixels * kPerPixel;
}

inline QSize fromPixels(const QSize& pixels) {
    return {static_cast<int>(std::lround(pixels.width() * kPerPixel)),
            static_cast<int>(std::lround(pixels.height() * kPerPixel))};
}

inline QSize toPixels(const QSize& himetric) {
    return {static_cast<int>(std::lround(himetric.width() / kPerPixel)),
            static_cast<int>(std::lround(himetric.height() / kPerPixel))};
}

} // namespace tarnwick::frame::Himetric
