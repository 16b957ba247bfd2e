// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file_format.hpp"

#include <array>
#include <span>
#include <utility>

namespace zelmora::board_file {

std::string_view keyOf(Field field)
{
    static constexpr std::array<std::pair<Field, std::string_view>, 13> keys { {
        { Field::Left, "left" },
        { Field::Top, "top" },
        { Field::Width, "width" },
        { Field::Height, "height" },
        { Field::X1, "x1" },
        { Field::Y1, "y1" },
        { Field::X2, "x2" },
        { Field::Y2, "y2" },
        { Field::Visible, "visible" },
        { Field::Appearance, "appearance" },
        { Field::TabIndex, "tabIndex" },
        { Field::Text, "text" },
        { Field::Picture, "picture" },
    } };
    return keys[static_cast<std::size_t>(field)].second;
}

std::vector<Field> fieldsOf(Control const& c)
{
    std::vector<Field> fields;
    if (c.kind == ControlKind::Line)
        fields = { Field::X1, Field::Y1, Field::X2, Field::Y2 };
    else
        fields = { Field::Left, Field::Top, Field::Width, Field::Height };
    fields.push_back(Field::Visible);
    if (c.kind == ControlKind::Button)
        fields.push_back(Field::Appearance);
    if (c.kind == ControlKind::TextBox)
        fields.push_back(Field::Text);
    if (c.kind == ControlKind::Image)
        fields.push_back(Field::Picture);
    if (c.tabIndex >= 0)
        fields.push_back(Field::TabIndex);
    return fields;
}

namespace {

// The controls besides the tiles that a learner's actions change, and what of them changes:
// Board 1's clear member, which snapping shifts once, the product rectangles and the factor
// lengths of Boards 1 and 2, and every board's bin, full or empty.
struct KeptControl {
    std::string_view window; // empty for every board
    std::string_view control;
    std::span<Field const> fields;
};

constexpr Field place[] = { Field::Left, Field::Top };
constexpr Field rectangle[] = { Field::Left, Field::Top, Field::Width, Field::Height };
constexpr Field length[] = { Field::Text };
constexpr Field picture[] = { Field::Picture };
constexpr Field tile[]
    = { Field::Left, Field::Top, Field::Width, Field::Height, Field::Visible, Field::Appearance, Field::TabIndex };

constexpr std::array keptControls {
    KeptControl { "frmZelmora1", "Command1(141)", place },
    KeptControl { "frmZelmora1", "Shape3", rectangle },
    KeptControl { "frmZelmora1", "Text1", length },
    KeptControl { "frmZelmora1", "Text2", length },
    KeptControl { "frmZelmora2", "Shape3", rectangle },
    KeptControl { "frmZelmora2", "Shape4", rectangle },
    KeptControl { "frmZelmora2", "Shape5", rectangle },
    KeptControl { "frmZelmora2", "Shape6", rectangle },
    KeptControl { "frmZelmora2", "Text1", length },
    KeptControl { "frmZelmora2", "Text2", length },
    KeptControl { "frmZelmora2", "Text3", length },
    KeptControl { "frmZelmora2", "Text4", length },
    KeptControl { "", "Image2", picture },
};

} // namespace

bool isTile(Control const& c)
{
    return c.name == "Command1" && c.index != specialMember;
}

std::vector<Field> fieldsKept(int version, Form const& form, Control const& c)
{
    if (version == firstFormatVersion)
        return fieldsOf(c);
    if (isTile(c))
        return { std::begin(tile), std::end(tile) };
    std::string const name = c.qualifiedName();
    for (KeptControl const& kept : keptControls)
        if ((kept.window.empty() || kept.window == form.name()) && kept.control == name)
            return { kept.fields.begin(), kept.fields.end() };
    return {};
}

bool keepsModuleField(int version, ModuleField const& field)
{
    return version == firstFormatVersion || !field.isArray;
}

} // namespace zelmora::board_file
