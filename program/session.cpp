// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.hpp"

#include "program/board_file/refusal_messages.hpp"
#include "program/drop_outcome.hpp"
#include "program/windows.hpp"

#include <exception>

namespace zelmora {

Session::Session(Host& host, SessionListener& listener)
    : m_host(host)
    , m_listener(listener)
{ }

Session::Session(Host& host, SessionListener& listener, Application& app)
    : m_host(host)
    , m_listener(listener)
    , m_app(&app)
{ }

Session::~Session() = default;

void Session::start()
{
    if (m_app)
        return;
    m_owned = std::make_unique<Application>(m_host, &createWindow);
    m_app = m_owned.get();
    deliver([](Application& app) { app.show(startWindowName()); });
}

bool Session::running() const
{
    return m_app && m_app->running() && !m_failed;
}

Form* Session::window(std::string_view name) const
{
    return running() ? m_app->window(name) : nullptr;
}

bool Session::deliver(std::function<void(Application&)> const& input)
{
    if (!running())
        return false;
    auto const watch = DropWatch::before(*m_app);
    try {
        input(*m_app);
    } catch (std::exception const& e) {
        // Nothing the program does after its own error can be trusted: it ends, and says why.
        m_failed = true;
        m_listener.programFailed(e.what());
        if (m_owned && m_app->running())
            m_app->end();
        return true;
    }
    m_changes.look(*m_app);
    if (watch)
        if (auto const announcement = watch->after(*m_app))
            m_listener.dropAnnounced(watch->form(), *announcement);
    return true;
}

LoadResult Session::openSavedBoard(std::string_view bytes, BoardLoader load)
{
    LoadResult result = refusedLoad(Refusal::Busy, "the program has ended");
    deliver([&](Application& app) { result = zelmora::openSavedBoard(app, bytes, load); });
    return result;
}

LoadResult Session::loadInto(Form& form, std::string_view bytes, BoardLoader load)
{
    LoadResult result = refusedLoad(Refusal::Busy, "the program has ended");
    deliver([&](Application& app) { result = load(app, form, bytes); });
    return result;
}

void Session::noteChanged(Form const& form)
{
    m_changes.forget(form);
    if (m_app)
        m_changes.look(*m_app);
}

} // namespace zelmora
