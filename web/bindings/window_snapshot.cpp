// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_snapshot.hpp"

#include "program/caption_exponent.hpp"
#include "program/tile_signs.hpp"

#include <algorithm>

#include <cstdio>

namespace zelmora::web {

namespace {

char const* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
        return "button";
    case ControlKind::Label:
        return "label";
    case ControlKind::TextBox:
        return "textbox";
    case ControlKind::Image:
        return "image";
    case ControlKind::Shape:
        return "shape";
    case ControlKind::Line:
        return "line";
    case ControlKind::Ole:
        return "ole";
    }
    return "label";
}

char const* alignName(TextAlign align)
{
    switch (align) {
    case TextAlign::Left:
        return "left";
    case TextAlign::Right:
        return "right";
    case TextAlign::Center:
        break;
    }
    return "center";
}

nlohmann::json colour(std::optional<Color> c)
{
    if (!c)
        return nullptr;
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c->r, c->g, c->b);
    return text;
}

nlohmann::json controlSnapshot(Control const& c, bool focused, bool negative)
{
    Look const& look = c.look;
    nlohmann::json out { { "kind", kindName(c.kind) }, { "name", c.qualifiedName() }, { "left", c.left },
        { "top", c.top }, { "width", c.width }, { "height", c.height }, { "back", colour(look.back) },
        { "fore", colour(look.fore) }, { "fill", colour(look.fill) }, { "border", colour(look.border) },
        { "borderWidth", look.borderWidth }, { "family", look.font.family }, { "points", look.font.pointSize },
        { "bold", look.font.bold }, { "align", alignName(look.align) } };
    switch (c.kind) {
    case ControlKind::Button:
        out["caption"] = c.caption;
        // The caption as drawn, where it is more than the caption: x squared's raised 2 apart, a
        // negative tile's minus before it.
        if (CaptionParts parts = splitCaptionExponent(c.caption, negative); !parts.exponent.empty() || negative)
            out["drawn"] = { { "base", std::move(parts.base) }, { "exponent", std::move(parts.exponent) } };
        out["appearance"] = c.appearance;
        out["focused"] = focused;
        break;
    case ControlKind::Label:
        out["caption"] = c.caption;
        if (auto const sign = regionSign(c))
            out["sign"] = { { "text", sign->text }, { "family", sign->font.family }, { "points", sign->font.pointSize },
                { "bold", sign->font.bold }, { "ink", colour(sign->ink) } };
        break;
    case ControlKind::TextBox:
        out["text"] = c.text;
        break;
    case ControlKind::Image:
        out["picture"] = c.picture;
        out["stretch"] = look.stretch;
        break;
    case ControlKind::Line:
        out["x1"] = c.x1;
        out["y1"] = c.y1;
        out["x2"] = c.x2;
        out["y2"] = c.y2;
        break;
    case ControlKind::Shape:
    case ControlKind::Ole:
        break;
    }
    return out;
}

} // namespace

nlohmann::json windowSnapshot(Form const& form)
{
    WindowDesign const& window = form.window();
    nlohmann::json controls = nlohmann::json::array();
    auto const& frontToBack = form.paintOrderFrontToBack();
    std::vector<Control const*> const negative = negativeTiles(form);
    for (auto control = frontToBack.rbegin(); control != frontToBack.rend(); ++control)
        if ((*control)->visible)
            controls.push_back(controlSnapshot(**control, *control == form.focus(),
                std::find(negative.begin(), negative.end(), *control) != negative.end()));
    return { { "name", window.name }, { "caption", window.caption }, { "width", window.clientWidth },
        { "height", window.clientHeight }, { "back", colour(window.back) }, { "titled", window.titled },
        { "hasIcon", window.hasIcon }, { "controls", std::move(controls) } };
}

nlohmann::json dragSnapshot(std::optional<DragInProgress> const& drag)
{
    if (!drag || !drag->form || !drag->control)
        return nullptr;
    Control const& dragged = *drag->control;
    return { { "window", drag->form->name() }, { "control", dragged.qualifiedName() },
        { "left", drag->pointerX - drag->grabX }, { "top", drag->pointerY - drag->grabY }, { "width", dragged.width },
        { "height", dragged.height }, { "pointerInForm", drag->pointerInForm } };
}

} // namespace zelmora::web
