// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_changes.hpp"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string_view>
#include <utility>

namespace zelmora {

namespace {

// A running hash of the values a view draws, a machine word at a time: a collision would take two
// different boards hashing alike between two looks.
class Fingerprint {
public:
    void add(std::uint64_t value)
    {
        m_hash = (m_hash ^ value) * 0x9e3779b97f4a7c15ull;
        m_hash ^= m_hash >> 29;
    }
    void add(bool value) { add(std::uint64_t(value)); }
    void add(int value) { add(std::uint64_t(std::uint32_t(value))); }
    void add(float value)
    {
        // The browser's standard library has no std::bit_cast yet.
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        add(std::uint64_t(bits));
    }
    void add(void const* pointer) { add(std::uint64_t(reinterpret_cast<std::uintptr_t>(pointer))); }
    void add(std::string const& text) { add(std::uint64_t(std::hash<std::string_view> {}(text))); }
    void add(Color const& c) { add(std::uint64_t(c.r) << 16 | std::uint64_t(c.g) << 8 | c.b); }
    void add(std::optional<Color> const& c) { c ? add(*c) : add(std::uint64_t(1) << 32); }
    std::uint64_t value() const { return m_hash; }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325ull;
};

void addControl(Fingerprint& f, Control const& c)
{
    f.add(&c);
    f.add(c.left);
    f.add(c.top);
    f.add(c.width);
    f.add(c.height);
    f.add(c.visible);
    f.add(c.caption);
    f.add(c.text);
    f.add(c.appearance);
    f.add(c.x1);
    f.add(c.y1);
    f.add(c.x2);
    f.add(c.y2);
    f.add(c.picture);
    f.add(c.look.back);
    f.add(c.look.fore);
    f.add(c.look.fill);
    f.add(c.look.border);
    f.add(c.look.borderWidth);
    f.add(c.look.font.family);
    f.add(c.look.font.pointSize);
    f.add(c.look.font.bold);
    f.add(int(c.look.align));
    f.add(c.look.stretch);
}

void addLook(Fingerprint& f, Application const& app, Form const& form)
{
    for (Control const* c : form.paintOrderFrontToBack())
        addControl(f, *c);
    f.add(form.focus());
    f.add(form.companion());
    for (std::string const& line : form.record())
        f.add(line);
    f.add(app.canUndo(form));
    f.add(app.canRedo(form));
}

std::uint64_t fingerprintOf(Application const& app, Form const& form)
{
    Fingerprint f;
    addLook(f, app, form);
    if (auto const drag = app.drag(); drag && drag->form == &form) {
        f.add(drag->control);
        f.add(drag->pointerX);
        f.add(drag->pointerY);
        f.add(drag->pointerInForm);
    }
    return f.value();
}

} // namespace

std::uint64_t lookOf(Application const& app, Form const& form)
{
    Fingerprint f;
    addLook(f, app, form);
    return f.value();
}

void WindowChanges::look(Application const& app)
{
    std::map<std::string, std::uint64_t> seen;
    for (Form const* form : app.windowsFrontToBack()) {
        auto const now = fingerprintOf(app, *form);
        auto const before = m_seen.find(form->name());
        bool const changed = before == m_seen.end() || before->second != now;
        if (changed && std::find(m_changed.begin(), m_changed.end(), form->name()) == m_changed.end())
            m_changed.push_back(form->name());
        seen.emplace(form->name(), now);
    }
    m_seen = std::move(seen);
}

void WindowChanges::forget(Form const& form)
{
    m_seen.erase(form.name());
}

std::vector<std::string> WindowChanges::take()
{
    return std::exchange(m_changed, {});
}

} // namespace zelmora
