// SPDX-License-Identifier: GPL-3.0-or-later
#include "task_file.hpp"

#include "expression_reader.hpp"
#include "program/board_file/board_file_format.hpp"
#include "program/board_file/refusal_messages.hpp"
#include "program/open_saved_board.hpp"
#include "task_companion.hpp"
#include "tasks.hpp"

#include <nlohmann/json.hpp>

#include <array>
#include <memory>

namespace zelmora {

using nlohmann::json;

namespace {

constexpr std::array<std::string_view, 4> taskKeys { "kind", "goal", "prompt", "steps" };

struct TaskRead {
    Goal goal;
    std::string prompt;
    std::vector<std::string> steps;
};

// Thrown while the task member is read; the window has not been touched.
struct Malformed {
    std::string detail;
};

std::string const& text(json const& task, std::string_view key)
{
    json const& value = task.at(std::string(key));
    if (!value.is_string())
        throw Malformed { "task." + std::string(key) + " is not text" };
    return value.get_ref<std::string const&>();
}

// A step is an equation with the goal's solution, written exactly as the balance's band writes it.
void checkStep(std::string const& step, Goal const& goal)
{
    auto const equation = readLinearEquation(step);
    if (!equation.read())
        throw Malformed { "a step cannot be read: " + step };
    Solution const x = solutionOf(*equation.value);
    if (x.denominator != 1 || x.numerator != goal.solution)
        throw Malformed { "a step does not lead to the goal's solution: " + step };
    if (step != toText(equation.value->left) + " = " + toText(equation.value->right))
        throw Malformed { "a step is not written as the board writes it: " + step };
}

TaskRead readTask(json const& task, Form const& form)
{
    if (!task.is_object() || task.size() != taskKeys.size())
        throw Malformed { "task does not hold exactly kind, goal, prompt and steps" };
    for (auto key : taskKeys)
        if (!task.contains(key))
            throw Malformed { "task lacks " + std::string(key) };
    auto const kind = goalKindNamed(text(task, "kind"));
    if (!kind)
        throw Malformed { "task.kind names no kind of goal" };
    auto goal = readGoal(*kind, text(task, "goal"));
    if (!goal.read())
        throw Malformed { "task.goal cannot be read" };
    if (!goalMisfit(*goal.value, form).empty())
        throw Malformed { "task.goal does not fit this board" };
    TaskRead read { *goal.value, text(task, "prompt"), {} };
    if (!promptProblem(read.prompt).empty())
        throw Malformed { "task.prompt cannot be shown" };
    json const& steps = task.at("steps");
    if (!steps.is_array() || (*kind != GoalKind::Solve && !steps.empty()))
        throw Malformed { "task.steps is not a list of the balance's equations" };
    for (json const& step : steps) {
        if (!step.is_string())
            throw Malformed { "a step is not text" };
        checkStep(step.get<std::string>(), read.goal);
        read.steps.push_back(step.get<std::string>());
    }
    return read;
}

} // namespace

std::string saveTask(Form const& form)
{
    std::string board = saveBoard(form);
    auto const goal = goalOf(form);
    if (!goal)
        return board;
    json file = json::parse(board);
    file[std::string(board_file::taskKey)] = json {
        { "kind", kindName(goal->kind) },
        // As the teacher wrote it, which the reader reads again to the same goal.
        { "goal", goal->written.empty() ? goalText(*goal) : goal->written },
        { "prompt", promptOf(form) },
        { "steps", stepsOf(form) },
    };
    return file.dump(1) + "\n";
}

LoadResult loadTask(Application& app, Form& form, std::string_view bytes)
{
    json const file = bytes.size() > boardFileMaxBytes ? json() : json::parse(bytes, nullptr, false);
    std::string const taskKey(board_file::taskKey);
    // A file that is no board of this window is refused by the board's own checks, whatever it holds.
    bool const hasTask = file.is_object() && file.contains(taskKey) && boardNamedIn(bytes) == form.name();
    if (!hasTask)
        return loadBoardWithTask(app, form, bytes, {});
    TaskRead task;
    try {
        task = readTask(file.at(taskKey), form);
    } catch (Malformed const& m) {
        return refusedLoad(Refusal::Damaged, m.detail);
    }
    auto companion = std::make_unique<TaskCompanion>(task.goal, task.prompt);
    TaskCompanion& loaded = *companion;
    std::vector<std::string> record { loaded.recordTag() };
    record.insert(record.end(), task.steps.begin(), task.steps.end());
    // The goal is in place while the board loads, so that the action's end records for it.
    auto previous = form.setCompanion(std::move(companion));
    LoadResult result = loadBoardWithTask(app, form, bytes, std::move(record));
    if (!result.loaded()) {
        form.setCompanion(std::move(previous));
        return result;
    }
    loaded.begin(form);
    return result;
}

LoadResult openSavedTask(Application& app, std::string_view bytes)
{
    return openSavedBoard(app, bytes, &loadTask);
}

} // namespace zelmora
