// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/board_file/board_file.hpp"
#include "program/open_saved_board.hpp"
#include "program/window_changes.hpp"
#include "runtime/application.hpp"
#include "runtime/host.hpp"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// What a view hears from the session besides what the runtime's Host carries.
class SessionListener {
public:
    virtual ~SessionListener() = default;
    // The program failed: it has ended, and the learner should see why.
    virtual void programFailed(std::string const& message) = 0;
    // What a drop did, for a learner who cannot see the board: the window, and what to say.
    virtual void dropAnnounced(Form const&, std::string const& announcement) = 0;
};

// The program as every view meets it: the desktop, the page and the script driver each feed their
// input through one session and ask it what to show. It owns the running program and is the one
// place that delivers input to it: a runtime error ends the program with its message, a drop is
// announced as the board's rules left it, and the windows that changed are noted for the views.
class Session {
public:
    Session(Host&, SessionListener&);
    // Runs an application made elsewhere on that host (a view's test that builds its own) in
    // place of start(). It stays its maker's: after an error the session takes no more input for
    // it, but leaves its windows open for the maker to look at and end.
    Session(Host&, SessionListener&, Application&);
    ~Session();
    Session(Session const&) = delete;
    Session& operator=(Session const&) = delete;

    // Shows the start window, as the program does at launch. Once only.
    void start();
    // Started, not ended, not failed: input is taken.
    bool running() const;
    bool failed() const { return m_failed; }
    // The program once started; null before.
    Application* application() { return m_app; }
    Application const* application() const { return m_app; }
    // The open window of that name; null when it is not open or the program does not run.
    Form* window(std::string_view name) const;

    // Runs one piece of input in the program; false when the program does not run and nothing
    // ran. Afterwards the program may have ended (failed() says whether by an error).
    bool deliver(std::function<void(Application&)> const& input);

    // A saved board, opened into the board it names as one action (see open_saved_board.hpp),
    // or loaded into the given board window.
    LoadResult openSavedBoard(std::string_view bytes, BoardLoader = &loadBoard);
    LoadResult loadInto(Form&, std::string_view bytes, BoardLoader = &loadBoard);

    // The windows that look different since the last call, front to back, by name.
    std::vector<std::string> takeChangedWindows() { return m_changes.take(); }
    // A window changed by the view's own doing outside input; reported as changed next time.
    void noteChanged(Form const&);

private:
    Host& m_host;
    SessionListener& m_listener;
    std::unique_ptr<Application> m_owned;
    Application* m_app = nullptr;
    WindowChanges m_changes;
    bool m_failed = false;
};

} // namespace zelmora
