#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "AnsweringDialogs.h"
#include "COMDLG.h"
#include "QtFileDialogs.h"
#include "SourceListActions.h"

using namespace tavoclip;
using tavoclip::testing::AnsweringDialogs;

TEST(COMDLGTest, TheTypeListHasItsEightEntriesInOrderAndAllFilesMeansEveryFile)
{
    const QStringList filters = COMDLG::NameFilters(SourceListActions::kOpenFilesFilter);
    ASSERT_EQ(filters.size(), 8);
    EXPECT_EQ(filters.first(), "Flash Video(*.FLV) (*.flv)");
    EXPECT_EQ(filters[6], "Cellphone Video(*.3GP) (*.3gp)");
    EXPECT_EQ(filters.last(), "All Files(*.*) (*)") << "*.* must also list names without a dot";

    EXPECT_EQ(COMDLG::NameFilters("  "), QStringList{"*.* (*)"});
    EXPECT_EQ(COMDLG::NameFilters(""), QStringList{"*.* (*)"});
    EXPECT_EQ(COMDLG::NameFilters("Videos|*.flv;*.FLV|Orphan"), QStringList{"Videos (*.flv *.FLV)"});
}

TEST(COMDLGTest, TheInitialFolderIsNormalisedInPlace)
{
    QTemporaryDir program;
    QTemporaryDir videos;
    AnsweringDialogs dialogs;
    COMDLG comdlg(dialogs, program.path());

    QString blank = "   ";
    comdlg.ShowOpenFile(nullptr, "Open Files", blank, "");
    EXPECT_EQ(blank, program.path());

    QString existing = videos.path();
    comdlg.ShowOpenFile(nullptr, "Open Files", existing, "");
    EXPECT_EQ(existing, videos.path() + QDir::separator()) << "gains its separator";

    QString gone = videos.path() + "/gone/";
    comdlg.ShowOpenFile(nullptr, "Open Files", gone, "");
    EXPECT_EQ(gone, program.path()) << "a missing folder falls back to the program folder";

    ASSERT_EQ(dialogs.fileRequests.size(), 3u);
    EXPECT_EQ(dialogs.fileRequests[1].folder, existing) << "the dialog opens where the caller's text now points";
    EXPECT_FALSE(dialogs.fileRequests[0].fileMustExist);
}

TEST(COMDLGTest, TheQtDialogsShowWhatTheyAreAskedFor)
{
    QTemporaryDir folder;
    QFileDialog open;
    open.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = COMDLG::NameFilters(SourceListActions::kOpenFilesFilter);
    QtFileDialogs::ConfigureOpenDialog(open, {"Open Files", folder.path(), filters, false});
    EXPECT_EQ(open.windowTitle(), "Open Files");
    EXPECT_EQ(open.nameFilters(), filters);
    EXPECT_EQ(open.selectedNameFilter(), "Flash Video(*.FLV)") << "preselected, shown as described";
    EXPECT_EQ(open.fileMode(), QFileDialog::AnyFile) << "one file; a typed name need not exist";
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(QDir(open.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());

    QFileDialog browse;
    browse.setOption(QFileDialog::DontUseNativeDialog);
    QtFileDialogs::ConfigureFolderDialog(browse, COMDLG::kBrowseTitle, folder.path());
    EXPECT_EQ(browse.windowTitle(), "Please select a folder:");
    EXPECT_EQ(QDir(browse.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_EQ(browse.fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(browse.testOption(QFileDialog::ShowDirsOnly));
}

// With no folder of its own the open dialog starts in the user's videos
// folder, or at home where there is none; never in the program's folder.
TEST(COMDLGTest, TheDefaultStartFolderIsTheVideosFolderElseHome)
{
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    const QString withoutVideos = COMDLG::DefaultStartFolder();
    QDir(home.path()).mkdir("Videos");
    const QString withVideos = COMDLG::DefaultStartFolder();
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    if (savedConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");

    EXPECT_EQ(withoutVideos, home.path());
    EXPECT_EQ(withVideos, home.path() + "/Videos");
}
