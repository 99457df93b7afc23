#include "WrittenOutputLine.h"

#include <gtest/gtest.h>

#include <string>

namespace tavoclip {
namespace {

// Any name survives the trip through the converter's console output, and only
// a line of its own counts.
TEST(WrittenOutputLineTest, TheLastLineNamingTheOutputGivesItsExactName)
{
    for (const std::string name : {"/o/x (2).mp3", "/o/a\nb\\n\rc.mp3", "/o/tail\\", "/o/ trailing space "}) {
        const std::string output = "Duration: 00:00:01.00, \ntime=1.00 \rconv: " + WrittenOutputText(name) + "\n";
        EXPECT_EQ(FindWrittenOutput(output), name);
    }
    EXPECT_EQ(FindWrittenOutput("conv: wrote /a.mp3\nconv: wrote /b.mp3"), "/b.mp3");
    EXPECT_EQ(FindWrittenOutput("ffmpeg: conv: wrote /a.mp3\n"), std::nullopt);
    EXPECT_EQ(FindWrittenOutput("conv: the output already exists\n"), std::nullopt);
}

}  // namespace
}  // namespace tavoclip
