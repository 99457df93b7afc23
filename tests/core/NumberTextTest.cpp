#include <gtest/gtest.h>

#include "NumberText.h"

using namespace tavoclip;

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndStopsWhereItCannotGoOn)
{
    EXPECT_DOUBLE_EQ(LeadingNumber("12.34 rest"), 12.34);
    EXPECT_DOUBLE_EQ(LeadingNumber("12.3413.56"), 12.3413);
    EXPECT_DOUBLE_EQ(LeadingNumber("  -7x"), -7);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("3e2k"), 300);
    EXPECT_DOUBLE_EQ(LeadingNumber("3ek"), 3);  // no digits after e: not an exponent
}

TEST(LeadingNumber, GivesZeroWhenThereIsNoNumber)
{
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("N/A"), 0);
}

TEST(ParseNumber, AcceptsOnlyAWholeNumber)
{
    EXPECT_EQ(ParseNumber(" 42 "), 42.0);
    EXPECT_EQ(ParseNumber("25.40"), 25.4);
    EXPECT_EQ(ParseNumber("-3"), -3.0);
    EXPECT_FALSE(ParseNumber(""));
    EXPECT_FALSE(ParseNumber("4x"));
    EXPECT_FALSE(ParseNumber("x4"));
    EXPECT_FALSE(ParseNumber("1,5"));
}

TEST(RoundToInteger, RoundsHalvesToEvenAndChecksTheRange)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(3600.5), 3600);
    EXPECT_EQ(ToInt16(1.5), 2);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_FALSE(ToInt16(32767.5));  // rounds to 32768
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_FALSE(ToInt16(-32769));
    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(ToInt32(2147483648.0));
    EXPECT_FALSE(ToInt32(1.0 / 0.0));
}

TEST(RoundToSignificantDigits, KeepsFifteenDigits)
{
    EXPECT_DOUBLE_EQ(RoundToSignificantDigits(12.0 / 205.0, 15), 0.0585365853658537);
    EXPECT_DOUBLE_EQ(RoundToSignificantDigits(1.0 / 3.0, 15), 0.333333333333333);
    EXPECT_EQ(RoundToSignificantDigits(0.0, 15), 0.0);
}
