#include "WindowsCommandLine.h"

#include <gtest/gtest.h>

namespace tavoclip {
namespace {

using Args = std::vector<std::string>;

TEST(WindowsCommandLineTest, SplitsLikeTheCRuntime) {
    const std::vector<std::pair<std::string, Args>> cases = {
        {"", {}},
        {"   ", {}},
        {"conv -i a.flv", {"conv", "-i", "a.flv"}},
        {"  conv   -y\t x ", {"conv", "-y", "x"}},
        {"C:\\data\\conv.exe -i \"C:\\My Videos\\a.flv\" -y \"C:\\out\\a.mpg\"",
         {"C:\\data\\conv.exe", "-i", "C:\\My Videos\\a.flv", "-y", "C:\\out\\a.mpg"}},
        {"\"C:\\Program Files\\T\\data\\conv.exe\" -i x", {"C:\\Program Files\\T\\data\\conv.exe", "-i", "x"}},
        // The program name keeps its backslashes even before a quote.
        {"\"C:\\dir\\\" y", {"C:\\dir\\", "y"}},
        {"p a\\\\\\\"b", {"p", "a\\\"b"}},       // 3 backslashes + quote
        {"p \"a\\\\\" b", {"p", "a\\", "b"}},       // 2 backslashes + quote closes
        {"p a\\\\b", {"p", "a\\\\b"}},             // backslashes alone stay
        {"p \"a \"\"b\"\" c\"", {"p", "a \"b\" c"}},  // doubled quote inside quotes
        {"p \"\"", {"p", ""}},                       // an empty quoted argument counts
        {"p \"open to the end", {"p", "open to the end"}},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(SplitWindowsCommandLine(line), expected) << line;
}

}  // namespace
}  // namespace tavoclip
