// SPDX-License-Identifier: GPL-3.0-or-later
#include "signed_area_layout.hpp"

#include "boards/common/stacking_list.hpp"
#include "boards/common/tile_pool.hpp"
#include "runtime/layout_builder.hpp"

namespace zelmora {

TileSetDesign signedAreaTiles()
{
    return {
        .runs = paletteBoardRuns,
        // unit 350, x 1250, y 800; the y tile stands upright
        .sizes = { { { 1250, 1250 }, { 1250, 350 }, { 800, 800 }, { 350, 800 }, { 1250, 800 }, { 1750, 350 },
            { 350, 350 } } },
        .homes = {
            // x²
            { 2700, -420, { { 10, 20 } } },
            { 2760, -420, { { 0, 6 }, { 8, 9 } } },
            { 2820, -420, { { 7, 7 } } },
            // x
            { 7680, -60, { { 26, 29 }, { 34, 35 }, { 39, 40 } } },
            { 7680, 0, { { 24, 24 } } },
            { 7740, -60, { { 21, 22 }, { 31, 31 }, { 33, 33 }, { 37, 37 } } },
            { 7740, 0, { { 25, 25 }, { 38, 38 } } },
            { 7740, 60, { { 30, 30 }, { 32, 32 }, { 36, 36 } } },
            { 7800, 0, { { 23, 23 } } },
            // y²
            { 9180, -120, { { 42, 42 } } },
            { 9180, -60, { { 47, 47 }, { 49, 50 } } },
            { 9180, 0, { { 44, 44 } } },
            { 9240, -120, { { 41, 41 } } },
            { 9240, -60, { { 43, 43 }, { 45, 46 }, { 48, 48 } } },
            // y
            { 10020, -60, { { 70, 70 } } },
            { 10020, 0, { { 64, 65 } } },
            { 10080, -120, { { 53, 53 }, { 60, 61 }, { 63, 63 } } },
            { 10080, -60, { { 54, 54 }, { 56, 56 }, { 67, 67 } } },
            { 10080, 0, { { 52, 52 }, { 55, 55 }, { 57, 59 }, { 66, 66 }, { 68, 69 } } },
            { 10140, -120, { { 51, 51 } } },
            { 10140, 0, { { 62, 62 } } },
            // xy
            { 1140, 180, { { 78, 78 } } },
            { 1140, 240, { { 71, 72 }, { 87, 87 }, { 89, 89 } } },
            { 1140, 300, { { 73, 73 } } },
            { 1200, 180, { { 74, 74 } } },
            { 1200, 240, { { 75, 75 }, { 80, 80 }, { 86, 86 } } },
            { 1200, 300, { { 76, 76 }, { 82, 82 }, { 85, 85 } } },
            { 1260, 120, { { 79, 79 } } },
            { 1260, 240, { { 77, 77 }, { 81, 81 }, { 84, 84 }, { 88, 88 } } },
            { 1260, 300, { { 83, 83 }, { 90, 90 } } },
            // five-strips
            { 120, -60, { { 101, 101 } } },
            { 120, 0, { { 95, 95 }, { 97, 97 }, { 108, 108 } } },
            { 120, 60, { { 99, 99 }, { 102, 102 } } },
            { 180, -60, { { 96, 96 }, { 107, 107 } } },
            { 180, 0, { { 92, 94 }, { 98, 98 }, { 103, 105 }, { 109, 109 } } },
            { 240, 0, { { 91, 91 }, { 106, 106 } } },
            { 240, 60, { { 100, 100 } } },
            // unit squares
            { 1980, 0,
                { { 113, 114 }, { 116, 116 }, { 119, 120 }, { 124, 124 }, { 129, 129 }, { 132, 137 } } },
            { 1980, 60, { { 125, 125 }, { 127, 127 }, { 138, 138 }, { 140, 140 } } },
            { 2040, 0, { { 122, 122 }, { 130, 131 }, { 139, 139 } } },
            { 2040, 60,
                { { 110, 112 }, { 115, 115 }, { 117, 118 }, { 121, 121 }, { 123, 123 }, { 126, 126 },
                    { 128, 128 } } },
        },
        .visible = false,
        .appearance = 0,
    };
}

namespace {

ControlBuilder paletteButton(std::string name, std::string caption, Single top, Single width, int tab)
{
    auto b = button(std::move(name), std::move(caption), { 10980, top, width, 500 });
    b.back(0x30AFFC).tab(tab);
    return b;
}

// The sign labels: a large "-" or "+" in a quadrant corner or at an end of the horizontal strip.
ControlBuilder signLabel(int index, std::string sign, Rect rect, Font font)
{
    auto l = label("Label2", std::move(sign), rect);
    l.member(index).font(std::move(font)).align(TextAlign::Center).transparent();
    return l;
}

Font const naskh24Bold { "Traditional Arabic", 24.0f, true };
Font const naskh20Bold { "Traditional Arabic", 20.25f, true };
Font const sansSerif18 { "MS Sans Serif", 18.0f, false };

ControlBuilder quadrant(int index, Rect rect, std::uint32_t colour)
{
    auto q = shape("Shape7", rect);
    q.member(index).back(colour);
    return q;
}

} // namespace

FormLayout signedAreaBoardLayout()
{
    StackingList stack(makeTiles(signedAreaTiles()));
    // The origin square sits on the crossing of the strips, overhanging them by 30 twips to the
    // right and 15 downwards.
    Control originSquare = button("Command1", "", { 5160, 3960, 465, 450 }).member(141).back(0xC4B48A).flat();

    stack.add(textBox("Text4", "0", { 4200, 4680, 915, 435 }).hidden())
        .add(textBox("Text3", "0", { 1980, 3420, 915, 435 }).hidden())
        .add(button("Command11", "مسح", { 10740, 7200, 1000, 465 }).back(0xC4B48A))
        .add(button("Command9", "تدوير القطعة", { 10800, 2040, 1000, 495 }).back(0xC4B48A).font(fonts::windowDefault))
        .add(paletteButton("Command2", "س2", 2460, 705, 0))
        .add(paletteButton("Command3", "س", 2940, 705, 1))
        .add(paletteButton("Command4", "ص2", 3360, 705, 2))
        .add(paletteButton("Command5", "ص", 3840, 705, 3))
        .add(paletteButton("Command6", "5", 4800, 700, 4))
        .add(paletteButton("Command7", "1", 5280, 700, 5))
        .add(paletteButton("Command8", "س ص", 4320, 700, 6))
        .addMembers(indexSequence({ { 10, 10 }, { 110, 110 }, { 11, 49 }, { 51, 69 }, { 71, 89 }, { 91, 109 },
            { 111, 129 }, { 0, 9 }, { 50, 50 }, { 70, 70 }, { 90, 90 } }))
        .add(textBox("Text1", "0", { 4440, 1200, 615, 315 }).hidden())
        .add(textBox("Text2", "0", { 7200, 3600, 495, 315 }).hidden())
        .add(button("Command10", "رجوع", { 10740, 7740, 1000, 495 }).back(0xC4B48A).font(fonts::windowDefault))
        .addMembers(indexSequence({ { 131, 140 } }))
        .add(originSquare)
        .addMembers({ 130 })
        .add(shape("Shape6", { 5580, 4440, 45, 195 }).border(0xFFFFFF))
        .add(shape("Shape5", { 5160, 4440, 15, 915 }))
        .add(shape("Shape4", { 5160, 3720, 15, 255 }).border(0xFFFFFF))
        .add(signLabel(3, "-", { 240, 3900, 435, 615 }, naskh24Bold))
        .add(signLabel(6, "-", { 180, 360, 435, 615 }, naskh24Bold))
        .add(image("Image2", "bin-empty", { 10800, 6120, 960, 1080 }))
        .add(signLabel(5, "-", { 10080, 7320, 435, 615 }, naskh24Bold))
        .add(signLabel(2, "+", { 300, 7440, 435, 375 }, sansSerif18))
        .add(signLabel(1, "+", { 10080, 540, 435, 375 }, sansSerif18))
        .add(signLabel(0, "+", { 10080, 3900, 375, 495 }, naskh20Bold))
        .add(shape("Shape3", { 5580, 3060, 15, 915 }))
        .add(shape("Shape1", { 5160, 420, 435, 7515 }).borderWidth(3).back(0x808080).fill(0x808080))
        .add(shape("Shape2", { 180, 3960, 10395, 435 }).borderWidth(3).back(0x808080).fill(0x808080))
        .add(image("Image1", "none", { 10680, 180, 1155, 1875 }).member(1).stretch())
        .add(label("Label1", "Zelmora: نموذج المساحة بالإشارات", { 1740, 7980, 1755, 375 }).hidden().fore(0xFFFFFF))
        .add(image("Image3", "bin-full", { 10860, 5760, 960, 1080 }).hidden())
        .add(image("Image4", "bin-empty", { 5760, 7260, 960, 1080 }).hidden())
        .add(image("Image1", "none", { 10740, 900, 1095, 1035 }).member(0).hidden().stretch())
        .add(quadrant(0, { 180, 420, 4995, 3555 }, 0xC0C0C0))
        .add(quadrant(1, { 5580, 4380, 4995, 3555 }, 0xC0C0C0))
        .add(quadrant(2, { 5580, 420, 4995, 3555 }, 0xFFFFFF))
        .add(quadrant(3, { 180, 4380, 4995, 3555 }, 0xFFFFFF));

    return {
        .window = { .name = "frmZelmora2", .caption = "Zelmora2", .back = Color::fromRgb(0xB39653) },
        .controls = stack.finish(),
    };
}

} // namespace zelmora
