// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web_host.hpp"

#include "tools/script/script_runner.hpp"

#include <functional>
#include <sstream>
#include <string>

namespace zelmora::web {

// The program on the page: the same core the script driver runs, started as at launch, fed the
// page's input and read back for painting. Every answer is JSON text, which the page parses at
// once; a runtime error of the program ends it as on the desktop and comes back as an "error" event.
class WebProgram {
public:
    WebProgram();

    // {"running": bool, "windows": [names front to back], "beeps": n, "drag": ... or null}
    std::string state() const;
    // One window as windowSnapshot describes it, or null when it is not open.
    std::string window(std::string const& name) const;
    // What the core asked of the page since the last call, in order.
    std::string takeEvents();

    void mouseDown(std::string const& window, double x, double y, int button);
    void mouseMove(std::string const& window, double x, double y);
    // An empty window name is a release outside every window.
    void mouseUp(std::string const& window, double x, double y);
    void doubleClick(std::string const& window, double x, double y);
    // A key as zelmora-script names it: "tab", "shift+tab", "space", "enter", the arrows with or
    // without "shift+", "escape", "delete" or "r".
    void key(std::string const& window, std::string const& key);
    void closeBox(std::string const& window);
    void bringToFront(std::string const& window);

    // --- the board window's tools (web_board_tools.cpp) ---------------------------------------
    // {"board": n or null, "canUndo", "canRedo", "algebra": {"text"} or null, "names": [...]}, or
    // null when the window is not open. Boards are numbered 1 to 4 as the menu lists them; each
    // name is {"control", "name", "role", "left", "top", "width", "height", "focused"}.
    std::string tools(std::string const& window) const;
    void undo(std::string const& window);
    void redo(std::string const& window);
    // The window's board as a board file's text; empty when the window is not open.
    std::string saveBoard(std::string const& window) const;
    // {"loaded", "message" (Arabic, empty when loaded), "window"}: the file's bytes into the window,
    // or, for an empty window name, into the board the file names, opened first if need be.
    std::string openBoard(std::string const& window, std::string const& bytes);
    static std::size_t boardFileLimit();

    // Runs zelmora-script lines against this program: {"output", "errors", "status"}.
    std::string script(std::string const& text);

private:
    Form* open(std::string const& name) const;
    void deliver(std::function<void(Application&)> const& input);
    std::string loadInto(Form&, std::string const& bytes);

    WebHost m_host;
    std::ostringstream m_out;
    std::ostringstream m_errors;
    ScriptRunner m_runner;
};

} // namespace zelmora::web
