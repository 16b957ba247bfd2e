// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_program.hpp"

#include "window_snapshot.hpp"

#include "program/drop_outcome.hpp"
#include "runtime/runtime_error.hpp"

#include <nlohmann/json.hpp>

#include <optional>
#include <string_view>
#include <utility>

namespace zelmora::web {

namespace {

// The keys as zelmora-script names them, so that the page and the scripts speak alike.
std::optional<Key> keyNamed(std::string const& name)
{
    static std::pair<std::string_view, Key> const keys[]
        = { { "tab", Key::Tab }, { "shift+tab", Key::ShiftTab }, { "space", Key::Space }, { "enter", Key::Enter },
              { "left", Key::Left }, { "right", Key::Right }, { "up", Key::Up }, { "down", Key::Down },
              { "shift+left", Key::ShiftLeft }, { "shift+right", Key::ShiftRight }, { "shift+up", Key::ShiftUp },
              { "shift+down", Key::ShiftDown }, { "escape", Key::Escape }, { "delete", Key::Delete }, { "r", Key::R } };
    for (auto const& [named, key] : keys)
        if (named == name)
            return key;
    return std::nullopt;
}

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
    : m_runner(m_out, m_errors, &m_host)
{
    m_runner.runLine("start", 1);
}

Form* WebProgram::open(std::string const& name) const
{
    Application* app = const_cast<ScriptRunner&>(m_runner).application();
    return app && app->running() ? app->window(name) : nullptr;
}

// As on the desktop, a runtime error of the program shows its message and ends the program. A
// drop that the input makes is announced as the board's rules left it.
void WebProgram::deliver(std::function<void(Application&)> const& input)
{
    Application* app = m_runner.application();
    if (!app || !app->running())
        return;
    auto const watch = DropWatch::before(*app);
    try {
        input(*app);
    } catch (std::exception const& e) {
        m_host.runtimeError(e.what());
        app->end();
        return;
    }
    if (watch)
        if (auto announcement = watch->after(*app))
            m_host.announce(std::move(*announcement));
}

std::string WebProgram::state() const
{
    Application* app = const_cast<ScriptRunner&>(m_runner).application();
    nlohmann::json windows = nlohmann::json::array();
    if (app)
        for (Form const* form : app->windowsFrontToBack())
            windows.push_back(form->name());
    bool const running = app && app->running();
    return nlohmann::json {
        { "running", running }, { "windows", std::move(windows) }, { "beeps", app ? app->beeps() : 0 },
        { "drag", running ? dragSnapshot(app->drag()) : nullptr }
    }.dump();
}

std::string WebProgram::window(std::string const& name) const
{
    Form const* form = open(name);
    return form ? windowSnapshot(*form).dump() : "null";
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
    Form* form = open(window);
    auto const pressed = buttonNumbered(button);
    if (form && pressed)
        deliver([&](Application& app) {
            if (!app.buttonHeld())
                app.mouseDown(*form, static_cast<Single>(x), static_cast<Single>(y), *pressed);
        });
}

void WebProgram::mouseMove(std::string const& window, double x, double y)
{
    if (Form* form = open(window))
        deliver([&](Application& app) { app.mouseMove(*form, static_cast<Single>(x), static_cast<Single>(y)); });
}

void WebProgram::mouseUp(std::string const& window, double x, double y)
{
    Form* form = window.empty() ? nullptr : open(window);
    deliver([&](Application& app) { app.mouseUp(form, static_cast<Single>(x), static_cast<Single>(y)); });
}

void WebProgram::doubleClick(std::string const& window, double x, double y)
{
    if (Form* form = open(window))
        deliver([&](Application& app) { app.doubleClick(*form, static_cast<Single>(x), static_cast<Single>(y)); });
}

void WebProgram::key(std::string const& window, std::string const& name)
{
    Form* form = open(window);
    auto const key = keyNamed(name);
    if (form && key)
        deliver([&](Application& app) { app.key(*form, *key); });
}

void WebProgram::closeBox(std::string const& window)
{
    if (Form* form = open(window); form && form->window().titled)
        deliver([&](Application& app) { app.closeBox(*form); });
}

void WebProgram::bringToFront(std::string const& window)
{
    if (Form* form = open(window))
        deliver([&](Application& app) { app.bringToFront(*form); });
}

std::string WebProgram::script(std::string const& text)
{
    m_out.str({});
    m_errors.str({});
    std::istringstream lines(text);
    ScriptRunner::Status const status = m_runner.run(lines);
    return nlohmann::json { { "output", m_out.str() }, { "errors", m_errors.str() }, { "status", int(status) } }.dump();
}

} // namespace zelmora::web
