#include "engine_pointer.h"

#include <array>

namespace tarnwick::fenbase6 {

namespace {

constexpr int kCustomPointer = 99;

// Pointers 0..15 in fenMousePointerConst order.
constexpr std::array<Qt::CursorShape, 16> kShapes{
    Qt::IBeamCursor,    Qt::ArrowCursor,    Qt::CrossCursor,     Qt::IBeamCursor,
    Qt::ArrowCursor,    Qt::SizeAllCursor,  Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};

} // namespace

QCursor pointerCursor(int pointer, const std::optional<QCursor>& custom) {
    if (pointer == kCustomPointer && custom) {
        return *custom;
    }
    if (pointer < 0 || pointer >= static_cast<int>(kShapes.size())) {
        return QCursor(kShapes[0]);
    }
    return QCursor(kShapes[static_cast<std::size_t>(pointer)]);
}

} // namespace tarnwick::fenbase6
