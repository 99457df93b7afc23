// Output names in a batch never land on a source or on another output of
// the same batch; the real converter on real clips.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "BatchProgramFixture.h"

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

class OutputNamingTest : public BatchProgramFixture {
protected:
    void SetUp() override
    {
        if (!fs::exists(CONV_PATH)) GTEST_SKIP() << "the converter has not been built";
    }
    // The output of each DONE line, in order.
    static std::vector<std::string> DoneOutputs(const RunResult& run)
    {
        std::vector<std::string> outputs;
        for (const std::string& line : run.lines) {
            const std::size_t arrow = line.find(" -> ");
            if (line.starts_with("DONE ") && arrow != std::string::npos) outputs.push_back(line.substr(arrow + 4));
        }
        return outputs;
    }
    // The quoted output that ends each dry-run line.
    static std::vector<std::string> PlannedOutputs(const RunResult& run)
    {
        std::vector<std::string> outputs;
        for (const std::string& line : run.lines) {
            const std::size_t open = line.rfind('"', line.size() - 2);
            if (line.ends_with('"') && open != std::string::npos) outputs.push_back(line.substr(open + 1, line.size() - open - 2));
        }
        return outputs;
    }
};

TEST_F(OutputNamingTest, AFolderConvertedIntoItselfKeepsItsSourcesAndGetsAnOutputForEach)
{
    ASSERT_TRUE(MakeClip("holiday/holiday.mp4", 7));
    ASSERT_TRUE(MakeClip("holiday/holiday.flv", 2));
    const std::string film = Bytes(Path("holiday/holiday.mp4"));
    const std::string clip = Bytes(Path("holiday/holiday.flv"));

    const RunResult run = Run({"-f", "MP4", "-o", Q("holiday"), Q("holiday")});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.back(), "SUMMARY 2 converted, 0 failed");
    EXPECT_EQ(Bytes(Path("holiday/holiday.mp4")), film);
    EXPECT_EQ(Bytes(Path("holiday/holiday.flv")), clip);
    EXPECT_EQ(DoneOutputs(run), (std::vector<std::string>{Path("holiday/holiday (2).mp4"), Path("holiday/holiday (3).mp4")}));
    EXPECT_NEAR(Duration(Path("holiday/holiday (2).mp4")), 2, 0.5);
    EXPECT_NEAR(Duration(Path("holiday/holiday (3).mp4")), 7, 0.5);
}

TEST_F(OutputNamingTest, CollidingNamesGiveAnOutputEachAndTheDryRunNamesThem)
{
    for (const char* name : {"in/dir1/clip.flv", "in/dir2/clip.flv", "in/a.b.flv", "in/a.c.flv"}) {
        ASSERT_TRUE(MakeClip(name, 1));
    }
    const std::string existing = Write("out/a.mp3", "made before the batch");
    const QStringList arguments = {"-f", "MP3", "-o", Q("out"), Q("in")};
    const std::vector<std::string> planned = PlannedOutputs(Run(QStringList{"-n"} + arguments));
    const RunResult run = Run(arguments);

    EXPECT_EQ(run.status, 0) << run.errors;
    const std::vector<std::string> written = DoneOutputs(run);
    // A file that was there before the batch is kept, like the batch's own.
    EXPECT_EQ(written, (std::vector<std::string>{Path("out/a (2).mp3"), Path("out/a (3).mp3"), Path("out/clip.mp3"),
                                                 Path("out/clip (2).mp3")}));
    EXPECT_EQ(planned, written);
    EXPECT_EQ(Bytes(existing), "made before the batch");
    for (const std::string& output : written) EXPECT_NEAR(Duration(output), 1, 0.3) << output;
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("out")), fs::directory_iterator()), 5);
}

TEST_F(OutputNamingTest, ALoneFileConvertedIntoItsOwnFolderGetsANumberedName)
{
    ASSERT_TRUE(MakeClip("x.mp4", 1));
    const std::string source = Bytes(Path("x.mp4"));
    const RunResult run = Run({"-f", "MP4", Q("x.mp4")});  // into the current folder, which holds it
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(DoneOutputs(run), (std::vector<std::string>{Path("x (2).mp4")}));
    EXPECT_EQ(Bytes(Path("x.mp4")), source);
}

// What already has the output's name: a file of the user's, or a link
// someone planted in a shared folder pointing at a file of the user's.
struct ExistingNameRow {
    const char* what;
    bool link;
    bool overwrite;
    const char* expectedName;
};

class ExistingNameTest : public OutputNamingTest, public ::testing::WithParamInterface<ExistingNameRow> {};

TEST_P(ExistingNameTest, IsKeptUnlessOverwriteAndALinkIsNeverFollowed)
{
    const ExistingNameRow row = GetParam();
    ASSERT_TRUE(MakeClip("in/x.flv", 1));
    const std::string victim = Write("victim.txt", "the user's file");
    fs::permissions(victim, fs::perms::all);
    fs::create_directory(Path("out"));
    if (row.link) fs::create_symlink(victim, Path("out/x.mp3"));
    else Write("out/x.mp3", "the user's file");

    QStringList arguments = {"-f", "MP3", "-o", Q("out"), Q("in/x.flv")};
    if (row.overwrite) arguments.prepend("--overwrite");
    const std::vector<std::string> planned = PlannedOutputs(Run(QStringList{"-n"} + arguments));
    const RunResult run = Run(arguments);

    EXPECT_EQ(run.status, 0) << run.errors;
    const std::string output = Path(std::string("out/") + row.expectedName);
    EXPECT_EQ(DoneOutputs(run), std::vector<std::string>{output});
    EXPECT_EQ(planned, std::vector<std::string>{output});
    EXPECT_NEAR(Duration(output), 1, 0.3);
    // The output's mode is what the umask gives a new file, whatever lay there.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::symlink_status(output).permissions()), 0666 & ~mask);
    EXPECT_EQ(Bytes(victim), "the user's file");
    EXPECT_EQ(fs::status(victim).permissions(), fs::perms::all);
    if (!row.overwrite) {
        EXPECT_EQ(row.link ? fs::read_symlink(Path("out/x.mp3")).string() : Bytes(Path("out/x.mp3")),
                  row.link ? victim : "the user's file");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ExistingNameTest,
                         ::testing::Values(ExistingNameRow{"KeptFile", false, false, "x (2).mp3"},
                                           ExistingNameRow{"ReplacedFile", false, true, "x.mp3"},
                                           ExistingNameRow{"KeptLink", true, false, "x (2).mp3"},
                                           ExistingNameRow{"ReplacedLink", true, true, "x.mp3"}),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace tavoclip
