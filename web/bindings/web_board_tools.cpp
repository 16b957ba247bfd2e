// SPDX-License-Identifier: GPL-3.0-or-later
// What a board window's bar and its accessible mirror ask of the program: undo and redo, board
// files, the algebra band's text, and the names a screen reader gives the controls.
#include "web_program.hpp"

#include "program/accessible_names.hpp"
#include "program/algebra_band.hpp"
#include "program/board_file/board_file.hpp"
#include "program/board_file/refusal_messages.hpp"
#include "program/windows.hpp"

#include <nlohmann/json.hpp>

namespace zelmora::web {

namespace {

// Boards are numbered as the menu lists them: every window after the menu, in order.
nlohmann::json boardNumber(Form const& form)
{
    int number = 0;
    for (std::string_view name : windowNames()) {
        if (name == startWindowName())
            continue;
        ++number;
        if (name == form.name())
            return number;
    }
    return nullptr;
}

nlohmann::json accessibleNames(Form const& form)
{
    nlohmann::json names = nlohmann::json::array();
    for (Control const* c : accessibleControls(form))
        names.push_back({ { "control", c->qualifiedName() }, { "name", accessibleNameOf(form, *c) },
            { "role", roleToken(accessibleRoleOf(*c)) }, { "left", c->left }, { "top", c->top }, { "width", c->width },
            { "height", c->height }, { "focused", c == form.focus() } });
    return names;
}

// The board a file says it was saved from, if it says so and names a board of this program.
std::string boardNamedIn(std::string const& bytes)
{
    if (bytes.size() > boardFileMaxBytes)
        return {};
    auto const file = nlohmann::json::parse(bytes, nullptr, false);
    if (!file.is_object() || !file.contains("board") || !file["board"].is_string())
        return {};
    auto const& name = file["board"].get_ref<std::string const&>();
    for (std::string_view known : windowNames())
        if (known == name && known != startWindowName())
            return name;
    return {};
}

std::string refused(Refusal refusal)
{
    return nlohmann::json { { "loaded", false }, { "message", refusalMessage(refusal) }, { "window", "" } }.dump();
}

} // namespace

std::string WebProgram::tools(std::string const& window) const
{
    Form const* form = open(window);
    if (!form)
        return "null";
    Application const& app = *const_cast<ScriptRunner&>(m_runner).application();
    auto const algebra = describeBoardAlgebra(*form);
    return nlohmann::json {
        { "board", boardNumber(*form) }, { "canUndo", app.canUndo(*form) }, { "canRedo", app.canRedo(*form) },
        { "algebra", algebra ? nlohmann::json { { "text", algebraBandText(*algebra) } } : nlohmann::json() },
        { "names", accessibleNames(*form) }
    }.dump();
}

void WebProgram::undo(std::string const& window)
{
    if (Form* form = open(window))
        deliver([&](Application& app) { app.undo(*form); });
}

void WebProgram::redo(std::string const& window)
{
    if (Form* form = open(window))
        deliver([&](Application& app) { app.redo(*form); });
}

std::string WebProgram::saveBoard(std::string const& window) const
{
    Form const* form = open(window);
    return form ? zelmora::saveBoard(*form) : std::string();
}

std::string WebProgram::loadInto(Form& form, std::string const& bytes)
{
    LoadResult result = refusedLoad(Refusal::Busy, "the program ended");
    deliver([&](Application& app) { result = loadBoard(app, form, bytes); });
    return nlohmann::json {
        { "loaded", result.loaded() }, { "message", result.message }, { "window", form.name() }
    }.dump();
}

std::string WebProgram::openBoard(std::string const& window, std::string const& bytes)
{
    if (!window.empty()) {
        Form* form = open(window);
        return form ? loadInto(*form, bytes) : refused(Refusal::Busy);
    }
    // A file dropped on the page goes to the board it names; any other file is refused by the
    // front board, which says why, or as no board file when no board is open.
    std::string const named = boardNamedIn(bytes);
    Application* app = m_runner.application();
    if (!named.empty() && app && app->running() && !open(named))
        deliver([&](Application& running) { running.show(named); });
    if (Form* form = named.empty() ? nullptr : open(named))
        return loadInto(*form, bytes);
    if (app && app->running())
        for (Form* form : app->windowsFrontToBack())
            if (describeBoardAlgebra(*form))
                return loadInto(*form, bytes);
    return refused(Refusal::NotBoardFile);
}

std::size_t WebProgram::boardFileLimit()
{
    return boardFileMaxBytes;
}

} // namespace zelmora::web
