#include <QLabel>
#include <QLineEdit>

#include <csignal>
#include <fstream>

#include "BatchDriver.h"
#include "DOSOutputs.h"
#include "FileSystemDirectoryMaker.h"
#include "MainWindowFixture.h"
#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "RecordingBatchView.h"
#include "RunUntil.h"

using namespace tavoclip;
using namespace tavoclip::testing;

namespace {

// A stand-in converter: prints a duration and one progress line the way the
// converter does, and writes a small output file at the last argument.
const char* const kFakeConverter = R"(#!/bin/sh
for last; do :; done
echo "  Duration: 00:00:02.00, start: 0.000000" >&2
echo "size=  1kB time=00:00:01.00 bitrate= 1.0kbits/s" >&2
echo converted > "$last"
)";

}  // namespace

class MainWindowBatchTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        converter = folder.path() + "/fake-conv";
        WriteProgramFile("fake-conv", kFakeConverter);
        QFile::setPermissions(converter, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        driver = std::make_unique<BatchDriver>(Window(), queue, std::vector<DOSOutputs*>{runner.get()}, options,
                                               BatchServices{pump, directories, desktopLog, desktopLog},
                                               BatchProgram{folder.path().toStdString(), converter.toStdString()});
        Window().Follow(*driver);
        QObject::connect(&Window(), &frmMain::batchSettingsChanged, driver.get(),
                         [this] { driver->SetSettings(Window().CurrentBatchSettings()); });
        driver->SetSettings(Window().CurrentBatchSettings());
        operations.onStartBatch = [this] { driver->Start(); };
    }

    bool WaitForCaption(const QString& caption)
    {
        return RunUntil([&] { return Control<QLabel>("lblPB").text() == caption; });
    }

    void ExpectBatchControlsEnabled(bool enabled)
    {
        for (const char* name : {"imgToolbar0", "imgToolbar1", "imgToolbar2", "imgToolbar3", "imgToolbar4",
                                 "imgToolbar6", "imgMenu0", "imgMenu1", "imgMenu2", "imgConvert", "lblFeed"})
            EXPECT_EQ(Control(name).isEnabled(), enabled) << name;
    }

    QString converter;
    QtProcessLauncher launcher;
    QtEventPump pump;
    std::unique_ptr<DOSOutputs> runner = std::make_unique<DOSOutputs>(launcher, messages);
    FileSystemDirectoryMaker directories;
    RecordingBatchView desktopLog;  // the folder opened and the sound played
    std::unique_ptr<BatchDriver> driver;
};

TEST_F(MainWindowBatchTest, EmptyQueueAsksForAFileAndChangesNothing)
{
    Click(Spot("imgConvert"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Please add a file");
    EXPECT_EQ(messages.shown[0].title, "Add");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    ExpectBatchControlsEnabled(true);
    EXPECT_FALSE(driver->timerActive());
}

TEST_F(MainWindowBatchTest, OneFileBatchEndsWithDoneTheFolderAndTheSound)
{
    queue.AppendSource((folder.path() + "/clip.flv").toStdString());
    queue.UpdateEmptyPrompt();
    EXPECT_TRUE(Control("picText").isHidden());
    Click(Spot("imgConvert"));
    ExpectBatchControlsEnabled(false);
    EXPECT_TRUE(Spot("imgBrowse").isEnabled());
    EXPECT_TRUE(Control("cmbOF").isEnabled());

    ASSERT_TRUE(WaitForCaption("Done."));
    const std::string outputFolder = (folder.path() + "/output").toStdString();
    EXPECT_EQ(desktopLog.log, (std::vector<std::string>{"open " + outputFolder,
                                                        "sound " + (folder.path() + "/sound.wav").toStdString()}));
    ExpectBatchControlsEnabled(true);
    EXPECT_EQ(Control<QLabel>("imgPB").width(), 0);
    EXPECT_EQ(queue.count(), 0u);
    EXPECT_FALSE(Control("picText").isHidden());
    EXPECT_TRUE(QFileInfo(folder.path() + "/output/clip.mpg").isFile());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowBatchTest, SoundOffPlaysNothing)
{
    options.completionSoundIndex = 1;
    queue.AppendSource((folder.path() + "/clip.flv").toStdString());
    Click(Spot("imgConvert"));
    ASSERT_TRUE(WaitForCaption("Done."));
    EXPECT_EQ(desktopLog.Count("sound "), 0u);
    EXPECT_EQ(desktopLog.Count("open "), 1u);
}

TEST_F(MainWindowBatchTest, ProgressBarStaysInsideItsTrough)
{
    frmMain& window = Window();
    window.SetProgressBarWidth(5415.0f / 2);
    EXPECT_EQ(Control<QLabel>("imgPB").width(), 181);
    window.SetProgressBarWidth(99999.0f);
    EXPECT_EQ(Control<QLabel>("imgPB").width(), 361);
    window.SetProgressCaption("45.6%");
    EXPECT_EQ(Control<QLabel>("lblPB").text(), "45.6%");
}

// Exit during a batch ends the program at once, through the ordinary way
// out; the converter is not stopped and finishes its file.
TEST_F(MainWindowBatchTest, ExitDuringABatchEndsTheProgramAndLeavesTheConverterRunning)
{
    const QString gate = folder.path() + "/gate";
    const QString pidFile = folder.path() + "/pid";
    WriteProgramFile("fake-conv", QStringLiteral("#!/bin/sh\nfor last; do :; done\necho $$ > \"%1\"\n"
                                                 "while [ ! -e \"%2\" ]; do sleep 0.01; done\n"
                                                 "echo converted > \"$last\"\n")
                                      .arg(pidFile, gate)
                                      .toUtf8());
    queue.AppendSource((folder.path() + "/clip.flv").toStdString());
    Click(Spot("imgConvert"));
    const auto pid = [&] {
        std::ifstream file(pidFile.toStdString());
        std::string line;
        return std::getline(file, line) && file.good() ? std::stoi(line) : 0;
    };
    ASSERT_TRUE(RunUntil([&] { return pid() != 0; }));
    EXPECT_TRUE(Window().batchRunning());

    Click(Spot("imgExit"));
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(cleanups, 1);
    // What main does once its event loop has returned: everything goes.
    driver.reset();
    runner.reset();
    EXPECT_EQ(::kill(pid(), 0), 0) << "the converter was stopped";
    ASSERT_TRUE(QFile(gate).open(QIODevice::WriteOnly));
    EXPECT_TRUE(RunUntil([&] { return QFileInfo(folder.path() + "/output/clip.mpg").isFile(); }));
}
