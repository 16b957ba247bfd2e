// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goal.hpp"
#include "runtime/form.hpp"

#include <string>

namespace zelmora {

// Whether the tiles on the board answer the goal and, while they do not, one short Arabic sentence
// that points at the first thing that differs: a factor, the rectangle, a zero pair, a pan still
// to simplify, a step that left the balance uneven.
struct GoalCheck {
    bool done = false;
    std::string hint; // empty when done
};

// Reads the board as its algebra does, afresh from the controls as they stand.
GoalCheck checkGoal(Goal const&, Form const&);

} // namespace zelmora
