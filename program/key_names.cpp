// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_names.hpp"

#include <array>
#include <utility>

namespace zelmora {

namespace {

constexpr std::array<std::pair<std::string_view, Key>, 19> keys { {
    { "tab", Key::Tab },
    { "shift+tab", Key::ShiftTab },
    { "space", Key::Space },
    { "enter", Key::Enter },
    // keyboard dragging
    { "left", Key::Left },
    { "right", Key::Right },
    { "up", Key::Up },
    { "down", Key::Down },
    { "shift+left", Key::ShiftLeft },
    { "shift+right", Key::ShiftRight },
    { "shift+up", Key::ShiftUp },
    { "shift+down", Key::ShiftDown },
    { "escape", Key::Escape },
    { "delete", Key::Delete },
    { "r", Key::R },
    // jumping a held tile to the board's places; the brackets serve keyboards without Page keys
    { "pagedown", Key::PageDown },
    { "pageup", Key::PageUp },
    { "]", Key::PageDown },
    { "[", Key::PageUp },
} };

} // namespace

std::optional<Key> keyNamed(std::string_view name)
{
    for (auto const& [named, key] : keys)
        if (named == name)
            return key;
    return std::nullopt;
}

} // namespace zelmora
