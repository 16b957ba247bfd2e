// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/runtime/application.hpp"
#include "shell/runtime/host.hpp"

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

    // The host stands in for the toolkit; a HeadlessHost unless the caller brings its own.
    ScriptRunner(std::ostream& out, std::ostream& errors, Host* host = nullptr);
    ~ScriptRunner();

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
