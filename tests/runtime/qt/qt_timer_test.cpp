// A window's timer on the wall clock: work paced by the timer asks whether it is due, goes on
// while it is not, and finds the timer event waiting once it is; headless, where time is the
// program's own, the timer is always due.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "drivers/driver.h"
#include "runtime/ui/codes.h"
#include "tests/runtime/qt/qt_test_support.h"

namespace {

using Clock = std::chrono::steady_clock;

rt::WindowStructure timedWindow() {
    rt::WindowStructure w;
    w.title = "Paced";
    w.at = {0, 0, 120, 60};
    w.timer = 20;  // a fifth of a second
    return w;
}

long msSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

TEST(WindowTimerTest, OnTheWallClockTheTimerIsDueOnceItsIntervalHasPassed) {
    std::atomic<bool> dueAtOnce{true};
    std::atomic<long> workedMs{-1};
    std::atomic<int> nextEvent{0};
    qttest::QtSession session;
    session.start([&] {
        rt::Window w(timedWindow());
        w.open();
        while (w.accept()) {
            if (w.event() != EVENT::Timer) continue;
            // Right after a timer event the next one is not due: the work goes on.
            dueAtOnce = w.timerDue();
            const auto start = Clock::now();
            while (!w.timerDue() && msSince(start) < 5000) {
            }
            workedMs = msSince(start);
            // Due now: the next event is the timer's.
            w.accept();
            nextEvent = w.event();
            w.close();
        }
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return session.ended(); }, 10000));
    EXPECT_FALSE(dueAtOnce);
    EXPECT_GE(workedMs, 150);
    EXPECT_LT(workedMs, 5000);
    EXPECT_EQ(nextEvent, EVENT::Timer);
}

TEST(WindowTimerTest, WhereTimeIsTheProgramsOwnTheTimerIsAlwaysDue) {
    bool due = false;
    rt::Driver driver;
    driver.start([&] {
        rt::Window w(timedWindow());
        w.open();
        due = w.timerDue();
        while (w.accept())
            if (w.event() == EVENT::Timer) {
                due = due && w.timerDue();
                w.close();
            }
    });
    driver.timer();
    EXPECT_TRUE(driver.finish());
    EXPECT_TRUE(due);
}

}  // namespace
