// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/application.hpp"
#include "runtime/host.hpp"

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace zelmora {

// Runs a zelmora-script: learner actions against the program's windows with no display, and
// queries that print what the controls hold.
class ScriptRunner {
public:
    enum Status { Ran = 0, RuntimeFailure = 1, LineFailure = 2 };
    // A longer line is refused rather than read on without end.
    static constexpr std::size_t maxLineLength = 64 * 1024;

    // The host stands in for the toolkit; a HeadlessHost unless the caller brings its own.
    ScriptRunner(std::ostream& out, std::ostream& errors, Host* host = nullptr);
    ~ScriptRunner();

    // Runs the script to its end or to the first line that fails; a read error or a line over
    // the limit fails as a line that cannot run.
    Status run(std::istream& script);
    // One line; numbered for messages.
    Status runLine(std::string const& line, int number);

    // The program the script drives, once `start` has run.
    Application* application() { return m_app.get(); }

private:
    struct LineError {
        std::string message;
    };
    void execute(std::vector<std::string> const& words);
    void print(std::vector<std::string> const& words);
    // undo, redo, save and load; false for any other command.
    bool runHistoryOrFileCommand(std::vector<std::string> const& words);
    // goal W KIND EXPR and goal W none; false for any other command.
    bool runTaskCommand(std::vector<std::string> const& words);
    Form& openWindow(std::string const& name);
    Control& visibleControl(Form&, std::string const& name);
    Application& app();

    std::ostream& m_out;
    std::ostream& m_errors;
    HeadlessHost m_headless;
    Host& m_host;
    std::unique_ptr<Application> m_app;
};

} // namespace zelmora
