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
        m_failure = e.what();
        m_listener.programFailed(m_failure);
        if (m_owned && m_app->running())
            m_app->end();
        return true;
    }
    m_changes.look(*m_app);
    std::optional<std::string> const dropped = watch ? watch->after(*m_app) : std::nullopt;
    for (Form const* form : m_app->windowsFrontToBack()) {
        std::string said = dropped && form == &watch->form() ? *dropped : std::string();
        if (std::string const news = taskNews(*form); !news.empty())
            said += (said.empty() ? "" : "، ") + news;
        if (!said.empty())
            m_listener.announce(*form, said);
    }
    return true;
}

std::string Session::taskNews(Form const& form)
{
    auto const now = narrationOf(form);
    if (!now) {
        m_narrated.erase(form.name());
        return {};
    }
    auto const before = m_narrated.find(form.name());
    std::string news;
    if (before == m_narrated.end() || before->second.statement != now->statement)
        news = now->statement + "، " + now->feedback;
    else if (before->second.feedback != now->feedback)
        news = now->feedback;
    m_narrated[form.name()] = *now;
    return news;
}

GoalSetting Session::setGoal(Form& form, GoalKind kind, std::string_view expression, std::string prompt)
{
    GoalSetting setting { false, "انتهى البرنامج" };
    deliver([&](Application&) { setting = zelmora::setGoal(form, kind, expression, std::move(prompt)); });
    return setting;
}

void Session::removeGoal(Form& form)
{
    deliver([&](Application&) { zelmora::removeGoal(form); });
}

LoadResult Session::openSavedBoard(std::string_view bytes, BoardLoader load)
{
    LoadResult result = refusedLoad(Refusal::Busy, "the program has ended");
    deliver([&](Application& app) { result = zelmora::openSavedBoard(app, bytes, load); });
    return result;
}

LoadResult Session::openShareLink(std::string_view link)
{
    LoadResult result = refusedLoad(Refusal::Busy, "the program has ended");
    result.message = linkRefusalMessage(Refusal::Busy);
    deliver([&](Application& app) { result = zelmora::openShareLink(app, link); });
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
