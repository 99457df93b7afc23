#include <gtest/gtest.h>

#include <set>

#include "OutputFormat.h"

using namespace tavoclip;

TEST(OutputFormatTable, HoldsTenDistinctFormatsWithLowerCaseExtensions)
{
    std::set<std::string_view> extensions;
    for (const OutputFormat& format : kOutputFormats) {
        extensions.insert(format.extension);
        EXPECT_EQ(format.extension.front(), '.');
        for (char c : format.extension) EXPECT_FALSE(c >= 'A' && c <= 'Z') << format.extension;
        // Audio-only formats ignore the video bitrate and the screen size.
        const bool video = format.kind == FormatKind::Video;
        EXPECT_EQ(format.usesVideoBitrate, video);
        EXPECT_EQ(format.usesScreenSize, video);
        EXPECT_TRUE(format.usesAudioBitrate);
    }
    EXPECT_EQ(extensions.size(), 10u);
    EXPECT_EQ(kOutputFormats[0].listText, "MPG(Windows MPEG-1)");
    EXPECT_EQ(kOutputFormats[9].listText, "WAV(Wav Audio Format)");
    EXPECT_EQ(kGeneralAudioBitrates[4], "196k");
}

TEST(OutputFormatTable, FindsFormatsByListTextShortNameOrIndex)
{
    EXPECT_EQ(FindFormatIndex("MP4(iPod/PSP MPEG4 Video)"), 4);
    EXPECT_EQ(FindFormatIndex("mp4"), 4);
    EXPECT_EQ(FindFormatIndex("AMR"), 7);
    EXPECT_EQ(FindFormatIndex("9"), 9);
    EXPECT_FALSE(FindFormatIndex("10"));
    EXPECT_FALSE(FindFormatIndex("-1"));
    EXPECT_FALSE(FindFormatIndex("OGG"));
    EXPECT_FALSE(FindFormatIndex(""));
    EXPECT_EQ(FindOutputFormat(10), nullptr);
    EXPECT_EQ(FindOutputFormat(-1), nullptr);
}

struct Selected {
    std::string_view audio, size, video;
    std::size_t audioListLength;
};

Selected SelectionsAfterChangeTo(int format)
{
    const FormatChangeResult r = ApplyFormatChange(format);
    const auto audio = AudioBitrateList(r.audioList);
    return {audio[static_cast<std::size_t>(r.audioBitrateIndex)],
            kScreenSizes[static_cast<std::size_t>(r.screenSizeIndex)],
            kVideoBitrates[static_cast<std::size_t>(r.videoBitrateIndex)], audio.size()};
}

TEST(FormatChangeRule, ResetsTheOtherListsForEveryFormat)
{
    for (int format : {0, 1, 2, 3, 4, 6, 8, 9}) {
        const Selected s = SelectionsAfterChangeTo(format);
        EXPECT_EQ(s.audio, "128k") << format;
        EXPECT_EQ(s.size, "320x240") << format;
        EXPECT_EQ(s.video, "128k") << format;
        EXPECT_EQ(s.audioListLength, 7u) << format;
    }
    for (int format : {5, 7}) {  // 3GP and AMR switch to the AMR bitrates
        const Selected s = SelectionsAfterChangeTo(format);
        EXPECT_EQ(s.audio, "4.75k") << format;
        EXPECT_EQ(s.size, "176x144") << format;
        EXPECT_EQ(s.video, "128k") << format;
        EXPECT_EQ(s.audioListLength, 8u) << format;
    }
}

TEST(ConversionOptions, OnlyZeroAndNonZeroMatter)
{
    ConversionOptions options;
    EXPECT_TRUE(options.soundOn());
    EXPECT_FALSE(options.cutterOn());
    options.musicCutterEnabled = 2;
    options.completionSoundIndex = 7;
    EXPECT_TRUE(options.cutterOn());
    EXPECT_FALSE(options.soundOn());
    options.musicCutterEnabled = -1;
    EXPECT_TRUE(options.cutterOn());
}
