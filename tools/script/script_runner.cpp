// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_runner.hpp"

#include "board_queries.hpp"
#include "program/key_names.hpp"
#include "program/windows.hpp"
#include "property_line.hpp"
#include "runtime/numbers.hpp"
#include "runtime/runtime_error.hpp"
#include "task_commands.hpp"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>
#include <system_error>

namespace zelmora {

namespace {

std::vector<std::string> wordsOf(std::string line)
{
    if (auto const hash = line.find('#'); hash != std::string::npos)
        line.erase(hash);
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// A runtime error of the program, seen once the session has caught it and ended the program.
struct ProgramFailed {
    std::string message;
};

} // namespace

ScriptRunner::ScriptRunner(std::ostream& out, std::ostream& errors, Host* host)
    : m_out(out)
    , m_errors(errors)
    , m_ownSession(std::make_unique<Session>(host ? *host : m_headless, m_quiet))
    , m_session(*m_ownSession)
{ }

ScriptRunner::ScriptRunner(std::ostream& out, std::ostream& errors, Session& session)
    : m_out(out)
    , m_errors(errors)
    , m_session(session)
{ }

ScriptRunner::~ScriptRunner() = default;

ScriptRunner::Status ScriptRunner::run(std::istream& script)
{
    // One buffer for every line: a line that never ends must not take the memory with it.
    std::string buffer(maxLineLength + 1, '\0');
    for (int number = 1;; ++number) {
        errno = 0;
        script.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        auto const length = static_cast<std::size_t>(script.gcount());
        if (script.bad()) {
            // A read error is not the end of the script: what follows it was never seen.
            int const error = errno;
            m_out.flush();
            m_errors << "line " << number << ": cannot read the script"
                     << (error ? ": " + std::generic_category().message(error) : std::string()) << "\n";
            return LineFailure;
        }
        if (script.fail() && !script.eof()) {
            m_out.flush();
            m_errors << "line " << number << ": line longer than " << maxLineLength << " characters\n";
            return LineFailure;
        }
        if (length == 0 && script.eof())
            return Ran;
        // gcount counts the newline taken off the end of the line.
        bool const newline = !script.eof();
        std::string const line(buffer.data(), length - (newline ? 1 : 0));
        if (auto const status = runLine(line, number); status != Ran)
            return status;
        if (script.eof())
            return Ran;
    }
}

ScriptRunner::Status ScriptRunner::runLine(std::string const& line, int number)
{
    auto const words = wordsOf(line);
    if (words.empty())
        return Ran;
    try {
        // A running program takes the line as input: its errors end it, its changes are noted for
        // the views. An ended one can still be asked what it shows.
        if (!m_session.running()) {
            execute(words);
        } else {
            m_session.deliver([&](Application&) { execute(words); });
            if (m_session.failed())
                throw ProgramFailed { m_session.failure() };
        }
    } catch (ProgramFailed const& e) {
        m_out.flush();
        m_errors << "line " << number << ": runtime error: " << e.message << "\n";
        return RuntimeFailure;
    } catch (LineError const& e) {
        m_out.flush();
        m_errors << "line " << number << ": " << e.message << "\n";
        return LineFailure;
    } catch (RuntimeError const& e) {
        m_out.flush();
        m_errors << "line " << number << ": runtime error: " << e.what() << "\n";
        return RuntimeFailure;
    } catch (std::exception const& e) {
        // Anything else thrown from inside the program is as much a failure of the program.
        m_out.flush();
        m_errors << "line " << number << ": runtime error: " << e.what() << "\n";
        return RuntimeFailure;
    }
    return Ran;
}

Application& ScriptRunner::app()
{
    if (!m_session.application())
        throw LineError { "the program has not been started (start must come first)" };
    return *m_session.application();
}

Form& ScriptRunner::openWindow(std::string const& name)
{
    if (!isKnownWindow(name))
        throw LineError { "unknown window " + name };
    Form* form = app().window(name);
    if (!form)
        throw LineError { "window " + name + " is not open" };
    return *form;
}

Control& ScriptRunner::visibleControl(Form& form, std::string const& name)
{
    Control* c = form.findControl(name);
    if (!c)
        throw LineError { "unknown control " + name + " in " + form.name() };
    if (!c->visible)
        throw LineError { "control " + name + " is hidden" };
    return *c;
}

namespace {

Single number(std::string const& word)
{
    bool const plainDecimal = std::all_of(
        word.begin(), word.end(), [](char ch) { return (ch >= '0' && ch <= '9') || ch == '-' || ch == '.'; });
    if (word.empty() || !plainDecimal)
        throw std::invalid_argument(word);
    try {
        return static_cast<Single>(textToNumber(word));
    } catch (RuntimeError const&) {
        throw std::invalid_argument(word);
    }
}

} // namespace

void ScriptRunner::execute(std::vector<std::string> const& words)
{
    auto const& command = words[0];
    auto expect = [&](std::size_t least, std::size_t most) {
        if (words.size() < least || words.size() > most)
            throw LineError { "wrong number of words for " + command };
    };
    auto at = [&](std::size_t i) {
        try {
            return number(words[i]);
        } catch (std::invalid_argument const&) {
            throw LineError { "bad number " + words[i] };
        }
    };
    auto mouseButton = [&](std::size_t i) {
        if (words.size() <= i || words[i] == "left")
            return MouseButton::Left;
        if (words[i] == "right")
            return MouseButton::Right;
        if (words[i] == "middle")
            return MouseButton::Middle;
        throw LineError { "unknown mouse button " + words[i] };
    };
    auto pressNotHeld = [&] {
        if (app().buttonHeld())
            throw LineError { "a mouse button is already held" };
    };

    if (command == "start") {
        expect(1, 1);
        if (m_session.application())
            throw LineError { "the program has already been started" };
        m_session.start();
        if (m_session.failed())
            throw ProgramFailed { m_session.failure() };
    } else if (command == "open") {
        expect(2, 2);
        if (!isKnownWindow(words[1]))
            throw LineError { "unknown window " + words[1] };
        if (!app().running())
            throw LineError { "the program has ended" };
        app().show(words[1]);
    } else if (command == "down") {
        expect(4, 5);
        Form& form = openWindow(words[1]);
        auto const x = at(2), y = at(3);
        auto const button = mouseButton(4);
        pressNotHeld();
        app().mouseDown(form, x, y, button);
    } else if (command == "move") {
        expect(4, 4);
        Form& form = openWindow(words[1]);
        app().mouseMove(form, at(2), at(3));
    } else if (command == "up") {
        expect(4, 4);
        Form& form = openWindow(words[1]);
        app().mouseUp(&form, at(2), at(3));
    } else if (command == "press") {
        expect(5, 6);
        Form& form = openWindow(words[1]);
        Control& c = visibleControl(form, words[2]);
        auto const x = at(3), y = at(4);
        auto const button = mouseButton(5);
        pressNotHeld();
        app().mouseDownOn(form, c, x, y, button);
    } else if (command == "drag") {
        expect(7, 7);
        Form& form = openWindow(words[1]);
        Control& c = visibleControl(form, words[2]);
        auto const gx = at(3), gy = at(4), x = at(5), y = at(6);
        pressNotHeld();
        app().mouseDownOn(form, c, gx, gy, MouseButton::Left);
        // The press may have unloaded the window; a move or release there is taken by nothing.
        if (app().window(words[1]) == &form) {
            app().mouseMove(form, x, y);
            app().mouseUp(&form, x, y);
        }
    } else if (command == "click") {
        expect(3, 3);
        Form& form = openWindow(words[1]);
        Control& c = visibleControl(form, words[2]);
        Single const gx = c.width / 2, gy = c.height / 2;
        Single const x = c.left + gx, y = c.top + gy;
        pressNotHeld();
        app().mouseDownOn(form, c, gx, gy, MouseButton::Left);
        if (app().window(words[1]) == &form)
            app().mouseUp(&form, x, y);
    } else if (command == "key") {
        expect(3, 3);
        Form& form = openWindow(words[1]);
        auto const key = keyNamed(words[2]);
        if (!key)
            throw LineError { "unknown key " + words[2] };
        app().key(form, *key);
    } else if (command == "close") {
        expect(2, 2);
        Form& form = openWindow(words[1]);
        if (!form.window().titled)
            throw LineError { "window " + words[1] + " has no close box" };
        app().closeBox(form);
    } else if (command == "print") {
        print(words);
    } else if (runHistoryOrFileCommand(words) || runTaskCommand(words) || runLinkCommand(words)) {
    } else {
        throw LineError { "unknown command " + command };
    }
}

void ScriptRunner::print(std::vector<std::string> const& words)
{
    if (words.size() == 2) {
        auto const& what = words[1];
        if (what == "windows") {
            std::string line = "windows=";
            bool first = true;
            for (auto* f : app().windowsFrontToBack()) {
                line += (first ? "" : " ") + f->name();
                first = false;
            }
            m_out << line << "\n";
        } else if (what == "beeps") {
            m_out << "beeps=" << app().beeps() << "\n";
        } else if (what == "guide") {
            m_out << "guide=" << app().guideOpenings() << "\n";
        } else if (what == "running") {
            m_out << "running=" << (app().running() ? "yes" : "no") << "\n";
        } else {
            throw LineError { "unknown query " + what };
        }
        return;
    }
    if (words.size() != 3)
        throw LineError { "wrong number of words for print" };
    Form& form = openWindow(words[1]);
    auto const& what = words[2];
    if (what == "focus") {
        m_out << form.name() << ".focus=" << (form.focus() ? form.focus()->qualifiedName() : "none") << "\n";
    } else if (isBoardQuery(what)) {
        auto const lines = boardQuery(form, what);
        if (!lines)
            throw LineError { "window " + form.name() + " has no " + what };
        m_out << *lines;
    } else if (isTaskQuery(what)) {
        auto const lines = taskQuery(form, what);
        if (!lines)
            throw LineError { "window " + form.name() + " has no " + what };
        m_out << *lines;
    } else if (what == "link" || what == "link-length") {
        m_out << linkQuery(form, what);
    } else if (what == "tiles") {
        for (auto* c : form.array("Command1"))
            if (c && c->visible)
                m_out << propertyLine(form.name(), *c) << "\n";
    } else {
        Control* c = form.findControl(what);
        if (!c)
            throw LineError { "unknown control " + what + " in " + form.name() };
        m_out << propertyLine(form.name(), *c) << "\n";
    }
}

} // namespace zelmora
