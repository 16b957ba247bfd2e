// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_layout.hpp"

#include "runtime/layout_builder.hpp"

namespace zelmora {

namespace {

Font const arial24Bold { "Arial", 24.0f, true };

ControlBuilder menuButton(std::string name, std::string caption, Single top, int tab)
{
    auto b = button(std::move(name), std::move(caption), { 1920, top, 2955, 675 });
    b.font(arial24Bold).tab(tab);
    return b;
}

} // namespace

FormLayout menuLayout()
{
    return {
        .window = {
            .name = "frmZelmora",
            .caption = "Zelmora",
            .clientWidth = 5610,
            .clientHeight = 5745,
            .back = Color::fromRgb(0x404040),
            .titled = false,
            .hasIcon = true,
            .placement = WindowPlacement::CenteredOnScreen,
        },
        .controls = {
            menuButton("Command1", "Zelmora (1)", 1020, 1),
            menuButton("Command2", "Zelmora (2)", 1860, 2),
            menuButton("Command3", "Zelmora (3)", 2640, 3),
            menuButton("Command5", "Zelmora (4)", 3480, 5),
            menuButton("Command6", "تطبيقات", 4260, 6),
            menuButton("Command4", "خروج", 4980, 4),
            oleContainer("OLE1", { 540, 4500, 675, 735 }).tab(7),
            // The title's own back colour (#808080) is never painted: the label is transparent.
            label("Label1", "Zelmora", { 1320, 240, 3435, 915 })
                .transparent()
                .fore(0xFFFF00)
                .font("Arial", 26.25f, true)
                .align(TextAlign::Right)
                .tab(0),
        },
    };
}

} // namespace zelmora
