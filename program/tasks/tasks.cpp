// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks.hpp"

#include "balance_steps.hpp"
#include "task_companion.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <memory>

namespace zelmora {

namespace {

constexpr std::size_t promptMaxBytes = 500;

// Whether the text is UTF-8, as every file and link that keeps a prompt must write it: a view
// always gives UTF-8, but a script's line, or a browser's text with half a surrogate pair in it,
// may not.
bool isUtf8(std::string_view text)
{
    try {
        (void)nlohmann::json(std::string(text)).dump();
        return true;
    } catch (nlohmann::json::type_error const&) {
        return false;
    }
}

TaskCompanion const* taskOf(Form const& form)
{
    return dynamic_cast<TaskCompanion const*>(form.companion());
}

} // namespace

std::string promptProblem(std::string_view prompt)
{
    if (prompt.size() > promptMaxBytes)
        return "نص التعليمات أطول مما يتسع له الشريط";
    if (std::any_of(
            prompt.begin(), prompt.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return "نص التعليمات سطر واحد";
    if (!isUtf8(prompt))
        return "في نص التعليمات حروف لا تُقرأ";
    return {};
}

Reading<Goal> readGoalFor(Form const& form, GoalKind kind, std::string_view expression, std::string_view prompt)
{
    auto goal = readGoal(kind, expression);
    if (!goal.read())
        return goal;
    if (auto const misfit = goalMisfit(*goal.value, form); !misfit.empty())
        return { std::nullopt, misfit };
    if (auto const problem = promptProblem(prompt); !problem.empty())
        return { std::nullopt, problem };
    return goal;
}

GoalSetting setGoal(Form& form, GoalKind kind, std::string_view expression, std::string prompt)
{
    auto goal = readGoalFor(form, kind, expression, prompt);
    if (!goal.read())
        return { false, goal.problem };
    // The steps of a goal set before do not lead to this one.
    form.setRecord({});
    setReadGoal(form, std::move(*goal.value), std::move(prompt));
    return { true, {} };
}

void setReadGoal(Form& form, Goal goal, std::string prompt)
{
    auto task = std::make_unique<TaskCompanion>(std::move(goal), std::move(prompt));
    TaskCompanion& started = *task;
    form.setCompanion(std::move(task));
    started.begin(form);
}

void removeGoal(Form& form)
{
    if (!taskOf(form))
        return;
    form.setCompanion(nullptr);
    form.setRecord({});
}

std::optional<Goal> goalOf(Form const& form)
{
    auto const* task = taskOf(form);
    return task ? std::optional(task->goal()) : std::nullopt;
}

std::string promptOf(Form const& form)
{
    auto const* task = taskOf(form);
    return task ? task->prompt() : std::string();
}

std::optional<GoalCheck> checkOf(Form const& form)
{
    auto const* task = taskOf(form);
    return task ? std::optional(checkGoal(task->goal(), form)) : std::nullopt;
}

std::optional<TaskNarration> narrationOf(Form const& form)
{
    auto const* task = taskOf(form);
    return task ? std::optional(TaskNarration { task->statement(), task->feedback(form) }) : std::nullopt;
}

std::vector<std::string> stepsOf(Form const& form)
{
    auto const* task = taskOf(form);
    if (!task || task->goal().kind != GoalKind::Solve)
        return {};
    return StepRecord(form.record(), task->recordTag()).steps();
}

} // namespace zelmora
