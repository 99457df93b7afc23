#include <gtest/gtest.h>

#include "FfmpegLog.h"

using namespace tavoclip;
using Level = FfmpegMessage::Level;

namespace {

std::vector<FfmpegMessage> ReadWhole(std::string_view text, std::size_t pieceSize)
{
    FfmpegLog log;
    std::vector<FfmpegMessage> messages;
    for (std::size_t at = 0; at < text.size(); at += pieceSize)
        for (FfmpegMessage& message : log.Add(text.substr(at, pieceSize))) messages.push_back(std::move(message));
    for (FfmpegMessage& message : log.Finish()) messages.push_back(std::move(message));
    return messages;
}

}  // namespace

TEST(FfmpegLogTest, TellsLevelsApartWhereverThePiecesAreCut)
{
    const std::string_view text =
        "[info] Input #0, flv, from 'file:a.flv':\n"
        "[info]     title           : two\n"
        "                    : lines\n"
        "[flv @ 0x55d0c8] [warning] Packet mismatch\r\n"
        "[mp3float @ 0x55d0c9] [error] Header missing\n"
        "[fatal] At least one output file must be specified";  // the last line has no line break
    for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{7}, text.size()}) {
        const auto messages = ReadWhole(text, pieceSize);
        ASSERT_EQ(messages.size(), 6u) << pieceSize;
        EXPECT_EQ(messages[0].level, Level::Info);
        EXPECT_EQ(messages[0].text, "Input #0, flv, from 'file:a.flv':");
        EXPECT_EQ(messages[2].level, Level::Info) << "a line without a marker continues the one before";
        EXPECT_EQ(messages[2].text, "                    : lines");
        EXPECT_EQ(messages[3].level, Level::Warning);
        EXPECT_EQ(messages[3].text, "[flv @ 0x55d0c8] Packet mismatch");
        EXPECT_EQ(messages[4].level, Level::Error);
        EXPECT_EQ(messages[4].text, "[mp3float @ 0x55d0c9] Header missing");
        EXPECT_EQ(messages[5].level, Level::Error);
        EXPECT_EQ(messages[5].text, "At least one output file must be specified");
    }
}

TEST(FfmpegLogTest, BracketsInTheMessageAreNotALevel)
{
    FfmpegLog log;
    const auto messages = log.Add("[error] file:[info] x.flv: No such file\n[info] [error] in a title\n");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].level, Level::Error);
    EXPECT_EQ(messages[0].text, "file:[info] x.flv: No such file");
    EXPECT_EQ(messages[1].level, Level::Info);
    EXPECT_EQ(messages[1].text, "[error] in a title");
}

// An FFmpeg that writes without line breaks must not make the log grow
// without end: the line is kept up to the limit, the rest up to its line
// break dropped, and the next line read as usual.
TEST(FfmpegLogTest, ALineLongerThanTheLimitIsCut)
{
    const std::string text = "[error] " + std::string(3 * FfmpegLog::kLongestLine, 'x') + "\n[error] next\nlast";
    for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{4096}, text.size()}) {
        const auto messages = ReadWhole(text, pieceSize);
        ASSERT_EQ(messages.size(), 3u) << pieceSize;
        EXPECT_EQ(messages[0].text, std::string(FfmpegLog::kLongestLine - 8, 'x')) << pieceSize;
        EXPECT_EQ(messages[0].level, Level::Error);
        EXPECT_EQ(messages[1].text, "next");
        EXPECT_EQ(messages[2].text, "last");
    }
}
