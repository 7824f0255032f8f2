#include "sim/virtual_scheduler.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarnwick::sim;
using namespace std::chrono_literals;

namespace {

TEST(VirtualScheduler, FiresInDueOrderAndSameInstantInSettingOrder) {
    VirtualScheduler clock;
    std::string fired;
    clock.singleShot(20ms, [&] { fired += "c"; });
    clock.singleShot(10ms, [&] { fired += "a"; });
    clock.singleShot(10ms, [&] { fired += "b"; });
    const auto cancelled = clock.singleShot(15ms, [&] { fired += "x"; });
    clock.cancel(cancelled);
    clock.cancel(cancelled);

    clock.advance(9ms);
    EXPECT_EQ(fired, "");
    clock.advance(11ms);
    EXPECT_EQ(fired, "abc");
    EXPECT_EQ(clock.now(), 20ms);
    EXPECT_TRUE(clock.idle());
}

TEST(VirtualScheduler, TimersSetWhileAdvancingFireWithinTheSameSpan) {
    VirtualScheduler clock;
    std::vector<std::chrono::milliseconds> times;
    std::function<void()> tick = [&] {
        times.push_back(clock.now());
        clock.singleShot(0ms, [&] { times.push_back(clock.now()); });
        if (times.size() < 6) {
            clock.singleShot(100ms, tick);
        }
    };
    clock.singleShot(100ms, tick);
    clock.advance(250ms);
    EXPECT_EQ(times, (std::vector<std::chrono::milliseconds>{100ms, 100ms, 200ms, 200ms}));
    EXPECT_EQ(clock.now(), 250ms);
}

TEST(VirtualScheduler, RunUntilStopsWhenDoneIdleOrOutOfTime) {
    VirtualScheduler clock;
    int count = 0;
    for (int i = 1; i <= 5; ++i) {
        clock.singleShot(i * 1s, [&] { ++count; });
    }
    EXPECT_TRUE(clock.runUntil([&] { return count == 2; }, 10s));
    EXPECT_EQ(clock.now(), 2s);

    EXPECT_FALSE(clock.runUntil([&] { return count == 5; }, 1500ms));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(clock.now(), 3500ms);

    EXPECT_FALSE(clock.runUntil([] { return false; }, 1h));
    EXPECT_EQ(count, 5);
    EXPECT_TRUE(clock.idle());
}

} // namespace
