// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_program.hpp"

#include "window_snapshot.hpp"

#include "program/key_names.hpp"
#include "program/window_changes.hpp"
#include "runtime/held_keys.hpp"

#include <nlohmann/json.hpp>

#include <cinttypes>
#include <cstdio>
#include <optional>

namespace zelmora::web {

namespace {

std::optional<MouseButton> buttonNumbered(int button)
{
    switch (button) {
    case 1:
        return MouseButton::Left;
    case 2:
        return MouseButton::Right;
    case 4:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

} // namespace

WebProgram::WebProgram()
{
    m_session.start();
}

std::string WebProgram::state() const
{
    Application const* app = m_session.application();
    nlohmann::json windows = nlohmann::json::array();
    if (app)
        for (Form const* form : app->windowsFrontToBack())
            windows.push_back(form->name());
    bool const running = m_session.running();
    return nlohmann::json {
        { "running", running }, { "windows", std::move(windows) }, { "beeps", app ? app->beeps() : 0 },
        { "drag", running ? dragSnapshot(app->drag()) : nullptr }
    }.dump();
}

std::string WebProgram::window(std::string const& name) const
{
    Form const* form = m_session.window(name);
    return form ? windowSnapshot(*form).dump() : "null";
}

std::string WebProgram::windowLook(std::string const& name) const
{
    Form const* form = m_session.window(name);
    if (!form || !m_session.application())
        return "";
    // Sixteen hex digits: JavaScript's numbers would drop the fingerprint's low bits.
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, lookOf(*m_session.application(), *form));
    return text;
}

std::string WebProgram::changedWindows()
{
    return nlohmann::json(m_session.takeChangedWindows()).dump();
}

std::string WebProgram::takeEvents()
{
    nlohmann::json events = nlohmann::json::array();
    for (HostEvent const& e : m_host.take())
        events.push_back({ { "type", e.type }, { "detail", e.detail } });
    return events.dump();
}

void WebProgram::mouseDown(std::string const& window, double x, double y, int button)
{
    Form* form = m_session.window(window);
    auto const pressed = buttonNumbered(button);
    if (form && pressed)
        deliver([&](Application& app) {
            if (!app.buttonHeld())
                app.mouseDown(*form, static_cast<Single>(x), static_cast<Single>(y), *pressed);
        });
}

void WebProgram::mouseMove(std::string const& window, double x, double y)
{
    if (Form* form = m_session.window(window))
        deliver([&](Application& app) { app.mouseMove(*form, static_cast<Single>(x), static_cast<Single>(y)); });
}

void WebProgram::mouseUp(std::string const& window, double x, double y)
{
    Form* form = window.empty() ? nullptr : m_session.window(window);
    deliver([&](Application& app) { app.mouseUp(form, static_cast<Single>(x), static_cast<Single>(y)); });
}

void WebProgram::doubleClick(std::string const& window, double x, double y)
{
    if (Form* form = m_session.window(window))
        deliver([&](Application& app) { app.doubleClick(*form, static_cast<Single>(x), static_cast<Single>(y)); });
}

void WebProgram::key(std::string const& window, std::string const& name, bool repeat)
{
    Form* form = m_session.window(window);
    auto const key = keyNamed(name);
    if (!form || !key || (repeat && !repeatsWhileHeld(*key)))
        return;
    deliver([&](Application& app) { app.key(*form, *key); });
}

void WebProgram::closeBox(std::string const& window)
{
    if (Form* form = m_session.window(window); form && form->window().titled)
        deliver([&](Application& app) { app.closeBox(*form); });
}

void WebProgram::bringToFront(std::string const& window)
{
    if (Form* form = m_session.window(window))
        deliver([&](Application& app) { app.bringToFront(*form); });
}

} // namespace zelmora::web
