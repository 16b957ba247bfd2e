// SPDX-License-Identifier: GPL-3.0-or-later
#include "property_line.hpp"

#include "runtime/numbers.hpp"

namespace zelmora {

namespace {

std::string pair(std::string_view name, Single value)
{
    return " " + std::string(name) + "=" + singleToText(value);
}

std::string geometry(Control const& c)
{
    return pair("Left", c.left) + pair("Top", c.top) + pair("Width", c.width) + pair("Height", c.height);
}

std::string visibility(Control const& c)
{
    return std::string(" Visible=") + (c.visible ? "True" : "False");
}

} // namespace

std::string propertyLine(std::string_view window, Control const& c)
{
    std::string line = std::string(window) + "." + c.qualifiedName();
    switch (c.kind) {
    case ControlKind::Button:
        return line + geometry(c) + visibility(c) + " Appearance=" + std::to_string(c.appearance);
    case ControlKind::Label:
    case ControlKind::Shape:
    case ControlKind::Ole:
        return line + geometry(c) + visibility(c);
    case ControlKind::Image:
        return line + geometry(c) + visibility(c) + " Picture=" + c.picture;
    case ControlKind::TextBox:
        return line + " Text=\"" + c.text + "\"" + visibility(c);
    case ControlKind::Line:
        return line + pair("X1", c.x1) + pair("Y1", c.y1) + pair("X2", c.x2) + pair("Y2", c.y2) + visibility(c);
    }
    return line;
}

} // namespace zelmora
