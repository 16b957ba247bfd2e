// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zelmora {

// Positions and sizes are Single twips, as the window designer stores them.
using Single = float;
// Module fields (home positions, drag state) are 16-bit Integers.
using Integer = std::int16_t;

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    static constexpr Color fromRgb(std::uint32_t rgb)
    {
        return { static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb) };
    }
    friend constexpr bool operator==(Color, Color) = default;
};

enum class ControlKind { Button, Label, TextBox, Image, Shape, Line, Ole };

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

enum class DragState { Enter = 0, Leave = 1, Over = 2 };

// The keys the runtime acts on. The arrows, Escape, Delete and R move a control by keyboard where
// the window lets them (keyboard_drag.cpp); the others walk the focus and click.
enum class Key {
    Tab,
    ShiftTab,
    Space,
    Enter,
    Left,
    Right,
    Up,
    Down,
    ShiftLeft,
    ShiftRight,
    ShiftUp,
    ShiftDown,
    Escape,
    Delete,
    R,
    PageDown,
    PageUp,
};

} // namespace zelmora
