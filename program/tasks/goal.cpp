// SPDX-License-Identifier: GPL-3.0-or-later
#include "goal.hpp"

#include "board_reading.hpp"
#include "expression_tokens.hpp"
#include "factoring.hpp"

#include <array>

namespace zelmora {

namespace {

struct KindWords {
    GoalKind kind;
    std::string_view name;
    std::string_view arabic; // the command the band shows before the goal
};

constexpr std::array kinds {
    KindWords { GoalKind::Multiply, "multiply", "اضرب" },
    KindWords { GoalKind::Factor, "factor", "حلّل" },
    KindWords { GoalKind::Simplify, "simplify", "بسّط" },
    KindWords { GoalKind::Solve, "solve", "حلّ المعادلة" },
};

KindWords const& wordsOf(GoalKind kind)
{
    return kinds[static_cast<std::size_t>(kind)];
}

bool hasNegativeTerm(Polynomial const& p)
{
    for (Term term : allTerms)
        if (p.coefficient(term) < 0)
            return true;
    return false;
}

} // namespace

bool belongsOn(GoalKind kind, BoardKind board)
{
    switch (kind) {
    case GoalKind::Multiply:
    case GoalKind::Factor:
        return board == BoardKind::Area || board == BoardKind::SignedArea;
    case GoalKind::Simplify:
        return board == BoardKind::AddSub;
    case GoalKind::Solve:
        return board == BoardKind::Balance;
    }
    return false;
}

namespace {

// What the teacher is told of a kind set on a board it does not belong on.
constexpr std::string_view elsewhere[] = {
    "الضرب على اللوحتين الأولى والثانية",
    "التحليل على اللوحتين الأولى والثانية",
    "التبسيط على اللوحة الثالثة",
    "حل المعادلة على لوحة الميزان",
};

} // namespace

std::string_view kindName(GoalKind kind)
{
    return wordsOf(kind).name;
}

std::string_view kindInArabic(GoalKind kind)
{
    return wordsOf(kind).arabic;
}

std::optional<GoalKind> goalKindNamed(std::string_view name)
{
    for (auto const& k : kinds)
        if (k.name == name)
            return k.kind;
    return std::nullopt;
}

Reading<Goal> readGoal(GoalKind kind, std::string_view expression)
{
    Goal goal;
    goal.kind = kind;
    try {
        goal.written = inBandNotation(tokenize(expression));
    } catch (Unreadable const& u) {
        return { std::nullopt, u.problem };
    }
    if (kind == GoalKind::Multiply) {
        auto const factors = readTwoFactors(expression);
        if (!factors.read())
            return { std::nullopt, factors.problem };
        goal.first = factors.value->first;
        goal.second = factors.value->second;
        goal.target = multiplyLinear(goal.first, goal.second);
    } else if (kind == GoalKind::Solve) {
        auto const equation = readLinearEquation(expression);
        if (!equation.read())
            return { std::nullopt, equation.problem };
        goal.first = equation.value->left;
        goal.second = equation.value->right;
        Solution const x = solutionOf(*equation.value);
        // Tiles count whole units only: a fraction could never lie alone in a pan.
        if (x.denominator != 1)
            return { std::nullopt, "حل المعادلة ليس عددًا صحيحًا، ولا قطع للكسور" };
        goal.solution = x.numerator;
    } else {
        auto const polynomial = readPolynomial(expression);
        if (!polynomial.read())
            return { std::nullopt, polynomial.problem };
        goal.target = *polynomial.value;
    }
    return { goal, {} };
}

std::string goalMisfit(Goal const& goal, Form const& form)
{
    auto const board = boardKindOf(form);
    if (!board)
        return "لا هدف إلا على لوحة";
    if (!belongsOn(goal.kind, *board))
        return std::string(elsewhere[static_cast<std::size_t>(goal.kind)]);
    if (goal.kind == GoalKind::Multiply && (goal.first.isZero() || goal.second.isZero()))
        return "لا يكون أحد العاملين صفرًا";
    if (goal.kind == GoalKind::Factor && goal.target.isZero())
        return "لا يُحلَّل الصفر";
    if (goal.kind == GoalKind::Factor && !linearFactors(goal.target))
        return "لا يتحلّل هذا المقدار إلى عاملين بمعاملات صحيحة، فلا مستطيل من القطع يمثّله";
    // Board 1 has no negative tiles: neither a factor nor the product can take anything away.
    bool const negative = hasNegativeTerm(goal.first) || hasNegativeTerm(goal.second) || hasNegativeTerm(goal.target);
    if (*board == BoardKind::Area && negative)
        return "لا قطع سالبة على اللوحة الأولى";
    return {};
}

std::string goalText(Goal const& goal)
{
    switch (goal.kind) {
    case GoalKind::Multiply:
        return "(" + toText(goal.first) + ")(" + toText(goal.second) + ")";
    case GoalKind::Factor:
    case GoalKind::Simplify:
        return toText(goal.target);
    case GoalKind::Solve:
        return toText(goal.first) + " = " + toText(goal.second);
    }
    return {};
}

std::string goalWords(Goal const& goal)
{
    bool const asWritten = goal.kind == GoalKind::Simplify && !goal.written.empty();
    return std::string(wordsOf(goal.kind).arabic) + " " + (asWritten ? goal.written : goalText(goal));
}

} // namespace zelmora
