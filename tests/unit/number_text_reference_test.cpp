// SPDX-License-Identifier: GPL-3.0-or-later
// The portable number conversions must give exactly what the standard library's shortest
// round-trip conversions give, for every value the boards can produce and many more.
#include "runtime/numbers.hpp"
#include "runtime/runtime_error.hpp"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace zelmora {
namespace {

template<typename Number> std::string referenceText(Number value)
{
    if (value == 0)
        return "0";
    std::array<char, 400> buffer {};
    auto const result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

// Positions and sizes are whole twips, halves, or fifteenths of a twip (pixels at zoom 1).
std::vector<float> singlesTheBoardsProduce()
{
    std::vector<float> values;
    for (int n = -40000; n <= 40000; ++n) {
        values.push_back(static_cast<float>(n * 0.5));
        values.push_back(static_cast<float>(n / 15.0));
    }
    for (float v : { 1e7f, 16777217.0f, 3.4e38f, -3.4e38f, 1e-30f, 1.17549435e-38f, 1.4e-45f, 0.1f, 0.3f, 2710.25f })
        values.push_back(v);
    return values;
}

TEST(NumberTextReference, SinglesMatchTheShortestRoundTrip)
{
    for (float v : singlesTheBoardsProduce())
        ASSERT_EQ(singleToText(v), referenceText(v)) << v;
    std::mt19937 random(13);
    for (int i = 0; i < 200000; ++i) {
        std::uint32_t bits = random();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) {
            ASSERT_EQ(singleToText(v), referenceText(v)) << bits;
        }
    }
}

TEST(NumberTextReference, DoublesMatchTheShortestRoundTrip)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> twips(-1e6, 1e6);
    for (int i = 0; i < 30000; ++i) {
        double const v = twips(random);
        ASSERT_EQ(numberToText(v), referenceText(v)) << v;
        std::uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any) && std::fabs(any) < 1e200 && std::fabs(any) > 1e-200) {
            ASSERT_EQ(numberToText(any), referenceText(any)) << bits;
        }
    }
    EXPECT_EQ(numberToText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(numberToText(-0.0), "0");
    EXPECT_EQ(numberToText(1e21), "1000000000000000000000");
    EXPECT_EQ(numberToText(5e-7), "0.0000005");
    EXPECT_THROW(numberToText(std::numeric_limits<double>::infinity()), RuntimeError);
}

// Parsing agrees with the standard library's on decimal text and refuses what is not decimal text,
// including forms that a looser parser lets through.
TEST(NumberTextReference, ParsingIsStrictDecimal)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> twips(-1e5, 1e5);
    for (int i = 0; i < 20000; ++i) {
        std::string const text = numberToText(twips(random));
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(textToNumber(text), expected) << text;
    }
    EXPECT_EQ(textToNumber("+12.5"), 12.5);
    EXPECT_EQ(textToNumber(".5"), 0.5);
    EXPECT_EQ(textToNumber("5."), 5);
    EXPECT_EQ(textToNumber("1e3"), 1000);
    EXPECT_EQ(textToNumber("-2.5E-1"), -0.25);
    for (auto const* bad : { "-", ".", "+-5", "--5", "1e", "1e+", "0x10", "inf", "nan", "1,5", "1e999", "\t5", "5 5" })
        EXPECT_THROW(textToNumber(bad), RuntimeError) << bad;
}

} // namespace
} // namespace zelmora
