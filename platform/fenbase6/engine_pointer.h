#pragma once

#include <QCursor>
#include <optional>

namespace tarnwick::fenbase6 {

// The mouse pointer of fenMousePointerConst number `pointer` over an edit field: 0 is the
// editing I-beam, 99 the custom pointer (the default one while none is set); an unknown
// number is the default.
QCursor pointerCursor(int pointer, const std::optional<QCursor>& custom);

} // namespace tarnwick::fenbase6
