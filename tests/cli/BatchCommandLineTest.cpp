#include "BatchCommandLine.h"
#include "ConverterCommand.h"
#include "RawText.h"

#include <gtest/gtest.h>

namespace tavoclip {
namespace {

BatchCommandLine Parsed(QStringList arguments, BatchAction expected = BatchAction::Convert)
{
    arguments.prepend("tavoclip-batch");
    BatchCommandLine commandLine;
    EXPECT_EQ(commandLine.Parse(arguments), expected) << commandLine.message();
    return commandLine;
}

TEST(BatchCommandLineTest, FormatByShortNameListTextOrIndexAppliesTheFormatChangeRule)
{
    for (const char* format : {"3gp", "3GP(CellPhone Video)", "5"}) {
        const BatchRequest request = Parsed({"-f", format, "a.flv"}).request();
        const FormatChangeResult rule = ApplyFormatChange(5);
        EXPECT_EQ(request.selections.formatIndex, 5) << format;
        EXPECT_EQ(request.selections.audioBitrate, kAmrAudioBitrates[rule.audioBitrateIndex]);
        EXPECT_EQ(request.selections.screenSize, kScreenSizes[rule.screenSizeIndex]);
        EXPECT_EQ(request.selections.videoBitrate, kVideoBitrates[rule.videoBitrateIndex]);
    }
    const BatchRequest defaults = Parsed({"a.flv", "dir"}).request();
    EXPECT_EQ(defaults.selections.formatIndex, 0);
    EXPECT_EQ(defaults.paths, (std::vector<std::string>{"a.flv", "dir"}));
    EXPECT_EQ(defaults.options.completionSoundIndex, 1);
    EXPECT_FALSE(defaults.options.cutterOn());
    EXPECT_FALSE(defaults.dryRun);
}

TEST(BatchCommandLineTest, ExplicitValuesOverrideTheRuleAndOptionsAreTaken)
{
    const BatchRequest request = Parsed({"--format", "AMR", "-a", "12.2k", "-b", "320k", "-s", "640x480", "-o", "out",
                                         "--sound", "--converter", "/opt/conv", "-n", "x.flv"})
                                     .request();
    EXPECT_EQ(request.selections.audioBitrate, "12.2k");
    EXPECT_EQ(request.selections.videoBitrate, "320k");
    EXPECT_EQ(request.selections.screenSize, "640x480");
    EXPECT_EQ(request.outputFolder, "out");
    EXPECT_EQ(request.converter, "/opt/conv");
    EXPECT_EQ(request.options.completionSoundIndex, 0);
    EXPECT_TRUE(request.dryRun);
}

TEST(BatchCommandLineTest, ValuesOutsideTheirListsAreRefusedWithTheAllowedValues)
{
    // AMR bitrates belong to AMR and 3GP only.
    BatchCommandLine amrRate = Parsed({"-f", "MP3", "-a", "12.2k", "a.flv"}, BatchAction::Refused);
    EXPECT_EQ(amrRate.message(), "Audio bitrate \"12.2k\" is not allowed here. Allowed: 64k, 80k, 96k, 128k, 196k, 256k, 320k.");
    EXPECT_NE(Parsed({"-s", "100x100", "a.flv"}, BatchAction::Refused).message().find("Allowed: 128x96,"),
              std::string::npos);
    EXPECT_NE(Parsed({"-f", "OGG", "a.flv"}, BatchAction::Refused).message().find("MPG, WMV"), std::string::npos);
    Parsed({"-f", "10", "a.flv"}, BatchAction::Refused);
    Parsed({"-b", "100k", "a.flv"}, BatchAction::Refused);
    Parsed({"--bogus", "a.flv"}, BatchAction::Refused);
    Parsed({"-f", "MP4"}, BatchAction::Refused);  // no PATH
    EXPECT_EQ(BatchCommandLine::kRefusedStatus, 2);
}

TEST(BatchCommandLineTest, CutTakesSecondsOrHoursMinutesSeconds)
{
    const BatchRequest request = Parsed({"a.flv", "--cut", "1:02:03", "90", "-f", "MP3"}).request();
    EXPECT_TRUE(request.options.cutterOn());
    EXPECT_EQ(request.options.cutStartSeconds, 3723);
    EXPECT_EQ(request.options.cutLengthSeconds, 90);
    EXPECT_EQ(request.paths, (std::vector<std::string>{"a.flv"}));
    EXPECT_EQ(request.selections.formatIndex, 6);

    EXPECT_EQ(ParseCutSeconds("2:30"), 150);
    EXPECT_EQ(ParseCutSeconds("0"), 0);
    EXPECT_EQ(ParseCutSeconds("2.5"), 2.5);
    EXPECT_EQ(ParseCutSeconds("1:01.25"), 61.25);
    for (const char* bad : {"", "-1", "1:x", "1::2", "1:2:3:4", "ten"}) EXPECT_EQ(ParseCutSeconds(bad), std::nullopt) << bad;

    // Both spellings; a later --cut replaces an earlier one.
    for (const QStringList& words : {QStringList{"--cut=10", "20", "a.flv"}, QStringList{"--cut", "5", "6", "--cut", "10", "20", "a.flv"},
                                     QStringList{"--cut", "1", "2", "a.flv", "--cut=10", "20"}}) {
        const BatchRequest cut = Parsed(words).request();
        EXPECT_EQ(cut.options.cutStartSeconds, 10) << words.join(' ').toStdString();
        EXPECT_EQ(cut.options.cutLengthSeconds, 20);
        EXPECT_EQ(cut.paths, (std::vector<std::string>{"a.flv"}));
    }
    EXPECT_EQ(Parsed({"--", "--cut", "1", "2"}).request().paths, (std::vector<std::string>{"--cut", "1", "2"}));
    Parsed({"a.flv", "--cut=10"}, BatchAction::Refused);
    Parsed({"a.flv", "--cut", "10"}, BatchAction::Refused);
    Parsed({"a.flv", "--cut", "10", "0"}, BatchAction::Refused);
}

// A fraction of a second reaches the converter as given; whole seconds keep
// the line the window writes.
TEST(BatchCommandLineTest, CutKeepsFractionsOfASecond)
{
    struct Row {
        const char* start;
        const char* length;
        const char* cutText;
        std::int32_t progressSeconds;
    };
    for (const Row& row : {Row{"1.5", "2", " -ss 1.5 -t 2 ", 2}, Row{"0:01.250", "0.5", " -ss 1.25 -t 0.5 ", 1},
                           Row{"3", "4.75", " -ss 3 -t 4.75 ", 5}, Row{"3.0", "4", " -ss 3 -t 4 ", 4}}) {
        const BatchRequest request = Parsed({"a.flv", "--cut", row.start, row.length, "-f", "MP3"}).request();
        ConversionRequest command;
        command.sourcePath = "a.flv";
        command.formatIndex = 6;
        command.options = request.options;
        EXPECT_NE(BuildConverterCommand(command, PathStyle::Posix).text.find(row.cutText), std::string::npos)
            << row.start << " " << row.length;
        EXPECT_EQ(request.options.cutLengthSeconds, row.progressSeconds) << row.length;
    }
}

TEST(BatchCommandLineTest, HelpVersionAndListNeedNoPath)
{
    EXPECT_NE(Parsed({"--help"}, BatchAction::Help).message().find("--dry-run"), std::string::npos);
    Parsed({"--version"}, BatchAction::Version);
    Parsed({"--list"}, BatchAction::List);
    const std::string list = BatchCommandLine::FormatList();
    EXPECT_NE(list.find("7  AMR  AMR(Ringtone Audio)"), std::string::npos);
    EXPECT_NE(list.find("AMR audio bitrates: 4.75k,"), std::string::npos);
}

TEST(BatchCommandLineTest, NamesThatAreNotUtf8KeepTheirExactBytes)
{
    const std::string source = "/in/a\xff\xfe.flv";
    const BatchRequest request =
        Parsed({DecodeRawText(source), "-o", DecodeRawText("/o\xc3"), "--converter=" + DecodeRawText("/c\x80")}).request();
    EXPECT_EQ(request.paths, (std::vector<std::string>{source}));
    EXPECT_EQ(request.outputFolder, "/o\xc3");
    EXPECT_EQ(request.converter, "/c\x80");
    // Well-formed text, four-byte characters included, is unchanged; an
    // encoded surrogate is not well-formed and comes back byte for byte.
    for (const std::string text : {"caf\xc3\xa9 \xf0\x9f\x98\x80", "\xed\xb2\x80", "\xf0\x9f\x98", "\xc0\xaf"}) {
        EXPECT_EQ(EncodeRawText(DecodeRawText(text)), text);
    }
    EXPECT_EQ(DecodeRawText("caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
}

}  // namespace
}  // namespace tavoclip
