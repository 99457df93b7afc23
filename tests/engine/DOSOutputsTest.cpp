#include "DOSOutputs.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "RecordingMessageSink.h"
#include "ScriptFolder.h"

namespace tavoclip {
namespace {

class DOSOutputsTest : public ::testing::Test {
protected:
    DOSOutputsTest() {
        QObject::connect(&runner_, &DOSOutputs::ReceiveOutputs, [this](const std::string& chunk) {
            chunks_.push_back(chunk);
        });
        QObject::connect(&runner_, &DOSOutputs::CommandOver, [this] {
            ++overs_;
            chunksAtOver_ = chunks_.size();
        });
    }
    std::vector<std::string> Fake(const std::string& script) {
        return {FAKECONV_PATH, "-i", folder_.Write("script.txt", script), folder_.Path("out.bin")};
    }
    std::string Joined() const {
        std::string all;
        for (const std::string& chunk : chunks_) all += chunk;
        return all;
    }

    ScriptFolder folder_;
    QtProcessLauncher launcher_;
    QtEventPump pump_;
    RecordingMessageSink messages_;
    DOSOutputs runner_{launcher_, pump_, messages_, "tavoclip"};
    std::vector<std::string> chunks_;
    int overs_ = 0;
    std::size_t chunksAtOver_ = 0;
};

TEST_F(DOSOutputsTest, LargeOutputArrivesInChunksOfAtMost1024BytesThenOneCommandOver) {
    const std::string result = runner_.ExecuteCommand(Fake("bytes 5000\nexit 3\n"));
    ASSERT_GE(chunks_.size(), 5u);
    for (const std::string& chunk : chunks_) EXPECT_LE(chunk.size(), DOSOutputs::kChunkBytes);
    EXPECT_EQ(Joined(), std::string(5000, 'x'));
    EXPECT_EQ(runner_.Outputs(), Joined());
    EXPECT_EQ(result, runner_.Outputs());
    EXPECT_EQ(overs_, 1);
    EXPECT_EQ(chunksAtOver_, chunks_.size());
    EXPECT_EQ(runner_.ExitStatus(), 3);
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(DOSOutputsTest, OutputSpreadOverTimeIsCollectedInOrder) {
    runner_.ExecuteCommand(Fake("print one\nsleep 120\nprint two\nsleep 120\nprint three\n"));
    EXPECT_EQ(runner_.Outputs(), "one\ntwo\nthree\n");
    EXPECT_EQ(Joined(), runner_.Outputs());
    EXPECT_EQ(runner_.ExitStatus(), 0);
    EXPECT_EQ(overs_, 1);
}

TEST_F(DOSOutputsTest, ChildWithoutOutputEndsWithCommandOverAndACrashReadsAsMinusOne) {
    runner_.ExecuteCommand(Fake("crash\n"));
    EXPECT_TRUE(Joined().empty());
    EXPECT_EQ(overs_, 1);
    EXPECT_EQ(runner_.ExitStatus(), -1);
}

TEST_F(DOSOutputsTest, StartFailuresShowAStopMessageAndRaiseNothing) {
    runner_.SetCommandLine("earlier");
    runner_.ExecuteCommand(Fake("print kept\n"));
    const std::string kept = runner_.Outputs();

    EXPECT_EQ(runner_.ExecuteCommand(std::vector<std::string>{"/nonexistent/conv", "-i", "x"}), "");
    runner_.SetCommandLine("");
    EXPECT_EQ(runner_.ExecuteCommand(std::string()), "");

    EXPECT_EQ(messages_.messages,
              (std::vector<ShownMessage>{{"File or command not found", "Tavoclip", MessageIcon::Stop},
                                         {"Command Line empty", "Tavoclip", MessageIcon::Stop}}));
    EXPECT_EQ(overs_, 1);  // only the run that started
    EXPECT_EQ(runner_.Outputs(), kept);
}

TEST_F(DOSOutputsTest, TextCommandIsSplitByWindowsRulesAndReplacesCommandLine) {
    const std::string script = folder_.Write("with space.txt", "print from a quoted path\n");
    const std::string line = std::string(FAKECONV_PATH) + " -i \"" + script + "\" \"" + folder_.Path("o 1.bin") + "\"";
    runner_.ExecuteCommand(line);
    EXPECT_EQ(runner_.CommandLine(), line);
    EXPECT_EQ(runner_.Outputs(), "from a quoted path\n");
    EXPECT_TRUE(std::filesystem::exists(folder_.Path("o 1.bin")));
}

// The runner sleeps until its child has something for it, not on a fixed
// clock: a child that ends at once is reported without one whole pause, and
// a quiet child is still waited for in whole pauses rather than in a spin.
TEST_F(DOSOutputsTest, PausesEndWhenTheChildWritesOrEndsAndOnlyThen) {
    runner_.ExecuteCommand(Fake("print quick\n"));
    EXPECT_EQ(runner_.Outputs(), "quick\n");
    EXPECT_EQ(overs_, 1);
    EXPECT_EQ(runner_.FullPauses(), 0u);

    runner_.ExecuteCommand(Fake("sleep 300\nprint late\n"));
    EXPECT_EQ(runner_.Outputs(), "late\n");
    EXPECT_GE(runner_.FullPauses(), 2u);
    EXPECT_LE(runner_.FullPauses(), 7u);
}

TEST_F(DOSOutputsTest, WindowEventsRunWhileTheChildWorks) {
    bool handled = false;
    int oversWhenHandled = -1;
    QTimer::singleShot(20, [&] {
        handled = true;
        oversWhenHandled = overs_;
    });
    runner_.ExecuteCommand(Fake("sleep 200\n"));
    EXPECT_TRUE(handled);
    EXPECT_EQ(oversWhenHandled, 0);
}

// The runner watches its own child, not the process list: another process
// that happens to carry the converter's name does not hold it up.
TEST_F(DOSOutputsTest, AnotherProcessNamedLikeTheConverterDoesNotDelayTheEnd) {
    const std::string other = folder_.Path("conv");
    std::filesystem::copy_file(FAKECONV_PATH, other);
    const std::string otherScript = folder_.Write("other.txt", "sleep 5000\n");
    QProcess stranger;
    stranger.start(QString::fromStdString(other), {"-i", QString::fromStdString(otherScript), "/dev/null"});
    ASSERT_TRUE(stranger.waitForStarted());

    runner_.ExecuteCommand(Fake("print done\n"));
    EXPECT_EQ(overs_, 1);
    EXPECT_EQ(stranger.state(), QProcess::Running);
    stranger.kill();
    stranger.waitForFinished();
}

// Two runners started side by side each report their own child: the quick
// one ends first although the slow one started first, and a started runner
// delivers the same chunks and status as ExecuteCommand.
TEST_F(DOSOutputsTest, StartedRunnersReportTheirChildrenIndependently) {
    DOSOutputs slow(launcher_, pump_, messages_, "tavoclip");
    std::vector<std::string> ends;
    QObject::connect(&slow, &DOSOutputs::CommandOver, [&] { ends.push_back("slow"); });
    QObject::connect(&runner_, &DOSOutputs::CommandOver, [&] { ends.push_back("quick"); });
    ASSERT_TRUE(slow.StartCommand(Fake("print begun\nsleep 400\nexit 4\n")));
    ASSERT_TRUE(runner_.StartCommand({FAKECONV_PATH, "-i", folder_.Write("quick.txt", "bytes 3000\nexit 2\n"),
                                      folder_.Path("quick.bin")}));
    EXPECT_TRUE(slow.Running());
    QEventLoop loop;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(20);
    for (int i = 0; i < 500 && ends.size() < 2; ++i) loop.exec();

    EXPECT_EQ(ends, (std::vector<std::string>{"quick", "slow"}));
    EXPECT_EQ(Joined(), std::string(3000, 'x'));
    for (const std::string& chunk : chunks_) EXPECT_LE(chunk.size(), DOSOutputs::kChunkBytes);
    EXPECT_EQ(runner_.Outputs(), Joined());
    EXPECT_EQ(runner_.ExitStatus(), 2);
    EXPECT_EQ(slow.Outputs(), "begun\n");
    EXPECT_EQ(slow.ExitStatus(), 4);
    EXPECT_FALSE(slow.Running());

    EXPECT_FALSE(slow.StartCommand({"/nonexistent/conv"}));
    EXPECT_EQ(messages_.messages.size(), 1u);
}

// A read that fails ends the loop; its empty chunk is still raised.
class FailingChild : public ChildProcess {
public:
    std::int64_t BytesWaiting() override { return 10; }
    std::optional<std::string> Read(std::size_t) override { return std::nullopt; }
    bool HasEnded() override { return false; }
    int ExitStatus() override { return -1; }
    void Terminate() override {}
};

class ScriptedLauncher : public ProcessLauncher {
public:
    LaunchResult Launch(const std::vector<std::string>&) override {
        LaunchResult result;
        result.failure = failure;
        result.errorCode = 109;
        if (failure == LaunchFailure::None) result.child = std::make_unique<FailingChild>();
        return result;
    }
    LaunchFailure failure = LaunchFailure::None;
};

TEST_F(DOSOutputsTest, FailedReadRaisesAnEmptyChunkThenCommandOverAndPipeFailureShowsItsCode) {
    ScriptedLauncher launcher;
    DOSOutputs runner(launcher, pump_, messages_, "tavoclip");
    std::vector<std::string> events;
    QObject::connect(&runner, &DOSOutputs::ReceiveOutputs, [&](const std::string& c) { events.push_back("[" + c + "]"); });
    QObject::connect(&runner, &DOSOutputs::CommandOver, [&] { events.push_back("over"); });
    runner.ExecuteCommand(std::vector<std::string>{"conv"});
    EXPECT_EQ(events, (std::vector<std::string>{"[]", "over"}));

    launcher.failure = LaunchFailure::PipeFailed;
    runner.ExecuteCommand(std::vector<std::string>{"conv"});
    EXPECT_EQ(messages_.messages,
              (std::vector<ShownMessage>{{"CreatePipe failed. Error: 109", "Tavoclip", MessageIcon::Stop}}));
    EXPECT_EQ(events.size(), 2u);
}

}  // namespace
}  // namespace tavoclip
