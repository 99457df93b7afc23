#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ConversionPlan.h"

using namespace tavoclip;

namespace {

SourceInfo Flv(double fps, int sampleRate, int channels)
{
    SourceInfo source;
    source.durationSeconds = 60;
    source.video = VideoStreamInfo{0, 320, 240, fps};
    source.audio = AudioStreamInfo{1, sampleRate, channels};
    return source;
}

ConvRequest Request(const std::string& output, const std::string& audioBitrate = "128k")
{
    ConvRequest request;
    request.sourcePath = "/in/clip.flv";
    request.outputPath = output;
    request.overwrite = true;
    request.videoBitrate = 128000;
    request.frameSize = FrameSize{320, 240};
    request.audioBitrate = static_cast<std::int64_t>(std::stod(audioBitrate) * 1000);
    return request;
}

ConversionPlan Plan(const ConvRequest& request, const SourceInfo& source)
{
    return BuildConversionPlan(request, *FindOutputContainer(request.outputPath), source, "/out/.tmp");
}

// The value after an option's last occurrence, or "" when it is absent.
std::string ValueOf(const std::vector<std::string>& args, const std::string& option)
{
    const auto it = std::find(args.rbegin(), args.rend(), option);
    if (it == args.rend() || it == args.rbegin()) return {};
    return *(it - 1);
}

bool HasNote(const ConversionPlan& plan, const std::string& part)
{
    return std::any_of(plan.notes.begin(), plan.notes.end(),
                       [&](const std::string& note) { return note.find(part) != std::string::npos; });
}

}  // namespace

TEST(ConversionPlanTest, PathsAreFileUrlsAndTheCutIsPlacedForAccurateFastSeeking)
{
    ConvRequest request = Request("/out/-x:y.mp4");
    request.sourcePath = "-a:b.flv";
    request.startSeconds = 30;
    request.lengthSeconds = 20;
    const auto args = Plan(request, Flv(25, 44100, 2)).encodeArguments;
    const auto at = [&](const std::string& value) { return std::find(args.begin(), args.end(), value) - args.begin(); };
    EXPECT_EQ(ValueOf(args, "-i"), "file:-a:b.flv");
    EXPECT_EQ(args.back(), "file:/out/.tmp");
    EXPECT_EQ(args.front(), "-nostdin");
    EXPECT_LT(at("-ss"), at("-i"));
    EXPECT_GT(at("-t"), at("-i"));
    EXPECT_EQ(ValueOf(args, "-f"), "mp4");
    EXPECT_EQ(ValueOf(args, "-b:v"), "128000");
    EXPECT_EQ(ValueOf(args, "-b:a"), "128000");
}

TEST(ConversionPlanTest, Mpeg1GetsTheNearestFrameRateItAllows)
{
    const auto rateFor = [](double fps) { return ValueOf(Plan(Request("/o.mpg"), Flv(fps, 44100, 2)).encodeArguments, "-r"); };
    EXPECT_EQ(rateFor(12), "24000/1001");
    EXPECT_EQ(rateFor(15), "24000/1001");
    EXPECT_EQ(rateFor(25), "");  // allowed: FFmpeg keeps it
    EXPECT_EQ(rateFor(29.97), "");
    EXPECT_EQ(rateFor(0), "25");  // unknown rate
    SourceInfo variable = Flv(29.97, 44100, 2);
    variable.video->variableRate = true;
    EXPECT_EQ(ValueOf(Plan(Request("/o.mpg"), variable).encodeArguments, "-r"), "30000/1001");
    EXPECT_TRUE(HasNote(Plan(Request("/o.mpg"), Flv(15, 44100, 2)), "MPEG-1 cannot store 15 fps"));
    EXPECT_TRUE(Plan(Request("/o.mpg"), Flv(25, 44100, 2)).notes.empty());
}

TEST(ConversionPlanTest, Mp2TakesOnlyItsOwnBitratesAndRates)
{
    const auto plan196 = Plan(Request("/o.mpg", "196"), Flv(25, 44100, 2));
    EXPECT_EQ(ValueOf(plan196.encodeArguments, "-b:a"), "192000");
    EXPECT_TRUE(HasNote(plan196, "MP2 has no 196k"));
    for (int rate : {22050, 11025}) {
        const auto plan = Plan(Request("/o.mpg", "256"), Flv(25, rate, 1));
        EXPECT_EQ(ValueOf(plan.encodeArguments, "-ar"), "44100") << rate;
    }
    // "" : the source's own rate is kept.
    EXPECT_EQ(ValueOf(Plan(Request("/o.mpg", "128"), Flv(25, 22050, 1)).encodeArguments, "-ar"), "");
    EXPECT_EQ(ValueOf(Plan(Request("/o.mpg", "128"), Flv(25, 48000, 2)).encodeArguments, "-ar"), "");
    EXPECT_EQ(ValueOf(Plan(Request("/o.mpg", "128"), Flv(25, 11025, 2)).encodeArguments, "-ar"), "44100");
}

TEST(ConversionPlanTest, LameIsResampledSoTheAskedBitrateHolds)
{
    const auto args = [](const char* out, const char* kbps, int rate) {
        return Plan(Request(out, kbps), Flv(25, rate, 2)).encodeArguments;
    };
    EXPECT_EQ(ValueOf(args("/o.mp3", "64", 11025), "-ar"), "");
    EXPECT_EQ(ValueOf(args("/o.mp3", "128", 11025), "-ar"), "22050");
    EXPECT_EQ(ValueOf(args("/o.mp3", "256", 11025), "-ar"), "44100");
    EXPECT_EQ(ValueOf(args("/o.avi", "320", 22050), "-ar"), "44100");
    EXPECT_EQ(ValueOf(args("/o.mp3", "160", 22050), "-ar"), "");
    EXPECT_EQ(ValueOf(args("/o.mp3", "196", 44100), "-b:a"), "192000");
    EXPECT_TRUE(HasNote(Plan(Request("/o.mp3", "196"), Flv(25, 44100, 2)), "MP3 has no 196k"));
}

TEST(ConversionPlanTest, AacIsResampledWhenTheRateCannotCarryTheBitrate)
{
    EXPECT_EQ(ValueOf(Plan(Request("/o.mp4", "320"), Flv(25, 22050, 2)).encodeArguments, "-ar"), "44100");
    EXPECT_EQ(ValueOf(Plan(Request("/o.mov", "128"), Flv(25, 22050, 2)).encodeArguments, "-ar"), "");
    const auto mono = Plan(Request("/o.mp4", "320"), Flv(25, 44100, 1));
    EXPECT_EQ(ValueOf(mono.encodeArguments, "-b:a"), "288000");
    EXPECT_EQ(ValueOf(mono.encodeArguments, "-ar"), "48000");
}

TEST(ConversionPlanTest, SurroundIsMixedDownWhereTheCodecTakesTwoChannels)
{
    for (const char* output : {"/o.wmv", "/o.wma", "/o.mp3", "/o.mpg", "/o.mp4"}) {
        ConvRequest request = Request(output);
        if (std::string(output) == "/o.wma") request.audioCodec = "wmav1";
        const auto plan = Plan(request, Flv(25, 48000, 6));
        EXPECT_EQ(ValueOf(plan.encodeArguments, "-ac"), "2") << output;
        EXPECT_TRUE(HasNote(plan, "mixing 6 channels down")) << output;
    }
    EXPECT_EQ(ValueOf(Plan(Request("/o.wav"), Flv(25, 48000, 6)).encodeArguments, "-ac"), "");
    EXPECT_EQ(ValueOf(Plan(Request("/o.wma"), Flv(25, 48000, 2)).encodeArguments, "-c:a"), "wmav2");
}

TEST(ConversionPlanTest, ThreeGpUsesH263OnlyAtItsSizes)
{
    ConvRequest request = Request("/o.3gp", "4.75");
    request.frameSize = FrameSize{176, 144};
    EXPECT_EQ(ValueOf(Plan(request, Flv(15, 22050, 1)).encodeArguments, "-c:v"), "h263");
    request.frameSize = FrameSize{320, 240};
    const auto plan = Plan(request, Flv(15, 22050, 1));
    EXPECT_EQ(ValueOf(plan.encodeArguments, "-c:v"), "mpeg4");
    EXPECT_NE(ValueOf(plan.encodeArguments, "-vf").find("pad=320:240"), std::string::npos);
    EXPECT_TRUE(HasNote(plan, "H.263 cannot code 320x240"));
}

TEST(ConversionPlanTest, AmrAudioGoesThroughConvsEncoder)
{
    const auto threeGp = Plan(Request("/o.3gp", "12.2"), Flv(25, 44100, 2));
    ASSERT_TRUE(threeGp.amrMode);
    EXPECT_EQ(threeGp.amrMode->mode, AmrNbMode::Mr122);
    EXPECT_EQ(threeGp.pcmArguments.back(), "pipe:1");
    EXPECT_EQ(ValueOf(threeGp.pcmArguments, "-ar"), "8000");
    EXPECT_EQ(ValueOf(threeGp.encodeArguments, "-c:a"), "copy");

    const auto amr = Plan(Request("/o.amr", "7"), Flv(25, 44100, 2));
    EXPECT_TRUE(amr.encodeArguments.empty());
    EXPECT_EQ(amr.amrMode->mode, AmrNbMode::Mr67);
    EXPECT_TRUE(HasNote(amr, "AMR-NB has no 7k mode: using 6.7k"));

    SourceInfo silent = Flv(25, 44100, 2);
    silent.audio.reset();
    const auto videoOnly = Plan(Request("/o.3gp", "12.2"), silent);
    EXPECT_TRUE(videoOnly.pcmArguments.empty());
    EXPECT_NE(std::find(videoOnly.encodeArguments.begin(), videoOnly.encodeArguments.end(), "-an"),
              videoOnly.encodeArguments.end());
}

TEST(ConversionPlanTest, RefusesWhatCannotBeConverted)
{
    SourceInfo silent = Flv(25, 44100, 2);
    silent.audio.reset();
    for (const char* output : {"/o.mp3", "/o.amr", "/o.wma", "/o.wav"})
        EXPECT_NE(Plan(Request(output), silent).error.find("the source has no audio"), std::string::npos) << output;

    ConvRequest late = Request("/o.mp4");
    late.startSeconds = 60;
    EXPECT_NE(Plan(late, Flv(25, 44100, 2)).error.find("beyond the end"), std::string::npos);

    SourceInfo mute = Flv(25, 44100, 2);
    mute.video.reset();
    const auto audioOnly = Plan(Request("/o.mp4"), mute);
    EXPECT_TRUE(audioOnly.error.empty());
    EXPECT_TRUE(HasNote(audioOnly, "no video"));
}

TEST(ConversionPlanTest, OddFrameSidesAreMadeEven)
{
    ConvRequest request = Request("/o.mp4");
    request.frameSize.reset();
    SourceInfo source = Flv(25, 44100, 2);
    source.video->width = 321;
    source.video->height = 241;
    const auto plan = Plan(request, source);
    EXPECT_EQ(ValueOf(plan.encodeArguments, "-s"), "320x240");
    EXPECT_TRUE(HasNote(plan, "odd side"));
}

// FFmpeg starts on the plan for a typical source before ffprobe answers; for
// an ordinary source that first run must be the right one, and for one that
// needs adjusting it must not.
TEST(ConversionPlanTest, TheTypicalSourcePlanFitsOrdinarySources)
{
    const std::vector<std::pair<std::string, std::string>> lines{
        {"/o.mpg", "128"}, {"/o.wmv", "128"}, {"/o.mov", "128"}, {"/o.avi", "128"}, {"/o.mp4", "128"}, {"/o.3gp", "4.75"}, {"/o.mp3", "128"}, {"/o.amr", "4.75"}, {"/o.wma", "128"}, {"/o.wav", "128"}};
    for (const auto& [output, kbps] : lines) {
        const ConvRequest request = Request(output, kbps);
        const ConversionPlan guess = Plan(request, TypicalSource(request));
        for (const SourceInfo& source : {Flv(25, 22050, 1), Flv(29.97, 44100, 2), Flv(25, 48000, 2)}) {
            // WMA's frame, and so the silence put before its sound, is shorter at 22050 Hz.
            const bool shorterWmaFrame = (output.ends_with(".wma") || output.ends_with(".wmv")) &&
                                         source.audio->sampleRate == 22050;
            EXPECT_EQ(SameProcesses(guess, Plan(request, source)), !shorterWmaFrame) << output;
        }
    }
    const ConvRequest mpg = Request("/o.mpg");
    EXPECT_FALSE(SameProcesses(Plan(mpg, TypicalSource(mpg)), Plan(mpg, Flv(15, 22050, 1))));
    const ConvRequest mp3 = Request("/o.mp3", "256");
    EXPECT_FALSE(SameProcesses(Plan(mp3, TypicalSource(mp3)), Plan(mp3, Flv(25, 22050, 1))));
    SourceInfo silent = Flv(25, 44100, 2);
    silent.audio.reset();
    const ConvRequest mp4 = Request("/o.mp4");
    EXPECT_FALSE(SameProcesses(Plan(mp4, TypicalSource(mp4)), Plan(mp4, silent)));
}

// The output starts on the first picture only when that leaves out no more
// than an encoder's priming of sound and no cut says where it starts; MP3 in
// AVI starts past its encoder's priming, counted at the source's rate.
TEST(ConversionPlanTest, SoundIsPlacedAgainstTheFirstPicture)
{
    struct Row {
        const char* output;
        double pictureStart;
        bool cut;
        int sourceRate;
        const char* offset;    // "" for none
        const char* firstPts;  // aresample's
    };
    for (const Row& row : {Row{"/o.mp4", 0.046, false, 44100, "-0.046000", "0"},
                           Row{"/o.mp3", 0.025, false, 44100, "-0.025000", "0"},
                           Row{"/o.mp4", 0.6, false, 44100, "", "0"},
                           Row{"/o.mp4", 0.046, true, 44100, "", "0"},
                           Row{"/o.avi", 0, false, 44100, "", "1105"},
                           Row{"/o.avi", 0, false, 22050, "", "1105"},
                           Row{"/o.avi", 0, false, 96000, "", "2210"}}) {
        ConvRequest request = Request(row.output);
        if (row.cut) request.startSeconds = 1;
        SourceInfo source = Flv(25, row.sourceRate, 2);
        source.durationSeconds = 3;
        source.video->startSeconds = row.pictureStart;
        const ConversionPlan plan = Plan(request, source);
        SCOPED_TRACE(std::string(row.output) + " " + std::to_string(row.pictureStart));
        EXPECT_EQ(ValueOf(plan.encodeArguments, "-itsoffset"), row.offset);
        EXPECT_EQ(ValueOf(plan.encodeArguments, "-af"), std::string("aresample=async=1:first_pts=") + row.firstPts);
        if (*row.offset) {
            EXPECT_DOUBLE_EQ(plan.expected.seconds, 3 - row.pictureStart);
        }
    }
}
