#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AnsweringDialogs.h"
#include "COMDLG.h"
#include "QtEventPump.h"
#include "RecordingMessageSink.h"
#include "SourceListActions.h"
#include "SourceListModel.h"
#include "SourceListView.h"

namespace tavoclip {
namespace {

using testing::AnsweringDialogs;

// The real pump, with a hook that runs inside it, as a user action or a drop
// arriving while events run would.
class HookedPump final : public EventPump {
public:
    std::function<void()> during;
    int calls = 0;
    void ProcessPendingEvents() override
    {
        ++calls;
        if (during)
            during();
        real_.ProcessPendingEvents();
    }

private:
    QtEventPump real_;
};

struct DropResult {
    bool accepted;
    Qt::DropAction action;
};

// The list, its prompt and the output folder field as the main window lays
// them out, with the actions wired to them and dialogs answered by the test.
class SourceListActionsTest : public ::testing::Test {
protected:
    SourceListActionsTest()
    {
        window_.resize(480, 360);
        LV_ = new SourceListView(&window_);
        LV_->setGeometry(10, 10, 455, 274);
        LV_->setModel(&model_);
        picText_ = new QWidget(&window_);
        picText_->setGeometry(150, 110, 163, 21);
        lblText_ = new QLabel(SourceListActions::kDropPrompt, picText_);
        txtPath_ = new QLineEdit(&window_);
        QObject::connect(&model_, &SourceListModel::emptyPromptUpdated, picText_, &QWidget::setVisible);
        actions_ = std::make_unique<SourceListActions>(
            queue_, pump_, comdlg_, SourceListControls{&window_, LV_, picText_, lblText_, txtPath_, &messages_},
            [this] { return program_.path() + "/output"; });
        window_.show();
    }

    QString Touch(const QString& relative) const
    {
        const QString path = files_.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
    void Enqueue(const std::vector<QString>& paths)
    {
        for (const QString& path : paths)
            queue_.AppendSource(path.toStdString());
        queue_.UpdateEmptyPrompt();
    }
    std::vector<std::string> Queued() const
    {
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < queue_.count(); ++i)
            paths.push_back(queue_.at(i).path);
        return paths;
    }
    static std::vector<std::string> Std(const std::vector<QString>& paths)
    {
        std::vector<std::string> result;
        for (const QString& path : paths)
            result.push_back(path.toStdString());
        return result;
    }
    bool PromptShown() const { return !picText_->isHidden(); }
    void SelectRow(int row) { LV_->setCurrentIndex(model_.index(row, 0)); }

    // The view shows exactly the queue, in order, both cells of every row.
    void ExpectViewShowsQueue() const
    {
        const QAbstractItemModel& shown = *LV_->model();
        ASSERT_EQ(static_cast<std::size_t>(shown.rowCount()), queue_.count());
        for (int row = 0; row < shown.rowCount(); ++row) {
            const SourceEntry& entry = queue_.at(static_cast<std::size_t>(row));
            EXPECT_EQ(shown.data(shown.index(row, 0)).toString().toStdString(), entry.path) << "row " << row;
            EXPECT_EQ(shown.data(shown.index(row, 1)).toString().toStdString(), entry.formatLabel) << "row " << row;
        }
    }

    // A drag enters the list before it drops; Qt delivers the drop only to
    // the widget that accepted the entry.
    DropResult Drop(const QMimeData& data)
    {
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(QPoint(20, 20), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(LV_->viewport(), &enter);
        QDropEvent drop(QPointF(20, 20), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(LV_->viewport(), &drop);
        return {drop.isAccepted(), drop.dropAction()};
    }
    static std::unique_ptr<QMimeData> FilesData(const std::vector<QString>& paths)
    {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        return data;
    }

    QTemporaryDir program_;
    QTemporaryDir files_;
    SourceQueue queue_;
    SourceListModel model_{queue_};
    QWidget window_;
    SourceListView* LV_;
    QWidget* picText_;
    QLabel* lblText_;
    QLineEdit* txtPath_;
    AnsweringDialogs dialogs_;
    COMDLG comdlg_{dialogs_, program_.path()};
    HookedPump pump_;
    RecordingMessageSink messages_;
    std::unique_ptr<SourceListActions> actions_;
};

TEST_F(SourceListActionsTest, TheOpenDialogQueuesThePickAndRemembersItsFolder)
{
    actions_->imgAdd_Click();  // cancelled
    ASSERT_EQ(dialogs_.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs_.fileRequests[0].title, "Open Files");
    EXPECT_EQ(dialogs_.fileRequests[0].folder, program_.path()) << "the first dialog opens in the program folder";
    EXPECT_EQ(dialogs_.fileRequests[0].nameFilters.size(), 8);
    EXPECT_TRUE(actions_->lastOpenFolder().isEmpty());
    EXPECT_TRUE(queue_.empty());
    EXPECT_TRUE(PromptShown());

    const QString clip = Touch("videos/clip.flv");
    dialogs_.fileAnswers = {clip};
    actions_->imgAdd_Click();
    EXPECT_EQ(Queued(), Std({clip}));
    EXPECT_EQ(queue_.at(0).formatLabel, "FLV");
    EXPECT_EQ(actions_->lastOpenFolder(), files_.filePath("videos/"));
    EXPECT_FALSE(PromptShown());
    ExpectViewShowsQueue();

    actions_->imgAdd_Click();  // cancelled: nothing changes
    EXPECT_EQ(dialogs_.fileRequests[2].folder, files_.filePath("videos/"));
    EXPECT_EQ(Queued(), Std({clip}));
    EXPECT_FALSE(PromptShown());

    // The remembered folder has gone: the program folder takes its place.
    QDir(files_.filePath("videos")).removeRecursively();
    const QString typed = files_.filePath("never-made.txt");
    dialogs_.fileAnswers = {typed};
    actions_->imgAdd_Click();
    EXPECT_EQ(dialogs_.fileRequests[3].folder, program_.path());
    EXPECT_EQ(Queued(), Std({clip, typed})) << "a typed name is queued as it stands";
    ExpectViewShowsQueue();
}

TEST(SourceListParsePathTest, KeepsThePathUpToItsLastSeparator)
{
    EXPECT_EQ(SourceListActions::ParsePath("/videos/clip.flv"), "/videos/");
    EXPECT_EQ(SourceListActions::ParsePath("clip.flv"), "");
    EXPECT_EQ(SourceListActions::ParsePath(""), "");
    EXPECT_EQ(SourceListActions::ParsePath("/v/a:b\\c.flv"), "/v/") << "':' and '\\' are letters of a name here";
}

TEST_F(SourceListActionsTest, AFolderImportQueuesEveryFileBelowItInSearchOrder)
{
    const QString root = files_.filePath("pick");
    const QString a = Touch("pick/a.flv");
    const QString b = Touch("pick/b.txt");
    const QString hidden = Touch("pick/.hidden");
    const QString c = Touch("pick/sub/c.mp4");
    QDir().mkpath(root + "/empty");
    std::filesystem::create_directory_symlink(root.toStdString(), (root + "/sub/loop").toStdString());
    Enqueue({a});

    QString searchingText;
    bool searchingShown = false;
    pump_.during = [&] {
        searchingText = lblText_->text();
        searchingShown = PromptShown();
    };
    dialogs_.folderAnswers = {root};
    actions_->AddFolder();

    EXPECT_EQ(dialogs_.folderTitles, std::vector<QString>{"Please select a folder:"});
    EXPECT_EQ(searchingText, "Searching Files...");
    EXPECT_TRUE(searchingShown) << "the strip carries the message over a filled list";
    EXPECT_GT(pump_.calls, 0);
    EXPECT_EQ(Queued(), Std({a, hidden, a, b, c})) << "own files first, then each subfolder; no link followed";
    EXPECT_EQ(queue_.at(3).formatLabel, "TXT");
    EXPECT_EQ(queue_.at(0).root, "");
    EXPECT_EQ(queue_.at(4).root, root.toStdString());
    EXPECT_EQ(lblText_->text(), SourceListActions::kDropPrompt);
    EXPECT_FALSE(PromptShown());
    ExpectViewShowsQueue();
}

TEST_F(SourceListActionsTest, AFolderImportSearchesEverySubfolderPastThe200th)
{
    for (int i = 1; i <= 201; ++i)
        Touch(QStringLiteral("wide/d%1/f.flv").arg(i, 3, 10, QLatin1Char('0')));
    dialogs_.folderAnswers = {files_.filePath("wide")};
    actions_->AddFolder();
    ASSERT_EQ(queue_.count(), 201u);
    EXPECT_EQ(QString::fromStdString(queue_.at(199).path), files_.filePath("wide/d200/f.flv"));
    EXPECT_EQ(QString::fromStdString(queue_.at(200).path), files_.filePath("wide/d201/f.flv"));
    ExpectViewShowsQueue();
}

TEST_F(SourceListActionsTest, ACancelledOrEmptyFolderImportAddsNothingAndRestoresThePrompt)
{
    actions_->AddFolder();  // cancelled
    QDir().mkpath(files_.filePath("nothing"));
    dialogs_.folderAnswers = {files_.filePath("nothing")};
    actions_->AddFolder();
    EXPECT_TRUE(queue_.empty());
    EXPECT_TRUE(PromptShown());
    EXPECT_EQ(lblText_->text(), SourceListActions::kDropPrompt);

    Enqueue({Touch("one.flv")});
    actions_->AddFolder();  // cancelled over a filled list: the strip goes again
    EXPECT_FALSE(PromptShown());
    ExpectViewShowsQueue();
}

TEST_F(SourceListActionsTest, DroppedFilesAreQueuedInOrderAsCopies)
{
    const QString a = Touch("a.flv");
    const QString b = Touch("b.Mpeg");
    const auto three = FilesData({a, b, a});
    const DropResult dropped = Drop(*three);
    EXPECT_TRUE(dropped.accepted);
    EXPECT_EQ(dropped.action, Qt::CopyAction) << "the drag source must never move its files";
    EXPECT_EQ(Queued(), Std({a, b, a}));
    EXPECT_EQ(queue_.at(1).formatLabel, "PEG");
    EXPECT_FALSE(PromptShown());
    ExpectViewShowsQueue();

    EXPECT_TRUE(messages_.shown.empty());
}

// A dropped folder is searched as the folder import searches it; a dropped
// name that is gone or is not UTF-8 is refused at once, all in one message,
// and the rest of the drop still goes in.
TEST_F(SourceListActionsTest, ADroppedFolderIsSearchedAndUnusableNamesAreRefusedInOneMessage)
{
    const QString inner = Touch("clips/one.flv");
    const QString deeper = Touch("clips/sub/two.mp4");
    const QString last = Touch("last.avi");
    const QByteArray latin1 = files_.filePath("caf").toUtf8() + "\xe9.flv";
    ASSERT_TRUE(std::ofstream(latin1.toStdString()).good());
    auto data = FilesData({files_.filePath("clips"), files_.filePath("gone.mp4")});
    QList<QUrl> urls = data->urls();
    // A file manager sends such a name percent-encoded, byte for byte.
    urls << QUrl::fromEncoded("file://" + latin1.toPercentEncoding("/")) << QUrl::fromLocalFile(last);
    data->setUrls(urls);

    EXPECT_TRUE(Drop(*data).accepted);

    EXPECT_EQ(Queued(), Std({inner, deeper, last})) << "the folder's files, not the folder";
    ASSERT_EQ(messages_.shown.size(), 1u);
    const QString text = QString::fromStdString(messages_.shown[0].text);
    EXPECT_TRUE(text.contains(files_.filePath("gone.mp4") + ": no such file or folder")) << text.toStdString();
    EXPECT_TRUE(text.contains(files_.filePath("caf") + "\\xe9.flv: the name is not valid UTF-8")) << text.toStdString();
    EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(PromptShown());
    ExpectViewShowsQueue();
}

TEST_F(SourceListActionsTest, DropsWithoutFilesAreRefusedAndChangeNothing)
{
    QMimeData text;
    text.setText("/tmp/a.flv");
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(LV_->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_FALSE(Drop(text).accepted);

    QMimeData web;
    web.setUrls({QUrl("https://example.com/clip.flv")});
    EXPECT_FALSE(Drop(web).accepted);
    EXPECT_TRUE(queue_.empty());
    EXPECT_TRUE(PromptShown());
    EXPECT_EQ(pump_.calls, 0);
    ExpectViewShowsQueue();
}

TEST_F(SourceListActionsTest, RemoveSelectedTakesExactlyTheSelectedRow)
{
    actions_->imgRemove_Click();  // empty list
    EXPECT_TRUE(queue_.empty());
    EXPECT_TRUE(PromptShown());

    const std::vector<QString> five{"1.flv", "2.flv", "3.flv", "4.flv", "5.flv"};
    Enqueue(five);
    actions_->imgRemove_Click();  // nothing selected
    EXPECT_EQ(queue_.count(), 5u);

    SelectRow(2);
    actions_->imgRemove_Click();
    EXPECT_EQ(Queued(), Std({"1.flv", "2.flv", "4.flv", "5.flv"}));
    ExpectViewShowsQueue();

    Enqueue({});
    while (!queue_.empty()) {
        SelectRow(0);
        actions_->imgRemove_Click();
    }
    EXPECT_TRUE(PromptShown()) << "removing the last entry shows the prompt";
    ExpectViewShowsQueue();
}

TEST_F(SourceListActionsTest, RemoveAllEmptiesTheListWhileEventsRunAndKeepsWhatArrivesMeanwhile)
{
    actions_->menuRemoveAll_Click();  // empty list
    EXPECT_TRUE(PromptShown());

    Enqueue({"1.flv", "2.flv", "3.flv", "4.flv", "5.flv"});
    const QString late = Touch("late.flv");
    pump_.during = [&] {
        pump_.during = nullptr;
        Drop(*FilesData({late}));
    };
    actions_->menuRemoveAll_Click();
    EXPECT_GE(pump_.calls, 5) << "events run after every row";
    EXPECT_EQ(Queued(), Std({late})) << "the number of removals is fixed at the start";
    ExpectViewShowsQueue();

    actions_->menuRemoveAll_Click();
    EXPECT_TRUE(queue_.empty());
    EXPECT_TRUE(PromptShown());
    ExpectViewShowsQueue();
}

TEST_F(SourceListActionsTest, TheOutputFolderChooserSetsTheFieldAndACancelResetsIt)
{
    dialogs_.folderAnswers = {files_.path()};
    actions_->imgBrowse_Click();
    EXPECT_EQ(txtPath_->text(), files_.path());
    EXPECT_EQ(dialogs_.folderTitles, std::vector<QString>{"Please select a folder:"});

    actions_->imgBrowse_Click();  // cancelled
    EXPECT_EQ(txtPath_->text(), program_.path() + "/output") << "not the previous choice";
    EXPECT_EQ(dialogs_.folderStarts, (std::vector<QString>{QString(), files_.path()}))
        << "the chooser opens at the field's folder when it exists";
}

// Paths from a command line: files as a drop adds them, folders as the
// folder import does, in the order given; a name that is not UTF-8 and a
// path that is not there are refused by name, and the rest still go in.
TEST_F(SourceListActionsTest, LaunchPathsAreQueuedLikeDropsAndFolderImports)
{
    const QString first = Touch("first.flv");
    const QString inner = Touch("dir/sub/inner.mp4");
    const QString last = Touch("last.avi");
    const QByteArray latin1 = files_.filePath("caf").toUtf8() + "\xe9.flv";
    ASSERT_TRUE(std::ofstream(latin1.toStdString()).good());

    // "." names this process's own working folder, which exists: a relative
    // path is refused all the same, as it may mean another folder where it
    // was typed.
    const QStringList refused = actions_->AppendLaunchPaths(
        {first.toUtf8(), latin1, files_.filePath("dir").toUtf8(), files_.filePath("gone.mp4").toUtf8(), ".",
         last.toUtf8()});

    EXPECT_EQ(Queued(), Std({first, inner, last}));
    // A folder's files remember the folder (for a kept folder structure); a
    // file named on its own has none.
    EXPECT_EQ(queue_.at(0).root, "");
    EXPECT_EQ(queue_.at(1).root, files_.filePath("dir").toStdString());
    ASSERT_EQ(refused.size(), 3);
    EXPECT_EQ(refused[0], files_.filePath("caf") + "\\xe9.flv: the name is not valid UTF-8 text");
    EXPECT_EQ(refused[1], files_.filePath("gone.mp4") + ": no such file or folder");
    EXPECT_TRUE(refused[2].startsWith(".: not a full path")) << refused[2].toStdString();
    EXPECT_FALSE(PromptShown());
    EXPECT_EQ(lblText_->text(), SourceListActions::kDropPrompt);
    ExpectViewShowsQueue();

    // Nothing that can be added: the prompt stays.
    queue_.ClearSources();
    queue_.UpdateEmptyPrompt();
    EXPECT_EQ(actions_->AppendLaunchPaths({latin1}).size(), 1);
    EXPECT_TRUE(queue_.empty());
    EXPECT_TRUE(PromptShown());
}

// However many paths a launch refuses, the message keeps to ten lines of
// bounded width, so its box and its OK button stay on the screen.
TEST_F(SourceListActionsTest, TheRefusalMessageShowsTheFirstTenLinesEachOfBoundedWidth)
{
    QStringList many;
    for (int i = 1; i <= 20000; ++i)
        many += QStringLiteral("/v/%1.flv: no such file or folder").arg(i);
    const QString cut = SourceListActions::RefusedLaunchPathsMessage(many);
    EXPECT_EQ(cut, QStringLiteral("These were not added:\n\n") + many.mid(0, 10).join('\n') + "\n\nand 19990 more.");
    EXPECT_EQ(SourceListActions::RefusedLaunchPathsMessage(many.mid(0, 10)).count('\n'), 11) << "no count for ten";

    const QString longName = "/" + QString(3000, 'a') + QString::fromUtf8("\xf0\x9f\x98\x80") + QString(99, 'b');
    const QStringList lines = SourceListActions::RefusedLaunchPathsMessage({longName}).split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_LE(lines[2].size(), SourceListActions::kShownRefusalCharacters + 1);
    EXPECT_TRUE(lines[2].startsWith("/aaa") && lines[2].endsWith("bbb")) << lines[2].toStdString();
    EXPECT_FALSE(lines[2].toUtf8().contains("\xef\xbf\xbd")) << "a character was split";
}

}  // namespace
}  // namespace tavoclip
