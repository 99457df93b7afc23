#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "AnsweringDialogs.h"
#include "BatchDriver.h"
#include "COMDLG.h"
#include "FileSystemDirectoryMaker.h"
#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "RecordingBatchView.h"
#include "RunUntil.h"
#include "SourceListActions.h"
#include "SourceListModel.h"
#include "SourceListView.h"

namespace tavoclip {
namespace {

// A file dropped on the list while the batch converts its first file joins
// the end of the queue and is converted in the same batch.
TEST(DropDuringBatchTest, AFileDroppedDuringTheBatchIsConvertedInIt)
{
    QTemporaryDir folder;
    const auto source = [&](const std::string& name, const std::string& script) {
        const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path) << script;
        return path;
    };
    const std::string log = folder.filePath("runs.log").toStdString();
    qputenv("FAKECONV_LOG", QByteArray::fromStdString(log));

    SourceQueue queue;
    SourceListModel model(queue);
    QWidget window;
    auto* LV = new SourceListView(&window);
    LV->setModel(&model);
    auto* picText = new QWidget(&window);
    auto* lblText = new QLabel(SourceListActions::kDropPrompt, picText);
    auto* txtPath = new QLineEdit(&window);
    testing::AnsweringDialogs dialogs;
    COMDLG comdlg(dialogs, folder.path());
    QtEventPump pump;
    SourceListActions actions(queue, pump, comdlg, {&window, LV, picText, lblText, txtPath}, [] { return QString(); });

    RecordingBatchView view;
    QtProcessLauncher launcher;
    DOSOutputs runner(launcher, view);
    ConversionOptions options;
    FileSystemDirectoryMaker directories;
    BatchDriver driver(view, queue, {&runner}, options, BatchServices{pump, directories, view, view},
                       BatchProgram{folder.path().toStdString(), FAKECONV_PATH});
    driver.SetSettings({{0, "128k", "320x240", "128k"}, folder.filePath("out").toStdString()});
    view.Follow(driver);

    const std::string first = source("first.flv", "print Duration: 00:00:10.00, \n");
    const std::string second = source("second.flv", "");
    const std::string dropped = source("dropped.flv", "");
    queue.AppendSource(first);
    queue.AppendSource(second);
    queue.UpdateEmptyPrompt();

    bool droppedOnce = false;
    QObject::connect(&runner, &DOSOutputs::ReceiveOutputs, [&](const std::string&) {
        if (droppedOnce)
            return;
        droppedOnce = true;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(LV->viewport(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(LV->viewport(), &drop);
        EXPECT_EQ(queue.count(), 3u) << "behind the file in conversion";
    });
    driver.Start();
    const bool ended = RunUntil([&] { return view.Ended(); });
    qunsetenv("FAKECONV_LOG");

    ASSERT_TRUE(ended);
    std::ifstream runs(log);
    std::vector<std::string> sources;
    for (std::string line; std::getline(runs, line);)
        sources.push_back(line.substr(0, line.find(" -> ")));
    EXPECT_EQ(sources, (std::vector<std::string>{first, second, dropped}));
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(picText->isHidden());
}

}  // namespace
}  // namespace tavoclip
