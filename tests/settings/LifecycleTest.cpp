#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
