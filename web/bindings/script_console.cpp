// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script console (window.zelmora.script): zelmora-script lines run against the
// program on the page, through the same session the page's own input goes through, so that
// tests and tools see and drive exactly what the learner sees.
#include "web_program.hpp"

#include "tools/script/script_runner.hpp"

#include <emscripten/bind.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace zelmora::web {

namespace {

class ScriptConsole {
public:
    explicit ScriptConsole(WebProgram& program)
        : m_runner(m_out, m_errors, program.session())
    { }

    // {"output", "errors", "status"}: what the lines printed, why one could not run, and how
    // the script ended (ScriptRunner::Status).
    std::string run(std::string const& text)
    {
        m_out.str({});
        m_errors.str({});
        std::istringstream lines(text);
        ScriptRunner::Status const status = m_runner.run(lines);
        return nlohmann::json {
            { "output", m_out.str() }, { "errors", m_errors.str() }, { "status", int(status) }
        }.dump();
    }

private:
    std::ostringstream m_out;
    std::ostringstream m_errors;
    ScriptRunner m_runner;
};

} // namespace

} // namespace zelmora::web

EMSCRIPTEN_BINDINGS(zelmora_script_console)
{
    using zelmora::web::ScriptConsole;
    emscripten::class_<ScriptConsole>("ScriptConsole")
        .constructor<zelmora::web::WebProgram&>()
        .function("run", &ScriptConsole::run);
}
