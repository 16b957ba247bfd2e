// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_reading.hpp"
#include "boards/common/polynomial.hpp"
#include "expression_reader.hpp"
#include "runtime/form.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// What a learner is asked to build: multiply two factors or factor a polynomial (Boards 1 and 2),
// simplify an expression (Board 3), solve an equation for x (Board 4).
enum class GoalKind { Multiply, Factor, Simplify, Solve };

struct Goal {
    GoalKind kind = GoalKind::Factor;
    Polynomial first;          // multiply: the first factor as given; solve: the left side
    Polynomial second;         // multiply: the second factor; solve: the right side
    Polynomial target;         // multiply: the product; factor and simplify: the polynomial
    std::int64_t solution = 0; // solve: the value of x
    // The goal as the teacher wrote it, in the band's notation: "(3س + 2) - (س + 1)". A simplify
    // goal is shown this way, since its collected text would give the answer away.
    std::string written;

    friend bool operator==(Goal const&, Goal const&) = default;
};

// multiply, factor, simplify, solve: the words scripts and files use.
std::string_view kindName(GoalKind);
std::optional<GoalKind> goalKindNamed(std::string_view);
// The command the band shows before the goal: "اضرب", "حلّل", "بسّط", "حلّ المعادلة".
std::string_view kindInArabic(GoalKind);
// Multiply and factor belong on Boards 1 and 2, simplify on Board 3, solve on the balance.
bool belongsOn(GoalKind, BoardKind);

// Reads the teacher's expression as the kind asks; the problem when it cannot. A goal that can
// be read may still not fit a board (goalMisfit).
Reading<Goal> readGoal(GoalKind, std::string_view expression);
// Why the goal cannot be reached on this window (one short Arabic sentence), empty when it can.
std::string goalMisfit(Goal const&, Form const&);

// In the notation of the board's algebra: "(س + 2)(س + 3)", "س² + 5س + 6", "2س + 3 = 7".
std::string goalText(Goal const&);
// The goal in Arabic words and that notation, as the band shows it: "حلّل س² + 5س + 6"; a
// simplify goal as written: "بسّط (3س + 2) - (س + 1)".
std::string goalWords(Goal const&);

} // namespace zelmora
