#include "transfer/qt_scheduler.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace tarnwick;
using namespace std::chrono_literals;

namespace {

class QtSchedulerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "qt_scheduler_test";
        static char* argv[] = {name, nullptr};
        s_app = std::make_unique<QCoreApplication>(argc, argv);
    }
    static void TearDownTestSuite() { s_app.reset(); }

    // Runs the event loop until `quit` is scheduled to end it.
    void runFor(Scheduler::Duration span) {
        QEventLoop loop;
        scheduler.singleShot(span, [&loop] { loop.quit(); });
        loop.exec();
    }

    QtScheduler scheduler;
    static inline std::unique_ptr<QCoreApplication> s_app;
};

TEST_F(QtSchedulerTest, FiresFromTheEventLoopInDueOrder) {
    std::string fired;
    scheduler.singleShot(30ms, [&] { fired += "c"; });
    scheduler.singleShot(0ms, [&] { fired += "a"; });
    scheduler.singleShot(10ms, [&] { fired += "b"; });
    EXPECT_EQ(fired, "") << "never from inside singleShot";

    const Scheduler::Duration start = scheduler.now();
    runFor(60ms);
    EXPECT_EQ(fired, "abc");
    EXPECT_GE(scheduler.now() - start, 60ms);
}

TEST_F(QtSchedulerTest, CancelledTimersStaySilentAndCancellingTwiceIsHarmless) {
    int fired = 0;
    const auto id = scheduler.singleShot(5ms, [&] { ++fired; });
    scheduler.cancel(id);
    scheduler.cancel(id);
    Scheduler::TimerId self = 0;
    self = scheduler.singleShot(5ms, [&] {
        ++fired;
        scheduler.cancel(self); // already retired
        scheduler.singleShot(5ms, [&] { fired += 10; });
    });
    runFor(40ms);
    EXPECT_EQ(fired, 11);
}

TEST_F(QtSchedulerTest, AnActionMayRunANestedEventLoop) {
    std::string fired;
    scheduler.singleShot(5ms, [&] {
        fired += "outer ";
        QEventLoop nested;
        scheduler.singleShot(5ms, [&] {
            fired += "inner";
            nested.quit();
        });
        nested.exec();
    });
    runFor(50ms);
    EXPECT_EQ(fired, "outer inner");
}

} // namespace
