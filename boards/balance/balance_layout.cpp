// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance_layout.hpp"

#include "boards/common/stacking_list.hpp"
#include "boards/common/tile_pool.hpp"
#include "runtime/layout_builder.hpp"

namespace zelmora {

namespace {

TileSetDesign balanceTiles()
{
    return {
        .runs = balanceRuns,
        // unit 400, x 1385, y 900; the y tile lies flat. Board 4 has no x², y² or xy tiles, so
        // their sizes are never used.
        .sizes = { { { 0, 0 }, { 1385, 400 }, { 0, 0 }, { 900, 400 }, { 0, 0 }, { 2000, 400 }, { 400, 400 } } },
        // The stock: one stack per kind, in a column between the pans under the bin.
        .homes = {
            { 4920, 4800, { { 0, 19 } } },  // x
            { 5160, 4320, { { 20, 29 } } }, // y
            { 5400, 3840, { { 30, 49 } } }, // unit squares
            { 4620, 5220, { { 50, 65 } } }, // five-strips
        },
        .visible = true,
        .appearance = 1,
    };
}

// A "+" or "-" on a region of a pan.
ControlBuilder signLabel(int index, std::string sign, Rect rect)
{
    bool const plus = sign == "+";
    auto l = label("Label2", std::move(sign), rect);
    l.member(index)
        .fore(plus ? 0x404040 : 0xFFFFFF)
        .font(plus ? "Traditional Arabic" : "Arial", 24, true)
        .align(TextAlign::Center)
        .transparent();
    return l;
}

// A region of a pan: white for the positive, grey for the negative.
ControlBuilder region(std::string name, Single left, Single top, std::uint32_t fill)
{
    auto s = shape(std::move(name), { left, top, 3900, 2535 });
    s.fill(fill).borderWidth(3);
    return s;
}

ControlBuilder pan(std::string name, Single left)
{
    auto s = shape(std::move(name), { left, 300, 4275, 5475 });
    s.back(0x404040);
    return s;
}

} // namespace

FormLayout balanceBoardLayout()
{
    StackingList stack(makeTiles(balanceTiles()));

    // Buttons lie above everything else; within each stack the highest index is in front.
    stack.add(button("Command15", "مسح", { 10440, 6480, 1095, 675 }).back(0xC4B48A).flat().tab(67))
        .add(button("Command10", "رجوع", { 10440, 7200, 1095, 675 }).back(0xC4B48A).font(fonts::windowDefault).tab(66))
        .addMembers(indexSequence({ { 49, 30 }, { 29, 20 }, { 19, 0 }, { 65, 50 } }))
        .add(signLabel(1, "-", { 10380, 5160, 615, 495 }).tab(71))
        .add(signLabel(0, "+", { 10560, 420, 435, 615 }).tab(70))
        .add(image("Image4", "bin-empty", { 5580, -60, 960, 1080 }).hidden())
        .add(image("Image3", "bin-full", { 4560, 0, 960, 1080 }).hidden())
        .add(image("Image2", "bin-empty", { 5220, 2400, 960, 1080 }))
        .add(signLabel(6, "+", { 300, 360, 435, 615 }).tab(69))
        .add(signLabel(2, "-", { 300, 5040, 615, 495 }).tab(68))
        .add(region("Shape4", 300, 420, 0xFFFFFF))
        .add(region("Shape3", 7020, 420, 0xFFFFFF))
        .add(region("Shape2", 300, 3120, 0x808080))
        .add(region("Shape1", 7020, 3120, 0x808080))
        // The balance beam and its stand, drawn at its own size over the foot of both pans.
        .add(image("Image1", "balance", { 1560, 5700, 8010, 1800 }))
        .add(pan("Shape5", 120))
        .add(pan("Shape6", 6840));

    return {
        .window = { .name = "frmZelmora5",
            .caption = "Zelmora",
            .back = Color::fromRgb(0xB39653),
            .hasIcon = false,
            .placement = WindowPlacement::ChosenBySystem },
        .controls = stack.finish(),
    };
}

} // namespace zelmora
