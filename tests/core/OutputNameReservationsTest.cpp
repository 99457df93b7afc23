#include "OutputNameReservations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

class OutputNameReservationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tavoclip-names-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(root_, error);
    }
    std::string Touch(const std::string& relative) const
    {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << "x";
        return P(relative);
    }
    std::string P(const std::string& relative) const { return (root_ / relative).string(); }

    fs::path root_;
    OutputNameReservations names_;
};

TEST_F(OutputNameReservationsTest, ASourceIsTakenUnderAnySpellingOfIt)
{
    names_.AddSource(Touch("in/x.mp4"));
    fs::create_directory_symlink(root_ / "in", root_ / "link");
    fs::create_hard_link(root_ / "in/x.mp4", root_ / "in/hard.mp4");

    EXPECT_EQ(names_.Reserve(P("in/x.mp4")), P("in/x (2).mp4"));
    EXPECT_EQ(names_.Reserve(P("link/x.mp4")), P("link/x (3).mp4"));                // the same folder through a link
    EXPECT_EQ(names_.Reserve(P("in/../in/hard.mp4")), P("in/../in/hard (2).mp4"));  // a hard link to a source
}

TEST_F(OutputNameReservationsTest, AnOutputOfTheBatchIsTakenAndAnExistingNameUnlessReplacing)
{
    Touch("out/old.mp3");
    fs::create_directory_symlink(root_ / "out", root_ / "other");
    fs::create_symlink(root_ / "nowhere", root_ / "out/dangling.mp3");
    fs::create_directory(root_ / "out/folder.mp3");
    for (const bool replacing : {false, true}) {
        OutputNameReservations names(replacing);
        EXPECT_EQ(names.Reserve(P("out/folder.mp3")), P("out/folder (2).mp3")) << "no file replaces a folder";
        EXPECT_EQ(names.Reserve(P("out/old.mp3")), P(replacing ? "out/old.mp3" : "out/old (2).mp3"));
        EXPECT_EQ(names.Reserve(P("out/dangling.mp3")), P(replacing ? "out/dangling.mp3" : "out/dangling (2).mp3"));
        EXPECT_EQ(names.Reserve(P("out/clip.mp3")), P("out/clip.mp3"));
        EXPECT_EQ(names.Reserve(P("out/clip.mp3")), P("out/clip (2).mp3"));
        EXPECT_EQ(names.Reserve(P("other/clip.mp3")), P("other/clip (3).mp3"));
        EXPECT_FALSE(names.IsTaken(P("out/new.mp3")));
    }
}

TEST_F(OutputNameReservationsTest, ASourceThatDoesNotExistIsComparedBySpelling)
{
    names_.AddSource(P("gone/a.wav"));
    EXPECT_TRUE(names_.IsTaken(P("gone/./a.wav")));
    EXPECT_FALSE(names_.IsTaken(P("gone/b.wav")));
}

TEST(NumberedNameTest, TheNumberGoesBeforeTheExtensionOfTheFileNameOnly)
{
    EXPECT_EQ(NumberedName("/o/x.mp4", 2), "/o/x (2).mp4");
    EXPECT_EQ(NumberedName("/o/.mp4", 3), "/o/ (3).mp4");
    EXPECT_EQ(NumberedName("/a.b/clip", 2), "/a.b/clip (2)");
    EXPECT_EQ(NumberedName("x.wav", 10), "x (10).wav");
    // The next name after a taken one goes on counting.
    const std::pair<const char*, const char*> next[] = {
        {"/o/x.mp4", "/o/x (2).mp4"}, {"/o/x (2).mp4", "/o/x (3).mp4"}, {"/o/x (9)", "/o/x (10)"}, {"/o/x (1).mp4", "/o/x (1) (2).mp4"}, {"/o/x (02).mp4", "/o/x (02) (2).mp4"}, {"/o (2)/x.mp4", "/o (2)/x (2).mp4"}, {"/o/x ().mp4", "/o/x () (2).mp4"}};
    for (const auto& [taken, expected] : next) EXPECT_EQ(NextNumberedName(taken), expected) << taken;
}

}  // namespace
}  // namespace tavoclip
