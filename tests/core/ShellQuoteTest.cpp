#include "ShellQuote.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tavoclip {
namespace {

// What /bin/sh makes of a quoted word: printf prints its one argument back.
std::string ThroughShell(const std::string& word)
{
    const std::string command = "printf '%s' " + ShellQuote(word);
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string result;
    for (int c; (c = std::fgetc(pipe)) != EOF;) result += static_cast<char>(c);
    pclose(pipe);
    return result;
}

TEST(ShellQuoteTest, HostileWordsReachTheProgramUnchanged)
{
    for (const std::string word : {"plain", "two words", "it's", "''", "$(touch pwned)", "`id`", "; rm -x",
                                   "-leading", "a\\b", "tab\there", "\xc3\xa9t\xc3\xa9", "od\xff", "*?[a]", "$HOME",
                                   "", "!event"}) {
        EXPECT_EQ(ThroughShell(word), word) << word;
    }
    EXPECT_EQ(ShellQuote("it's"), "'it'\\''s'");
    EXPECT_EQ(ShellCommandLine({"conv", "-i", "a b"}), "'conv' '-i' 'a b'");
}

}  // namespace
}  // namespace tavoclip
