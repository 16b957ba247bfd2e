// SPDX-License-Identifier: GPL-3.0-or-later
// What a board window's goal panel asks of the program: its words, the kinds of goal that fit the
// board, the goal the window holds, the live preview of what the teacher types, and the goal set
// or removed through the session. The panel lays these out and decides nothing.
#include "web_program.hpp"

#include "program/algebra_band.hpp"
#include "program/tasks/goal_editor.hpp"

#include <nlohmann/json.hpp>

#include <optional>

namespace zelmora::web {

namespace {

nlohmann::json panelTexts()
{
    auto const& t = goalEditorTexts;
    return { { "title", t.title }, { "kind", t.kind }, { "expression", t.expression },
        { "expressionHelp", t.expressionHelp }, { "prompt", t.prompt }, { "preview", t.preview }, { "set", t.set },
        { "remove", t.remove }, { "cancel", t.cancel } };
}

nlohmann::json kindChoices(Form const& form)
{
    nlohmann::json kinds = nlohmann::json::array();
    for (GoalKindChoice const& choice : goalKindsFor(form))
        kinds.push_back({ { "kind", choice.name }, { "name", choice.arabic }, { "example", choice.example } });
    return kinds;
}

// The window's goal as the panel offers it for editing: the expression in the board's notation,
// which reads back as the same goal.
nlohmann::json heldGoal(Form const& form)
{
    auto const goal = goalOf(form);
    if (!goal)
        return nullptr;
    return { { "kind", kindName(goal->kind) }, { "expression", goalText(*goal) }, { "prompt", promptOf(form) } };
}

// A kind the window can hold, by the name the panel was given; none for any other.
std::optional<GoalKind> offeredKind(Form const& form, std::string const& name)
{
    for (GoalKindChoice const& choice : goalKindsFor(form))
        if (choice.name == name)
            return choice.kind;
    return std::nullopt;
}

} // namespace

std::string WebProgram::goalPanel(std::string const& window) const
{
    Form const* form = m_session.window(window);
    if (!form || goalKindsFor(*form).empty())
        return "null";
    return nlohmann::json {
        { "texts", panelTexts() }, { "kinds", kindChoices(*form) }, { "goal", heldGoal(*form) }
    }.dump();
}

std::string WebProgram::previewGoal(
    std::string const& window, std::string const& kind, std::string const& expression, std::string const& prompt) const
{
    Form const* form = m_session.window(window);
    auto const offered = form ? offeredKind(*form, kind) : std::nullopt;
    if (!offered)
        return nlohmann::json { { "settable", false }, { "text", "" } }.dump();
    GoalPreview const preview = zelmora::previewGoal(*form, *offered, expression, prompt);
    return nlohmann::json {
        { "settable", preview.settable }, { "text", preview.settable ? bandTextAsShown(preview.text) : preview.text }
    }.dump();
}

std::string WebProgram::setGoal(
    std::string const& window, std::string const& kind, std::string const& expression, std::string const& prompt)
{
    Form* form = m_session.window(window);
    auto const offered = form ? offeredKind(*form, kind) : std::nullopt;
    if (!offered)
        return nlohmann::json { { "set", false }, { "problem", "" } }.dump();
    GoalSetting const setting = m_session.setGoal(*form, *offered, expression, prompt);
    return nlohmann::json { { "set", setting.set }, { "problem", setting.problem } }.dump();
}

void WebProgram::removeGoal(std::string const& window)
{
    if (Form* form = m_session.window(window))
        m_session.removeGoal(*form);
}

} // namespace zelmora::web
