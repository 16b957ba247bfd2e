// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file_format.hpp"

#include <array>
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

} // namespace zelmora::board_file
