// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_host.hpp"

#include "board_frame.hpp"
#include "form_view.hpp"
#include "guide_window.hpp"
#include "program/board_file/refusal_messages.hpp"
#include "program/windows.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QScreen>

#include <utility>

namespace zelmora::qt {

QtHost::QtHost()
    : m_onError([](QString const& message) { QMessageBox::critical(nullptr, "Zelmora", message); })
    , m_onEnd([](int status) {
        // Queued, so that a program that ends before the loop runs still leaves it at once.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
    })
{
    installAccessibleForms();
}

QtHost::~QtHost()
{
    for (auto& [form, view] : m_views)
        delete view->window();
}

void QtHost::start()
{
    m_session = std::make_unique<Session>(*this, *this);
    m_session->start();
    showChanges();
}

void QtHost::attach(Application& app)
{
    m_session = std::make_unique<Session>(*this, *this, app);
}

void QtHost::setErrorHandler(std::function<void(QString const&)> handler)
{
    m_onError = std::move(handler);
}

void QtHost::setEndHandler(std::function<void(int)> handler)
{
    m_onEnd = std::move(handler);
}

void QtHost::deliver(std::function<void()> const& input)
{
    if (m_session && m_session->deliver([&](Application&) { input(); }))
        showChanges();
}

LoadResult QtHost::openSavedBoard(std::string_view bytes)
{
    if (!m_session)
        return { Refusal::Busy, {}, "the program has not started" };
    LoadResult result = m_session->openSavedBoard(bytes);
    showChanges();
    return result;
}

LoadResult QtHost::openShareLink(std::string_view link)
{
    if (!m_session)
        return { Refusal::Busy, std::string(linkRefusalMessage(Refusal::Busy)), "the program has not started" };
    LoadResult result = m_session->openShareLink(link);
    showChanges();
    return result;
}

GoalSetting QtHost::setGoal(Form& form, GoalKind kind, std::string_view expression, std::string prompt)
{
    if (!m_session)
        return { false, {} };
    GoalSetting setting = m_session->setGoal(form, kind, expression, std::move(prompt));
    showChanges();
    return setting;
}

void QtHost::removeGoal(Form& form)
{
    if (!m_session)
        return;
    m_session->removeGoal(form);
    showChanges();
}

void QtHost::showChanges()
{
    Application const* app = application();
    if (!app || m_failed)
        return;
    for (std::string const& name : m_session->takeChangedWindows())
        if (Form const* form = app->window(name))
            repaint(*form);
    // Escape's meaning in a full-screen board hangs on a keyboard drag in any window.
    bool const keyboardDrag = app->keyboardDragInProgress();
    if (std::exchange(m_keyboardDrag, keyboardDrag) != keyboardDrag)
        for (auto& [form, view] : m_views)
            if (auto* frame = qobject_cast<BoardFrame*>(view->window()))
                frame->refresh();
    m_accessibility.after(*app, [this](Form const& form) { return viewOf(form); });
    if (auto const announcement = std::exchange(m_announcement, std::nullopt))
        m_accessibility.announce(*announcement->form, announcement->text, viewOf(*announcement->form));
}

void QtHost::repaint(Form const& form)
{
    FormView* view = viewOf(form);
    if (!view)
        return;
    view->update();
    if (auto* frame = qobject_cast<BoardFrame*>(view->window()))
        frame->refresh();
}

void QtHost::programFailed(std::string const& message)
{
    m_failed = true;
    m_announcement.reset();
    m_onError(QString::fromStdString(message));
    end(1);
}

void QtHost::announce(Form const& form, std::string const& announcement)
{
    m_announcement = Announcement { &form, announcement };
}

void QtHost::setBoardActions(std::function<BoardActions(Form&)> actions)
{
    m_boardActions = std::move(actions);
}

FormView* QtHost::viewOf(Form const& form) const
{
    auto const found = m_views.find(&form);
    return found == m_views.end() ? nullptr : found->second;
}

BoardFrame* QtHost::frameOf(Form const& form) const
{
    FormView* view = viewOf(form);
    return view ? qobject_cast<BoardFrame*>(view->window()) : nullptr;
}

void QtHost::beep()
{
    m_sound.bell();
}

void QtHost::goalReached(Form& form)
{
    // What the learner reached is told to screen readers by the session's announcement.
    m_sound.goalReached();
    m_lessons.goalReachedIn(form);
}

std::string QtHost::openLesson(std::string const& id)
{
    std::string const file = m_lessons.fileOf(id);
    if (file.empty())
        return std::string(lessonListTexts().unavailable);
    LoadResult const result = openSavedBoard(file);
    if (!result.loaded())
        return result.message;
    if (auto const board = boardNamedIn(file); board && application())
        if (Form const* form = application()->window(*board))
            m_lessons.held().opened(*form, id);
    return {};
}

void QtHost::openGuide()
{
    if (!m_guide)
        m_guide = std::make_unique<GuideWindow>();
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

void QtHost::windowShown(Form& form)
{
    auto* view = new FormView(*this, *application(), form);
    m_views[&form] = view;
    QWidget* window = view;
    if (isBoardWindow(form.name())) {
        auto* frame = new BoardFrame(*this, view);
        if (m_boardActions)
            frame->setActions(m_boardActions(form));
        window = frame;
    }
    if (form.window().placement == WindowPlacement::CenteredOnScreen) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(0, 0), window->size());
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void QtHost::windowRaised(Form& form)
{
    if (FormView* view = viewOf(form)) {
        QWidget* window = view->window();
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void QtHost::windowClosed(Form& form)
{
    auto const found = m_views.find(&form);
    if (found == m_views.end())
        return;
    FormView* view = found->second;
    m_views.erase(found);
    // The Form is destroyed once the current event has run; the view lets go of it now.
    view->formClosed();
    QWidget* window = view->window();
    window->hide();
    window->deleteLater();
    // With its last window gone the program has nothing left to show; a window shown later in
    // the same event (the menu coming back) keeps it running.
    QMetaObject::invokeMethod(
        &m_queue,
        [this] {
            Application* app = application();
            if (app && app->running() && app->windowsFrontToBack().empty())
                deliver([app] { app->end(); });
        },
        Qt::QueuedConnection);
}

void QtHost::programEnded()
{
    end(0);
}

void QtHost::end(int status)
{
    if (m_ended)
        return;
    m_ended = true;
    // The guide is one of the program's windows too.
    if (m_guide)
        m_guide->close();
    m_onEnd(status);
}

} // namespace zelmora::qt
