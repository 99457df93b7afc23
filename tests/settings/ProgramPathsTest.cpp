#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ProgramPaths.h"
#include "SettingsStore.h"

using namespace tavoclip;

namespace {

// A program folder, a user's configuration folder and a videos folder, all
// temporary.
struct Folders {
    QTemporaryDir root;
    QString program = root.path() + "/program";
    QString config = root.path() + "/config/tavoclip";
    QString videos = root.path() + "/Videos";
    Folders() { QDir().mkpath(program); }
    ProgramPaths paths() const { return ProgramPaths(program, config, videos); }
    void MarkInstalled() const
    {
        QFile marker(program + "/" + ProgramPaths::kInstalledMarker);
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    }
};

}  // namespace

TEST(ProgramPathsTest, WritableProgramFolderKeepsSettingsAndOutput)
{
    const Folders folders;
    const ProgramPaths paths = folders.paths();
    EXPECT_EQ(paths.settingsFolder(), folders.program);
    EXPECT_EQ(paths.defaultOutputFolder(), folders.program + "/output");
    EXPECT_TRUE(paths.settingsInProgramFolder());
    EXPECT_TRUE(QDir(folders.program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
        << "the write test leaves nothing behind";
}

TEST(ProgramPathsTest, InstalledOrUnwritableFolderSendsBothToTheUser)
{
    Folders installed;
    installed.MarkInstalled();
    EXPECT_EQ(installed.paths().settingsFolder(), installed.config);
    EXPECT_EQ(installed.paths().defaultOutputFolder(), installed.videos + "/Tavoclip");
    EXPECT_FALSE(installed.paths().settingsInProgramFolder());

    // A folder that does not exist cannot be written either, even by root.
    Folders gone;
    gone.program += "/missing";
    EXPECT_EQ(gone.paths().settingsFolder(), gone.config);
}

TEST(ProgramPathsTest, SettingsOfAnInstalledCopySurviveASaveAndALoad)
{
    Folders folders;
    folders.MarkInstalled();
    const SettingsStore store(folders.paths());
    MainSettings main;
    main.outputFolder = "/media/out, with a comma";
    main.outputFormatIndex = 4;
    ASSERT_TRUE(store.SaveMainSettings(main)) << "the user's folder is made on the first save";
    ASSERT_TRUE(store.SaveOptions({1, 1, 30, 15}));
    EXPECT_TRUE(QFile::exists(folders.config + "/setup.ini"));
    EXPECT_FALSE(QFile::exists(folders.program + "/setup.ini"));

    const SettingsStore nextStart(folders.paths());
    const auto loaded = nextStart.LoadMainSettings();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->outputFolder, main.outputFolder);
    EXPECT_EQ(loaded->outputFormatIndex, 4);
    EXPECT_EQ(nextStart.LoadOptions(), (ConversionOptions{1, 1, 30, 15}));
}

TEST(ProgramPathsTest, FilesLeftInAProgramFolderCountUntilTheFirstSave)
{
    Folders folders;
    {
        QFile old(folders.program + "/options.ini");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("1\r\n1\r\n5\r\n10\r\n");
    }
    folders.MarkInstalled();
    const SettingsStore store(folders.paths());
    EXPECT_EQ(store.LoadOptions(), (ConversionOptions{1, 1, 5, 10}));
    EXPECT_FALSE(store.LoadMainSettings()) << "no setup.ini anywhere";

    ASSERT_TRUE(store.SaveOptions({0, 0, 0, 0}));
    EXPECT_EQ(store.LoadOptions(), (ConversionOptions{0, 0, 0, 0})) << "the user's file wins once it exists";
}

TEST(ProgramPathsTest, CurrentUserFoldersFollowTheXdgConfigHome)
{
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (home.path() + "/cfg").toLocal8Bit());
    Folders folders;
    folders.MarkInstalled();
    const ProgramPaths paths = ProgramPaths::ForCurrentUser(folders.program);
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(paths.settingsFolder(), home.path() + "/cfg/tavoclip");
    EXPECT_TRUE(paths.defaultOutputFolder().endsWith("/Tavoclip"));
}
