#include "clsWaitableTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace tavoclip {
namespace {

TEST(clsWaitableTimerTest, WaitReturnsNoEarlierThanAskedAndRunsEventsMeanwhile) {
    clsWaitableTimer timer("tavoclip");
    int handled = 0;
    QTimer::singleShot(0, [&] { ++handled; });
    QTimer::singleShot(10, [&] {
        ++handled;
        EXPECT_TRUE(timer.waiting());
    });
    QElapsedTimer clock;
    clock.start();
    timer.Wait(50);
    EXPECT_GE(clock.elapsed(), 50);
    EXPECT_EQ(handled, 2);
    EXPECT_FALSE(timer.waiting());
}

TEST(clsWaitableTimerTest, ZeroOrNegativeRunsPendingEventsOnceAndReturns) {
    clsWaitableTimer timer("tavoclip");
    for (int milliSeconds : {0, -5}) {
        bool handled = false;
        QTimer::singleShot(0, [&] { handled = true; });
        QElapsedTimer clock;
        clock.start();
        timer.Wait(milliSeconds);
        EXPECT_TRUE(handled) << milliSeconds;
        EXPECT_LT(clock.elapsed(), 1000) << milliSeconds;
    }
}

// Once the application has been told to quit, local event loops return at
// once; the wait must still take its full time instead of spinning.
TEST(clsWaitableTimerTest, WaitKeepsItsTimeWhenEventLoopsHaveBeenToldToQuit) {
    clsWaitableTimer timer("tavoclip");
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QElapsedTimer clock;
    clock.start();
    timer.Wait(40);
    timer.Wait(40);
    EXPECT_GE(clock.elapsed(), 80);

    // Running the application's own loop clears the quit request again, so
    // the tests after this one get working event loops.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

TEST(clsWaitableTimerTest, WaitUntilEndsWhenWokenWithItsConditionTrueAndOnlyThen) {
    clsWaitableTimer timer("tavoclip");
    bool ready = false;
    // A wake-up whose condition is still false does not end the wait.
    QTimer::singleShot(5, [&] { timer.Wake(); });
    QTimer::singleShot(20, [&] {
        ready = true;
        timer.Wake();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(timer.WaitUntil(5000, [&] { return ready; }));
    EXPECT_GE(clock.elapsed(), 20);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_FALSE(timer.waiting());

    // Already true: no sleep at all. Never true: the whole time.
    clock.restart();
    EXPECT_FALSE(timer.WaitUntil(5000, [] { return true; }));
    EXPECT_LT(clock.elapsed(), 1000);
    clock.restart();
    EXPECT_TRUE(timer.WaitUntil(40, [] { return false; }));
    EXPECT_GE(clock.elapsed(), 40);
}

TEST(clsWaitableTimerTest, TimerNameIsProgramNameTimerAndMinutesSeconds) {
    EXPECT_EQ(clsWaitableTimer::BuildTimerName("tavoclip", 5, 9), "tavoclipTimer0509");
    EXPECT_EQ(clsWaitableTimer::BuildTimerName("Tavoclip.exe", 59, 0), "TavoclipTimer5900");
    EXPECT_EQ(clsWaitableTimer::BuildTimerName("my.tool.exe", 0, 30), "my.toolTimer0030");

    clsWaitableTimer timer("tavoclip-batch");
    timer.Wait(0);
    EXPECT_TRUE(timer.timerName().starts_with("tavoclip-batchTimer"));
    EXPECT_EQ(timer.timerName().size(), std::string("tavoclip-batchTimer").size() + 4);
}

}  // namespace
}  // namespace tavoclip
