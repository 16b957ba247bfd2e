// SPDX-License-Identifier: GPL-3.0-or-later
#include "boards/common/polynomial.hpp"
#include "runtime/runtime_error.hpp"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

Polynomial poly(std::int64_t x2, std::int64_t xy, std::int64_t y2, std::int64_t x, std::int64_t y, std::int64_t n)
{
    return Polynomial::of(Term::X2, x2) + Polynomial::of(Term::XY, xy) + Polynomial::of(Term::Y2, y2)
        + Polynomial::of(Term::X, x) + Polynomial::of(Term::Y, y) + Polynomial::number(n);
}

struct Written {
    char const* name;
    Polynomial p;
    char const* text;
};

class PolynomialText : public ::testing::TestWithParam<Written> { };

TEST_P(PolynomialText, ReadsAsTheLearnerWritesIt)
{
    EXPECT_EQ(toText(GetParam().p), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, PolynomialText,
    ::testing::Values(Written { "nothing", {}, "0" }, Written { "one", poly(0, 0, 0, 0, 0, 1), "1" },
        Written { "minusOne", poly(0, 0, 0, 0, 0, -1), "-1" }, Written { "bareX", poly(0, 0, 0, 1, 0, 0), "س" },
        Written { "minusX", poly(0, 0, 0, -1, 0, 0), "-س" },
        Written { "squareWithCoefficient", poly(2, 0, 0, 0, 0, 0), "2س²" },
        Written { "xyWithCoefficient", poly(0, 3, 0, 0, 0, 0), "3س ص" },
        Written { "leadingNegative", poly(0, 0, 0, -1, 0, 2), "-س + 2" },
        Written { "everyTermInOrder", poly(1, -2, 3, -4, 1, -12), "س² - 2س ص + 3ص² - 4س + ص - 12" },
        Written { "gapsSkipped", poly(-1, 0, 1, 0, 0, 0), "-س² + ص²" },
        Written { "minusOneInsideIsJustAMinus", poly(0, 0, -1, 0, -1, 0), "-ص² - ص" }),
    [](auto const& info) { return info.param.name; });

TEST(Polynomial, MultipliesLinearFactorsTermByTerm)
{
    auto const xPlus1 = poly(0, 0, 0, 1, 0, 1);
    auto const twoXPlus3 = poly(0, 0, 0, 2, 0, 3);
    EXPECT_EQ(productText(xPlus1, twoXPlus3), "(س + 1)(2س + 3) = 2س² + 5س + 3");
    // x and y meet in xy from both orders; signs multiply; the middle terms cancel.
    EXPECT_EQ(multiplyLinear(poly(0, 0, 0, 1, -1, 0), poly(0, 0, 0, 1, 1, 0)), poly(1, 0, -1, 0, 0, 0));
    EXPECT_EQ(multiplyLinear(poly(0, 0, 0, -1, 0, -2), poly(0, 0, 0, 0, 2, -1)), poly(0, -2, 0, 1, -4, 2));
    // An empty side makes the product 0, and both factors keep their parentheses.
    EXPECT_EQ(productText(xPlus1, {}), "(س + 1)(0) = 0");
    EXPECT_EQ(productText(poly(0, 0, 0, 0, 0, 2), poly(0, 0, 0, 0, 0, 3)), "(2)(3) = 6");
}

TEST(Polynomial, RefusesASecondDegreeFactor)
{
    EXPECT_THROW(multiplyLinear(poly(1, 0, 0, 0, 0, 0), poly(0, 0, 0, 1, 0, 0)), RuntimeError);
    EXPECT_THROW(multiplyLinear(poly(0, 0, 0, 1, 0, 0), poly(0, 1, 0, 0, 0, 0)), RuntimeError);
}

TEST(Polynomial, LengthAddsUpTheSidesItStandsFor)
{
    // Board 1's lengths: x 1300, y 1100, unit 500.
    EXPECT_EQ(poly(0, 0, 0, 2, -1, 5).lengthWith(1300, 1100, 500), 2 * 1300 - 1100 + 5 * 500);
}

} // namespace
} // namespace zelmora
