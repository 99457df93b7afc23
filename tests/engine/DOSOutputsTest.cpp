#include "DOSOutputs.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "FakeChildren.h"
#include "QtProcessLauncher.h"
#include "RecordingMessageSink.h"
#include "RunUntil.h"
#include "TempFolder.h"

namespace tavoclip {
namespace {

// A runner with its chunks and ends recorded.
struct Recorded {
    Recorded(ProcessLauncher& launcher, MessageSink& messages) : runner(launcher, messages)
    {
        QObject::connect(&runner, &DOSOutputs::ReceiveOutputs, [this](const std::string& chunk) {
            chunks.push_back(chunk);
            events.push_back("[" + chunk + "]");
        });
        QObject::connect(&runner, &DOSOutputs::CommandOver, [this] {
            ++overs;
            chunksAtOver = chunks.size();
            events.push_back("over");
        });
    }
    std::string Joined() const
    {
        std::string all;
        for (const std::string& chunk : chunks) all += chunk;
        return all;
    }
    bool RunToEnd()
    {
        return RunUntil([this] { return overs > 0; });
    }

    DOSOutputs runner;
    std::vector<std::string> chunks;
    std::vector<std::string> events;
    int overs = 0;
    std::size_t chunksAtOver = 0;
};

class DOSOutputsTest : public ::testing::Test {
protected:
    std::vector<std::string> Fake(const std::string& script, const std::string& name = "script.txt")
    {
        return {FAKECONV_PATH, "-i", folder_.Write(name, script), folder_.Path(name + ".out")};
    }

    TempFolder folder_;
    QtProcessLauncher launcher_;
    RecordingMessageSink messages_;
    Recorded recorded_{launcher_, messages_};
    DOSOutputs& runner_ = recorded_.runner;
};

// Whatever the child writes, and however it ends, the owner gets every byte
// in order in chunks of at most 1024 bytes, then exactly one CommandOver.
struct OutputCase {
    const char* script;
    std::string expected;
    int status;
};

class DOSOutputsOutputTest : public DOSOutputsTest, public ::testing::WithParamInterface<OutputCase> {};

TEST_P(DOSOutputsOutputTest, EveryByteArrivesInSmallChunksBeforeOneCommandOver)
{
    ASSERT_TRUE(runner_.StartCommand(Fake(GetParam().script)));
    ASSERT_TRUE(recorded_.RunToEnd());
    DrainEvents();
    for (const std::string& chunk : recorded_.chunks) EXPECT_LE(chunk.size(), DOSOutputs::kChunkBytes);
    EXPECT_EQ(recorded_.Joined(), GetParam().expected);
    EXPECT_EQ(runner_.outputs(), GetParam().expected);
    EXPECT_EQ(recorded_.overs, 1);
    EXPECT_EQ(recorded_.chunksAtOver, recorded_.chunks.size());
    EXPECT_EQ(runner_.exitStatus(), GetParam().status);
    EXPECT_FALSE(runner_.running());
    EXPECT_TRUE(messages_.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Children, DOSOutputsOutputTest,
                         ::testing::Values(OutputCase{"bytes 5000\nexit 3\n", std::string(5000, 'x'), 3},
                                           OutputCase{"print one\nsleep 50\nprint two\nprint three\n",
                                                      "one\ntwo\nthree\n", 0},
                                           OutputCase{"crash\n", "", -1}));

TEST_F(DOSOutputsTest, StartFailuresShowAStopMessageAndRaiseNothing)
{
    ASSERT_TRUE(runner_.StartCommand(Fake("print kept\n")));
    ASSERT_TRUE(recorded_.RunToEnd());

    EXPECT_FALSE(runner_.StartCommand({"/nonexistent/conv", "-i", "x"}));
    EXPECT_FALSE(runner_.StartCommand({}));
    DrainEvents();
    EXPECT_EQ(messages_.shown,
              (std::vector<ShownMessage>{{"File or command not found", "Tavoclip", MessageIcon::Stop},
                                         {"Command Line empty", "Tavoclip", MessageIcon::Stop}}));
    EXPECT_EQ(recorded_.overs, 1);  // only the run that started
    EXPECT_EQ(runner_.outputs(), "kept\n");
}

// The runner watches its own child, not the process list: another process
// that happens to carry the converter's name does not hold it up.
TEST_F(DOSOutputsTest, AnotherProcessNamedLikeTheConverterDoesNotDelayTheEnd)
{
    const std::string other = folder_.Path("conv");
    std::filesystem::copy_file(FAKECONV_PATH, other);
    const std::string otherScript = folder_.Write("other.txt", "waitfor " + folder_.Path("never") + "\n");
    QProcess stranger;
    stranger.start(QString::fromStdString(other), {"-i", QString::fromStdString(otherScript), "/dev/null"});
    ASSERT_TRUE(stranger.waitForStarted());

    ASSERT_TRUE(runner_.StartCommand(Fake("print done\n")));
    ASSERT_TRUE(recorded_.RunToEnd());
    EXPECT_EQ(stranger.state(), QProcess::Running);
    stranger.kill();
    stranger.waitForFinished();
}

// Two runners side by side each report their own child: the one started
// second ends first, since the first waits for a gate that opens only then.
TEST_F(DOSOutputsTest, RunnersSideBySideReportTheirChildrenIndependently)
{
    Recorded first(launcher_, messages_);
    const std::string gate = folder_.Path("gate");
    ASSERT_TRUE(first.runner.StartCommand(Fake("print begun\nwaitfor " + gate + "\nexit 4\n", "first.txt")));
    ASSERT_TRUE(runner_.StartCommand(Fake("bytes 3000\nexit 2\n", "second.txt")));
    EXPECT_TRUE(first.runner.running());
    ASSERT_TRUE(recorded_.RunToEnd());
    EXPECT_EQ(first.overs, 0);
    folder_.Write("gate", "");
    ASSERT_TRUE(first.RunToEnd());

    EXPECT_EQ(recorded_.Joined(), std::string(3000, 'x'));
    EXPECT_EQ(runner_.exitStatus(), 2);
    EXPECT_EQ(first.runner.outputs(), "begun\n");
    EXPECT_EQ(first.runner.exitStatus(), 4);
    EXPECT_FALSE(first.runner.running());
}

// A converter that floods its output without a line end must not grow the
// runner's memory: it keeps only the end, which holds the last line.
TEST_F(DOSOutputsTest, AFloodingChildLeavesOnlyTheEndOfItsOutputKept)
{
    constexpr std::size_t kFlood = 40 * DOSOutputs::kKeptOutputBytes;
    ASSERT_TRUE(runner_.StartCommand(Fake("bytes " + std::to_string(kFlood) + "\nprint the cause\n")));
    std::size_t received = 0;
    QObject::connect(&runner_, &DOSOutputs::ReceiveOutputs, [&](const std::string& chunk) {
        received += chunk.size();
        EXPECT_LE(runner_.outputs().size(), 2 * DOSOutputs::kKeptOutputBytes);
    });
    ASSERT_TRUE(recorded_.RunToEnd());
    EXPECT_EQ(received, kFlood + std::string("the cause\n").size());
    EXPECT_GE(runner_.outputs().size(), DOSOutputs::kKeptOutputBytes);
    EXPECT_TRUE(runner_.outputs().ends_with(
        "xxx"
        "the cause\n"));
}

// A read that fails ends the child's run; its empty chunk is still raised.
TEST_F(DOSOutputsTest, AFailedReadRaisesAnEmptyChunkThenCommandOver)
{
    FakeLauncher launcher;
    Recorded recorded(launcher, messages_);
    ASSERT_TRUE(recorded.runner.StartCommand({"conv"}));
    launcher.children[0]->failReads = true;
    ASSERT_TRUE(recorded.RunToEnd());
    EXPECT_EQ(recorded.events, (std::vector<std::string>{"[]", "over"}));
}

// The window may close while its converter works: the runner goes, the
// converter goes on and finishes its file.
TEST_F(DOSOutputsTest, ARunnerThatGoesLeavesItsChildRunning)
{
    const std::string gate = folder_.Path("gate");
    auto runner = std::make_unique<DOSOutputs>(launcher_, messages_);
    ASSERT_TRUE(runner->StartCommand(Fake("pid " + folder_.Path("pid") + "\nwaitfor " + gate + "\n")));
    const auto pidWritten = [&] {
        std::ifstream file(folder_.Path("pid"));
        std::string line;
        return std::getline(file, line) && file.good() ? std::stoi(line) : 0;
    };
    ASSERT_TRUE(RunUntil([&] { return pidWritten() != 0; }));
    const pid_t pid = pidWritten();
    runner.reset();
    EXPECT_EQ(::kill(pid, 0), 0) << "the converter was stopped with its runner";
    folder_.Write("gate", "");
    ASSERT_TRUE(RunUntil([&] { return std::filesystem::exists(folder_.Path("script.txt.out")); }));
}

}  // namespace
}  // namespace tavoclip
