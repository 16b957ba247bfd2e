// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "types.hpp"

#include <optional>
#include <string>

namespace zelmora {

struct Font {
    std::string family = "MS Sans Serif";
    float pointSize = 8.25f;
    bool bold = false;
};

enum class TextAlign { Left, Right, Center };

// How a control is drawn. The runtime never reads it; the view does.
struct Look {
    // Painted background: buttons, opaque labels, opaque shapes. Empty means transparent.
    std::optional<Color> back;
    Color fore { 0, 0, 0 };
    // A shape's solid fill, painted over its back colour. Empty means no fill.
    std::optional<Color> fill;
    // Border of shapes and lines (the line's colour); width in pixels at zoom 1.
    std::optional<Color> border = Color { 0, 0, 0 };
    int borderWidth = 1;
    Font font;
    TextAlign align = TextAlign::Center;
    bool stretch = false;
};

// One control of a window, with the properties the boards read and write. Positions are twips
// from the corner of the window's client area. Writes take effect at once: there is nothing to
// commit, and the view paints whatever the fields hold.
struct Control {
    ControlKind kind = ControlKind::Button;
    std::string name;
    Integer index = -1; // index in its control array, -1 when it is no array member

    Single left = 0;
    Single top = 0;
    Single width = 0;
    Single height = 0;
    bool visible = true;

    std::string caption;          // buttons and labels
    std::string text;             // text boxes
    Integer appearance = 1;       // buttons: 0 flat, 1 three-dimensional
    Integer tabIndex = -1;        // place in the tab order; -1 for controls that have none
    Single x1 = 0, y1 = 0;        // lines: from
    Single x2 = 0, y2 = 0;        // lines: to
    std::string picture = "none"; // images: the name of the picture shown

    Look look;

    bool isButton() const { return kind == ControlKind::Button; }
    // Buttons and text boxes lie above labels, images, shapes and lines.
    bool inUpperLayer() const { return kind == ControlKind::Button || kind == ControlKind::TextBox; }
    // Controls a press can reach; shapes and lines let it through to the window.
    bool takesPointer() const { return kind != ControlKind::Shape && kind != ControlKind::Line; }
    bool takesDrops() const
    {
        return kind == ControlKind::Button || kind == ControlKind::Label || kind == ControlKind::Image;
    }
    bool takesFocus() const { return kind == ControlKind::Button || kind == ControlKind::TextBox; }

    // The half-open rectangle [Left, Left + Width) x [Top, Top + Height).
    bool covers(Single x, Single y) const { return x >= left && x < left + width && y >= top && y < top + height; }

    // "Command1(141)" for array members, the bare name otherwise.
    std::string qualifiedName() const;
};

} // namespace zelmora
