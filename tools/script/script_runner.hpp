// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/session.hpp"
#include "runtime/application.hpp"
#include "runtime/host.hpp"

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace zelmora {

// Runs a zelmora-script: learner actions against the program's windows with no display, and
// queries that print what the controls hold. Every line reaches the program through a session,
// as a view's input does: its own, or the session of a view that runs scripts in its console.
class ScriptRunner {
public:
    enum Status { Ran = 0, RuntimeFailure = 1, LineFailure = 2 };
    // A longer line is refused rather than read on without end.
    static constexpr std::size_t maxLineLength = 64 * 1024;

    // The host stands in for the toolkit; a HeadlessHost unless the caller brings its own.
    ScriptRunner(std::ostream& out, std::ostream& errors, Host* host = nullptr);
    // Drives a session that a view runs; `start` is refused once it has started.
    ScriptRunner(std::ostream& out, std::ostream& errors, Session&);
    ~ScriptRunner();

    // Runs the script to its end or to the first line that fails; a read error or a line over
    // the limit fails as a line that cannot run.
    Status run(std::istream& script);
    // One line; numbered for messages.
    Status runLine(std::string const& line, int number);

    // The program the script drives, once `start` has run.
    Application* application() { return m_session.application(); }

private:
    struct LineError {
        std::string message;
    };
    // A script reads a failure from the session once its line has run, and has no one to tell
    // what a drop did.
    struct Quiet final : SessionListener {
        void programFailed(std::string const&) override { }
        void announce(Form const&, std::string const&) override { }
    };
    void execute(std::vector<std::string> const& words);
    void print(std::vector<std::string> const& words);
    // undo, redo, save and load; false for any other command.
    bool runHistoryOrFileCommand(std::vector<std::string> const& words);
    // goal W KIND EXPR, goal W none and prompt W TEXT; false for any other command.
    bool runTaskCommand(std::vector<std::string> const& words);
    bool runPromptCommand(std::vector<std::string> const& words);
    // openlink FRAGMENT; false for any other command.
    bool runLinkCommand(std::vector<std::string> const& words);
    // print W link and print W link-length.
    std::string linkQuery(Form&, std::string_view what) const;
    Form& openWindow(std::string const& name);
    Control& visibleControl(Form&, std::string const& name);
    Application& app();

    std::ostream& m_out;
    std::ostream& m_errors;
    HeadlessHost m_headless;
    Quiet m_quiet;
    std::unique_ptr<Session> m_ownSession;
    Session& m_session;
};

} // namespace zelmora
