#include <gtest/gtest.h>

#include "FfmpegErrorCause.h"

using namespace tavoclip;

// FFmpeg's messages as it prints them when a disk fills, a source is
// damaged, or an option is refused; the line kept must be the one that says
// why.
TEST(FfmpegErrorCauseTest, PicksTheLineThatSaysWhy)
{
    EXPECT_EQ(FfmpegErrorCause({"[mp3float @ 0x55d0] Header missing", "av_interleaved_write_frame(): No space left on device",
                                "Error writing trailer of file:/x/output.mp4: No space left on device",
                                "Conversion failed!"}),
              "av_interleaved_write_frame(): No space left on device");
    EXPECT_EQ(FfmpegErrorCause({"Conversion failed!", "[libx264 @ 0x55d0c8] width not divisible by 2 (161x120)",
                                "Error initializing output stream 0:0"}),
              "width not divisible by 2 (161x120)");
    EXPECT_EQ(FfmpegErrorCause({"Conversion failed!", "  "}), "");
    EXPECT_EQ(FfmpegErrorCause({}), "");
}

TEST(FfmpegErrorCauseTest, KnowsFailedWritesOfTheOutput)
{
    EXPECT_TRUE(IsOutputWriteError("Error writing trailer of file:/x/output.mp3: File too large"));
    EXPECT_TRUE(IsOutputWriteError("[out#0/mp4 @ 0x55] Error submitting a packet to the muxer: No space left on device"));
    EXPECT_TRUE(IsOutputWriteError("av_interleaved_write_frame(): Input/output error"));
    EXPECT_FALSE(IsOutputWriteError("[flv @ 0x55d0] Packet mismatch 1 11 11"));
    EXPECT_FALSE(IsOutputWriteError("file:/x/a.flv: Invalid data found when processing input"));
}

TEST(FfmpegErrorCauseTest, ReplacesEveryOccurrence)
{
    EXPECT_EQ(ReplaceAll("a tmp b tmp", "tmp", "the tmp output"), "a the tmp output b the tmp output");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}
