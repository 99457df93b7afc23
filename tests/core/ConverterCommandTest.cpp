#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ConverterCommand.h"

using namespace tavoclip;

namespace {

ConversionRequest WindowsRequest(int format, std::string audio = "128k") {
    ConversionRequest r;
    r.programFolder = "C:\\Conv";
    r.sourcePath = "C:\\Videos\\holiday.clip.flv";
    r.outputFolder = "C:\\Conv\\output";
    r.formatIndex = format;
    r.videoBitrate = "128k";
    r.screenSize = "320x240";
    r.audioBitrate = std::move(audio);
    return r;
}

ConversionRequest PosixRequest(int format) {
    ConversionRequest r = WindowsRequest(format);
    r.programFolder = "/opt/conv";
    r.sourcePath = "/home/me/holiday.clip.flv";
    r.outputFolder = "/home/me/out";
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

TEST(BuildConverterCommand, ReproducesTheWorkedExamples) {
    EXPECT_EQ(BuildConverterCommand(WindowsRequest(0), PathStyle::Windows).text,
              "C:\\Conv\\data\\conv.exe -i \"C:\\Videos\\holiday.clip.flv\" -y -b 128k -s 320x240 "
              "-ab 128k \"C:\\Conv\\output\\holiday.mpg\"");

    ConversionRequest cut = WindowsRequest(0);
    cut.options.musicCutterEnabled = 1;
    cut.options.cutStartSeconds = 30;
    cut.options.cutLengthSeconds = 90;
    EXPECT_EQ(BuildConverterCommand(cut, PathStyle::Windows).text,
              "C:\\Conv\\data\\conv.exe -i \"C:\\Videos\\holiday.clip.flv\" -ss 30 -t 90 -y -b 128k "
              "-s 320x240 -ab 128k \"C:\\Conv\\output\\holiday.mpg\"");

    EXPECT_EQ(BuildConverterCommand(WindowsRequest(7, "12.2k"), PathStyle::Windows).text,
              "C:\\Conv\\data\\conv.exe -i \"C:\\Videos\\holiday.clip.flv\" -y -vn -ar 8000 -ab 12.2k "
              "-ac 1 \"C:\\Conv\\output\\holiday.amr\"");
}

TEST(BuildConverterCommand, WritesEveryFormatCharacterForCharacterInBothStyles) {
    for (int format = 0; format < 10; ++format) {
        for (bool cutter : {false, true}) {
            ConversionRequest w = WindowsRequest(format);
            ConversionRequest p = PosixRequest(format);
            w.options = p.options = {0, static_cast<std::int16_t>(cutter ? 1 : 0), -5, 12};
            const std::string cut = cutter ? " -ss -5 -t 12" : "";
            EXPECT_EQ(BuildConverterCommand(w, PathStyle::Windows).text,
                      "C:\\Conv\\data\\conv.exe -i \"C:\\Videos\\holiday.clip.flv\"" + cut +
                          kOptionsText[format] + "\"C:\\Conv\\output\\holiday" + kExtensions[format] + "\"");
            const ConverterCommand posix = BuildConverterCommand(p, PathStyle::Posix);
            EXPECT_EQ(posix.text, "/opt/conv/data/conv -i \"/home/me/holiday.clip.flv\"" + cut +
                                      kOptionsText[format] + "\"/home/me/out/holiday" + kExtensions[format] + "\"");
            EXPECT_EQ(posix.outputPath, "/home/me/out/holiday" + kExtensions[format]);
        }
    }
}

TEST(BuildConverterCommand, ArgumentsAreTheWordsOfTheLineWithPathsKeptWhole) {
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

TEST(BuildConverterCommand, HostileNamesReachTheConverterAsOneUnchangedArgument) {
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

TEST(BuildConverterCommand, QuotesAWindowsConverterPathWithSpacesOnly) {
    ConversionRequest r = WindowsRequest(6);
    r.programFolder = "C:\\Program Files\\Tavoclip";
    const ConverterCommand command = BuildConverterCommand(r, PathStyle::Windows);
    EXPECT_EQ(command.text.rfind("\"C:\\Program Files\\Tavoclip\\data\\conv.exe\" -i ", 0), 0u);
    EXPECT_EQ(command.arguments.front(), "C:\\Program Files\\Tavoclip\\data\\conv.exe");
}

TEST(BuildConverterCommand, OutputFolderPrefixAndBaseName) {
    struct Case {
        std::string folder, source, output;
    };
    const std::vector<Case> windows{
        {"C:\\out\\", "D:\\a\\b.c\\movie.part1.flv", "C:\\out\\movie.mp3"},  // trailing separator kept
        {"C:\\out", "clip", "C:\\out\\clip.mp3"},                              // no separator, no dot
        {"C:\\out", "C:\\v\\.hidden.flv", "C:\\out\\.mp3"},                    // leading dot
        {"", "C:\\v\\x.flv", "\\x.mp3"},                                       // empty folder text
        {"C:\\out", "C:/v/y.flv", "C:\\out\\C:/v/y.mp3"},                      // only the backslash splits
    };
    for (const Case& c : windows) {
        ConversionRequest r = WindowsRequest(6);
        r.outputFolder = c.folder;
        r.sourcePath = c.source;
        EXPECT_EQ(BuildConverterCommand(r, PathStyle::Windows).outputPath, c.output) << c.source;
    }
    ConversionRequest r = PosixRequest(6);
    r.outputFolder = "/out/";
    r.sourcePath = "/a/b.c/movie.part1.flv";
    EXPECT_EQ(BuildConverterCommand(r, PathStyle::Posix).outputPath, "/out/movie.mp3");
    r.outputFolder = "";
    r.sourcePath = "x.1.flv";
    EXPECT_EQ(BuildConverterCommand(r, PathStyle::Posix).outputPath, "/x.mp3");
}

TEST(BuildConverterCommand, AnUnknownFormatBuildsNothing) {
    for (int format : {-1, 10, 1000}) {
        const ConverterCommand command = BuildConverterCommand(WindowsRequest(format), PathStyle::Windows);
        EXPECT_TRUE(command.empty());
        EXPECT_EQ(command.text, "");
    }
}

TEST(PathSplitting, FileNameAndBaseName) {
    EXPECT_EQ(GetFileName("C:\\a\\b.c\\movie.part1.flv", PathStyle::Windows), "movie.part1.flv");
    EXPECT_EQ(GetBaseName("C:\\a\\b.c\\movie.part1.flv", PathStyle::Windows), "movie");
    EXPECT_EQ(GetFileName("clip", PathStyle::Windows), "clip");
    EXPECT_EQ(GetFileName("C:\\dir\\", PathStyle::Windows), "");
    EXPECT_EQ(GetFileName("", PathStyle::Windows), "");
    EXPECT_EQ(GetBaseName("", PathStyle::Posix), "");
    EXPECT_EQ(GetBaseName("/a/.bashrc", PathStyle::Posix), "");
    EXPECT_EQ(GetBaseName("/a.b/noext", PathStyle::Posix), "noext");
    EXPECT_EQ(GetFileName("a\\b/c", PathStyle::Posix), "c");
}
