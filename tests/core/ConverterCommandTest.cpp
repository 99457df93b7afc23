#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ConverterCommand.h"

using namespace tavoclip;

namespace {

ConversionRequest PosixRequest(int format, std::string audio = "128k")
{
    ConversionRequest r;
    r.programFolder = "/opt/conv";
    r.sourcePath = "/home/me/holiday.clip.flv";
    r.outputFolder = "/home/me/out";
    r.formatIndex = format;
    r.videoBitrate = "128k";
    r.screenSize = "320x240";
    r.audioBitrate = std::move(audio);
    return r;
}

// Everything after the quoted source, for each format, exactly.
const std::array<std::string, 10> kOptionsText{
    " -y -b 128k -s 320x240 -ab 128k ",
    " -y -vcodec wmv2 -acodec wmav2 -b 128k -s 320x240 -ab 128k ",
    " -y -b 128k -s 320x240 -ab 128k ",
    " -y -b 128k -s 320x240 -ab 128k ",
    " -y -b 128k -s 320x240 -ab 128k ",
    " -y -b 128k -s 320x240 -acodec libamr_nb -ac 1 -ar 8000 -ab 128k ",
    " -y -vn -ab 128k ",
    " -y -vn -ar 8000 -ab 128k -ac 1 ",
    " -y -vn  -acodec wmav1 -ab 128k ",
    " -y -vn  -ab 128k ",
};
const std::array<std::string, 10> kExtensions{".mpg", ".wmv", ".mov", ".avi", ".mp4",
                                              ".3gp", ".mp3", ".amr", ".wma", ".wav"};

}  // namespace

TEST(BuildConverterCommand, ReproducesTheWorkedExamples)
{
    ConversionRequest cut = PosixRequest(0);
    cut.options.musicCutterEnabled = 1;
    cut.options.cutStartSeconds = 30;
    cut.options.cutLengthSeconds = 90;
    EXPECT_EQ(BuildConverterCommand(cut, PathStyle::Posix).text,
              "/opt/conv/data/conv -i \"/home/me/holiday.clip.flv\" -ss 30 -t 90 -y -b 128k "
              "-s 320x240 -ab 128k \"/home/me/out/holiday.mpg\"");

    EXPECT_EQ(BuildConverterCommand(PosixRequest(7, "12.2k"), PathStyle::Posix).text,
              "/opt/conv/data/conv -i \"/home/me/holiday.clip.flv\" -y -vn -ar 8000 -ab 12.2k "
              "-ac 1 \"/home/me/out/holiday.amr\"");
}

TEST(BuildConverterCommand, WritesEveryFormatCharacterForCharacter)
{
    for (int format = 0; format < 10; ++format) {
        for (bool cutter : {false, true}) {
            ConversionRequest p = PosixRequest(format);
            p.options = {0, static_cast<std::int16_t>(cutter ? 1 : 0), -5, 12};
            const std::string cut = cutter ? " -ss -5 -t 12" : "";
            const ConverterCommand posix = BuildConverterCommand(p, PathStyle::Posix);
            EXPECT_EQ(posix.text, "/opt/conv/data/conv -i \"/home/me/holiday.clip.flv\"" + cut +
                                      kOptionsText[format] + "\"/home/me/out/holiday" + kExtensions[format] + "\"");
            EXPECT_EQ(posix.outputPath, "/home/me/out/holiday" + kExtensions[format]);
        }
    }
}

TEST(BuildConverterCommand, ArgumentsAreTheWordsOfTheLineWithPathsKeptWhole)
{
    for (int format = 0; format < 10; ++format) {
        ConversionRequest r = PosixRequest(format);
        r.options = {0, 1, 30, 90};
        const ConverterCommand command = BuildConverterCommand(r, PathStyle::Posix);
        // With plain names, splitting the text at spaces and dropping the quotes
        // must give exactly the argument vector.
        std::vector<std::string> words;
        std::string word;
        for (char c : command.text + ' ') {
            if (c == ' ') {
                if (!word.empty()) words.push_back(word);
                word.clear();
            } else if (c != '"') {
                word += c;
            }
        }
        EXPECT_EQ(command.arguments, words) << format;
    }
}

TEST(BuildConverterCommand, HostileNamesReachTheConverterAsOneUnchangedArgument)
{
    ConversionRequest r = PosixRequest(3);
    r.sourcePath = "/tmp/my \"best\" $(rm -rf ~) `id` -x ünïcødé.flv";
    r.outputFolder = "/tmp/out dir; ls";
    const ConverterCommand command = BuildConverterCommand(r, PathStyle::Posix);
    EXPECT_EQ(command.arguments.at(0), "/opt/conv/data/conv");
    EXPECT_EQ(command.arguments.at(1), "-i");
    EXPECT_EQ(command.arguments.at(2), r.sourcePath);
    EXPECT_EQ(command.arguments.back(), "/tmp/out dir; ls/my \"best\" $(rm -rf ~) `id` -x ünïcødé.avi");
    EXPECT_EQ(command.arguments.size(), 3u + 7u + 1u);
}

TEST(BuildConverterCommand, OutputFolderPrefixAndBaseName)
{
    struct Case {
        std::string folder, source, output;
    };
    const std::vector<Case> cases{
        {"/out/", "/a/b.c/movie.part1.flv", "/out/movie.mp3"},  // trailing separator kept
        {"/out", "clip", "/out/clip.mp3"},                      // no separator, no dot
        {"/out", "/v/.hidden.flv", "/out/.mp3"},                // leading dot
        {"", "x.1.flv", "/x.mp3"},                              // empty folder text
        {"/out", "/v/a\\b.flv", "/out/a\\b.mp3"},               // only the slash splits
    };
    for (const Case& c : cases) {
        ConversionRequest r = PosixRequest(6);
        r.outputFolder = c.folder;
        r.sourcePath = c.source;
        EXPECT_EQ(BuildConverterCommand(r, PathStyle::Posix).outputPath, c.output) << c.source;
    }
}

TEST(BuildConverterCommand, AnUnknownFormatBuildsNothing)
{
    for (int format : {-1, 10, 1000}) {
        const ConverterCommand command = BuildConverterCommand(PosixRequest(format), PathStyle::Posix);
        EXPECT_TRUE(command.empty());
        EXPECT_EQ(command.text, "");
    }
}

TEST(PathSplitting, FileNameAndBaseName)
{
    EXPECT_EQ(GetFileName("/a/b.c/movie.part1.flv", PathStyle::Posix), "movie.part1.flv");
    EXPECT_EQ(GetBaseName("/a/b.c/movie.part1.flv", PathStyle::Posix), "movie");
    EXPECT_EQ(GetFileName("clip", PathStyle::Posix), "clip");
    EXPECT_EQ(GetFileName("/dir/", PathStyle::Posix), "");
    EXPECT_EQ(GetFileName("", PathStyle::Posix), "");
    EXPECT_EQ(GetBaseName("", PathStyle::Posix), "");
    EXPECT_EQ(GetBaseName("/a/.bashrc", PathStyle::Posix), "");
    EXPECT_EQ(GetBaseName("/a.b/noext", PathStyle::Posix), "noext");
    EXPECT_EQ(GetFileName("a\\b/c", PathStyle::Posix), "c");
}
