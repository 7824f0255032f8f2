#include "error_reporter.h"

#include "shell/app_error.h"

namespace tarnwick {

void ErrorReporter::ReportError(const QString& friendlyMessage, const QString& number,
                                const QString& source, const QString& description) noexcept {
    try {
        show(ErrorReport{friendlyMessage, number, source, description});
    } catch (...) {
        // Deliberately dropped: see the declaration.
    }
}

void ErrorReporter::ReportError(const QString& friendlyMessage, const AppError& error) noexcept {
    try {
        ReportError(friendlyMessage, QString::number(error.number()), error.source(),
                    error.description());
    } catch (...) {
        // Formatting the number can only fail for lack of memory; dropped like any other.
    }
}

} // namespace tarnwick
