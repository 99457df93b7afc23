// The batch driver with several runners: files convert side by side.
#include "BatchDriver.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <set>

#include "FakeBatchView.h"
#include "FileSystemDirectoryMaker.h"
#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "ScriptFolder.h"

namespace tavoclip {
namespace {

class BatchDriverSlotsTest : public ::testing::Test {
protected:
    BatchDriverSlotsTest() {
        view_.outputFolder = folder_.Path("out");
        options_.completionSoundIndex = 1;
        qputenv("FAKECONV_EVENTS", QByteArray::fromStdString(folder_.Path("events.log")));
    }
    ~BatchDriverSlotsTest() override { qunsetenv("FAKECONV_EVENTS"); }

    std::unique_ptr<BatchDriver> Driver(std::size_t count) {
        std::vector<DOSOutputs*> pointers;
        for (std::size_t i = 0; i < count; ++i) {
            runners_.push_back(std::make_unique<DOSOutputs>(launcher_, pump_, view_, "tavoclip"));
            pointers.push_back(runners_.back().get());
        }
        return std::make_unique<BatchDriver>(view_, queue_, pointers, tracker_, options_,
                                             BatchServices{pump_, directories_, view_, view_},
                                             BatchProgram{folder_.root(), FAKECONV_PATH, PathStyle::Posix});
    }
    void Enqueue(const std::string& name, const std::string& script) { queue_.AppendSource(folder_.Write(name, script)); }
    void RunBatch(BatchDriver& driver) {
        driver.Start();
        QEventLoop loop;
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
        guard.start(20);
        for (int i = 0; i < 1500 && !Ended(); ++i) loop.exec();
    }
    bool Ended() const {
        return std::any_of(view_.log.begin(), view_.log.end(),
                           [](const std::string& e) { return e == "finished" || e.starts_with("stopped"); });
    }
    // The most converter processes that ran at one time, from their own
    // begin and end records.
    int MostAtOnce() const {
        std::ifstream events(folder_.Path("events.log"));
        int running = 0;
        int most = 0;
        for (std::string line; std::getline(events, line);) {
            running += line.starts_with("+") ? 1 : -1;
            most = std::max(most, running);
        }
        return most;
    }
    std::size_t Index(const std::string& entry) const {
        return static_cast<std::size_t>(std::find(view_.log.begin(), view_.log.end(), entry) - view_.log.begin());
    }

    ScriptFolder folder_;
    FakeBatchView view_;
    SourceQueue queue_;
    QtProcessLauncher launcher_;
    QtEventPump pump_;
    FileSystemDirectoryMaker directories_;
    std::vector<std::unique_ptr<DOSOutputs>> runners_;
    ProgressTracker tracker_;
    ConversionOptions options_;
};

TEST_F(BatchDriverSlotsTest, ThreeSlotsNeverRunMoreThanThreeAndConvertEveryFileOnce) {
    // Two files share the base name, so their outputs must still differ.
    for (int i = 0; i < 7; ++i) Enqueue("f" + std::to_string(i) + ".flv", "sleep " + std::to_string(60 + 25 * (i % 3)) + "\n");
    Enqueue("f0.copy.flv", "sleep 30\n");
    auto driver = Driver(3);
    RunBatch(*driver);

    ASSERT_TRUE(Ended());
    EXPECT_EQ(MostAtOnce(), 3);
    EXPECT_EQ(driver->convertedCount(), 8u);
    EXPECT_TRUE(queue_.empty());
    std::set<std::string> outputs;
    for (const ConverterCommand& command : view_.commands) outputs.insert(command.outputPath);
    EXPECT_EQ(outputs.size(), 8u);
    EXPECT_EQ(view_.commands.size(), 8u);
    for (const std::string& output : outputs) EXPECT_TRUE(std::ifstream(output).good()) << output;
    EXPECT_EQ(std::count(view_.log.begin(), view_.log.end(), "finished"), 1);
    std::set<std::string> numbers;
    for (const std::string& entry : view_.log) {
        if (entry.starts_with("start ")) numbers.insert(entry.substr(6, entry.find(' ', 6) - 6));
    }
    EXPECT_EQ(numbers, (std::set<std::string>{"1/8", "2/8", "3/8", "4/8", "5/8", "6/8", "7/8", "8/8"}));
}

TEST_F(BatchDriverSlotsTest, AFailureInOneSlotLeavesTheOthersRunning) {
    Enqueue("slow.flv", "print Duration: 00:00:10.00, \nsleep 150\nprint frame= time=5.00 x\nsleep 250\n");
    Enqueue("bad.flv", "print cannot read\nexit 1\n");
    Enqueue("next.flv", "sleep 20\n");
    auto driver = Driver(2);
    RunBatch(*driver);

    ASSERT_TRUE(Ended());
    EXPECT_EQ(driver->convertedCount(), 2u);
    ASSERT_EQ(driver->failures().size(), 1u);
    EXPECT_EQ(driver->failures()[0].reason, "the converter exited with status 1: cannot read");
    // The failure ends while the slow file runs, and the next file starts and
    // ends beside it.
    const std::size_t failed = Index("failed " + folder_.Path("bad.flv"));
    const std::size_t nextDone = Index("done " + folder_.Path("next.flv"));
    const std::size_t slowDone = Index("done " + folder_.Path("slow.flv"));
    EXPECT_LT(failed, slowDone);
    EXPECT_LT(Index("start 3/3 " + folder_.Path("next.flv")), slowDone);
    EXPECT_LT(nextDone, slowDone);
    EXPECT_TRUE(queue_.empty());
    EXPECT_EQ(view_.captions.back(), "Done.");
}

TEST_F(BatchDriverSlotsTest, AConverterThatCannotStartStopsNewFilesAndKeepsItsFile) {
    Enqueue("a.flv", "sleep 100\n");
    Enqueue("b.flv", "");
    std::vector<DOSOutputs*> pointers;
    runners_.push_back(std::make_unique<DOSOutputs>(launcher_, pump_, view_, "tavoclip"));
    runners_.push_back(std::make_unique<DOSOutputs>(launcher_, pump_, view_, "tavoclip"));
    for (auto& runner : runners_) pointers.push_back(runner.get());
    BatchDriver driver(view_, queue_, pointers, tracker_, options_, BatchServices{pump_, directories_, view_, view_},
                       BatchProgram{folder_.root(), folder_.Path("missing-conv"), PathStyle::Posix});
    RunBatch(driver);

    ASSERT_TRUE(Ended());
    EXPECT_EQ(view_.log.back(), "stopped, 1 not converted");  // b.flv never started
    EXPECT_EQ(queue_.count(), 2u);
    EXPECT_EQ(view_.commands.size(), 1u);
}

}  // namespace
}  // namespace tavoclip
