#include <gtest/gtest.h>

#include <string>

#include "ProgressTracker.h"

using namespace tavoclip;

namespace {

const ConversionOptions kCutterOff{};

// A tracker that already knows its total from a header chunk.
ProgressTracker TrackerWithTotal(int seconds)
{
    ProgressTracker tracker;
    ConversionOptions cut{0, 1, 0, seconds};
    tracker.Feed("x", cut);
    return tracker;
}

std::string CaptionFor(int elapsed, int total)
{
    ProgressTracker tracker = TrackerWithTotal(total);
    const auto display = tracker.Feed("time=" + std::to_string(elapsed) + ".00 ", kCutterOff);
    return display ? display->caption : "(none)";
}

}  // namespace

TEST(ProgressTracker, CaptionsOfTheWorkedExamples)
{
    EXPECT_EQ(CaptionFor(12, 205), "5.85%");
    EXPECT_EQ(CaptionFor(94, 206), "45.6%");
    EXPECT_EQ(CaptionFor(7, 100), "7%");
    EXPECT_EQ(CaptionFor(1, 3), "33.3%");
    EXPECT_EQ(CaptionFor(1, 1200), "0.08%");
    EXPECT_EQ(CaptionFor(204, 205), "99.5%");
    EXPECT_EQ(CaptionFor(205, 205), "100%");
    EXPECT_EQ(CaptionFor(300, 205), "100%");  // never more than the full bar
    EXPECT_EQ(CaptionFor(0, 205), "0%");
}

TEST(ProgressTracker, LearnsTheTotalFromTheDurationHeader)
{
    ProgressTracker tracker;
    const auto display = tracker.Feed(
        "  Duration: 00:03:25.40, start: 0.000000, bitrate: 1 kb/s\n"
        "size= 10kB time=12.34 bitrate=",
        kCutterOff);
    EXPECT_EQ(tracker.totalSeconds(), 205);
    ASSERT_TRUE(display);
    EXPECT_EQ(display->caption, "5.85%");
    EXPECT_NEAR(display->barWidthTwips, 5415 * 12.0 / 205, 0.01);

    // A later duration in the same file is ignored.
    tracker.Feed("Duration: 01:00:00.00, ", kCutterOff);
    EXPECT_EQ(tracker.totalSeconds(), 205);
    tracker.ResetTotal();
    tracker.Feed("Duration: 01:00:00.50, ", kCutterOff);
    EXPECT_EQ(tracker.totalSeconds(), 3600);  // 3600.5 rounds to even
    tracker.ResetTotal();
    tracker.Feed("Duration: 00:00:01.50, ", kCutterOff);
    EXPECT_EQ(tracker.totalSeconds(), 2);
}

TEST(ProgressTracker, TheCutLengthIsTheTotalWhenTheCutterIsOn)
{
    ProgressTracker tracker;
    tracker.Feed("Duration: 00:03:25.40, ", ConversionOptions{0, 1, 30, 90});
    EXPECT_EQ(tracker.totalSeconds(), 90);

    // A cut length of 0 leaves the total unknown: every progress field is 100%.
    ProgressTracker zero;
    const auto display = zero.Feed("time=3.00 ", ConversionOptions{0, 1, 30, 0});
    ASSERT_TRUE(display);
    EXPECT_EQ(display->caption, "100%");
    EXPECT_EQ(display->barWidthTwips, 5415.0f);
}

TEST(ProgressTracker, UnreadableDurationsLeaveTheTotalUnknown)
{
    for (const char* chunk : {"Duration: N/A, ", "Duration: 00:03, ", "Duration: aa:bb:cc, ",
                              "Duration: ", "Dur", "duration: 00:00:10.00, "}) {
        ProgressTracker tracker;
        tracker.Feed(chunk, kCutterOff);
        EXPECT_EQ(tracker.totalSeconds(), 0) << chunk;
    }
}

TEST(ProgressTracker, ChunkBoundaries)
{
    // A "time=" at the very end of a chunk changes nothing.
    ProgressTracker tracker = TrackerWithTotal(205);
    EXPECT_FALSE(tracker.Feed("frame=1 time=", kCutterOff));

    // A value split between two chunks is read from the first part only.
    auto first = tracker.Feed("frame=1 time=12", kCutterOff);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->caption, "5.85%");
    EXPECT_FALSE(tracker.Feed(".34 bitrate=1", kCutterOff));

    // A duration split between two chunks is not found.
    ProgressTracker split;
    split.Feed("Durat", kCutterOff);
    split.Feed("ion: 00:03:25.40, ", kCutterOff);
    EXPECT_EQ(split.totalSeconds(), 0);
    EXPECT_EQ(split.Feed("time=12.00 ", kCutterOff)->caption, "100%");

    // An empty chunk changes nothing.
    EXPECT_FALSE(tracker.Feed("", kCutterOff));
}

TEST(ProgressTracker, SeveralFieldsInOneChunkRunTogether)
{
    ProgressTracker tracker = TrackerWithTotal(205);
    // "12.34" and "13.56" run together as 12.3413.56, which reads as 12.
    const auto display = tracker.Feed("time=12.34 x time=13.56 ", kCutterOff);
    ASSERT_TRUE(display);
    EXPECT_EQ(display->caption, "5.85%");
    // "time=" followed at once by a space: empty text, E = 0.
    EXPECT_EQ(tracker.Feed("time= x", kCutterOff)->caption, "0%");
    // Hours:minutes:seconds progress reads as 0 elapsed.
    EXPECT_EQ(tracker.Feed("time=00:00:12.34 ", kCutterOff)->caption, "0%");
}

TEST(ProgressTracker, NegativeValuesNeverGiveANegativeBar)
{
    ProgressTracker tracker = TrackerWithTotal(205);
    const auto display = tracker.Feed("time=-5.00 ", kCutterOff);
    ASSERT_TRUE(display);
    EXPECT_EQ(display->barWidthTwips, 0.0f);
    EXPECT_EQ(display->caption, "0%");
    // A time that rounds to minus zero.
    EXPECT_EQ(tracker.Feed("time=-0.40 ", kCutterOff)->caption, "0%");
    EXPECT_EQ(tracker.Feed("time=-0 ", kCutterOff)->caption, "0%");

    ProgressTracker negativeCut;
    EXPECT_EQ(negativeCut.Feed("time=5.00 ", ConversionOptions{0, 1, 0, -10})->caption, "100%");
}

TEST(PercentCaption, TruncatesToFourCharacters)
{
    EXPECT_EQ(PercentCaption(5.85365853658537), "5.85%");
    EXPECT_EQ(PercentCaption(99.9999), "99.9%");
    EXPECT_EQ(PercentCaption(0.0833333333333333), "0.08%");
    EXPECT_EQ(PercentCaption(50), "50%");
}
