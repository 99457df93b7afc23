#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConvArguments.h"
#include "ConverterCommand.h"
#include "OutputFormat.h"

using namespace tavoclip;

namespace {

// The options exactly as the window's command builder writes them.
std::vector<std::string> WindowOptions(int format, bool cutter)
{
    const FormatChangeResult lists = ApplyFormatChange(format);
    ConversionRequest request;
    request.programFolder = "/opt/tavoclip";
    request.sourcePath = "/videos/holiday.flv";
    request.outputFolder = "/videos/out";
    request.formatIndex = format;
    request.videoBitrate = std::string(kVideoBitrates[lists.videoBitrateIndex]);
    request.screenSize = std::string(kScreenSizes[lists.screenSizeIndex]);
    request.audioBitrate = std::string(AudioBitrateList(lists.audioList)[lists.audioBitrateIndex]);
    request.options.musicCutterEnabled = cutter ? 1 : 0;
    request.options.cutStartSeconds = 30;
    request.options.cutLengthSeconds = 90;
    const ConverterCommand command = BuildConverterCommand(request, PathStyle::Posix);
    return {command.arguments.begin() + 1, command.arguments.end()};
}

ParsedArguments Parse(std::vector<std::string> arguments) { return ParseConvArguments(arguments); }

std::string ErrorOf(std::vector<std::string> arguments) { return Parse(std::move(arguments)).error; }

}  // namespace

TEST(ConvArgumentsTest, AcceptsEveryLineTheWindowBuilds)
{
    for (int format = 0; format < static_cast<int>(kOutputFormats.size()); ++format) {
        for (bool cutter : {false, true}) {
            const ParsedArguments parsed = ParseConvArguments(WindowOptions(format, cutter));
            ASSERT_TRUE(parsed.request) << "format " << format << ": " << parsed.error;
            const ConvRequest& request = *parsed.request;
            EXPECT_EQ(request.sourcePath, "/videos/holiday.flv");
            EXPECT_TRUE(request.overwrite);
            EXPECT_TRUE(request.audioBitrate.has_value());
            EXPECT_EQ(request.noVideo, kOutputFormats[format].kind == FormatKind::AudioOnly);
            EXPECT_EQ(request.startSeconds.has_value(), cutter);
            if (cutter) {
                EXPECT_EQ(*request.lengthSeconds, 90);
            }
        }
    }
}

TEST(ConvArgumentsTest, ReadsTheValuesOfThe3gpLine)
{
    const ConvRequest request = *ParseConvArguments(WindowOptions(5, true)).request;
    EXPECT_EQ(request.outputPath, "/videos/out/holiday.3gp");
    EXPECT_EQ(*request.startSeconds, 30);
    EXPECT_EQ(*request.videoBitrate, 128000);
    EXPECT_EQ(*request.audioBitrate, 4750);
    EXPECT_EQ(*request.frameSize, (FrameSize{176, 144}));
    EXPECT_EQ(request.audioCodec, "libamr_nb");
    EXPECT_EQ(*request.sampleRate, 8000);
    EXPECT_EQ(*request.channels, 1);
}

TEST(ConvArgumentsTest, ValuesAreTakenAsTheyStandEvenWhenTheyLookLikeOptions)
{
    const auto parsed = Parse({"-i", "-y", "-y", "-ab", "128k", "-vn.mp3"});
    ASSERT_TRUE(parsed.request) << parsed.error;
    EXPECT_EQ(parsed.request->sourcePath, "-y");
    EXPECT_EQ(parsed.request->outputPath, "-vn.mp3");
}

TEST(ConvArgumentsTest, RejectsBadLinesWithAReason)
{
    EXPECT_NE(ErrorOf({}).find("no options"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-y"}).find("no output path"), std::string::npos);
    EXPECT_NE(ErrorOf({"-y", "out.mp3"}).find("-i SOURCE is missing"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-ab", "out.mp3"}).find("-ab needs a value"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-qscale", "2", "out.mp3"}).find("unknown option '-qscale'"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "stray", "out.mp3"}).find("unexpected argument 'stray'"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-ab", "fast", "out.mp3"}).find("'fast' for -ab"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-s", "320*240", "out.mp4"}).find("'320*240' for -s"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-t", "0", "out.mp4"}).find("more than 0 seconds"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-ss", "-5", "out.mp4"}).find("0 or more seconds"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-ar", "8000.5", "out.amr"}).find("-ar"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-ac", "0", "out.amr"}).find("-ac"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-vcodec", "libx264", "out.wmv"}).find("wmv2"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-f", "mp4", "out.mp3"}).find("'-f'"), std::string::npos);
}

TEST(ConvArgumentsTest, TheOutputExtensionMustBeKnownAndFitTheCodecs)
{
    EXPECT_NE(ErrorOf({"-i", "a.flv", "out.ogg"}).find("known extensions"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", ".mp3"}).find("known extensions"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-acodec", "libamr_nb", "out.mp4"}).find("cannot be written"), std::string::npos);
    EXPECT_NE(ErrorOf({"-i", "a.flv", "-acodec", "wmav1", "out.mp3"}).find("cannot be written"), std::string::npos);
    EXPECT_TRUE(Parse({"-i", "a.flv", "-acodec", "wmav1", "OUT.WMA"}).request);
}

TEST(ConvArgumentsTest, BitratesAndFrameSizes)
{
    EXPECT_EQ(ParseBitrate("4.75k"), 4750);
    EXPECT_EQ(ParseBitrate("196k"), 196000);
    EXPECT_EQ(ParseBitrate("1.5M"), 1500000);
    EXPECT_EQ(ParseBitrate("64000"), 64000);
    for (const char* bad : {"", "k", "0k", "-64k", "12x", "1 28k", "nan"}) EXPECT_FALSE(ParseBitrate(bad)) << bad;

    EXPECT_EQ(ParseFrameSize("321x241"), (FrameSize{321, 241}));
    for (const char* bad : {"320", "x240", "320x", "0x240", "320x240x1", "9000x100", "32.5x24"})
        EXPECT_FALSE(ParseFrameSize(bad)) << bad;
}
