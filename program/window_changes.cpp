// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_changes.hpp"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>

namespace zelmora {

namespace {

// FNV-1a, 64 bits: quick, and a collision would take two different boards hashing alike.
class Fingerprint {
public:
    template<typename T>
    requires std::is_trivially_copyable_v<T>
    void add(T const& value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char const b : bytes)
            mix(b);
    }
    void add(std::string const& text)
    {
        add(text.size());
        for (char const ch : text)
            mix(static_cast<unsigned char>(ch));
    }
    void add(Color const& c)
    {
        add(c.r);
        add(c.g);
        add(c.b);
    }
    void add(std::optional<Color> const& c)
    {
        add(c.has_value());
        if (c)
            add(*c);
    }
    std::uint64_t value() const { return m_hash; }

private:
    void mix(unsigned char b)
    {
        m_hash ^= b;
        m_hash *= 0x100000001b3ull;
    }
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
}

std::uint64_t fingerprintOf(Application const& app, Form const& form)
{
    Fingerprint f;
    for (Control const* c : form.paintOrderFrontToBack())
        addControl(f, *c);
    f.add(form.focus());
    f.add(form.companion());
    for (std::string const& line : form.record())
        f.add(line);
    f.add(app.canUndo(form));
    f.add(app.canRedo(form));
    if (auto const drag = app.drag(); drag && drag->form == &form) {
        f.add(drag->control);
        f.add(drag->pointerX);
        f.add(drag->pointerY);
        f.add(drag->pointerInForm);
    }
    return f.value();
}

} // namespace

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
