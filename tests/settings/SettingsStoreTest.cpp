#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ConfFile.h"
#include "SettingsStore.h"

using namespace tavoclip;

namespace {
void Write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}
QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

TEST(SettingsStoreTest, MissingFilesGiveNothingAndTheDefaults)
{
    QTemporaryDir folder;
    const SettingsStore store(folder.path());
    EXPECT_FALSE(store.LoadMainSettings());
    EXPECT_EQ(store.LoadOptions(), ConversionOptions{});
}

TEST(SettingsStoreTest, SavesAndLoadsBothFiles)
{
    QTemporaryDir folder;
    const SettingsStore store(folder.path());
    MainSettings main;
    main.outputFolder = "/data/out";
    main.outputFormatIndex = 3;
    ASSERT_TRUE(store.SaveMainSettings(main));
    ASSERT_TRUE(store.SaveOptions({1, 0, 15, 45}));
    EXPECT_EQ(Read(folder.path() + "/options.ini"), "1\r\n0\r\n15\r\n45\r\n");

    const auto loaded = store.LoadMainSettings();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->outputFolder, "/data/out");
    EXPECT_EQ(loaded->outputFormatIndex, 3);
    EXPECT_EQ(store.LoadOptions(), (ConversionOptions{1, 0, 15, 45}));
}

TEST(SettingsStoreTest, UnwritableFolderFailsQuietlyAndKeepsTheOldFile)
{
    QTemporaryDir folder;
    const SettingsStore missing(folder.path() + "/gone");
    EXPECT_FALSE(missing.SaveMainSettings({}));
    EXPECT_FALSE(missing.SaveOptions({}));

    const SettingsStore store(folder.path());
    Write(store.setupPath(), "\"1\"\r\n");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool saved = store.SaveMainSettings({});
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!saved) {  // root may write anyway
        EXPECT_EQ(Read(store.setupPath()), "\"1\"\r\n");
    }
}

TEST(SettingsStoreTest, OddFilesLoadWithoutACrash)
{
    QTemporaryDir folder;
    const SettingsStore store(folder.path());
    // A folder under the file's name, an empty file, and a huge one.
    QDir(folder.path()).mkdir("options.ini");
    EXPECT_EQ(store.LoadOptions(), ConversionOptions{});
    Write(store.setupPath(), "");
    const auto empty = store.LoadMainSettings();
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->videoBitrateIndex);
    Write(store.setupPath(), "\"2\"\r\n" + QByteArray(8 * 1024 * 1024, ','));
    const auto huge = store.LoadMainSettings();
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->videoBitrateIndex, 2);
}

// The folder structure choice goes to tavoclip.conf alone: the two described
// files keep their bytes, a fresh store reads the choice back, and a folder
// that does not exist yet is made by the first save.
TEST(ConfFileTest, KeepsItsChoicesApartFromTheDescribedFiles)
{
    QTemporaryDir folder;
    const SettingsStore store(folder.path());
    ASSERT_TRUE(store.SaveMainSettings(MainSettings{}));
    ASSERT_TRUE(store.SaveOptions(ConversionOptions{}));
    const QByteArray setup = Read(store.setupPath());
    const QByteArray options = Read(store.optionsPath());
    for (const QString& settingsFolder : {folder.path(), folder.path() + "/new/tavoclip"}) {
        EXPECT_FALSE(ConfFile(settingsFolder).KeepFolders()) << "off until chosen";
        for (const bool on : {true, false}) {
            ASSERT_TRUE(ConfFile(settingsFolder).SetKeepFolders(on));
            EXPECT_EQ(ConfFile(settingsFolder).KeepFolders(), on);
        }
    }
    ASSERT_TRUE(ConfFile(folder.path()).SetKeepFolders(true));
    EXPECT_TRUE(Read(folder.path() + "/tavoclip.conf").contains("[Batch]\nKeepFolders=true"));
    // How many files convert at once: 1 until chosen, and a stored value
    // that is no count of files reads as 1.
    EXPECT_EQ(ConfFile(folder.path()).FilesAtOnce(), 1);
    for (const auto& [stored, read] : {std::pair<QVariant, int>{4, 4}, {2, 2}, {0, 1}, {-3, 1}, {"many", 1}}) {
        ASSERT_TRUE(ConfFile(folder.path()).SetValue("Batch/FilesAtOnce", stored));
        EXPECT_EQ(ConfFile(folder.path()).FilesAtOnce(), read) << stored.toString().toStdString();
    }
    ASSERT_TRUE(ConfFile(folder.path()).SetFilesAtOnce(2));
    EXPECT_TRUE(Read(folder.path() + "/tavoclip.conf").contains("FilesAtOnce=2"));
    EXPECT_EQ(Read(store.setupPath()), setup);
    EXPECT_EQ(Read(store.optionsPath()), options);
}
