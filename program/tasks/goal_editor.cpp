// SPDX-License-Identifier: GPL-3.0-or-later
#include "goal_editor.hpp"

#include "tasks.hpp"

#include <array>

namespace zelmora {

namespace {

constexpr std::array<std::pair<GoalKind, std::string_view>, 4> examples { {
    { GoalKind::Multiply, "(x+2)(x+3)" },
    { GoalKind::Factor, "x^2+5x+6" },
    { GoalKind::Simplify, "(3x+2)-(x+1)" },
    { GoalKind::Solve, "2x+3=7" },
} };

} // namespace

std::vector<GoalKindChoice> goalKindsFor(Form const& form)
{
    std::vector<GoalKindChoice> kinds;
    auto const board = boardKindOf(form);
    if (!board)
        return kinds;
    for (auto const& [kind, example] : examples)
        if (belongsOn(kind, *board))
            kinds.push_back({ kind, kindName(kind), kindInArabic(kind), example });
    return kinds;
}

GoalPreview previewGoal(Form const& form, GoalKind kind, std::string_view expression, std::string_view prompt)
{
    auto const goal = readGoalFor(form, kind, expression, prompt);
    if (!goal.read())
        return { false, goal.problem };
    // Shown back as typed, so that the teacher sees what was read where it was typed.
    return { true, std::string(kindInArabic(kind)) + " " + goal.value->written };
}

} // namespace zelmora
