#pragma once

#include "cli_console.h"
#include "shell/error_reporter.h"

namespace tarnwick::cli {

// The error dialog as lines on standard error: the message, then the failure's details.
class CliErrorReporter final : public ErrorReporter {
public:
    explicit CliErrorReporter(CliConsole& console) : m_console(console) {}

protected:
    void show(const ErrorReport& report) override {
        m_console.printLine(report.friendlyMessage);
        m_console.printLine(QStringLiteral("  Error %1 (%2): %3")
                                .arg(report.number, report.source, report.description));
    }

private:
    CliConsole& m_console;
};

} // namespace tarnwick::cli
