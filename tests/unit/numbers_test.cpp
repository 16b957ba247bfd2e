// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/numbers.hpp"
#include "runtime/runtime_error.hpp"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

struct RoundingCase {
    double value;
    Integer expected;
};

class SingleToInteger : public testing::TestWithParam<RoundingCase> { };

// Halves go to the even neighbour, as the designer's Integer conversion does.
TEST_P(SingleToInteger, RoundsToNearestHalvesToEven)
{
    EXPECT_EQ(toInteger(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Halves, SingleToInteger,
    testing::Values(RoundingCase { 2.5, 2 }, RoundingCase { 3.5, 4 }, RoundingCase { -2.5, -2 },
        RoundingCase { -3.5, -4 }, RoundingCase { 0.5, 0 }, RoundingCase { 1.5, 2 }, RoundingCase { 249.4999, 249 },
        RoundingCase { 32767.4, 32767 }, RoundingCase { -32768.5, -32768 }));

TEST(SingleToInteger, OutOfRangeIsAnOverflow)
{
    EXPECT_THROW(toInteger(32767.5), RuntimeError); // rounds to 32768
    EXPECT_THROW(toInteger(-32769), RuntimeError);
    EXPECT_THROW(toInteger(1e30), RuntimeError);
    EXPECT_THROW(toInteger(std::numeric_limits<double>::quiet_NaN()), RuntimeError);
}

TEST(NumberText, ShortestDecimalThatReadsBack)
{
    EXPECT_EQ(numberToText(1800), "1800");
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(-0.0), "0");
    EXPECT_EQ(numberToText(-400), "-400");
    EXPECT_EQ(numberToText(2750.5), "2750.5");
    EXPECT_EQ(numberToText(1e7), "10000000"); // never an exponent
    EXPECT_EQ(singleToText(0.1f), "0.1");
    EXPECT_EQ(singleToText(2710.25f), "2710.25");
}

TEST(NumberText, ParsesDecimalTextAndRefusesTheRest)
{
    EXPECT_EQ(textToNumber("1800"), 1800);
    EXPECT_EQ(textToNumber(" -60 "), -60);
    EXPECT_EQ(textToNumber("2750.5"), 2750.5);
    for (auto const* bad : { "", "abc", "12x", "1 2" })
        EXPECT_THROW(textToNumber(bad), RuntimeError) << bad;
}

TEST(SingleArithmetic, DifferenceIsRoundedOnce)
{
    // Computed in double and rounded once: the float sum in two steps would round twice.
    float const a = 16777216.0f, b = 1.0f, c = 1.0f;
    EXPECT_EQ(toSingle(double(a) + b + c), 16777218.0f);
    EXPECT_EQ((a + b) + c, 16777216.0f);
}

} // namespace
} // namespace zelmora
