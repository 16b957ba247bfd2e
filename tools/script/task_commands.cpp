// SPDX-License-Identifier: GPL-3.0-or-later
// The script's goals: what a view's goal dialog and its band do, without the dialog.
#include "task_commands.hpp"

#include "program/tasks/board_reading.hpp"
#include "program/tasks/tasks.hpp"
#include "script_runner.hpp"

#include <ostream>

namespace zelmora {

namespace {

// The words from the first'th on, one blank between each, as a line of text.
std::string joinedFrom(std::vector<std::string> const& words, std::size_t first)
{
    std::string text;
    for (std::size_t i = first; i < words.size(); ++i)
        text += (i > first ? " " : "") + words[i];
    return text;
}

} // namespace

bool ScriptRunner::runTaskCommand(std::vector<std::string> const& words)
{
    if (words[0] == "prompt")
        return runPromptCommand(words);
    if (words[0] != "goal")
        return false;
    if (words.size() < 3 || (words[2] == "none" && words.size() != 3))
        throw LineError { "wrong number of words for goal" };
    Form& form = openWindow(words[1]);
    if (words[2] == "none") {
        removeGoal(form);
        return true;
    }
    // Blanks mean nothing in an expression, so the words after the kind are the expression.
    std::string const expression = joinedFrom(words, 3);
    auto const kind = goalKindNamed(words[2]);
    if (!kind || !setGoal(form, *kind, expression).set)
        m_out << form.name() << ".goal=refused\n";
    return true;
}

// The line the learner reads above the goal, as a teacher writes it in the goal dialog. The goal
// stays as it is, its steps too: only the words above it change.
bool ScriptRunner::runPromptCommand(std::vector<std::string> const& words)
{
    if (words.size() < 2)
        throw LineError { "wrong number of words for prompt" };
    Form& form = openWindow(words[1]);
    auto const goal = goalOf(form);
    std::string prompt = joinedFrom(words, 2);
    if (!goal || !promptProblem(prompt).empty()) {
        m_out << form.name() << ".prompt=refused\n";
        return true;
    }
    setReadGoal(form, *goal, std::move(prompt));
    return true;
}

bool isTaskQuery(std::string_view what)
{
    return what == "goal" || what == "check" || what == "steps";
}

std::optional<std::string> taskQuery(Form const& form, std::string_view what)
{
    if (!boardKindOf(form))
        return std::nullopt;
    std::string const name = form.name();
    auto const goal = goalOf(form);
    if (what == "goal")
        return goal ? name + ".goal kind=" + std::string(kindName(goal->kind)) + " expr=\"" + goalText(*goal) + "\"\n"
                    : name + ".goal none\n";
    if (what == "check") {
        auto const check = checkOf(form);
        return name + ".check=" + (!check ? "none" : check->done ? "done" : "open") + "\n";
    }
    std::string lines;
    int number = 0;
    for (auto const& step : stepsOf(form))
        lines += name + ".step " + std::to_string(++number) + "=\"" + step + "\"\n";
    return lines;
}

} // namespace zelmora
