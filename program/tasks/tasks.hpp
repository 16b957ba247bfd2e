// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goal.hpp"
#include "goal_check.hpp"
#include "runtime/form.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// What every view and the script driver call to give a board window a task. At most one goal per
// window; setting or removing it is no learner action and undo never takes it back. The band
// (algebraBandText of the window) shows the goal, and the feedback, once one is set; the host
// hears goalReached the first time a learner's action reaches it.

struct GoalSetting {
    bool set = false;
    std::string problem; // one short Arabic sentence when refused; the window is then unchanged
};

// Reads the expression as the kind asks and sets the goal, with the tiles as they stand as the
// task's starting board; refused when it cannot be read, does not fit the window, or the prompt
// (an optional line for the learner) cannot be shown.
GoalSetting setGoal(Form&, GoalKind, std::string_view expression, std::string prompt = {});
// The goal as setGoal would set it on the window, or why it would refuse it.
Reading<Goal> readGoalFor(Form const&, GoalKind, std::string_view expression, std::string_view prompt);
// Sets a goal already read and fitted (a task file's), keeping the window's record as it is.
void setReadGoal(Form&, Goal, std::string prompt);
void removeGoal(Form&);

// None when the window has no goal.
std::optional<Goal> goalOf(Form const&);
std::string promptOf(Form const&);
std::optional<GoalCheck> checkOf(Form const&);
// The equations the balance went through for its goal, oldest first; none without a solve goal.
std::vector<std::string> stepsOf(Form const&);

// What a screen reader says of the window's task: the goal as set, and the feedback the band ends
// with. None when the window has no goal.
struct TaskNarration {
    std::string statement;
    std::string feedback;
};
std::optional<TaskNarration> narrationOf(Form const&);

// Why a prompt cannot be shown in the band (too long, or a line break or other control
// character in it), empty when it can.
std::string promptProblem(std::string_view);

} // namespace zelmora
