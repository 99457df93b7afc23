// The batch driver with several runners: files convert side by side.
#include "BatchDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <set>

#include "FakeChildren.h"
#include "FileSystemDirectoryMaker.h"
#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "RecordingBatchView.h"
#include "RunUntil.h"
#include "TempFolder.h"

namespace tavoclip {
namespace {

class BatchDriverSlotsTest : public ::testing::Test {
protected:
    BatchDriverSlotsTest()
    {
        options_.completionSoundIndex = 1;
        qputenv("FAKECONV_EVENTS", QByteArray::fromStdString(folder_.Path("events.log")));
    }
    ~BatchDriverSlotsTest() override { qunsetenv("FAKECONV_EVENTS"); }

    std::unique_ptr<BatchDriver> Driver(std::size_t count, ProcessLauncher& launcher,
                                        const std::string& converter = FAKECONV_PATH)
    {
        std::vector<DOSOutputs*> pointers;
        for (std::size_t i = 0; i < count; ++i) {
            pointers.push_back(runners_.emplace_back(std::make_unique<DOSOutputs>(launcher, view_)).get());
        }
        auto driver = std::make_unique<BatchDriver>(view_, queue_, pointers, options_,
                                                    BatchServices{pump_, directories_, view_, view_},
                                                    BatchProgram{folder_.root(), converter});
        driver->SetSettings({{0, "128k", "320x240", "128k"}, folder_.Path("out")});
        view_.Follow(*driver);
        return driver;
    }
    std::unique_ptr<BatchDriver> Driver(std::size_t count) { return Driver(count, launcher_); }
    void Enqueue(const std::string& name, const std::string& script) { queue_.AppendSource(folder_.Write(name, script)); }
    void RunBatch(BatchDriver& driver)
    {
        driver.Start();
        ASSERT_TRUE(RunUntil([this] { return view_.Ended(); }));
    }
    // The most converter processes that ran at one time, from their own
    // begin and end records.
    int MostAtOnce() const
    {
        std::ifstream events(folder_.Path("events.log"));
        int running = 0;
        int most = 0;
        for (std::string line; std::getline(events, line);) {
            running += line.starts_with("+") ? 1 : -1;
            most = std::max(most, running);
        }
        return most;
    }
    // Opens the gate once the view's log holds entry.
    void OpenGateOn(const BatchDriver& driver, const std::string& entry, const std::string& gate)
    {
        QObject::connect(&driver, &BatchDriver::fileEnded, &driver, [=, this] {
            if (view_.Index(entry) < view_.log.size()) folder_.Write(gate, "");
        });
        QObject::connect(&driver, &BatchDriver::fileStarted, &driver, [=, this] {
            if (view_.Index(entry) < view_.log.size()) folder_.Write(gate, "");
        });
    }

    TempFolder folder_;
    RecordingBatchView view_;
    SourceQueue queue_;
    QtProcessLauncher launcher_;
    QtEventPump pump_;
    FileSystemDirectoryMaker directories_;
    std::vector<std::unique_ptr<DOSOutputs>> runners_;
    ConversionOptions options_;
};

TEST_F(BatchDriverSlotsTest, ThreeSlotsNeverRunMoreThanThreeAndConvertEveryFileOnce)
{
    // The first three wait until all three run; two files share the base
    // name, so their outputs must still differ.
    const std::string gate = "waitfor " + folder_.Path("all-three") + "\n";
    for (int i = 0; i < 7; ++i) Enqueue("f" + std::to_string(i) + ".flv", i < 3 ? gate : "");
    Enqueue("f0.copy.flv", "");
    auto driver = Driver(3);
    driver->Start();
    ASSERT_TRUE(RunUntil([this] { return MostAtOnce() == 3; }));
    folder_.Write("all-three", "");
    ASSERT_TRUE(RunUntil([this] { return view_.Ended(); }));

    EXPECT_EQ(MostAtOnce(), 3);
    EXPECT_EQ(driver->convertedCount(), 8u);
    EXPECT_TRUE(queue_.empty());
    std::set<std::string> outputs;
    for (const ConverterCommand& command : view_.commands) outputs.insert(command.outputPath);
    EXPECT_EQ(outputs.size(), 8u);
    EXPECT_EQ(view_.commands.size(), 8u);
    for (const std::string& output : outputs) EXPECT_TRUE(std::ifstream(output).good()) << output;
    EXPECT_EQ(view_.Count("finished"), 1u);
    std::set<std::string> numbers;
    for (const std::string& entry : view_.log) {
        if (entry.starts_with("start ")) numbers.insert(entry.substr(6, entry.find(' ', 6) - 6));
    }
    EXPECT_EQ(numbers, (std::set<std::string>{"1/8", "2/8", "3/8", "4/8", "5/8", "6/8", "7/8", "8/8"}));
}

// The slow file waits for a gate that opens only once the next file has
// converted, so the failure and the next file both end while it runs.
TEST_F(BatchDriverSlotsTest, AFailureInOneSlotLeavesTheOthersRunning)
{
    Enqueue("slow.flv", "print Duration: 00:00:10.00, \nprint frame= time=5.00 x\nwaitfor " + folder_.Path("gate") + "\n");
    Enqueue("bad.flv", "print cannot read\nexit 1\n");
    Enqueue("next.flv", "");
    auto driver = Driver(2);
    OpenGateOn(*driver, "done " + folder_.Path("next.flv"), "gate");
    RunBatch(*driver);

    EXPECT_EQ(driver->convertedCount(), 2u);
    ASSERT_EQ(driver->failures().size(), 1u);
    EXPECT_EQ(driver->failures()[0].reason, "the converter exited with status 1: cannot read");
    const std::size_t slowDone = view_.Index("done " + folder_.Path("slow.flv"));
    EXPECT_LT(view_.Index("failed " + folder_.Path("bad.flv")), slowDone);
    EXPECT_LT(view_.Index("start 3/3 " + folder_.Path("next.flv")), slowDone);
    EXPECT_EQ(view_.progressPositions, (std::vector<std::size_t>{1}));
    EXPECT_TRUE(queue_.empty());
    EXPECT_EQ(view_.captions.back(), "Done.");
}

TEST_F(BatchDriverSlotsTest, AConverterThatCannotStartStopsNewFilesAndKeepsItsFile)
{
    Enqueue("a.flv", "");
    Enqueue("b.flv", "");
    auto driver = Driver(2, launcher_, folder_.Path("missing-conv"));
    RunBatch(*driver);

    EXPECT_EQ(view_.log.back(), "stopped, 1 not converted");  // b.flv never started
    EXPECT_EQ(queue_.count(), 2u);
    EXPECT_EQ(view_.commands.size(), 1u);
}

// Converters that end after a stop all ask for the next step before any of
// those steps runs. Whichever step closes the batch, nothing starts after
// it: the end stays the batch's last word.
TEST_F(BatchDriverSlotsTest, NothingStartsAfterAStoppedBatchHasEnded)
{
    for (const char* name : {"a.flv", "b.flv", "c.flv", "d.flv"}) Enqueue(name, "");
    FakeLauncher fakes;
    auto driver = Driver(2, fakes);
    driver->Start();
    ASSERT_TRUE(RunUntil([&] { return fakes.children.size() == 2; }));
    driver->Stop();
    EXPECT_TRUE(fakes.children[0]->terminated && fakes.children[1]->terminated);
    fakes.children[0]->End(-1);
    fakes.children[1]->End(-1);
    ASSERT_TRUE(RunUntil([this] { return view_.Ended(); }));
    DrainEvents();

    EXPECT_EQ(fakes.children.size(), 2u);
    EXPECT_EQ(view_.log.back(), "stopped, 4 not converted");
    EXPECT_EQ(view_.Count("start "), 2u);
    EXPECT_EQ(queue_.count(), 4u);
    EXPECT_FALSE(driver->running());
}

}  // namespace
}  // namespace tavoclip
