#pragma once

#include "shell/app_error.h"
#include "shell/error_reporter.h"

#include <QString>
#include <exception>
#include <utility>

namespace tarnwick {

namespace ErrorNumber {
// A failure that is not one of the program's own errors: a fault in the program itself.
constexpr int InternalError = 51;
} // namespace ErrorNumber

// Error 51 "Internal error" from the program, with the failure's own text appended when it
// has one.
AppError internalError(const char* detail);

// The failure trap of every window handler and public operation: runs `body`; when it fails,
// reports the failure with the handler's own `friendlyMessage` and returns false, leaving the
// window in the state reached. AppError keeps its number, source and description; any other
// exception (nothing may escape into Qt's event dispatch) is reported as an internal error.
template <class Body>
bool trapErrors(ErrorReporter& reporter, const QString& friendlyMessage, Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const AppError& error) {
        reporter.ReportError(friendlyMessage, error);
    } catch (const std::exception& error) {
        reporter.ReportError(friendlyMessage, internalError(error.what()));
    } catch (...) {
        reporter.ReportError(friendlyMessage, internalError(nullptr));
    }
    return false;
}

} // namespace tarnwick
