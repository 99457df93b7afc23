#include "LineEscape.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tavoclip {
namespace {

struct EscapeRow {
    EscapeRow(std::string t, std::string e, std::string f = {})
        : text(std::move(t)), escaped(std::move(e)), forTerminal(std::move(f)) {}
    std::string text;
    std::string escaped;
    std::string forTerminal;  // when it differs
};

class LineEscapeTest : public ::testing::TestWithParam<EscapeRow> {};

TEST_P(LineEscapeTest, NothingInANameCanBreakOrSteerItsLine)
{
    const EscapeRow& row = GetParam();
    EXPECT_EQ(EscapeForLine(row.text), row.escaped);
    EXPECT_EQ(EscapeForLine(row.text, InvalidBytes::Escape), row.forTerminal.empty() ? row.escaped : row.forTerminal);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LineEscapeTest,
    ::testing::Values(
        // C0 controls, DEL and the backslash, as before.
        EscapeRow{"a\nb\tc\\d\x01\x1b[2J\x7f", "a\\nb\\tc\\\\d\\x01\\x1b[2J\\x7f"},
        EscapeRow{"x\rSUMMARY\x1c", "x\\x0dSUMMARY\\x1c"},
        // C1 controls, first, NEL, CSI and last, and both separators.
        EscapeRow{"a\xc2\x80"
                  "b\xc2\x85"
                  "c\xc2\x9b"
                  "d\xc2\x9f",
                  "a\\u0080b\\u0085c\\u009bd\\u009f"},
        EscapeRow{"one\xe2\x80\xa8two\xe2\x80\xa9three", "one\\u2028two\\u2029three"},
        // Ordinary letters stay as they are: U+00A0 and é just past C1,
        // U+2027 and U+202A beside the separators, CJK, an emoji.
        EscapeRow{"\xc2\xa0\xc3\xa9t\xc3\xa9 \xe2\x80\xa7\xe2\x80\xaa \xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x98\x80",
                  "\xc2\xa0\xc3\xa9t\xc3\xa9 \xe2\x80\xa7\xe2\x80\xaa \xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x98\x80"},
        // Bytes that are not UTF-8 are the name's own and stay; a lone C1
        // byte is no control to a UTF-8 reader, but may be to a terminal.
        EscapeRow{"bad\xff\x9b.flv\xc2", "bad\xff\x9b.flv\xc2", "bad\\xff\\x9b.flv\\xc2"}));

}  // namespace
}  // namespace tavoclip
