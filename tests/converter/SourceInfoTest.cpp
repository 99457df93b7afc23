#include <gtest/gtest.h>

#include "SourceInfo.h"

using namespace tavoclip;

TEST(SourceInfoTest, ReadsTheFirstRealStreamsAndTheLength) {
    const QByteArray json = R"({"streams": [
        {"index": 0, "codec_type": "video", "width": 600, "height": 600, "avg_frame_rate": "0/0",
         "r_frame_rate": "90000/1", "disposition": {"attached_pic": 1}},
        {"index": 1, "codec_type": "audio", "sample_rate": "22050", "channels": 1, "duration": "12.5"},
        {"index": 2, "codec_type": "video", "width": 321, "height": 241, "avg_frame_rate": "30000/1001",
         "r_frame_rate": "1000/1", "disposition": {"attached_pic": 0}},
        {"index": 3, "codec_type": "audio", "sample_rate": "48000", "channels": 6}],
        "format": {"duration": "12.600000"}})";
    const auto info = ParseProbeOutput(json);
    ASSERT_TRUE(info);
    EXPECT_DOUBLE_EQ(info->durationSeconds, 12.6);
    ASSERT_TRUE(info->video);
    EXPECT_EQ(info->video->index, 2);
    EXPECT_EQ(info->video->width, 321);
    EXPECT_NEAR(info->video->framesPerSecond, 29.97, 0.01);
    ASSERT_TRUE(info->audio);
    EXPECT_EQ(info->audio->index, 1);
    EXPECT_EQ(info->audio->sampleRate, 22050);
}

TEST(SourceInfoTest, FallsBackToTheLongestStreamAndRejectsNonsense) {
    const auto info = ParseProbeOutput(R"({"streams": [{"index": 0, "codec_type": "audio", "sample_rate": "8000",
        "channels": 1, "duration": "3.2"}], "format": {}})");
    ASSERT_TRUE(info);
    EXPECT_DOUBLE_EQ(info->durationSeconds, 3.2);
    EXPECT_FALSE(info->video);
    EXPECT_FALSE(ParseProbeOutput("not json"));
    EXPECT_FALSE(ParseProbeOutput("[1, 2]"));
}
