#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "PrivateTempFolder.h"
#include "SingleInstanceLock.h"
#include "TempFileCleanup.h"

using namespace tavoclip;

TEST(SingleInstanceLockTest, SecondCopyIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir folder;
    const QString path = folder.path() + "/tavoclip.lock";
    auto first = std::make_unique<SingleInstanceLock>(path);
    ASSERT_TRUE(first->TryAcquire());
    SingleInstanceLock second(path);
    EXPECT_FALSE(second.TryAcquire());
    EXPECT_TRUE(QFileInfo::exists(path)) << "the first copy's lock is left alone";
    first.reset();
    EXPECT_TRUE(second.TryAcquire());
}

// When the runtime folder cannot be trusted (here: owned by another user),
// the lock and the hand-over socket must not fall back to fixed names in the
// shared temporary folder, where another user could plant or remove them.
TEST(SingleInstanceLockTest, AnUntrustedRuntimeFolderNeverSendsTheLockToTheSharedFolder)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give the runtime folder another owner";
    QTemporaryDir shared;
    QTemporaryDir foreign;
    ASSERT_EQ(chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
    ASSERT_EQ(chown(QFile::encodeName(foreign.path()).constData(), 65534, 65534), 0);
    // Qt's own fallback, <temp>/runtime-<user>, is taken by another user too.
    const QString qtFallback = shared.path() + "/runtime-" + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
    ASSERT_TRUE(QDir().mkdir(qtFallback));
    ASSERT_EQ(chown(QFile::encodeName(qtFallback).constData(), 65534, 65534), 0);
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(foreign.path()));
    qputenv("TMPDIR", QFile::encodeName(shared.path()));

    const QString folder = SingleInstanceLock::RuntimeFolder();

    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    qputenv("TMPDIR", oldTemp);
    EXPECT_NE(QDir(folder).canonicalPath(), QDir(shared.path()).canonicalPath());
    EXPECT_NE(QDir(folder).canonicalPath(), QDir(foreign.path()).canonicalPath());
    EXPECT_TRUE(PrivateTempFolder::IsPrivate(folder)) << folder.toStdString();
}

TEST(TempFileCleanupTest, DeletesPresentFilesAndIgnoresMissingOnes)
{
    QTemporaryDir folder;
    const QString wav = folder.path() + "/tmpfile.wav";
    QFile file(wav);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    int pumped = 0;
    const TempFileCleanup cleanup({wav, folder.path() + "/missing/tmpfile1.mp3"}, [&pumped] { ++pumped; });
    EXPECT_TRUE(cleanup.Run().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(wav));
    EXPECT_EQ(pumped, 1);
}

TEST(TempFileCleanupTest, AFileThatCannotBeDeletedEndsTheLoop)
{
    QTemporaryDir folder;
    // A non-empty folder under the file's name cannot be removed as a file.
    const QString stuck = folder.path() + "/tmpfile.wav";
    ASSERT_TRUE(QDir(folder.path()).mkpath("tmpfile.wav/inside"));
    int pumped = 0;
    const TempFileCleanup cleanup({stuck}, [&pumped] { ++pumped; });
    EXPECT_EQ(cleanup.Run(), QStringList{stuck});
    EXPECT_EQ(pumped, TempFileCleanup::kAttemptsPerFile);
}

namespace {

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("user data");
}

QString MakeFolder(const QString& path, mode_t mode)
{
    EXPECT_TRUE(QDir().mkpath(path));
    EXPECT_EQ(chmod(QFile::encodeName(path).constData(), mode), 0);
    return path;
}

// A folder every user may write, as /tmp is.
struct SharedFolder {
    SharedFolder() { MakeFolder(dir.path(), 01777); }
    QString path() const { return dir.path(); }
    QTemporaryDir dir;
};

}  // namespace

TEST(PrivateTempFolderTest, ExitLeavesTheSharedFolderAloneAndEmptiesThePrivateOne)
{
    SharedFolder shared;
    Touch(shared.path() + "/tmpfile.wav");
    Touch(shared.path() + "/tmpfile1.mp3");

    // No runtime folder: a per-user folder under the shared one.
    const QString folder = PrivateTempFolder::Locate(QString(), shared.path());
    EXPECT_EQ(folder, shared.path() + "/tavoclip-" + QString::number(geteuid()));
    MakeFolder(folder, 0700);
    Touch(folder + "/tmpfile.wav");
    Touch(folder + "/tmpfile1.mp3");

    EXPECT_TRUE(TempFileCleanup(TempFileCleanup::PathsIn(folder), {}).Run().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder + "/tmpfile.wav"));
    EXPECT_FALSE(QFileInfo::exists(folder + "/tmpfile1.mp3"));
    EXPECT_TRUE(QFileInfo::exists(shared.path() + "/tmpfile.wav"));
    EXPECT_TRUE(QFileInfo::exists(shared.path() + "/tmpfile1.mp3"));
}

TEST(PrivateTempFolderTest, APrivateRuntimeFolderIsPreferredAndAnOpenOneIsNot)
{
    SharedFolder shared;
    QTemporaryDir runtime;  // made with mode 0700, as a login's runtime folder is
    EXPECT_EQ(PrivateTempFolder::Locate(runtime.path(), shared.path()), runtime.path() + "/tavoclip");

    const QString perUser = shared.path() + "/tavoclip-" + QString::number(geteuid());
    MakeFolder(runtime.path(), 0755);
    EXPECT_EQ(PrivateTempFolder::Locate(runtime.path(), shared.path()), perUser);
    EXPECT_EQ(PrivateTempFolder::Locate(QStringLiteral("relative/run"), shared.path()), perUser);
}

TEST(PrivateTempFolderTest, AFolderThatCannotBeTrustedYieldsNoPathsAtAll)
{
    SharedFolder shared;
    const QString perUser = shared.path() + "/tavoclip-" + QString::number(geteuid());

    // Someone else's folder linked in under our name: its files are not ours.
    const QString victim = MakeFolder(shared.path() + "/victim", 0700);
    Touch(victim + "/tmpfile.wav");
    ASSERT_TRUE(QFile::link(victim, perUser));
    EXPECT_TRUE(PrivateTempFolder::Locate(QString(), shared.path()).isEmpty());
    EXPECT_TRUE(TempFileCleanup::PathsIn(PrivateTempFolder::Locate(QString(), shared.path())).isEmpty());
    ASSERT_TRUE(QFile::remove(perUser));

    // A folder under our name that others may write.
    MakeFolder(perUser, 0777);
    EXPECT_TRUE(PrivateTempFolder::Locate(QString(), shared.path()).isEmpty());
    MakeFolder(perUser, 0700);
    EXPECT_EQ(PrivateTempFolder::Locate(QString(), shared.path()), perUser);

    // A folder under our name that belongs to another user (only root can
    // make one here).
    if (geteuid() == 0) {
        ASSERT_EQ(chown(QFile::encodeName(perUser).constData(), 65534, 65534), 0);
        EXPECT_TRUE(PrivateTempFolder::Locate(QString(), shared.path()).isEmpty());
    }
    EXPECT_TRUE(QFileInfo::exists(victim + "/tmpfile.wav"));
}

TEST(PrivateTempFolderTest, TheDefaultPathsAreNeverInASharedFolder)
{
    const QStringList paths = TempFileCleanup::DefaultPaths();
    for (const QString& path : paths) {
        const QString folder = QFileInfo(path).absolutePath();
        EXPECT_NE(QDir(folder), QDir(QDir::tempPath())) << path.toStdString();
        EXPECT_NE(QDir(folder), QDir(QStringLiteral("/tmp"))) << path.toStdString();
        EXPECT_NE(QDir(folder), QDir(QStringLiteral("/var/tmp"))) << path.toStdString();
        EXPECT_TRUE(!QFileInfo::exists(folder) || PrivateTempFolder::IsPrivate(folder)) << path.toStdString();
    }
}
