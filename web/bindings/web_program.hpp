// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web_host.hpp"

#include "program/lessons/lesson_set.hpp"
#include "program/session.hpp"

#include <cstddef>
#include <string>

namespace zelmora::web {

// The program on the page: the session every view drives, started as at launch, fed the page's
// input and read back for painting. Every answer is JSON text, which the page parses at once; a
// runtime error of the program ends it as on the desktop and comes back as an "error" event.
class WebProgram {
public:
    WebProgram();

    // {"running": bool, "windows": [names front to back], "beeps": n, "drag": ... or null}; the
    // drag names its window in its "window" field.
    std::string state() const;
    // One window as windowSnapshot describes it, or null when it is not open.
    std::string window(std::string const& name) const;
    // What the window's snapshot shows, leaving out a drag over it, as a short text that stays the
    // same while the snapshot does (lookOf): the page reads the snapshot again only when it moves.
    // Empty when the window is not open.
    std::string windowLook(std::string const& name) const;
    // The names of the windows that look different since the last call, front to back: the page
    // reads and paints these and no others.
    std::string changedWindows();
    // What the core asked of the page since the last call, in order.
    std::string takeEvents();

    void mouseDown(std::string const& window, double x, double y, int button);
    void mouseMove(std::string const& window, double x, double y);
    // An empty window name is a release outside every window.
    void mouseUp(std::string const& window, double x, double y);
    void doubleClick(std::string const& window, double x, double y);
    // A key as zelmora-script names it (see key_names.hpp). A press the browser marked as a repeat
    // of a key held down acts only for the keys that act again while held.
    void key(std::string const& window, std::string const& key, bool repeat);
    void closeBox(std::string const& window);
    void bringToFront(std::string const& window);

    // --- the board window's tools (web_board_tools.cpp) ---------------------------------------
    // Every board command, as board_commands.hpp describes it, in bar order: [{"id", "text",
    // "tooltip", "icon", "keys", "checkable", "repeats", "gapAfter", "showsText"}].
    static std::string boardCommands();
    // {"board": n or null, "canUndo", "canRedo", "task", "algebra": {"text"} or null, "names": [...]},
    // or null when the window is not open. "task" says the window has a goal; the algebra's text
    // is the band's as every view shows it;
    // each name is {"control", "name", "role", "left", "top", "width", "height", "focused"}.
    std::string tools(std::string const& window) const;
    void undo(std::string const& window);
    void redo(std::string const& window);
    // The window's board as a board file's text; empty when the window is not open.
    std::string saveBoard(std::string const& window) const;
    // {"loaded", "message" (Arabic, empty when loaded), "window"}: the file's bytes into the window,
    // or, for an empty window name, into the board the file names, as the desktop opens a saved
    // board. "window" is the board the file went to, or "" when it went to none.
    std::string openBoard(std::string const& window, std::string const& bytes);
    static std::size_t boardFileLimit();
    // {"link", "texts"}: the board window's shared link on the page at `site` (the page's own address)
    // and the share panel's words;
    // null when the window is not open or is no board.
    std::string shareLink(std::string const& window, std::string const& site) const;
    // {"loaded", "message", "window"} as openBoard: a shared link (or its fragment alone) opened
    // on the board it names, with its task.
    std::string openShareLink(std::string const& link);

    // --- the board window's goal panel (web_goal_panel.cpp) ------------------------------------
    // {"texts": {"title", "kind", "expression", "expressionHelp", "prompt", "preview", "set",
    // "remove", "cancel"}, "kinds": [{"kind", "name", "example"}], "goal": {"kind", "expression",
    // "prompt"} or null}: the panel's words, the kinds of goal that fit the board (by the names
    // scripts use, with their Arabic names and an example) and the goal the window holds; null
    // when the window is not an open board.
    std::string goalPanel(std::string const& window) const;
    // {"settable", "text"}: the goal in Arabic words and the band's notation once it can be set,
    // else why not, in one short Arabic sentence.
    std::string previewGoal(std::string const& window, std::string const& kind, std::string const& expression,
        std::string const& prompt) const;
    // {"set", "problem"}: the goal set through the session, with the tiles as they stand as the
    // task's starting board, or refused with the reason and the window unchanged.
    std::string setGoal(
        std::string const& window, std::string const& kind, std::string const& expression, std::string const& prompt);
    void removeGoal(std::string const& window);

    // --- the built-in lessons (web_lessons.cpp) -----------------------------------------------
    // {"texts": {"title", "solved", "close", "openLesson", "unavailable"}, "boards": [{"window",
    // "name", "lessons": [{"id", "title"}]}], "problem"}: the lesson table's text as the list shown
    // from that window groups it (its board first); no boards and the reason when it is refused.
    static std::string lessonList(std::string const& table, std::string const& window);
    // {"id", "title", "link"} of the lesson a mark in the guide's section names, or null.
    static std::string lessonInGuide(std::string const& table, std::string const& anchor, std::string const& id);
    // As openBoard into the board the file names; the board then holds the lesson ID.
    std::string openLesson(std::string const& id, std::string const& bytes);
    // The lesson the window holds (its goal is still the lesson's), or "".
    std::string heldLesson(std::string const& window) const;

    // The session itself, for the page's script console.
    Session& session() { return m_session; }

private:
    void deliver(std::function<void(Application&)> const& input) { m_session.deliver(input); }

    WebHost m_host;
    Session m_session { m_host, m_host };
    HeldLessons m_lessons;
};

} // namespace zelmora::web
