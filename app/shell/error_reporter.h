#pragma once

#include "shell/error_report.h"

#include <QString>

namespace tarnwick {

class AppError;

// Where every unexpected failure ends: windows and the transfer engine hold one of these.
// The program shows the error dialog; tests record the reports.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;

    // Shows the report and returns once the user has dismissed it. Never throws: a failure
    // while reporting is dropped, so that a report can never cause another one.
    void ReportError(const QString& friendlyMessage, const QString& number, const QString& source,
                     const QString& description) noexcept;
    void ReportError(const QString& friendlyMessage, const AppError& error) noexcept;

protected:
    virtual void show(const ErrorReport& report) = 0;
};

} // namespace tarnwick
