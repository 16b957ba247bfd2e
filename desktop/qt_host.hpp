// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessible_form.hpp"
#include "board_actions.hpp"
#include "held_key_filter.hpp"
#include "lesson_library.hpp"
#include "program/session.hpp"
#include "runtime/application.hpp"
#include "runtime/host.hpp"
#include "system_sound.hpp"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora::qt {

class BoardFrame;
class FormView;
class GuideWindow;

// The toolkit around the program's session: one top-level view per open window, the beep, and
// the end of the program. Input from the views reaches the program through deliver(), and only
// the windows the session names as changed are repainted.
class QtHost final : public Host, public SessionListener {
public:
    QtHost();
    ~QtHost() override;
    QtHost(QtHost const&) = delete;
    QtHost& operator=(QtHost const&) = delete;

    // Starts the program, which the session makes and owns, on its start window.
    void start();
    // Or runs a program made elsewhere on this host (a test's); before its first window is shown.
    void attach(Application&);
    // The running program; null before start() or attach().
    Application* application() const { return m_session ? m_session->application() : nullptr; }

    // Runs one piece of input for the program, then repaints the windows it changed. A runtime
    // error ends the program with its message; nothing after it runs.
    void deliver(std::function<void()> const& input);
    // A saved board opened on the board it names, as one input. (A board window's own Open loads
    // through deliver(), as its toolbar's other actions do.)
    LoadResult openSavedBoard(std::string_view bytes);
    // A shared link, opened the same way.
    LoadResult openShareLink(std::string_view link);
    // The link that opens the board window as it stands in the browser edition.
    static std::string shareLink(Form const& form) { return Session::shareLink(form); }
    // The built-in lessons, and the lesson of that id opened on its board: the reason in Arabic
    // when it cannot be, else "".
    LessonLibrary& lessons() { return m_lessons; }
    std::string openLesson(std::string const& id);
    // A teacher's goal for a board window, set or removed through the session, then shown.
    GoalSetting setGoal(Form&, GoalKind, std::string_view expression, std::string prompt);
    void removeGoal(Form&);

    // The widget that paints the window and takes its input.
    FormView* viewOf(Form const&) const;
    // The window around a board's view (toolbar, board, algebra band); null for the menu.
    BoardFrame* frameOf(Form const&) const;
    // What each board window's toolbar calls for undo, redo, open, save and the algebra band;
    // asked once for every board window as it opens. Until it is set those actions stay disabled.
    void setBoardActions(std::function<BoardActions(Form&)>);
    // The guide's window once it has been opened, else null.
    GuideWindow* guideWindow() const { return m_guide.get(); }
    SystemSound const& sound() const { return m_sound; }

    // What happens when the program fails: by default a message box, then the event loop ends.
    void setErrorHandler(std::function<void(QString const&)>);
    // What ends the event loop: by default QCoreApplication::exit, once control is back in the loop.
    void setEndHandler(std::function<void(int status)>);
    bool failed() const { return m_failed; }

    // --- SessionListener -----------------------------------------------------------------
    void programFailed(std::string const& message) override;
    void announce(Form const&, std::string const& announcement) override;

    // --- Host ----------------------------------------------------------------------------
    void beep() override;
    // Opens the teacher's guide in its own window, or brings that window to the front.
    void openGuide() override;
    void windowShown(Form&) override;
    void windowRaised(Form&) override;
    void windowClosed(Form&) override;
    void programEnded() override;
    void goalReached(Form&) override;

private:
    // After each piece of input: the changed windows repainted, then what it did told to screen readers.
    void showChanges();
    void repaint(Form const&);
    void end(int status);

    std::unique_ptr<Session> m_session;
    std::map<Form const*, FormView*> m_views;
    std::function<void(QString const&)> m_onError;
    std::function<void(int)> m_onEnd;
    std::function<BoardActions(Form&)> m_boardActions;
    bool m_failed = false;
    bool m_ended = false;
    // Escape leaves full screen only while no tile is dragged by the keyboard, in every window.
    bool m_keyboardDrag = false;
    struct Announcement {
        Form const* form;
        std::string text;
    };
    // Told after the focus has moved, once the input has run.
    std::optional<Announcement> m_announcement;
    // Owns the calls queued for later, so that none runs after the host is gone.
    QObject m_queue;
    std::unique_ptr<GuideWindow> m_guide;
    SystemSound m_sound;
    AccessibilityReporter m_accessibility;
    HeldKeyFilter m_heldKeys;
    LessonLibrary m_lessons;
};

} // namespace zelmora::qt
