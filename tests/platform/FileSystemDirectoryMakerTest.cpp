#include "FileSystemDirectoryMaker.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace tavoclip {
namespace {

TEST(FileSystemDirectoryMakerTest, CreatesExactlyOneLevel)
{
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    FileSystemDirectoryMaker maker;
    EXPECT_TRUE(maker.MakeDirectory((root / "out").string()));
    EXPECT_TRUE(std::filesystem::is_directory(root / "out"));
    EXPECT_FALSE(maker.MakeDirectory((root / "out").string()));  // exists already: no error, nothing done
    EXPECT_FALSE(maker.MakeDirectory((root / "missing" / "out").string()));
    EXPECT_FALSE(std::filesystem::exists(root / "missing"));
    EXPECT_FALSE(maker.MakeDirectory(""));
}

}  // namespace
}  // namespace tavoclip
