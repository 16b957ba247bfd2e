// SPDX-License-Identifier: GPL-3.0-or-later
// What a board window's bar and its accessible mirror ask of the program: the board commands,
// undo and redo, board files, the algebra band's text, and the names a screen reader gives the
// controls.
#include "web_program.hpp"

#include "program/accessible_names.hpp"
#include "program/algebra_band.hpp"
#include "program/board_commands.hpp"
#include "program/board_file/board_file.hpp"
#include "program/board_file/refusal_messages.hpp"
#include "program/links/share_link.hpp"
#include "program/tasks/tasks.hpp"
#include "program/windows.hpp"

#include <nlohmann/json.hpp>

namespace zelmora::web {

namespace {

nlohmann::json accessibleNames(Form const& form)
{
    nlohmann::json names = nlohmann::json::array();
    for (Control const* c : accessibleControls(form))
        names.push_back({ { "control", c->qualifiedName() }, { "name", accessibleNameOf(form, *c) },
            { "role", roleToken(accessibleRoleOf(*c)) }, { "left", c->left }, { "top", c->top }, { "width", c->width },
            { "height", c->height }, { "focused", c == form.focus() } });
    return names;
}

nlohmann::json commandDesign(BoardCommandDesign const& design)
{
    nlohmann::json keys = nlohmann::json::array();
    for (std::string_view key : design.keys)
        if (!key.empty())
            keys.push_back(key);
    return { { "id", design.id }, { "text", design.text }, { "tooltip", design.tooltip }, { "icon", design.icon },
        { "keys", std::move(keys) }, { "checkable", design.checkable }, { "repeats", design.repeats },
        { "gapAfter", design.gapAfter }, { "showsText", design.showsText } };
}

std::string answer(LoadResult const& result, std::string_view window)
{
    return nlohmann::json { { "loaded", result.loaded() }, { "message", result.message }, { "window", window } }.dump();
}

// The band's rows as shown, an equation's sides apart, for the page to lay out.
nlohmann::json bandRowsJson(Form const& form)
{
    nlohmann::json rows = nlohmann::json::array();
    for (BandRow const& row : bandRowsAsShown(form)) {
        nlohmann::json shown { { "text", row.text } };
        if (row.sides)
            shown["sides"]
                = { { "left", row.sides->left }, { "relation", row.sides->relation }, { "right", row.sides->right } };
        rows.push_back(std::move(shown));
    }
    return rows;
}

} // namespace

std::string WebProgram::boardCommands()
{
    nlohmann::json commands = nlohmann::json::array();
    for (BoardCommandDesign const& design : zelmora::boardCommands())
        commands.push_back(commandDesign(design));
    return commands.dump();
}

std::string WebProgram::tools(std::string const& window) const
{
    Form const* form = m_session.window(window);
    if (!form)
        return "null";
    Application const& app = *m_session.application();
    auto const number = boardNumber(form->name());
    return nlohmann::json {
        { "board", number ? nlohmann::json(*number) : nlohmann::json() }, { "canUndo", app.canUndo(*form) },
        { "canRedo", app.canRedo(*form) }, { "task", goalOf(*form).has_value() },
        { "algebra",
            number ? nlohmann::json { { "text", bandTextAsShown(*form) }, { "rows", bandRowsJson(*form) } }
                   : nlohmann::json() },
        { "names", accessibleNames(*form) }
    }.dump();
}

void WebProgram::undo(std::string const& window)
{
    if (Form* form = m_session.window(window))
        deliver([&](Application& app) { app.undo(*form); });
}

void WebProgram::redo(std::string const& window)
{
    if (Form* form = m_session.window(window))
        deliver([&](Application& app) { app.redo(*form); });
}

std::string WebProgram::saveBoard(std::string const& window) const
{
    Form const* form = m_session.window(window);
    return form ? Session::savedFile(*form) : std::string();
}

std::string WebProgram::openBoard(std::string const& window, std::string const& bytes)
{
    if (!window.empty()) {
        Form* form = m_session.window(window);
        return form ? answer(m_session.loadInto(*form, bytes), window) : answer(refusedLoad(Refusal::Busy, ""), "");
    }
    LoadResult const result = m_session.openSavedBoard(bytes);
    // A refused file leaves a board it named open only if it was open before.
    auto const named = boardNamedIn(bytes);
    bool const wentToBoard = named && isBoardWindow(*named) && m_session.window(*named);
    return answer(result, wentToBoard ? *named : std::string());
}

std::string WebProgram::shareLink(std::string const& window, std::string const& site) const
{
    Form const* form = m_session.window(window);
    if (!form || !isBoardWindow(form->name()))
        return "null";
    ShareLinkTexts const& texts = shareLinkTexts;
    return nlohmann::json {
        { "link", Session::shareLink(*form, site) },
        { "texts",
            { { "title", texts.title }, { "explanation", texts.explanation }, { "copy", texts.copy },
                { "copied", texts.copied }, { "close", texts.close }, { "qrCode", texts.qrCode },
                { "qrTitle", texts.qrTitle }, { "qrTooLong", texts.qrTooLong } } }
    }.dump();
}

std::string WebProgram::openShareLink(std::string const& link)
{
    LoadResult const result = m_session.openShareLink(link);
    // Only a link that opened leaves a board in front: a refused one leaves every window as it was.
    Application const* app = m_session.application();
    auto const front = result.loaded() && app && !app->windowsFrontToBack().empty()
        ? app->windowsFrontToBack().front()->name()
        : std::string();
    return answer(result, front);
}

std::size_t WebProgram::boardFileLimit()
{
    return boardFileMaxBytes;
}

} // namespace zelmora::web
