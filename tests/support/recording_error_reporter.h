#pragma once

// An ErrorReporter for tests: keeps every report instead of showing it.

#include "shell/error_reporter.h"

#include <vector>

namespace tarnwick::test {

class RecordingErrorReporter final : public ErrorReporter {
public:
    std::vector<ErrorReport> reports;

protected:
    void show(const ErrorReport& report) override { reports.push_back(report); }
};

} // namespace tarnwick::test
