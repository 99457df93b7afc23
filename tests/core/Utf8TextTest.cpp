#include "Utf8Text.h"

#include <gtest/gtest.h>

#include <string>

namespace tavoclip {
namespace {

TEST(Utf8Text, OnlyWellFormedSequencesCountAsValid)
{
    for (const std::string text : {"", "plain/clip.flv", "caf\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80", "\xf4\x8f\xbf\xbf"}) {
        EXPECT_TRUE(IsValidUtf8(text)) << text;
    }
    // A stray byte, a stray continuation, overlong forms, an encoded
    // surrogate, past U+10FFFF, a sequence cut short.
    for (const std::string text : {"od\xff", "\x80", "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                                   "\xe2\x82", "a\xc3"}) {
        EXPECT_FALSE(IsValidUtf8(text)) << text;
    }
    EXPECT_EQ(Utf8SequenceLength("a\xf0\x9f\x98\x80", 1), 4u);
    EXPECT_EQ(Utf8SequenceLength("a", 1), 0u);
}

}  // namespace
}  // namespace tavoclip
