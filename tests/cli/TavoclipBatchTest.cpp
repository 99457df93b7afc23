// Runs the built tavoclip-batch as a user's script would.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "BatchProgramFixture.h"
#include "OutputFormat.h"

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

using TavoclipBatchTest = BatchProgramFixture;

// Pauses between the lines keep each progress field in a chunk of its own.
const std::string kHalfway =
    "print Duration: 00:00:10.00, \nsleep 80\nprint frame= time=5.00 q\nsleep 80\nprint frame= time=10.00 q\n";

TEST_F(TavoclipBatchTest, ScriptLinesReportEveryFileAndAnyFailureSetsStatusOne)
{
    Write("in/b.flv", kHalfway);
    Write("in/A.flv", "print broken header\nexit 1\n");
    Write("in/sub/c.flv", kHalfway);
    const std::string single = Write("single.flv", kHalfway);
    const RunResult run = Run({"--converter", FAKECONV_PATH, "-f", "MP3", "-o", QString::fromStdString(Path("out")),
                               QString::fromStdString(Path("in")), QString::fromStdString(single)});

    const std::string out = Path("out");
    EXPECT_EQ(run.lines, (std::vector<std::string>{
                             "START 1/4 " + Path("in/A.flv"),
                             "FAILED " + Path("in/A.flv") + ": the converter exited with status 1: broken header",
                             "START 2/4 " + Path("in/b.flv"),
                             "PROGRESS 50%",
                             "PROGRESS 100%",
                             "DONE " + Path("in/b.flv") + " -> " + out + "/b.mp3",
                             "START 3/4 " + Path("in/sub/c.flv"),
                             "PROGRESS 50%",
                             "PROGRESS 100%",
                             "DONE " + Path("in/sub/c.flv") + " -> " + out + "/c.mp3",
                             "START 4/4 " + single,
                             "PROGRESS 50%",
                             "PROGRESS 100%",
                             "DONE " + single + " -> " + out + "/single.mp3",
                             "SUMMARY 3 converted, 1 failed"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("These files were not converted"), std::string::npos);
}

TEST_F(TavoclipBatchTest, DryRunPrintsTheCommandLinesAndRunsNothing)
{
    const std::string source = Write("my clip.flv", kHalfway);
    const RunResult run = Run({"-n", "--converter", FAKECONV_PATH, "-f", "AMR", "--cut", "0:05", "20", "-o", "/tmp/o",
                               QString::fromStdString(source)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines, (std::vector<std::string>{std::string(FAKECONV_PATH) + " -i \"" + source +
                                                   "\" -ss 5 -t 20 -y -vn -ar 8000 -ab 4.75k -ac 1 \"/tmp/o/my clip.amr\""}));
    EXPECT_EQ(Runs(), 0u);
}

TEST_F(TavoclipBatchTest, NothingToConvertOrRefusedArgumentsGiveStatusTwo)
{
    fs::create_directories(Path("empty"));
    const RunResult empty = Run({"--converter", FAKECONV_PATH, QString::fromStdString(Path("empty"))});
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.errors.find("Please add a file"), std::string::npos);
    EXPECT_EQ(Run({"-n", "--converter", FAKECONV_PATH, Q("empty")}).status, 2);
    EXPECT_EQ(Run({"-a", "7k", "x.flv"}).status, 2);
    EXPECT_EQ(Run({}).status, 2);
}

TEST_F(TavoclipBatchTest, MissingConverterStopsWithStatusOne)
{
    const RunResult run = Run({"--converter", QString::fromStdString(Path("no-such-conv")), QString::fromStdString(Write("a.flv", ""))});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("File or command not found"), std::string::npos);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.back(), "SUMMARY 0 converted, 1 failed");
}

// The real converter on a generated clip, to every format.
// One video and one sound-only format through the whole program: the
// converter's own tests convert into each of the ten formats and probe them.
TEST_F(TavoclipBatchTest, RealConverterConvertsAClipToAVideoAndASoundFormat)
{
    if (!fs::exists(CONV_PATH)) GTEST_SKIP() << "the converter has not been built";
    const std::string clip = Path("clip.avi");
    ASSERT_TRUE(tavoclip::MakeClip(QString::fromStdString(clip), 2, "320x240", 15));
    for (std::size_t i : {std::size_t{0}, std::size_t{7}}) {
        const std::string format(kOutputFormats[i].shortName);
        const RunResult run = Run({"-f", QString::number(i), "-o", QString::fromStdString(Path("out")), QString::fromStdString(clip)});
        EXPECT_EQ(run.status, 0) << format << run.errors;
        double last = -1;
        for (const std::string& line : run.lines) {
            if (!line.starts_with("PROGRESS ")) continue;
            const double percent = std::stod(line.substr(9));
            EXPECT_GE(percent, last) << format;
            last = percent;
        }
        EXPECT_EQ(last, 100) << format;
        const std::string output = Path("out") + "/clip" + std::string(kOutputFormats[i].extension);
        EXPECT_GT(fs::file_size(output), 0u) << format;
        ASSERT_FALSE(run.lines.empty());
        EXPECT_EQ(run.lines.back(), "SUMMARY 1 converted, 0 failed") << format;
    }
}

// --keep-folders: a folder's files land below the output folder at their
// path below the folder, its subfolders made with the names they have; a
// file named on its own lands in the output folder. Off, everything lands
// in the output folder. --print-jobs plans the same and makes the folders.
struct KeepFoldersRow {
    const char* what;
    QStringList options;
    std::vector<std::string> outputs;  // below out/, in queue order
};

class KeepFoldersTest : public BatchProgramFixture, public ::testing::WithParamInterface<KeepFoldersRow> {};

TEST_P(KeepFoldersTest, PlacesEachOutput)
{
    const KeepFoldersRow& row = GetParam();
    for (const char* name : {"Trip/top.flv", "Trip/Day 1/clip.flv", "Trip/Day 1/Ré #x/deep.flv", "lone.flv"})
        Write(name, "print Duration: 00:00:01.00, \n");
    const QStringList common = QStringList{"--converter", FAKECONV_PATH, "-f", "MP3", "-o", Q("out")} + row.options;
    const QStringList sources = {Q("Trip"), Q("lone.flv")};
    const RunResult jobs = Run(common + QStringList{"--print-jobs"} + sources);
    const RunResult run = Run(common + sources);

    EXPECT_EQ(run.status, 0) << run.errors;
    std::vector<std::string> done;
    std::vector<std::string> planned;
    for (const std::string& line : run.lines)
        if (line.starts_with("DONE ")) done.push_back(line.substr(line.find(" -> ") + 4));
    for (const std::string& line : jobs.lines) planned.push_back(line.substr(line.rfind(" '") + 2, line.size() - line.rfind(" '") - 3));
    std::vector<std::string> expected;
    for (const std::string& output : row.outputs) expected.push_back(Path("out/" + output));
    EXPECT_EQ(done, expected);
    EXPECT_EQ(planned, expected);
    for (const std::string& output : expected) EXPECT_TRUE(fs::is_regular_file(output)) << output;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeepFoldersTest,
    ::testing::Values(KeepFoldersRow{"Off", {}, {"top.mp3", "clip.mp3", "deep.mp3", "lone.mp3"}},
                      KeepFoldersRow{"On",
                                     {"--keep-folders"},
                                     {"top.mp3", "Day 1/clip.mp3", "Day 1/Ré #x/deep.mp3", "lone.mp3"}}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace tavoclip
