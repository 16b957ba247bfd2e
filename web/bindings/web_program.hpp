// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web_host.hpp"

#include "tools/script/script_runner.hpp"

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
    // "tab", "shift+tab", "space" or "enter".
    void key(std::string const& window, std::string const& key);
    void closeBox(std::string const& window);
    void bringToFront(std::string const& window);

    // Runs zelmora-script lines against this program: {"output", "errors", "status"}.
    std::string script(std::string const& text);

private:
    Form* open(std::string const& name) const;
    template<typename Input> void deliver(Input&&);

    WebHost m_host;
    std::ostringstream m_out;
    std::ostringstream m_errors;
    ScriptRunner m_runner;
};

} // namespace zelmora::web
