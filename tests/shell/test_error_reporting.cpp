#include "shell/app_error.h"
#include "shell/error_report.h"
#include "shell/trap_errors.h"
#include "support/qt_printers.h"
#include "support/recording_error_reporter.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace tarnwick;
using tarnwick::test::RecordingErrorReporter;

namespace {
class ThrowingReporter final : public ErrorReporter {
protected:
    void show(const ErrorReport&) override { throw std::runtime_error("no display"); }
};
} // namespace

TEST(ErrorReport, ClipboardTextIsFourLabelledLinesWithoutTrailingBreak) {
    EXPECT_EQ(clipboardText({QStringLiteral("Unable to open the file."), QStringLiteral("53"),
                             QStringLiteral("tarnwick"), QStringLiteral("File not found")}),
              QStringLiteral("Error Message: Unable to open the file.\r\nError Number: 53\r\n"
                             "Error Source: tarnwick\r\nError Description: File not found"));
    // Empty parts keep their lines.
    EXPECT_EQ(clipboardText({{}, QStringLiteral("5"), {}, {}}),
              QStringLiteral("Error Message: \r\nError Number: 5\r\nError Source: \r\n"
                             "Error Description: "));
}

TEST(ErrorReporter, AppErrorIsReportedWithDecimalNumberSourceAndDescription) {
    RecordingErrorReporter reporter;
    reporter.ReportError(QStringLiteral("Unable to save."),
                         AppError(-2147200599, QStringLiteral("tarnwick.cRegistry"),
                                  QStringLiteral("Failed to set registry value")));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0],
              (ErrorReport{QStringLiteral("Unable to save."), QStringLiteral("-2147200599"),
                           QStringLiteral("tarnwick.cRegistry"),
                           QStringLiteral("Failed to set registry value")}));
}

TEST(ErrorReporter, FailureWhileShowingIsSwallowed) {
    ThrowingReporter reporter;
    EXPECT_NO_THROW(reporter.ReportError(QStringLiteral("x"), AppError::standard(6)));
    EXPECT_NO_THROW(reporter.ReportError(QStringLiteral("x"), QStringLiteral("6"), {}, {}));
}

TEST(TrapErrors, AppErrorIsReportedUnderTheHandlersMessage) {
    RecordingErrorReporter reporter;
    EXPECT_TRUE(trapErrors(reporter, QStringLiteral("unused"), [] {}));
    EXPECT_FALSE(trapErrors(reporter, QStringLiteral("Unable to load the vocabulary."), [] {
        throw AppError::standard(ErrorNumber::PathFileAccess, QStringLiteral("/x"));
    }));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0], (ErrorReport{QStringLiteral("Unable to load the vocabulary."),
                                                QStringLiteral("75"), QStringLiteral("tarnwick"),
                                                QStringLiteral("Path/File access error: /x")}));
}

TEST(TrapErrors, OtherExceptionsBecomeInternalErrors) {
    RecordingErrorReporter reporter;
    EXPECT_FALSE(trapErrors(reporter, QStringLiteral("m"), [] { throw std::out_of_range("idx"); }));
    EXPECT_FALSE(trapErrors(reporter, QStringLiteral("m"), [] { throw 42; }));
    ASSERT_EQ(reporter.reports.size(), 2u);
    EXPECT_EQ(reporter.reports[0].number, QStringLiteral("51"));
    EXPECT_EQ(reporter.reports[0].source, QStringLiteral("tarnwick"));
    EXPECT_EQ(reporter.reports[0].description, QStringLiteral("Internal error: idx"));
    EXPECT_EQ(reporter.reports[1].description, QStringLiteral("Internal error"));
}
