#include <gtest/gtest.h>

#include "SourceInfo.h"

using namespace tavoclip;

TEST(SourceInfoTest, ReadsTheFirstRealStreamsAndTheLength)
{
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

TEST(SourceInfoTest, FallsBackToTheLongestStreamAndRejectsNonsense)
{
    const auto info = ParseProbeOutput(R"({"streams": [{"index": 0, "codec_type": "audio", "sample_rate": "8000",
        "channels": 1, "duration": "3.2"}], "format": {}})");
    ASSERT_TRUE(info);
    EXPECT_DOUBLE_EQ(info->durationSeconds, 3.2);
    EXPECT_FALSE(info->video);
    EXPECT_FALSE(ParseProbeOutput("not json"));
    EXPECT_FALSE(ParseProbeOutput("[1, 2]"));
}

// Only sound alone that looks short is judged by the sound's own span, so a
// span must never come out longer than the sound is.
TEST(SourceInfoTest, PlacesTheSoundOnTheSourcesClock)
{
    const auto mp4 = ParseProbeOutput(R"({"streams": [
        {"index": 0, "codec_type": "audio", "sample_rate": "44100", "channels": 2,
         "start_time": "1.400000", "duration": "2.000000"}], "format": {"start_time": "0.400000"}})");
    ASSERT_TRUE(mp4 && mp4->audio);
    EXPECT_DOUBLE_EQ(mp4->audio->startSeconds, 1.0);
    EXPECT_DOUBLE_EQ(mp4->audio->endSeconds, 3.0);

    // Matroska: no stream length, a tag holding the last timestamp.
    const auto mkv = ParseProbeOutput(R"({"streams": [
        {"index": 0, "codec_type": "audio", "sample_rate": "44100", "channels": 2, "start_time": "1.000000",
         "tags": {"DURATION": "00:00:03.000000000"}}], "format": {"start_time": "0.000000"}})");
    ASSERT_TRUE(mkv && mkv->audio);
    EXPECT_DOUBLE_EQ(mkv->audio->startSeconds, 1.0);
    EXPECT_DOUBLE_EQ(mkv->audio->endSeconds, 3.0);

    // No length at all (FLV): the packets read show how far it reaches.
    const auto flv = ParseProbeOutput(R"({"streams": [{"index": 1, "codec_type": "audio", "sample_rate": "22050",
        "channels": 1, "start_time": "0.000000"}], "format": {"start_time": "0.000000"},
        "packets": [{"stream_index": 1, "pts_time": "3.944000", "duration_time": "0.052000"},
                    {"stream_index": 1, "pts_time": "N/A"}, {"stream_index": 0, "pts_time": "4.5"},
                    {"stream_index": 1, "pts_time": "3.500000", "duration_time": "0.052000"}]})");
    ASSERT_TRUE(flv && flv->audio);
    EXPECT_DOUBLE_EQ(flv->audio->endSeconds, 3.996) << "the sound's own packets only";
    EXPECT_DOUBLE_EQ(flv->packetsEndSeconds, 4.5) << "every packet read";

    // Nothing said, or nonsense: the end stays unknown.
    const auto bare = ParseProbeOutput(R"({"streams": [{"index": 0, "codec_type": "audio", "sample_rate": "8000",
        "channels": 1, "tags": {"DURATION": "three seconds"}}], "format": {}})");
    ASSERT_TRUE(bare && bare->audio);
    EXPECT_DOUBLE_EQ(bare->audio->endSeconds, 0);
}
