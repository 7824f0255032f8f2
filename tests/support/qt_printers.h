#pragma once

// Readable failure messages for Qt texts and the program's records in GoogleTest output.

#include "shell/error_report.h"

#include <QString>
#include <ostream>

// Found by argument-dependent lookup, so it lives beside QString in the global namespace.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tarnwick {

inline void PrintTo(const ErrorReport& report, std::ostream* out) {
    *out << "{message \"" << report.friendlyMessage.toStdString() << "\", number \""
         << report.number.toStdString() << "\", source \"" << report.source.toStdString()
         << "\", description \"" << report.description.toStdString() << "\"}";
}

} // namespace tarnwick
