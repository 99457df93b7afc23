#include <gtest/gtest.h>

#include "OutputCheck.h"
#include "OutputReport.h"

using namespace tavoclip;

namespace {

OutputReport Read(std::initializer_list<const char*> lines)
{
    OutputReport report;
    for (const char* line : lines) report.Add(true, line);
    return report;
}

}  // namespace

TEST(OutputReportTest, ReadsTheStreamsAndRateOfTheOutputOnly)
{
    const OutputReport both = Read({
        "Input #0, matroska,webm, from 'file:late.mkv':",
        "  Stream #0:0: Video: mpeg4 (Simple Profile), yuv420p, 160x120, 25 fps, 25 tbr, 1k tbn",
        "  Stream #0:1: Audio: pcm_s16le, 44100 Hz, mono, s16, 705 kb/s",
        "Stream mapping:",
        "  Stream #0:0 -> #0:0 (mpeg4 (native) -> mpeg4 (native))",
        "Output #0, avi, to 'file:o/x.avi':",
        "  Metadata:",
        "    encoder         : Lavf59.27.100",
        "  Stream #0:0: Video: mpeg4 (FMP4 / 0x34504D46), yuv420p(tv, progressive), 160x120 [SAR 1:1 DAR 4:3], "
        "q=2-31, 200 kb/s, 29.97 fps, 30k tbn",
        "  Stream #0:1: Audio: mp3 (U[0][0][0] / 0x0055), 44100 Hz, mono, fltp",
        "frame=   25 fps=0.0 q=1.6 Lsize=      34kB time=00:00:01.00",
    });
    EXPECT_TRUE(both.hasVideo());
    EXPECT_TRUE(both.hasAudio());
    EXPECT_DOUBLE_EQ(both.framesPerSecond(), 29.97);

    // The input's streams do not count: this output dropped the sound.
    const OutputReport videoOnly = Read({
        "Input #0, flv, from 'file:a.flv':",
        "  Stream #0:1: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s",
        "Output #0, mp4, to 'file:.a.mp4':",
        "  Stream #0:0(und): Video: h264 (avc1 / 0x31637661), yuv420p, 320x240, q=2-31, 1 fps, 16384 tbn",
        "[libx264 @ 0x5600] frame I:1",
        "  Stream #0:1: Audio: aac, 44100 Hz, stereo",
    });
    EXPECT_TRUE(videoOnly.hasVideo());
    EXPECT_FALSE(videoOnly.hasAudio());
    EXPECT_DOUBLE_EQ(videoOnly.framesPerSecond(), 1);
}

TEST(OutputCheckTest, MissingStreamsAndShortOutputsFailWithAReason)
{
    const ExpectedOutput film{true, true, 60, false};
    EXPECT_EQ(CheckWrittenOutput(film, {true, true, 59.6}), "");
    EXPECT_EQ(CheckWrittenOutput(film, {true, false, 60}), "ffmpeg wrote no audio stream");
    EXPECT_EQ(CheckWrittenOutput(film, {false, true, 60}), "ffmpeg wrote no video stream");
    EXPECT_EQ(CheckWrittenOutput(film, {true, true, 59.4}),
              "ffmpeg stopped early: the output lasts 59.40s of the 60.00s asked for");

    // Short files: a tenth of their length, but at least a tenth of a second.
    EXPECT_EQ(CheckWrittenOutput({false, true, 3, false}, {false, true, 2.75}), "");
    EXPECT_NE(CheckWrittenOutput({false, true, 3, false}, {false, true, 2.65}), "");
    EXPECT_EQ(CheckWrittenOutput({false, true, 0.5, false}, {false, true, 0.41}), "");
    EXPECT_DOUBLE_EQ(AllowedShortfall(3), 0.3);

    // An unknown length, or sound alone that may end before the source's
    // picture, is not judged by length; its stream still is.
    EXPECT_EQ(CheckWrittenOutput({false, true, 0, false}, {false, true, 1}), "");
    EXPECT_EQ(CheckWrittenOutput({false, true, 60, true}, {false, true, 20}), "");
    EXPECT_NE(CheckWrittenOutput({false, true, 60, true}, {false, false, 0}), "");
}

// Sound alone from a film may end before the film does; the sound's own span,
// cut to the asked window, says how long the output must be.
TEST(OutputCheckTest, SoundAloneIsJudgedByTheSoundsOwnSpan)
{
    const ExpectedOutput film{false, true, 60, true};
    EXPECT_FALSE(SoundMayHaveEndedFirst(film, {false, true, 59.7}));
    EXPECT_TRUE(SoundMayHaveEndedFirst(film, {false, true, 20}));
    EXPECT_FALSE(SoundMayHaveEndedFirst({false, true, 60, false}, {false, true, 20}));

    const ExpectedOutput whole = ExpectSoundWithin({10, 30}, 0, 0);
    EXPECT_DOUBLE_EQ(whole.seconds, 20);
    EXPECT_FALSE(whole.mayEndEarly);
    EXPECT_EQ(CheckWrittenOutput(whole, {false, true, 20}), "");
    EXPECT_NE(CheckWrittenOutput(whole, {false, true, 5}), "");

    EXPECT_DOUBLE_EQ(ExpectSoundWithin({10, 30}, 25, 10).seconds, 5);  // the cut reaches past the sound
    EXPECT_DOUBLE_EQ(ExpectSoundWithin({10, 30}, 0, 15).seconds, 5);   // the cut ends early in the sound
    EXPECT_DOUBLE_EQ(ExpectSoundWithin({10, 30}, 40, 0).seconds, 0);   // no sound in the cut at all
}
