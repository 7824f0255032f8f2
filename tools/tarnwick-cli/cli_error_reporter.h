#pragma once

#include "cli_console.h"
#include "shell/error_reporter.h"

#include <functional>

namespace tarnwick::cli {

// The error dialog as lines on standard error: the message, then the failure's details.
class CliErrorReporter final : public ErrorReporter {
public:
    explicit CliErrorReporter(CliConsole& console) : m_console(console) {}

    // Called after each report, e.g. to end a transfer that cannot go on.
    void setReportedHandler(std::function<void()> handler) { m_reported = std::move(handler); }

protected:
    void show(const ErrorReport& report) override {
        m_console.printLine(report.friendlyMessage);
        m_console.printLine(QStringLiteral("  Error %1 (%2): %3")
                                .arg(report.number, report.source, report.description));
        if (m_reported) {
            m_reported();
        }
    }

private:
    CliConsole& m_console;
    std::function<void()> m_reported;
};

} // namespace tarnwick::cli
