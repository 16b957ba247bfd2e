// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/board_file/board_file.hpp"
#include "program/links/share_link.hpp"
#include "program/open_saved_board.hpp"
#include "program/tasks/task_file.hpp"
#include "program/tasks/tasks.hpp"
#include "program/window_changes.hpp"
#include "runtime/application.hpp"
#include "runtime/host.hpp"

#include <functional>
#include <map>
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
    // What a learner who cannot see the board should hear of the window: what a drop did, a task
    // set on it, the hint that changed, the goal reached. Said once, after the input that did it.
    virtual void announce(Form const&, std::string const& text) = 0;
};

// The program as every view meets it: the desktop, the page and the script driver each feed their
// input through one session and ask it what to show. It owns the running program and is the one
// place that delivers input to it: a runtime error ends the program with its message, a drop and
// a task's feedback are announced as the board's rules left them, and the windows that changed are
// noted for the views.
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
    // Why the program failed; empty while it has not.
    std::string const& failure() const { return m_failure; }
    // The program once started; null before.
    Application* application() { return m_app; }
    Application const* application() const { return m_app; }
    // The open window of that name; null when it is not open or the program does not run.
    Form* window(std::string_view name) const;

    // Runs one piece of input in the program; false when the program does not run and nothing
    // ran. Afterwards the program may have ended (failed() says whether by an error).
    bool deliver(std::function<void(Application&)> const& input);

    // A teacher's goal for a board window, or none; not an action for undo. Refused, with the
    // reason in Arabic, when it cannot be read or does not fit the window.
    GoalSetting setGoal(Form&, GoalKind, std::string_view expression, std::string prompt = {});
    void removeGoal(Form&);

    // A saved board or task, opened into the board it names as one action (see
    // open_saved_board.hpp), or loaded into the given board window.
    LoadResult openSavedBoard(std::string_view bytes, BoardLoader = &loadTask);
    LoadResult loadInto(Form&, std::string_view bytes, BoardLoader = &loadTask);
    // The board window as a file: a task file when it has a goal, else a plain board file.
    static std::string savedFile(Form const& form) { return saveTask(form); }
    static SaveResult saveFile(Form const& form, std::filesystem::path const& target)
    {
        return saveTaskFile(form, target);
    }

    // The board window as a link to hand out (see share_link.hpp), and a link opened as a saved
    // task is; a refused link says why in Arabic and leaves every window as it was.
    static std::string shareLink(Form const& form, std::string_view siteAddress = shareLinkSite)
    {
        return shareLinkOf(form, siteAddress);
    }
    LoadResult openShareLink(std::string_view link);

    // The windows that look different since the last call, front to back, by name.
    std::vector<std::string> takeChangedWindows() { return m_changes.take(); }
    // A window changed by the view's own doing outside input; reported as changed next time.
    void noteChanged(Form const&);

private:
    // The task's statement and feedback of every window, as screen readers last heard them.
    std::string taskNews(Form const&);

    Host& m_host;
    SessionListener& m_listener;
    std::unique_ptr<Application> m_owned;
    Application* m_app = nullptr;
    WindowChanges m_changes;
    bool m_failed = false;
    std::string m_failure;
    std::map<std::string, TaskNarration> m_narrated;
};

} // namespace zelmora
