// The batch driver with one runner: the window's batch, one file after
// another.
#include "BatchDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "FileSystemDirectoryMaker.h"
#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "RecordingBatchView.h"
#include "RunUntil.h"
#include "TempFolder.h"

namespace tavoclip {
namespace {

class BatchDriverTest : public ::testing::Test {
protected:
    BatchDriverTest()
    {
        qputenv("FAKECONV_LOG", QByteArray::fromStdString(folder_.Path("runs.log")));
        view_.Follow(driver_);
        driver_.SetSettings(Settings(folder_.Path("out")));
    }
    ~BatchDriverTest() override { qunsetenv("FAKECONV_LOG"); }

    static BatchSettings Settings(const std::string& outputFolder, int format = 0)
    {
        return {{format, "128k", "320x240", "128k"}, outputFolder};
    }
    // A source whose content is the fake converter's script.
    std::string Source(const std::string& name, const std::string& script = "print Duration: 00:00:10.00, \nprint frame= time=5.00 bitrate\n")
    {
        return folder_.Write(name, script);
    }
    void Enqueue(const std::string& name, const std::string& script) { queue_.AppendSource(Source(name, script)); }
    void Enqueue(const std::string& name) { queue_.AppendSource(Source(name)); }

    // Starts the batch and runs the event loop until the driver reports its end.
    void RunBatch(BatchDriver& driver)
    {
        driver.Start();
        ASSERT_TRUE(RunUntil([this] { return view_.Ended(); }));
    }
    void RunBatch() { RunBatch(driver_); }
    std::vector<std::string> Runs() const
    {
        std::ifstream log(folder_.Path("runs.log"));
        std::vector<std::string> runs;
        for (std::string line; std::getline(log, line);) runs.push_back(line);
        return runs;
    }
    std::vector<std::string> LogFrom(const std::string& first) const
    {
        auto it = std::find(view_.log.begin(), view_.log.end(), first);
        return {it, view_.log.end()};
    }
    std::string Out(const std::string& name) const { return folder_.Path("out") + "/" + name; }
    std::unique_ptr<BatchDriver> DriverWith(const std::string& converter)
    {
        auto driver = std::make_unique<BatchDriver>(view_, queue_, std::vector<DOSOutputs*>{&runner_}, options_,
                                                    BatchServices{pump_, directories_, view_, view_},
                                                    BatchProgram{folder_.root(), converter});
        QObject::disconnect(&runner_, nullptr, &driver_, nullptr);
        view_.Follow(*driver);
        driver->SetSettings(driver_.settings());
        return driver;
    }

    TempFolder folder_;
    RecordingBatchView view_;
    SourceQueue queue_;
    QtProcessLauncher launcher_;
    QtEventPump pump_;
    FileSystemDirectoryMaker directories_;
    DOSOutputs runner_{launcher_, view_};
    ConversionOptions options_;
    BatchDriver driver_{view_,
                        queue_,
                        {&runner_},
                        options_,
                        BatchServices{pump_, directories_, view_, view_},
                        BatchProgram{folder_.root(), FAKECONV_PATH}};
};

TEST_F(BatchDriverTest, StartWithAnEmptyQueueOnlyAsksForAFile)
{
    driver_.Start();
    EXPECT_EQ(view_.log, (std::vector<std::string>{"message Add !: Please add a file"}));
    EXPECT_FALSE(driver_.timerActive());
    EXPECT_FALSE(driver_.running());
}

TEST_F(BatchDriverTest, ThreeFilesConvertInQueueOrderWithOneFinish)
{
    Enqueue("a.flv");
    Enqueue("b.flv");
    Enqueue("c.flv");
    driver_.Start();
    EXPECT_EQ(view_.log, (std::vector<std::string>{"batch started"}));
    EXPECT_TRUE(driver_.timerActive());
    driver_.Start();  // a batch runs: nothing
    EXPECT_EQ(view_.log.size(), 1u);
    ASSERT_TRUE(RunUntil([this] { return view_.Ended(); }));

    EXPECT_EQ(Runs(), (std::vector<std::string>{folder_.Path("a.flv") + " -> " + Out("a.mpg"),
                                                folder_.Path("b.flv") + " -> " + Out("b.mpg"),
                                                folder_.Path("c.flv") + " -> " + Out("c.mpg")}));
    EXPECT_TRUE(queue_.empty());
    EXPECT_EQ(view_.Count("finished"), 1u);
    EXPECT_EQ(view_.Count("open "), 1u);
    EXPECT_EQ(LogFrom("open " + folder_.Path("out")),
              (std::vector<std::string>{"open " + folder_.Path("out"), "sound " + folder_.Path("sound.wav"),
                                        "batch ended", "finished"}));
    EXPECT_EQ(view_.captions.back(), "Done.");
    EXPECT_EQ(view_.shares.back(), 0.0);
    EXPECT_EQ(driver_.convertedCount(), 3u);
    EXPECT_TRUE(driver_.failures().empty());
    // Each file's progress: 5 of 10 seconds.
    EXPECT_EQ(std::count(view_.captions.begin(), view_.captions.end(), "50%"), 3);
    EXPECT_EQ(std::count(view_.shares.begin(), view_.shares.end(), 0.5), 3);
    EXPECT_EQ(view_.progressPositions, (std::vector<std::size_t>{1, 2, 3}));
}

TEST_F(BatchDriverTest, EveryFileStartsAtTheSameStackDepth)
{
    for (const char* name : {"1.flv", "2.flv", "3.flv", "4.flv", "5.flv"}) Enqueue(name, "");
    RunBatch();
    ASSERT_EQ(view_.stackMarks.size(), 5u);
    EXPECT_EQ(std::set<std::uintptr_t>(view_.stackMarks.begin() + 1, view_.stackMarks.end()).size(), 1u);
}

TEST_F(BatchDriverTest, ChangesDuringAConversionApplyFromTheNextFileOn)
{
    Enqueue("a.flv", "print Duration: 00:00:10.00, \n");
    Enqueue("b.flv", "");
    bool changed = false;
    QObject::connect(&runner_, &DOSOutputs::ReceiveOutputs, [&](const std::string&) {
        if (changed) return;
        changed = true;
        queue_.AppendSource(Source("late.flv", ""));
        driver_.SetSettings(Settings(folder_.Path("out"), 6));  // MP3
        options_.completionSoundIndex = 1;
    });
    RunBatch();

    ASSERT_EQ(Runs().size(), 3u);
    EXPECT_EQ(Runs()[0], folder_.Path("a.flv") + " -> " + Out("a.mpg"));
    EXPECT_EQ(Runs()[1], folder_.Path("b.flv") + " -> " + Out("b.mp3"));
    EXPECT_EQ(Runs()[2], folder_.Path("late.flv") + " -> " + Out("late.mp3"));
    EXPECT_LT(view_.Index("start 3/3 " + folder_.Path("late.flv")), view_.log.size());
    EXPECT_EQ(view_.Count("sound "), 0u);
}

TEST_F(BatchDriverTest, FailedFilesAreReportedAtTheEndAndTheBatchGoesOn)
{
    Enqueue("bad.flv", "print Invalid data found when processing input\nexit 1\n");
    Enqueue("good.flv");
    Enqueue("empty.flv", "print nothing to write\nnooutput\n");
    Enqueue("crash.flv", "crash\n");
    RunBatch();

    EXPECT_EQ(Runs().size(), 4u);
    EXPECT_TRUE(queue_.empty());
    EXPECT_EQ(driver_.convertedCount(), 1u);
    EXPECT_EQ(driver_.failures(),
              (std::vector<BatchFailure>{
                  {folder_.Path("bad.flv"), "the converter exited with status 1: Invalid data found when processing input"},
                  {folder_.Path("empty.flv"), "the converter wrote no output file: nothing to write"},
                  {folder_.Path("crash.flv"), "the converter crashed"}}));
    // Finish runs in full first, the controls come back; the report comes
    // last, before the end.
    const std::vector<std::string> tail(view_.log.end() - 3, view_.log.end());
    EXPECT_EQ(tail[0], "batch ended");
    EXPECT_EQ(tail[1], "message Tavoclip !: These files were not converted:\n\n" + folder_.Path("bad.flv") +
                           ": the converter exited with status 1: Invalid data found when processing input\n" +
                           folder_.Path("empty.flv") + ": the converter wrote no output file: nothing to write\n" +
                           folder_.Path("crash.flv") + ": the converter crashed");
    EXPECT_EQ(tail[2], "finished");
    EXPECT_EQ(view_.captions.back(), "Done.");
}

TEST_F(BatchDriverTest, ConverterThatCannotStartStopsTheBatchWithTheFileKept)
{
    auto driver = DriverWith(folder_.Path("missing-conv"));
    Enqueue("a.flv");
    Enqueue("b.flv");
    RunBatch(*driver);
    DrainEvents();

    EXPECT_EQ(queue_.count(), 2u);
    EXPECT_EQ(view_.log, (std::vector<std::string>{"batch started", "start 1/2 " + folder_.Path("a.flv"),
                                                   "message Tavoclip x: File or command not found",
                                                   "failed " + folder_.Path("a.flv"), "batch ended",
                                                   "stopped, 1 not converted"}));  // b.flv never started
    EXPECT_TRUE(std::filesystem::is_directory(folder_.Path("out")));
    EXPECT_FALSE(driver->running());
}

TEST_F(BatchDriverTest, AFileAddedDuringTheBatchIsASourceNoOutputMayReplace)
{
    Enqueue("a.flv", "print Duration: 00:00:10.00, \n");
    Enqueue("b.flv", "");
    const std::string laterSource = folder_.Path("out/b.mpg");
    bool added = false;
    QObject::connect(&runner_, &DOSOutputs::ReceiveOutputs, [&](const std::string&) {
        if (added) return;
        added = true;
        std::ofstream(laterSource) << "print added by hand\n";
        queue_.AppendSource(laterSource);
    });
    RunBatch();

    EXPECT_EQ(Runs(), (std::vector<std::string>{folder_.Path("a.flv") + " -> " + Out("a.mpg"),
                                                folder_.Path("b.flv") + " -> " + Out("b (2).mpg"),
                                                laterSource + " -> " + Out("b (3).mpg")}));
    ASSERT_EQ(view_.commands.size(), 3u);
    EXPECT_TRUE(view_.commands[1].text.ends_with("\"" + Out("b (2).mpg") + "\""));
}

TEST_F(BatchDriverTest, StopEndsTheConverterInHandAndCountsTheFilesLeft)
{
    Enqueue("done.flv", "");
    Enqueue("long.flv", "print Duration: 00:00:10.00, \nwaitfor " + folder_.Path("never") + "\n");
    Enqueue("never.flv", "");
    QObject::connect(&runner_, &DOSOutputs::ReceiveOutputs, [&](const std::string&) { driver_.Stop(); });
    RunBatch();
    DrainEvents();

    EXPECT_EQ(Runs().size(), 2u);  // never.flv did not start
    EXPECT_EQ(view_.log.back(), "stopped, 2 not converted");
    EXPECT_EQ(view_.log[view_.log.size() - 2], "batch ended");
    EXPECT_EQ(driver_.convertedCount(), 1u);
    EXPECT_TRUE(driver_.failures().empty());
    EXPECT_EQ(queue_.count(), 2u);
    driver_.Stop();  // no batch runs: nothing happens
    EXPECT_EQ(view_.log.back(), "stopped, 2 not converted");
}

TEST_F(BatchDriverTest, NamesThatCannotBePassedOnAreRefusedAndTheOthersConvert)
{
    queue_.AppendSource(folder_.root() + "/bad\xff.flv");
    Enqueue("good.flv");
    RunBatch();
    EXPECT_EQ(Runs(), (std::vector<std::string>{folder_.Path("good.flv") + " -> " + Out("good.mpg")}));
    EXPECT_EQ(driver_.failures(), (std::vector<BatchFailure>{{folder_.root() + "/bad\xff.flv",
                                                              "the file's name is not valid UTF-8, so it cannot be passed on unchanged"}}));
    EXPECT_EQ(view_.log.back(), "finished");

    // An output folder that is not valid UTF-8 is not created under another name.
    driver_.SetSettings(Settings(folder_.root() + "/od\xff"));
    view_.log.clear();
    Enqueue("other.flv");
    RunBatch();
    EXPECT_EQ(Runs().size(), 1u);
    EXPECT_EQ(driver_.failures().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder_.root() + "/od\xef\xbf\xbd"));

    // A file where the folder should be.
    driver_.SetSettings(Settings(folder_.Write("plain", "")));
    view_.log.clear();
    Enqueue("third.flv");
    RunBatch();
    EXPECT_EQ(driver_.failures().back().reason, "the output folder " + folder_.Path("plain") + " is a file, not a folder");
}

TEST_F(BatchDriverTest, AnEmptyFolderTextMeansTheDefaultOutputFolder)
{
    auto driver = DriverWith(FAKECONV_PATH);
    driver->SetDefaultOutputFolder(folder_.Path("default"));
    driver->SetSettings(Settings({}));
    Enqueue("a.flv");
    RunBatch(*driver);
    EXPECT_EQ(Runs(), (std::vector<std::string>{folder_.Path("a.flv") + " -> " + folder_.Path("default/a.mpg")}));
    EXPECT_TRUE(std::filesystem::exists(folder_.Path("default/a.mpg")));
}

}  // namespace
}  // namespace tavoclip
