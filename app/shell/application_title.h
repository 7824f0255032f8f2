#pragma once

#include <QString>

namespace tarnwick {

// The caption of the program's windows and message boxes.
inline const QString kApplicationTitle = QStringLiteral("Tarnwick");

} // namespace tarnwick
