#include <gtest/gtest.h>

#include "BatchShare.h"
#include "TimeLeftEstimate.h"

using namespace tavoclip;

namespace {

struct EstimateRow {
    double elapsed;
    double share;
    long minutes;
};

class TimeLeftMinutes : public testing::TestWithParam<EstimateRow> {};

TEST_P(TimeLeftMinutes, CarriesThePaceSoFarOnToTheEnd)
{
    TimeLeftEstimate estimate;
    estimate.Update(GetParam().elapsed, GetParam().share);
    EXPECT_EQ(estimate.MinutesLeft(), GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(Rows, TimeLeftMinutes,
                         testing::Values(EstimateRow{0, 0, -1},      // nothing known
                                         EstimateRow{4.9, 0.5, -1},  // still warming up
                                         EstimateRow{30, 0, -1},     // nothing done yet
                                         EstimateRow{10, 0.5, 0},
                                         EstimateRow{60, 0.5, 1},
                                         EstimateRow{60, 0.2, 4},
                                         EstimateRow{100, 0.4, 3},  // 150 s rounds up
                                         EstimateRow{600, 1.0, 0},
                                         EstimateRow{60, 1.5, 0},  // clamped
                                         EstimateRow{-3, 0.5, -1}));

// One batch told as the driver tells it: file numbers start, progress and end
// in any order across runners, and the queue holds the files in hand and
// those waiting.
TEST(BatchShare, CountsEndedFilesAndTheSharesOfFilesInHand)
{
    BatchShare share;
    EXPECT_DOUBLE_EQ(share.Share(0), 0);
    share.FileStarted(1);
    share.FileStarted(2);
    share.FileProgress(1, 0.5);
    share.FileProgress(2, 0.25);
    EXPECT_DOUBLE_EQ(share.Share(4), 0.75 / 4);
    share.FileProgress(9, 0.9);  // not in hand: ignored
    share.FileEnded(1);
    EXPECT_DOUBLE_EQ(share.Share(3), 1.25 / 4);
    share.FileProgress(2, 7);  // clamped to the whole file
    EXPECT_DOUBLE_EQ(share.Share(3), 2.0 / 4);
    EXPECT_EQ(share.endedCount(), 1u);
    share.Reset();
    EXPECT_DOUBLE_EQ(share.Share(3), 0);
}

}  // namespace
