#pragma once

#include "fen_engine.h"

class QWidget;

namespace tarnwick::fenbase6 {

// A new engine of the registered window class `className` ("OrrelMask", "OrrelNumberLgt"),
// a child of `parent`; null for a class not registered here or a null name.
FenEngine* createEngineOfClass(const char* className, QWidget* parent);

} // namespace tarnwick::fenbase6
