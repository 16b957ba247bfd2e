// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_names.hpp"

#include "board_algebra.hpp"
#include "tile_places.hpp"

#include <algorithm>
#include <array>

namespace zelmora {

namespace {

struct FixedName {
    std::string_view window;
    std::string_view control; // as qualifiedName() gives it
    std::string_view name;
};

// The controls whose caption says nothing to a listener, or that have none: regions, pictures,
// the strips and the buttons with no caption. Buttons and labels not listed here are read by
// their caption.
constexpr std::array fixedNames {
    FixedName { "frmZelmora", "OLE1", "دليل المعلم" },

    FixedName { "frmZelmora1", "Line1", "خط المحور" },
    FixedName { "frmZelmora1", "Shape1", "الشريط الأيسر، للطول" },
    FixedName { "frmZelmora1", "Shape2", "الشريط السفلي، للعرض" },
    FixedName { "frmZelmora1", "Shape4", "اللوحة" },
    FixedName { "frmZelmora1", "Image1(1)", "منطقة التدوير" },
    FixedName { "frmZelmora1", "Image2", "سلة المهملات" },

    FixedName { "frmZelmora2", "Command1(141)", "مربع نقطة الأصل" },
    FixedName { "frmZelmora2", "Shape1", "الشريط الرأسي" },
    FixedName { "frmZelmora2", "Shape2", "الشريط الأفقي" },
    FixedName { "frmZelmora2", "Shape3", "مستطيل الناتج في الربع العلوي الأيمن، موجب" },
    FixedName { "frmZelmora2", "Shape4", "مستطيل الناتج في الربع العلوي الأيسر، سالب" },
    FixedName { "frmZelmora2", "Shape5", "مستطيل الناتج في الربع السفلي الأيسر، موجب" },
    FixedName { "frmZelmora2", "Shape6", "مستطيل الناتج في الربع السفلي الأيمن، سالب" },
    FixedName { "frmZelmora2", "Shape7(0)", "الربع العلوي الأيسر، المنطقة السالبة" },
    FixedName { "frmZelmora2", "Shape7(1)", "الربع السفلي الأيمن، المنطقة السالبة" },
    FixedName { "frmZelmora2", "Shape7(2)", "الربع العلوي الأيمن، المنطقة الموجبة" },
    FixedName { "frmZelmora2", "Shape7(3)", "الربع السفلي الأيسر، المنطقة الموجبة" },
    FixedName { "frmZelmora2", "Image1(1)", "منطقة التدوير" },
    FixedName { "frmZelmora2", "Image2", "سلة المهملات" },

    FixedName { "frmZelmora4", "Command1(141)", "الخط الفاصل بين النصفين" },
    FixedName { "frmZelmora4", "Command9", "زر فارغ" },
    FixedName { "frmZelmora4", "Shape4", "النصف الموجب" },
    FixedName { "frmZelmora4", "Shape1", "النصف السالب" },
    FixedName { "frmZelmora4", "Image2", "سلة المهملات" },

    FixedName { "frmZelmora5", "Shape4", "الكفة اليسرى، المنطقة الموجبة" },
    FixedName { "frmZelmora5", "Shape2", "الكفة اليسرى، المنطقة السالبة" },
    FixedName { "frmZelmora5", "Shape3", "الكفة اليمنى، المنطقة الموجبة" },
    FixedName { "frmZelmora5", "Shape1", "الكفة اليمنى، المنطقة السالبة" },
    FixedName { "frmZelmora5", "Shape5", "الكفة اليسرى" },
    FixedName { "frmZelmora5", "Shape6", "الكفة اليمنى" },
    FixedName { "frmZelmora5", "Image1", "الميزان" },
    FixedName { "frmZelmora5", "Image2", "سلة المهملات" },
};

std::optional<std::string_view> fixedNameOf(Form const& form, Control const& c)
{
    std::string const qualified = c.qualifiedName();
    for (auto const& entry : fixedNames)
        if (entry.window == form.name() && entry.control == qualified)
            return entry.name;
    return std::nullopt;
}

// Captions that a screen reader would read as bare symbols: the palette's tile captions and
// the regions' sign marks.
std::string spokenCaption(std::string const& caption)
{
    for (TileKind const kind : allTileKinds)
        if (caption == captionOf(kind))
            return std::string(spokenKind(kind));
    if (caption == "+")
        return "إشارة موجب";
    if (caption == "-")
        return "إشارة سالب";
    return caption;
}

// Board 1's product rectangle, with the sides the tiles on the strips make.
std::optional<std::string> productRectangleName(Form const& form, Control const& c)
{
    if (form.name() != "frmZelmora1" || c.qualifiedName() != "Shape3")
        return std::nullopt;
    auto const algebra = describeBoardAlgebra(form);
    std::string name = "مستطيل الناتج";
    if (!algebra)
        return name;
    // The product is read only once both sides have tiles: "(0)(س) = 0" tells a learner nothing.
    bool const bothSides = std::none_of(algebra->parts.begin(), algebra->parts.end(),
        [](AlgebraPart const& p) { return (p.name == "height" || p.name == "width") && p.text == "0"; });
    for (auto const& part : algebra->parts) {
        if (part.name == "height")
            name += "، الطول " + part.text;
        else if (part.name == "width")
            name += "، العرض " + part.text;
        else if (part.name == "product" && bothSides)
            name += "، الناتج " + part.text;
    }
    return name;
}

} // namespace

std::string_view roleToken(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Button:
        return "button";
    case AccessibleRole::Text:
        return "text";
    case AccessibleRole::Entry:
        return "entry";
    case AccessibleRole::Picture:
        return "picture";
    case AccessibleRole::Graphic:
        return "graphic";
    case AccessibleRole::Document:
        return "document";
    }
    return "graphic";
}

AccessibleRole accessibleRoleOf(Control const& c)
{
    switch (c.kind) {
    case ControlKind::Button:
        return AccessibleRole::Button;
    case ControlKind::Label:
        return AccessibleRole::Text;
    case ControlKind::TextBox:
        return AccessibleRole::Entry;
    case ControlKind::Image:
        return AccessibleRole::Picture;
    case ControlKind::Ole:
        return AccessibleRole::Document;
    case ControlKind::Shape:
    case ControlKind::Line:
        return AccessibleRole::Graphic;
    }
    return AccessibleRole::Graphic;
}

std::string accessibleNameOf(Form const& form, Control const& c)
{
    if (auto tile = describeTile(form, c))
        return *tile;
    if (auto product = productRectangleName(form, c))
        return *product;
    if (auto fixed = fixedNameOf(form, c))
        return std::string(*fixed);
    if (c.kind == ControlKind::TextBox)
        return c.text;
    return spokenCaption(c.caption);
}

bool isAccessible(Control const& c)
{
    if (!c.visible)
        return false;
    if (c.kind == ControlKind::Line)
        return c.x1 != c.x2 || c.y1 != c.y2;
    return c.width > 0 && c.height > 0;
}

std::vector<Control const*> accessibleControls(Form const& form)
{
    std::vector<Control const*> list;
    for (Control const* c : form.paintOrderFrontToBack())
        if (isAccessible(*c))
            list.push_back(c);
    return list;
}

} // namespace zelmora
