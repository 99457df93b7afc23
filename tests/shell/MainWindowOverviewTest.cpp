// The whole batch on the window: several files at once, Stop and Escape,
// the title and the bar's tool tip.
#include <QDir>
#include <QLabel>
#include <QTest>

#include <set>

#include "BatchDriver.h"
#include "BatchOverview.h"
#include "MessageTexts.h"
#include "DOSOutputs.h"
#include "FileSystemDirectoryMaker.h"
#include "MainWindowFixture.h"
#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "RecordingBatchView.h"
#include "RunUntil.h"
#include "SourceListModel.h"

using namespace tavoclip;
using namespace tavoclip::testing;

namespace {

struct AtOnceRow {
    std::size_t filesAtOnce;
    bool escape;  // Escape, or a click on the Stop button
};

// Three files whose converters hold until stopped; the window runs them
// with two runners of which the row uses some.
class MainWindowOverviewTest : public MainWindowTest, public ::testing::WithParamInterface<AtOnceRow> {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        driver = std::make_unique<BatchDriver>(Window(), queue, std::vector<DOSOutputs*>{&first, &second}, options,
                                               BatchServices{pump, directories, desktopLog, desktopLog},
                                               BatchProgram{folder.path().toStdString(), FAKECONV_PATH});
        driver->SetSettings({{0, "128k", "320x240", "128k"}, (folder.path() + "/out").toStdString()});
        driver->SetStartPause(0);
        Window().Follow(*driver);
        overview = new BatchOverview(Window(), queue, Window().ListModel());
        overview->Follow(*driver);
        desktopLog.Follow(*driver);
        Window().show();
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
        for (const char* name : {"a.avi", "b.avi", "c.avi"}) {
            WriteProgramFile(name, "onterm\nprint Duration: 00:00:10.00, \nprint frame= time=5.00 x\nwaitfor " +
                                       (folder.path() + "/never").toUtf8() + "\n");
            queue.AppendSource((folder.path() + "/" + name).toStdString());
        }
    }

    QtProcessLauncher launcher;
    QtEventPump pump;
    RecordingBatchView desktopLog;
    DOSOutputs first{launcher, messages};
    DOSOutputs second{launcher, messages};
    FileSystemDirectoryMaker directories;
    std::unique_ptr<BatchDriver> driver;
    BatchOverview* overview = nullptr;  // a child of the window
};

TEST_P(MainWindowOverviewTest, RunsTheChosenNumberAtOnceAndStopsWithoutLosingAFile)
{
    const AtOnceRow row = GetParam();
    driver->SetRunnersInUse(row.filesAtOnce);
    driver->Start();
    // Every file in hand has said it is half done.
    ASSERT_TRUE(RunUntil([&] {
        std::set<std::size_t> halfDone;
        for (std::size_t i = 0; i < desktopLog.shares.size(); ++i)
            if (desktopLog.shares[i] == 0.5)
                halfDone.insert(desktopLog.progressPositions[i]);
        return halfDone.size() == row.filesAtOnce;
    }));
    EXPECT_EQ(desktopLog.Count("start "), row.filesAtOnce);
    EXPECT_TRUE(Window().windowTitle().endsWith(QStringLiteral("% – Tavoclip"))) << Window().windowTitle().toStdString();
    HotSpot& stop = Spot("imgStop");
    EXPECT_TRUE(stop.isVisible());
    EXPECT_EQ(stop.accessibleName(), "Stop");
    // Each file is half done: the bar's caption is the file's own with one
    // at a time, the whole batch's (1/3 or 1/6) with several.
    EXPECT_EQ(Control<QLabel>("lblPB").text(), row.filesAtOnce > 1 ? "33%" : "50%");
    Window().ListModel().Flush();
    EXPECT_FALSE(Window().ListModel().index(2, 0).data(Qt::FontRole).value<QFont>().bold());
    const QFont bold = Window().ListModel().index(1, 0).data(Qt::FontRole).value<QFont>();
    EXPECT_EQ(bold.bold(), row.filesAtOnce > 1);

    if (row.escape)
        QTest::keyClick(&Window(), Qt::Key_Escape);
    else
        Click(stop);
    ASSERT_TRUE(RunUntil([&] { return !driver->running(); }));
    EXPECT_EQ(Control<QLabel>("lblPB").text(), "Stopped: 0 converted, 3 left.");
    EXPECT_EQ(Window().windowTitle(), "Tavoclip");
    EXPECT_FALSE(stop.isVisible());
    EXPECT_EQ(queue.count(), 3u);
    EXPECT_TRUE(QDir(folder.path() + "/out").entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(Control("imgConvert").isEnabled());
    EXPECT_EQ(Window().ListModel().index(1, 0).data(Qt::FontRole), QVariant());
}

INSTANTIATE_TEST_SUITE_P(Rows, MainWindowOverviewTest,
                         ::testing::Values(AtOnceRow{1, true}, AtOnceRow{2, true}, AtOnceRow{2, false}));

struct TitleRow {
    double share;
    long minutesLeft;
    const char* title;
};

class OverviewTitle : public ::testing::TestWithParam<TitleRow> {};

TEST_P(OverviewTitle, ReadsThePercentageAndTheTimeLeft)
{
    EXPECT_EQ(BatchOverview::TitleText(GetParam().share, MessageTexts::TimeLeft(GetParam().minutesLeft)).toStdString(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Rows, OverviewTitle,
                         ::testing::Values(TitleRow{0, -1, "0% – Tavoclip"},
                                           TitleRow{0.379, 2, "37% · about 2 min left – Tavoclip"},
                                           TitleRow{0.999, 0,
                                                    "99% · less than a minute left – Tavoclip"}));

TEST(OverviewToolTip, CountsTheFilesConverted)
{
    EXPECT_EQ(BatchOverview::ToolTipText(3, 8, MessageTexts::TimeLeft(2)).toStdString(),
              "3 of 8 files converted, about 2 min left");
    EXPECT_EQ(BatchOverview::ToolTipText(0, 1, QString()).toStdString(), "0 of 1 files converted");
}

}  // namespace
