#include "FileSearch.h"
#include "ConverterTemporaryName.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

class FileSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("tavoclip-search-" + std::to_string(std::random_device{}()));
        fs::create_directories(root_);
    }
    void TearDown() override
    {
        std::error_code error;
        fs::permissions(root_ / "locked", fs::perms::owner_all, error);
        fs::remove_all(root_, error);
    }
    void Touch(const fs::path& relative)
    {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << "x";
    }
    std::string P(const std::string& relative) const { return (root_ / relative).string(); }
    std::vector<std::string> Search(const fs::path& folder) const
    {
        std::vector<std::string> found;
        SearchFiles(folder.string(), found);
        return found;
    }

    fs::path root_;
};

TEST_F(FileSearchTest, OwnFilesComeFirstThenEachSubfolderDepthFirstSortedWithoutCase)
{
    Touch("b.txt");
    Touch("A.flv");
    Touch("sub/c.mp4");
    Touch("Sub2/deep/e.avi");
    Touch("Sub2/d.wmv");
    Touch(".hidden");
    EXPECT_EQ(Search(root_), (std::vector<std::string>{P(".hidden"), P("A.flv"), P("b.txt"), P("sub/c.mp4"),
                                                       P("Sub2/d.wmv"), P("Sub2/deep/e.avi")}));
}

TEST_F(FileSearchTest, EmptyAndMissingFoldersContributeNothing)
{
    EXPECT_TRUE(Search(root_).empty());
    EXPECT_TRUE(Search(root_ / "missing").empty());
}

TEST_F(FileSearchTest, UnreadableFolderIsSkippedAndTheSearchGoesOn)
{
    if (geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    Touch("locked/secret.flv");
    Touch("open/seen.flv");
    fs::permissions(root_ / "locked", fs::perms::none);
    EXPECT_EQ(Search(root_), (std::vector<std::string>{P("open/seen.flv")}));
}

TEST_F(FileSearchTest, LinkedFoldersAreNotFollowedSoLoopsEnd)
{
    Touch("real/a.flv");
    fs::create_directory_symlink(root_, root_ / "real" / "loop");
    fs::create_symlink(root_ / "real" / "a.flv", root_ / "link.flv");
    EXPECT_EQ(Search(root_), (std::vector<std::string>{P("link.flv"), P("real/a.flv")}));
}

// Past a fixed table's 200 slots every subfolder is still searched, in the
// same sorted order as the first ones.
TEST_F(FileSearchTest, EverySubfolderIsSearchedInOrderPastTheFirst200)
{
    std::vector<std::string> expected;
    for (int i = 1; i <= 203; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "d%03d/f.flv", i);
        Touch(name);
        expected.push_back(P(name));
    }
    EXPECT_EQ(Search(root_), expected);
}

// A converter killed mid-file leaves its private folder with a half-written
// output inside; importing the folder again must not queue that output.
TEST_F(FileSearchTest, ConverterTemporaryFoldersAreNeverSearched)
{
    const std::string leftover = std::string(kConverterTemporaryPrefix) + "Ab3xYz";
    Touch(leftover + "/output.mp4");
    Touch("clip.flv");
    Touch("sub/" + leftover + "/output.mp3");
    EXPECT_EQ(Search(root_), (std::vector<std::string>{P("clip.flv")}));
}

TEST_F(FileSearchTest, CallbackRunsAfterEveryListingEntry)
{
    Touch("a.flv");
    Touch("sub/b.flv");
    int calls = 0;
    std::vector<std::string> found;
    SearchFiles(root_.string(), found, [&calls] { ++calls; });
    EXPECT_EQ(calls, 3);  // a.flv and sub in the top listing, b.flv below
}

}  // namespace
}  // namespace tavoclip
