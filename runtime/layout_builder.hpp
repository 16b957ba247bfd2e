// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.hpp"

#include <string>

namespace zelmora {

struct Rect {
    Single left = 0;
    Single top = 0;
    Single width = 0;
    Single height = 0;
};

namespace fonts {
inline Font const windowDefault { "MS Sans Serif", 8.25f, false };
inline Font const arial12Bold { "Arial", 12.0f, true };
} // namespace fonts

// Builds one row of a layout table: `button("Command10", "رجوع", {10620, 7260, 1215, 675}).back(0xC4B48A)`.
class ControlBuilder {
public:
    ControlBuilder(ControlKind kind, std::string name, Rect rect)
    {
        m_control.kind = kind;
        m_control.name = std::move(name);
        m_control.left = rect.left;
        m_control.top = rect.top;
        m_control.width = rect.width;
        m_control.height = rect.height;
    }

    ControlBuilder& member(int index) { return m_control.index = static_cast<Integer>(index), *this; }
    ControlBuilder& caption(std::string text) { return m_control.caption = std::move(text), *this; }
    ControlBuilder& text(std::string text) { return m_control.text = std::move(text), *this; }
    ControlBuilder& hidden() { return m_control.visible = false, *this; }
    ControlBuilder& flat() { return m_control.appearance = 0, *this; }
    ControlBuilder& tab(int index) { return m_control.tabIndex = static_cast<Integer>(index), *this; }
    ControlBuilder& back(std::uint32_t rgb) { return m_control.look.back = Color::fromRgb(rgb), *this; }
    ControlBuilder& transparent() { return m_control.look.back.reset(), *this; }
    ControlBuilder& fore(std::uint32_t rgb) { return m_control.look.fore = Color::fromRgb(rgb), *this; }
    ControlBuilder& fill(std::uint32_t rgb) { return m_control.look.fill = Color::fromRgb(rgb), *this; }
    ControlBuilder& border(std::uint32_t rgb, int width = 1)
    {
        m_control.look.border = Color::fromRgb(rgb);
        m_control.look.borderWidth = width;
        return *this;
    }
    ControlBuilder& borderWidth(int width) { return m_control.look.borderWidth = width, *this; }
    ControlBuilder& noBorder() { return m_control.look.border.reset(), *this; }
    ControlBuilder& font(Font font) { return m_control.look.font = std::move(font), *this; }
    ControlBuilder& font(std::string family, float points, bool bold)
    {
        return m_control.look.font = Font { std::move(family), points, bold }, *this;
    }
    ControlBuilder& align(TextAlign align) { return m_control.look.align = align, *this; }
    ControlBuilder& picture(std::string name) { return m_control.picture = std::move(name), *this; }
    ControlBuilder& stretch() { return m_control.look.stretch = true, *this; }
    ControlBuilder& line(Single x1, Single y1, Single x2, Single y2)
    {
        m_control.x1 = x1;
        m_control.y1 = y1;
        m_control.x2 = x2;
        m_control.y2 = y2;
        return *this;
    }

    operator Control() const { return m_control; }

private:
    Control m_control;
};

// Buttons are graphical, right to left, Arial 12 pt bold and raised unless a row says otherwise.
inline ControlBuilder button(std::string name, std::string caption, Rect rect)
{
    ControlBuilder b(ControlKind::Button, std::move(name), rect);
    b.caption(std::move(caption)).font(fonts::arial12Bold).back(0xC0C0C0);
    return b;
}

inline ControlBuilder label(std::string name, std::string caption, Rect rect)
{
    ControlBuilder b(ControlKind::Label, std::move(name), rect);
    b.caption(std::move(caption)).font(fonts::windowDefault).align(TextAlign::Left).back(0xC0C0C0);
    return b;
}

inline ControlBuilder textBox(std::string name, std::string text, Rect rect)
{
    ControlBuilder b(ControlKind::TextBox, std::move(name), rect);
    b.text(std::move(text)).font(fonts::windowDefault).back(0xFFFFFF).align(TextAlign::Left);
    return b;
}

inline ControlBuilder image(std::string name, std::string picture, Rect rect)
{
    ControlBuilder b(ControlKind::Image, std::move(name), rect);
    b.picture(std::move(picture)).noBorder().transparent();
    return b;
}

// A rectangle shape: transparent with a thin window-text border unless a row says otherwise.
inline ControlBuilder shape(std::string name, Rect rect)
{
    ControlBuilder b(ControlKind::Shape, std::move(name), rect);
    b.transparent();
    return b;
}

inline ControlBuilder lineControl(std::string name, Single x1, Single y1, Single x2, Single y2)
{
    ControlBuilder b(ControlKind::Line, std::move(name), {});
    b.line(x1, y1, x2, y2);
    return b;
}

inline ControlBuilder oleContainer(std::string name, Rect rect)
{
    ControlBuilder b(ControlKind::Ole, std::move(name), rect);
    b.back(0xFFFFFF);
    return b;
}

} // namespace zelmora
