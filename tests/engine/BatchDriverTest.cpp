#include "BatchDriver.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "FakeBatchView.h"
#include "FileSystemDirectoryMaker.h"
#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "ScriptFolder.h"

namespace tavoclip {
namespace {

const std::vector<std::string> kDisableOrder = {
    "disable imgToolbar(0)", "disable imgToolbar(1)", "disable imgToolbar(2)", "disable imgToolbar(3)",
    "disable imgToolbar(4)", "disable imgToolbar(6)", "disable imgMenu(0)",    "disable imgMenu(1)",
    "disable imgMenu(2)",    "disable imgConvert",    "disable lblFeed"};

const std::vector<std::string> kEnableOrder = {
    "enable lblFeed",       "enable imgAdd",        "enable imgRemove",     "enable imgStart",
    "enable imgBrowse",     "enable imgConvert",    "enable imgToolbar(0)", "enable imgToolbar(1)",
    "enable imgToolbar(2)", "enable imgToolbar(3)", "enable imgToolbar(4)", "enable imgToolbar(6)",
    "enable imgMenu(0)",    "enable imgMenu(1)",    "enable imgMenu(2)"};

class BatchDriverTest : public ::testing::Test {
protected:
    BatchDriverTest() {
        view_.outputFolder = folder_.Path("out");
        qputenv("FAKECONV_LOG", QByteArray::fromStdString(folder_.Path("runs.log")));
    }
    ~BatchDriverTest() override { qunsetenv("FAKECONV_LOG"); }

    // A source whose content is the fake converter's script.
    std::string Source(const std::string& name, const std::string& script = "print Duration: 00:00:10.00, \nprint frame= time=5.00 bitrate\n") {
        return folder_.Write(name, script);
    }
    void Enqueue(const std::string& name, const std::string& script) { queue_.AppendSource(Source(name, script)); }
    void Enqueue(const std::string& name) { queue_.AppendSource(Source(name)); }

    // Starts the batch and runs the event loop until the driver reports its end.
    void RunBatch(BatchDriver* driver = nullptr) {
        (driver != nullptr ? *driver : driver_).Start();
        QEventLoop loop;
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
        guard.start(50);
        for (int i = 0; i < 600 && !Ended(); ++i) loop.exec();
    }
    bool Ended() const {
        return std::any_of(view_.log.begin(), view_.log.end(),
                           [](const std::string& e) { return e == "finished" || e.starts_with("stopped"); });
    }
    std::vector<std::string> Runs() const {
        std::ifstream log(folder_.Path("runs.log"));
        std::vector<std::string> runs;
        for (std::string line; std::getline(log, line);) runs.push_back(line);
        return runs;
    }
    std::vector<std::string> LogFrom(const std::string& first) const {
        auto it = std::find(view_.log.begin(), view_.log.end(), first);
        return {it, view_.log.end()};
    }
    std::string Out(const std::string& name) const { return folder_.Path("out") + "/" + name; }

    ScriptFolder folder_;
    FakeBatchView view_;
    SourceQueue queue_;
    QtProcessLauncher launcher_;
    QtEventPump pump_;
    FileSystemDirectoryMaker directories_;
    DOSOutputs runner_{launcher_, pump_, view_, "tavoclip"};
    ProgressTracker tracker_;
    ConversionOptions options_;
    BatchDriver driver_{view_,
                        queue_,
                        runner_,
                        tracker_,
                        options_,
                        BatchServices{pump_, directories_, view_, view_},
                        BatchProgram{folder_.root(), FAKECONV_PATH, PathStyle::Posix}};
};

TEST_F(BatchDriverTest, StartWithAnEmptyQueueOnlyAsksForAFile) {
    driver_.Start();
    EXPECT_EQ(view_.log, (std::vector<std::string>{"message Add !: Please add a file"}));
    EXPECT_FALSE(driver_.timerActive());
}

TEST_F(BatchDriverTest, ThreeFilesConvertInQueueOrderWithOneFinish) {
    Enqueue("a.flv");
    Enqueue("b.flv");
    Enqueue("c.flv");
    driver_.Start();
    EXPECT_EQ(view_.log, kDisableOrder);
    EXPECT_TRUE(driver_.timerActive());
    RunBatch();

    EXPECT_EQ(Runs(), (std::vector<std::string>{folder_.Path("a.flv") + " -> " + Out("a.mpg"),
                                                folder_.Path("b.flv") + " -> " + Out("b.mpg"),
                                                folder_.Path("c.flv") + " -> " + Out("c.mpg")}));
    EXPECT_TRUE(queue_.empty());
    EXPECT_EQ(std::count(view_.log.begin(), view_.log.end(), "finished"), 1);
    EXPECT_EQ(std::count_if(view_.log.begin(), view_.log.end(), [](auto& e) { return e.starts_with("open "); }), 1);

    std::vector<std::string> finish = {"open " + folder_.Path("out"), "sound " + folder_.Path("sound.wav")};
    finish.insert(finish.end(), kEnableOrder.begin(), kEnableOrder.end());
    finish.push_back("finished");
    EXPECT_EQ(LogFrom("open " + folder_.Path("out")), finish);
    EXPECT_EQ(view_.captions.back(), "Done.");
    EXPECT_EQ(view_.barWidths.back(), 0.0f);
    EXPECT_EQ(driver_.convertedCount(), 3u);
    EXPECT_TRUE(driver_.failures().empty());
    // Each file's progress: 5 of 10 seconds.
    EXPECT_EQ(std::count(view_.captions.begin(), view_.captions.end(), "50%"), 3);
}

TEST_F(BatchDriverTest, EveryFileStartsAtTheSameStackDepth) {
    for (const char* name : {"1.flv", "2.flv", "3.flv", "4.flv", "5.flv"}) Enqueue(name, "");
    RunBatch();
    ASSERT_EQ(view_.stackMarks.size(), 5u);
    EXPECT_EQ(std::set<std::uintptr_t>(view_.stackMarks.begin() + 1, view_.stackMarks.end()).size(), 1u);
}

TEST_F(BatchDriverTest, ChangesDuringAConversionApplyFromTheNextFileOn) {
    Enqueue("a.flv", "print Duration: 00:00:10.00, \nsleep 150\n");
    Enqueue("b.flv", "");
    bool changed = false;
    QObject::connect(&runner_, &DOSOutputs::ReceiveOutputs, [&](const std::string&) {
        if (changed) return;
        changed = true;
        queue_.AppendSource(Source("late.flv", ""));
        view_.selections.formatIndex = 6;  // MP3
        options_.completionSoundIndex = 1;
    });
    RunBatch();

    ASSERT_EQ(Runs().size(), 3u);
    EXPECT_EQ(Runs()[0], folder_.Path("a.flv") + " -> " + Out("a.mpg"));
    EXPECT_EQ(Runs()[1], folder_.Path("b.flv") + " -> " + Out("b.mp3"));
    EXPECT_EQ(Runs()[2], folder_.Path("late.flv") + " -> " + Out("late.mp3"));
    EXPECT_NE(std::find(view_.log.begin(), view_.log.end(), "start 3/3 " + folder_.Path("late.flv")), view_.log.end());
    EXPECT_EQ(std::count_if(view_.log.begin(), view_.log.end(), [](auto& e) { return e.starts_with("sound "); }), 0);
}

TEST_F(BatchDriverTest, FailedFilesAreReportedAtTheEndAndTheBatchGoesOn) {
    Enqueue("bad.flv", "print Invalid data found when processing input\nexit 1\n");
    Enqueue("good.flv");
    Enqueue("empty.flv", "print nothing to write\nnooutput\n");
    RunBatch();

    EXPECT_EQ(Runs().size(), 3u);
    EXPECT_TRUE(queue_.empty());
    EXPECT_EQ(driver_.convertedCount(), 1u);
    EXPECT_EQ(driver_.failures(),
              (std::vector<BatchFailure>{
                  {folder_.Path("bad.flv"), "the converter exited with status 1: Invalid data found when processing input"},
                  {folder_.Path("empty.flv"), "the converter wrote no output file: nothing to write"}}));
    // Finish runs in full first; the report comes last, before the end.
    const std::vector<std::string> tail(view_.log.end() - 2, view_.log.end());
    EXPECT_EQ(tail[0], "message Tavoclip !: These files were not converted:\n\n" + folder_.Path("bad.flv") +
                           ": the converter exited with status 1: Invalid data found when processing input\n" +
                           folder_.Path("empty.flv") + ": the converter wrote no output file: nothing to write");
    EXPECT_EQ(tail[1], "finished");
    EXPECT_EQ(view_.captions.back(), "Done.");
}

TEST_F(BatchDriverTest, ConverterThatCannotStartStopsTheBatchWithTheFileKept) {
    BatchDriver driver(view_, queue_, runner_, tracker_, options_, BatchServices{pump_, directories_, view_, view_},
                       BatchProgram{folder_.root(), folder_.Path("missing-conv"), PathStyle::Posix});
    QObject::disconnect(&runner_, nullptr, &driver_, nullptr);
    Enqueue("a.flv");
    Enqueue("b.flv");
    driver.Start();
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();

    EXPECT_EQ(queue_.count(), 2u);
    std::vector<std::string> expected = kDisableOrder;
    expected.push_back("start 1/2 " + folder_.Path("a.flv"));
    expected.push_back("message Tavoclip x: File or command not found");
    expected.push_back("failed " + folder_.Path("a.flv"));
    expected.insert(expected.end(), kEnableOrder.begin(), kEnableOrder.end());
    expected.push_back("stopped, 1 not converted");  // b.flv never started
    EXPECT_EQ(view_.log, expected);
    EXPECT_TRUE(std::filesystem::is_directory(folder_.Path("out")));
}

TEST_F(BatchDriverTest, AFileAddedDuringTheBatchIsASourceNoOutputMayReplace) {
    Enqueue("a.flv", "print Duration: 00:00:10.00, \nsleep 150\n");
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

TEST_F(BatchDriverTest, StopEndsTheConverterInHandAndCountsTheFilesLeft) {
    Enqueue("done.flv", "");
    Enqueue("long.flv", "print Duration: 00:00:10.00, \nsleep 20000\n");
    Enqueue("never.flv", "");
    QObject::connect(&runner_, &DOSOutputs::ReceiveOutputs, [&](const std::string&) { driver_.Stop(); });
    RunBatch();

    EXPECT_EQ(Runs().size(), 2u);  // never.flv did not start
    EXPECT_EQ(view_.log.back(), "stopped, 2 not converted");
    EXPECT_EQ(driver_.convertedCount(), 1u);
    EXPECT_TRUE(driver_.failures().empty());
    EXPECT_EQ(queue_.count(), 2u);
    EXPECT_EQ(view_.log[view_.log.size() - 2], "enable imgMenu(2)");
    driver_.Stop();  // no batch runs: nothing happens
    EXPECT_EQ(view_.log.back(), "stopped, 2 not converted");
}

TEST_F(BatchDriverTest, NamesThatCannotBePassedOnAreRefusedAndTheOthersConvert) {
    queue_.AppendSource(folder_.root() + "/bad\xff.flv");
    Enqueue("good.flv");
    RunBatch();
    EXPECT_EQ(Runs(), (std::vector<std::string>{folder_.Path("good.flv") + " -> " + Out("good.mpg")}));
    EXPECT_EQ(driver_.failures(), (std::vector<BatchFailure>{{folder_.root() + "/bad\xff.flv",
        "the file's name is not valid UTF-8, so it cannot be passed on unchanged"}}));
    EXPECT_EQ(view_.log.back(), "finished");

    // An output folder that is not valid UTF-8 is not created under another name.
    view_.outputFolder = folder_.root() + "/od\xff";
    view_.log.clear();
    Enqueue("other.flv");
    RunBatch();
    EXPECT_EQ(Runs().size(), 1u);
    EXPECT_EQ(driver_.failures().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder_.root() + "/od\xef\xbf\xbd"));

    // A file where the folder should be.
    view_.outputFolder = folder_.Write("plain", "");
    view_.log.clear();
    Enqueue("third.flv");
    RunBatch();
    EXPECT_EQ(driver_.failures().back().reason, "the output folder " + folder_.Path("plain") + " is a file, not a folder");
}

TEST_F(BatchDriverTest, AnEmptyFolderTextMeansTheDefaultOutputFolder) {
    BatchDriver driver(view_, queue_, runner_, tracker_, options_, BatchServices{pump_, directories_, view_, view_},
                       BatchProgram{folder_.root(), FAKECONV_PATH, PathStyle::Posix});
    driver.SetDefaultOutputFolder(folder_.Path("default"));
    QObject::disconnect(&runner_, nullptr, &driver_, nullptr);
    view_.outputFolder.clear();
    Enqueue("a.flv");
    RunBatch(&driver);
    EXPECT_EQ(Runs(), (std::vector<std::string>{folder_.Path("a.flv") + " -> " + folder_.Path("default/a.mpg")}));
    EXPECT_TRUE(std::filesystem::exists(folder_.Path("default/a.mpg")));
}

}  // namespace
}  // namespace tavoclip
