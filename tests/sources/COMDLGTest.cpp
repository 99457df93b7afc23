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
    QtFileDialogs::ConfigureFolderDialog(browse, COMDLG::kBrowseTitle);
    EXPECT_EQ(browse.windowTitle(), "Please select a folder:");
    EXPECT_EQ(browse.fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(browse.testOption(QFileDialog::ShowDirsOnly));
}
