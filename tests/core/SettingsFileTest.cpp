#include <random>

#include <gtest/gtest.h>

#include "SettingsFile.h"

using namespace tavoclip;

namespace {
std::vector<std::string> AllValues(std::string_view content)
{
    SettingsFieldReader reader(content);
    std::vector<std::string> values;
    while (auto value = reader.Next())
        values.push_back(*value);
    return values;
}
}  // namespace

TEST(SettingsFieldReaderTest, FollowsTheFieldRule)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(AllValues("\"4\"\r\n\"C:\\a, b\"\r\n"), (V{"4", "C:\\a, b"})) << "quoted values keep commas";
    EXPECT_EQ(AllValues("  12,34\r\n-5"), (V{"12", "34", "-5"})) << "bare values end at a comma";
    EXPECT_EQ(AllValues("\"x\" junk,7\n"), (V{"x", "7"})) << "text after the closing quote is passed over";
    EXPECT_EQ(AllValues("1\r2\n3\r\n"), (V{"1", "2", "3"})) << "any line end";
    EXPECT_EQ(AllValues("\"\"\r\n"), (V{""}));
    EXPECT_EQ(AllValues("\"unclosed"), (V{"unclosed"}));
    EXPECT_TRUE(AllValues("").empty());
}

TEST(SetupIniTest, WritesFiveQuotedCrLfLinesAndReadsThemBack)
{
    MainSettings settings;
    settings.videoBitrateIndex = 7;
    settings.screenSizeIndex = 11;
    settings.audioBitrateIndex = 0;
    settings.outputFolder = "/home/me/My Videos, 2026";
    settings.outputFormatIndex = 6;
    const std::string text = WriteSetupIni(settings);
    EXPECT_EQ(text, "\"7\"\r\n\"11\"\r\n\"0\"\r\n\"/home/me/My Videos, 2026\"\r\n\"6\"\r\n");

    const SavedMainSettings saved = ReadSetupIni(text);
    EXPECT_EQ(saved.videoBitrateIndex, 7);
    EXPECT_EQ(saved.screenSizeIndex, 11);
    EXPECT_EQ(saved.audioBitrateIndex, 0);
    EXPECT_EQ(saved.outputFolder, settings.outputFolder);
    EXPECT_EQ(saved.outputFormatIndex, 6);
}

TEST(SetupIniTest, FolderWithDoubleQuoteSurvivesAndOtherPathsAreUnchanged)
{
    MainSettings settings;
    settings.outputFolder = "/media/\"clips\"/a\"\"b\"";
    const SavedMainSettings saved = ReadSetupIni(WriteSetupIni(settings));
    EXPECT_EQ(saved.outputFolder, settings.outputFolder);
    EXPECT_EQ(saved.outputFormatIndex, 0) << "the values after the path stay in step";

    settings.outputFolder = "C:\\Program Files\\Tavoclip\\output";
    EXPECT_NE(WriteSetupIni(settings).find("\"C:\\Program Files\\Tavoclip\\output\"\r\n"), std::string::npos);
}

TEST(SetupIniTest, BadOrMissingValuesAreEmptyAndTheRestStillReads)
{
    const SavedMainSettings bad = ReadSetupIni("\"abc\"\r\n\"2.5\"\r\n\"3x\"\r\n\"\"\r\n\"99999999999\"\r\n");
    EXPECT_FALSE(bad.videoBitrateIndex);
    EXPECT_EQ(bad.screenSizeIndex, 2) << "2.5 rounds to the even neighbour";
    EXPECT_FALSE(bad.audioBitrateIndex) << "trailing text makes it no number";
    EXPECT_EQ(bad.outputFolder, "");
    EXPECT_FALSE(bad.outputFormatIndex) << "beyond 32 bits";

    const SavedMainSettings early = ReadSetupIni("\"3\"\r\n\"5\"\r\n");
    EXPECT_EQ(early.screenSizeIndex, 5);
    EXPECT_FALSE(early.audioBitrateIndex);
    EXPECT_FALSE(early.outputFolder);
    EXPECT_FALSE(early.outputFormatIndex);
}

TEST(OptionsIniTest, WritesFourBareCrLfLinesAndReadsThemBack)
{
    const ConversionOptions options{1, 1, -30, 90};
    const std::string text = WriteOptionsIni(options);
    EXPECT_EQ(text, "1\r\n1\r\n-30\r\n90\r\n");
    EXPECT_EQ(ReadOptionsIni(text, {}), options);
}

TEST(OptionsIniTest, ReadsLeadingNumbersAndKeepsFieldsOutOfRange)
{
    const ConversionOptions start{0, 0, 5, 6};
    const ConversionOptions read = ReadOptionsIni("1.5\r\n-1\r\nabc\r\n2.5e1s\r\n", start);
    EXPECT_EQ(read.completionSoundIndex, 2);
    EXPECT_TRUE(read.cutterOn()) << "-1 counts as on";
    EXPECT_EQ(read.cutStartSeconds, 0) << "no leading number gives 0";
    EXPECT_EQ(read.cutLengthSeconds, 25);

    const ConversionOptions range = ReadOptionsIni("32768\r\n-32769\r\n2147483648\r\n-2147483649\r\n", start);
    EXPECT_EQ(range, start);
    const ConversionOptions edge = ReadOptionsIni("32767\r\n-32768\r\n2147483647\r\n-2147483648\r\n", start);
    EXPECT_EQ(edge, (ConversionOptions{32767, -32768, 2147483647, -2147483647 - 1}));

    EXPECT_EQ(ReadOptionsIni("1\r\n", start), (ConversionOptions{1, 0, 5, 6})) << "a short file keeps the rest";
}

TEST(SettingsFileTest, RandomBytesNeverCrash)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 300);
    for (int round = 0; round < 500; ++round) {
        std::string content(length(random), '\0');
        for (char& c : content)
            c = static_cast<char>(byte(random));
        // The odd byte mix favours quotes, commas and line ends.
        for (std::size_t i = 0; i < content.size(); i += 7)
            content[i] = "\",\r\n 1."[i % 7];
        ReadSetupIni(content);
        ReadOptionsIni(content, {});
    }
}
