#include "platform/numbers.h"
#include "platform/runtimeerror.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvello {
namespace {

struct LeadingCase
{
    const char *text;
    double expected;
};

class LeadingNumberTest : public testing::TestWithParam<LeadingCase>
{};

TEST_P(LeadingNumberTest, ReadsAsFarAsItGoes)
{
    EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         testing::Values(LeadingCase{"12", 12}, LeadingCase{" 1 2", 12},
                                         LeadingCase{"\t-3\n", -3}, LeadingCase{"2.5", 2.5},
                                         LeadingCase{"abc", 0}, LeadingCase{"", 0},
                                         LeadingCase{"1,5", 1}, LeadingCase{".5", 0.5},
                                         LeadingCase{"-", 0}, LeadingCase{"+7x", 7},
                                         LeadingCase{"1e3", 1000}, LeadingCase{"1D2", 100},
                                         LeadingCase{"1e", 1}, LeadingCase{"1e+", 1},
                                         LeadingCase{"2.5e-1", 0.25}, LeadingCase{"&H1F", 31},
                                         LeadingCase{"&hFFFF", -1}, LeadingCase{"&O17", 15},
                                         LeadingCase{"&H", 0}, LeadingCase{"3 . 5", 3.5},
                                         LeadingCase{"1.2.3", 1.2}, LeadingCase{"\r5", 0}));

TEST(LeadingNumber, HugeExponentIsInfinite)
{
    EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
    EXPECT_EQ(LeadingNumber("1e-400"), 0.0);
}

struct LocaleCase
{
    const char *text;
    char mark;
    bool ok;
    double expected;
};

class LocaleNumberTest : public testing::TestWithParam<LocaleCase>
{};

TEST_P(LocaleNumberTest, ReadsTheWholeText)
{
    const auto &c = GetParam();
    const auto value = LocaleNumber(c.text, c.mark);
    ASSERT_EQ(value.has_value(), c.ok) << c.text;
    if (c.ok) {
        EXPECT_DOUBLE_EQ(*value, c.expected) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LocaleNumberTest,
    testing::Values(LocaleCase{"1.25", '.', true, 1.25}, LocaleCase{"1,25", ',', true, 1.25},
                    LocaleCase{"1,25", '.', false, 0}, LocaleCase{"1.25", ',', false, 0},
                    LocaleCase{"  -7 ", '.', true, -7}, LocaleCase{"", '.', false, 0},
                    LocaleCase{" ", ',', false, 0}, LocaleCase{"1E+15", '.', true, 1e15},
                    LocaleCase{"1E-05", ',', true, 1e-5}, LocaleCase{"N/A", '.', false, 0},
                    LocaleCase{".5", '.', true, 0.5}, LocaleCase{"5.", '.', true, 5},
                    LocaleCase{"12abc", '.', false, 0}, LocaleCase{"1e", '.', false, 0},
                    LocaleCase{"1e999", '.', false, 0}, LocaleCase{"+3", ',', true, 3}));

TEST(IsNumeric, AcceptsLocaleNumbersAndRadixLiterals)
{
    EXPECT_TRUE(IsNumeric("-3", '.'));
    EXPECT_TRUE(IsNumeric("2,5", ','));
    EXPECT_TRUE(IsNumeric("&H1F", '.'));
    EXPECT_FALSE(IsNumeric("&H", '.'));
    EXPECT_FALSE(IsNumeric("abc", '.'));
    EXPECT_FALSE(IsNumeric("", '.'));
    EXPECT_FALSE(IsNumeric("-", '.'));
}

struct TextCase
{
    double value;
    char mark;
    const char *expected;
};

class NumberTextTest : public testing::TestWithParam<TextCase>
{};

TEST_P(NumberTextTest, ShortestFormWithFifteenDigits)
{
    EXPECT_EQ(NumberText(GetParam().value, GetParam().mark), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    testing::Values(TextCase{0, '.', "0"}, TextCase{-0.0, '.', "0"}, TextCase{12, '.', "12"},
                    TextCase{0.5, '.', "0.5"}, TextCase{0.5, ',', "0,5"},
                    TextCase{1.35, ',', "1,35"}, TextCase{-2.25, '.', "-2.25"},
                    TextCase{0.1 + 0.2, '.', "0.3"}, TextCase{1e15, '.', "1E+15"},
                    TextCase{123456789012345, '.', "123456789012345"},
                    TextCase{1234567890123456, '.', "1.23456789012346E+15"},
                    TextCase{0.0001, '.', "0.0001"}, TextCase{0.00001, '.', "1E-05"},
                    TextCase{1.5e-7, ',', "1,5E-07"}, TextCase{2.0 / 3.0, '.', "0.666666666666667"}));

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(42.5), 42);
    EXPECT_EQ(RoundHalfEven(43.5), 44);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(-0.4), 0);
}

TEST(ToInt16, RangeIsChecked)
{
    EXPECT_EQ(ToInt16(32767), 32767);
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_EQ(ToInt16(32766.5), 32766);
}

TEST(ToInt16, OverflowThrows)
{
    EXPECT_THROW(ToInt16(32768), RuntimeError);
    EXPECT_THROW(ToInt16(32767.5), RuntimeError);
    EXPECT_THROW(ToInt16(-32769), RuntimeError);
    EXPECT_THROW(ToInt16(INFINITY), RuntimeError);
    EXPECT_THROW(ToInt32(3e9), RuntimeError);
}

} // namespace
} // namespace tarvello
