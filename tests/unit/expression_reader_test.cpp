// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/tasks/expression_reader.hpp"

#include "program/tasks/expression_tokens.hpp"

#include <gtest/gtest.h>

#include <random>

namespace zelmora {
namespace {

struct ReadCase {
    char const* name;
    char const* text;
    char const* expected; // in the board's notation; null when the text must be refused
};

void PrintTo(ReadCase const& c, std::ostream* os)
{
    *os << c.name;
}

class PolynomialReading : public testing::TestWithParam<ReadCase> { };

TEST_P(PolynomialReading, ReadsAsTheBandWritesOrRefusesWithAReason)
{
    auto const reading = readPolynomial(GetParam().text);
    if (!GetParam().expected) {
        EXPECT_FALSE(reading.read());
        EXPECT_FALSE(reading.problem.empty());
        return;
    }
    ASSERT_TRUE(reading.read()) << reading.problem;
    EXPECT_EQ(toText(*reading.value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, PolynomialReading,
    testing::Values(ReadCase { "Ascii", "x^2+5x+6", "س² + 5س + 6" },
        ReadCase { "ArabicLetters", "س^2+5س+6", "س² + 5س + 6" },
        ReadCase { "SuperscriptAndBlanks", "  س²  +  5 س +6 ", "س² + 5س + 6" },
        ReadCase { "TheBandsOwnNotation", "3س ص - 2ص² + ص", "3س ص - 2ص² + ص" },
        ReadCase { "OptionalTimes", "2*x*y - 3*y^2", "2س ص - 3ص²" },
        ReadCase { "LettersSideBySide", "yx + x x", "س² + س ص" },
        ReadCase { "LeadingMinusAndTrueMinus", "-x + 4 − 1", "-س + 3" },
        ReadCase { "DirectionMarks", "\u200Fس\u200E + 1", "س + 1" },
        ReadCase { "BracketDifference", "(3x+2)-(x+1)", "2س + 1" },
        ReadCase { "BracketsMultiply", "(x+2)(x+3) - (x)", "س² + 4س + 6" },
        ReadCase { "NegatedBracket", "-(x+1)+3", "-س + 2" }, ReadCase { "Nothing", "", nullptr },
        ReadCase { "OnlyBlanks", "   ", nullptr }, ReadCase { "ThirdDegree", "x^3", nullptr },
        ReadCase { "ThirdDegreeByLetters", "x*y*x", nullptr }, ReadCase { "PowerZero", "x^0", nullptr },
        ReadCase { "PowerMissing", "x^", nullptr }, ReadCase { "TrailingSign", "2x +", nullptr },
        ReadCase { "TwoSigns", "x++1", nullptr }, ReadCase { "TwoNumbers", "2 3", nullptr },
        ReadCase { "NumberAfterLetter", "س2", nullptr }, ReadCase { "UnclosedBracket", "(x+1", nullptr },
        ReadCase { "StrayClose", "x+1)", nullptr }, ReadCase { "NestedBrackets", "((x))", nullptr },
        ReadCase { "CoefficientBeforeBracket", "2(x+1)", nullptr }, ReadCase { "ThreeBrackets", "(x)(x)(1)", nullptr },
        ReadCase { "SquareTimesLinear", "(x^2)(x)", nullptr }, ReadCase { "OtherLetter", "2z", nullptr },
        ReadCase { "ArabicIndicDigit", "\u0663س", nullptr }, ReadCase { "Equation", "x = 1", nullptr },
        ReadCase { "HugeNumber", "99999x", nullptr }, ReadCase { "BrokenUtf8", "x + \xff\xfe", nullptr },
        ReadCase { "ControlCharacter", "x\x01", nullptr }));

TEST(ExpressionReader, TwoFactorsAreTwoBracketsOfFirstDegree)
{
    for (auto text : { "(x+2)(x+3)", "( س + 2 ) ( س + 3 )", "(x+2)*(x+3)", "(x+2)×(x+3)" }) {
        auto const factors = readTwoFactors(text);
        ASSERT_TRUE(factors.read()) << text << ": " << factors.problem;
        EXPECT_EQ(toText(factors.value->first), "س + 2");
        EXPECT_EQ(toText(factors.value->second), "س + 3");
    }
    for (auto text : { "(x+1)", "(x+1)(x+2)(x+3)", "x(x+1)", "(x^2)(1)", "(x+1)+(x+2)", "(x+1)(x+2) + 1" })
        EXPECT_FALSE(readTwoFactors(text).read()) << text;
}

TEST(ExpressionReader, EquationsAreLinearInXWithOneSolution)
{
    struct Solved {
        char const* text;
        std::int64_t numerator;
        std::int64_t denominator;
    };
    for (auto const& s : { Solved { "2x+3=7", 2, 1 }, Solved { "7 = 2س + 3", 2, 1 }, Solved { "x = -3", -3, 1 },
             Solved { "-4x = 6", -3, 2 }, Solved { "(x+1)-(3) = x - x + 0", 2, 1 } }) {
        auto const equation = readLinearEquation(s.text);
        ASSERT_TRUE(equation.read()) << s.text << ": " << equation.problem;
        auto const x = solutionOf(*equation.value);
        EXPECT_EQ(x.numerator, s.numerator) << s.text;
        EXPECT_EQ(x.denominator, s.denominator) << s.text;
    }
    for (auto text : { "2x+3", "x=1=1", "x+y=3", "x^2=4", "x=x+1", "=3", "x=", "3 = 3" })
        EXPECT_FALSE(readLinearEquation(text).read()) << text;
}

TEST(ExpressionReader, LongInputIsRefusedBeforeItIsRead)
{
    std::string text = "1";
    while (text.size() < expressionMaxBytes)
        text += text.size() + 2 <= expressionMaxBytes ? "+1" : " ";
    ASSERT_EQ(text.size(), expressionMaxBytes);
    EXPECT_TRUE(readPolynomial(text).read()) << readPolynomial(text).problem;
    // One blank more, which means nothing, is one byte too many.
    EXPECT_FALSE(readPolynomial(text + " ").read());
    EXPECT_FALSE(readPolynomial(std::string(1 << 20, '(')).read());
}

// Whatever is typed, each reading returns: read or refused with a reason, never a crash.
TEST(ExpressionReader, AnyInputIsReadOrRefused)
{
    std::vector<std::string> const pieces { "x", "y", "س", "ص", "²", "^", "2", "99", "9999", "+", "-", "−", "*", "×",
        "(", ")", "=", " ", "\xd8", "\x80", "z", "\0", "0" };
    std::mt19937 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        int const length = static_cast<int>(random() % 60);
        for (int p = 0; p < length; ++p)
            text += pieces[random() % pieces.size()];
        for (auto const& problem :
            { readPolynomial(text).problem, readTwoFactors(text).problem, readLinearEquation(text).problem })
            EXPECT_TRUE(problem.empty() || problem.size() < 200) << text;
    }
}

// A goal is shown back as the teacher typed it, in the band's notation, whichever letters and signs
// were typed.
TEST(ExpressionReader, WritesBackAsTypedInTheBandsNotation)
{
    EXPECT_EQ(inBandNotation(tokenize("(3x+2)-(x+1)")), "(3س + 2) - (س + 1)");
    EXPECT_EQ(inBandNotation(tokenize("-x^2 + 2xy -y*y")), "-س² + 2س ص - ص×ص");
    EXPECT_EQ(inBandNotation(tokenize("س²−5 = -3")), "س² - 5 = -3");
}

} // namespace
} // namespace zelmora
