// SPDX-License-Identifier: GPL-3.0-or-later
#include "area_layout.hpp"

#include "boards/common/stacking_list.hpp"
#include "boards/common/tile_pool.hpp"
#include "runtime/layout_builder.hpp"

namespace zelmora {

TileSetDesign areaTiles()
{
    return {
        .runs = paletteBoardRuns,
        // unit 500, x 1300, y 1100; the y tile stands upright
        .sizes = { { { 1300, 1300 }, { 1300, 500 }, { 1100, 1100 }, { 500, 1100 }, { 1300, 1100 }, { 2500, 500 },
            { 500, 500 } } },
        .homes = {
            // x²
            { 5880, -60, { { 10, 20 } } },
            { 5940, -60, { { 0, 6 }, { 8, 9 } } },
            { 6000, -60, { { 7, 7 } } },
            // x
            { 8460, 1200, { { 22, 22 }, { 28, 28 } } },
            { 8520, 1200, { { 21, 21 }, { 31, 31 } } },
            { 8520, 1260, { { 25, 25 } } },
            { 8580, 1200, { { 26, 27 }, { 29, 29 }, { 34, 35 }, { 39, 40 } } },
            { 8580, 1260, { { 23, 24 } } },
            { 8640, 1080, { { 30, 30 }, { 33, 33 }, { 36, 36 }, { 38, 38 } } },
            { 8640, 1200, { { 37, 37 } } },
            { 8640, 1320, { { 32, 32 } } },
            // y²
            { 9420, 2460, { { 41, 41 } } },
            { 9480, 2460, { { 42, 42 } } },
            { 9480, 2520, { { 47, 47 }, { 49, 50 } } },
            { 9480, 2580, { { 44, 44 } } },
            { 9540, 2520, { { 43, 43 }, { 45, 46 }, { 48, 48 } } },
            // y
            { 9660, -60, { { 58, 58 } } },
            { 9780, -60, { { 62, 62 } } },
            { 9780, 60, { { 59, 59 } } },
            { 9840, -300, { { 70, 70 } } },
            { 9840, -180, { { 66, 66 } } },
            { 9840, -120, { { 63, 63 } } },
            { 9840, -60, { { 55, 55 } } },
            { 9840, 0, { { 51, 51 }, { 54, 54 }, { 56, 56 } } },
            { 9840, 60, { { 52, 52 }, { 57, 57 }, { 60, 60 } } },
            { 9900, -360, { { 69, 69 } } },
            { 9900, -240, { { 64, 64 }, { 67, 68 } } },
            { 9900, -60, { { 53, 53 } } },
            { 9900, 60, { { 61, 61 } } },
            { 9960, -60, { { 65, 65 } } },
            // xy
            { 7740, -60, { { 78, 78 } } },
            { 7800, -60, { { 74, 74 } } },
            { 7800, 0, { { 86, 86 } } },
            { 7800, 60, { { 82, 82 } } },
            { 7860, -120, { { 71, 71 }, { 79, 79 } } },
            { 7860, 0, { { 84, 84 } } },
            { 7860, 60, { { 76, 76 }, { 83, 83 }, { 90, 90 } } },
            { 7920, -120, { { 72, 72 }, { 80, 80 } } },
            { 7920, -60, { { 75, 75 }, { 85, 85 } } },
            { 7920, 0, { { 77, 77 }, { 81, 81 } } },
            { 7920, 60, { { 88, 89 } } },
            { 7920, 120, { { 87, 87 } } },
            { 7980, -120, { { 73, 73 } } },
            // five-strips
            { 7560, 1800, { { 101, 101 } } },
            { 7560, 1860, { { 95, 95 }, { 97, 97 }, { 108, 108 } } },
            { 7560, 1920, { { 99, 99 }, { 102, 102 } } },
            { 7620, 1800, { { 96, 96 }, { 107, 107 } } },
            { 7620, 1860, { { 92, 94 }, { 98, 98 }, { 103, 105 }, { 109, 109 } } },
            { 7680, 1860, { { 106, 106 } } },
            { 7740, 1800, { { 91, 91 } } },
            { 7800, 1920, { { 100, 100 } } },
            // unit squares
            { 7680, 1140, { { 118, 118 }, { 121, 121 }, { 131, 138 } } },
            { 7680, 1320, { { 140, 140 } } },
            { 7740, 1140, { { 120, 120 } } },
            { 7740, 1200, { { 125, 127 }, { 139, 139 } } },
            { 7740, 1260, { { 115, 115 }, { 128, 130 } } },
            { 7800, 1200, { { 123, 123 } } },
            { 7800, 1260, { { 112, 114 }, { 116, 116 }, { 119, 119 }, { 124, 124 } } },
            { 7860, 1200, { { 122, 122 } } },
            { 7860, 1260, { { 110, 110 } } },
            { 7860, 1320, { { 111, 111 }, { 117, 117 } } },
        },
        .visible = false,
        .appearance = 0,
    };
}

namespace {

ControlBuilder paletteButton(std::string name, std::string caption, Single top, int tab)
{
    auto b = button(std::move(name), std::move(caption), { 10860, top, 800, 500 });
    b.back(0x30AFFC).tab(tab);
    return b;
}

} // namespace

FormLayout areaBoardLayout()
{
    StackingList stack(makeTiles(areaTiles()));
    Control clearMember = button("Command1", "مسح", { 180, 7260, 735, 675 }).member(141).back(0xC4B48A).flat();

    stack.addMembers({ 130 })
        .add(clearMember)
        .addMembers(indexSequence({ { 140, 131 } }))
        .add(button("Command10", "رجوع", { 10620, 7260, 1215, 675 }).back(0xC4B48A).font(fonts::windowDefault).tab(141))
        .add(textBox("Text2", "0", { 3600, 6720, 495, 315 }).hidden())
        .add(textBox("Text1", "0", { 4320, 6720, 615, 315 }).hidden())
        .addMembers(indexSequence({ { 90, 90 }, { 70, 70 }, { 50, 50 }, { 9, 0 }, { 129, 111 }, { 109, 91 }, { 89, 71 },
            { 69, 51 }, { 49, 11 }, { 110, 110 }, { 10, 10 } }))
        .add(paletteButton("Command8", "س ص", 4320, 6))
        .add(paletteButton("Command7", "1", 5340, 5))
        .add(paletteButton("Command6", "5", 4860, 4))
        .add(paletteButton("Command5", "ص", 3840, 3))
        .add(paletteButton("Command4", "ص2", 3360, 2))
        .add(paletteButton("Command3", "س", 2820, 1))
        .add(paletteButton("Command2", "س2", 2340, 0))
        .add(button("Command9", "تدوير القطعة", { 10740, 1860, 1035, 435 })
                 .back(0xC4B48A)
                 .font(fonts::windowDefault)
                 .tab(137))
        .add(image("Image4", "bin-empty", { 4560, 180, 960, 1080 }).hidden())
        .add(image("Image3", "bin-full", { 3900, 120, 960, 1080 }).hidden())
        .add(lineControl("Line1", 900, 360, 900, 7920).border(0xFFFFFF))
        .add(label("Label1", "Zelmora: نموذج المساحة", { 3060, 7980, 1995, 375 })
                 .hidden()
                 .transparent()
                 .align(TextAlign::Right))
        .add(shape("Shape3", { 300, 7260, 675, 495 }).border(0x808000, 2))
        .add(image("Image1", "none", { 10680, 60, 1155, 1875 }).member(1).stretch())
        .add(image("Image2", "bin-empty", { 10740, 6000, 960, 1080 }))
        .add(shape("Shape2", { 900, 7260, 9735, 675 }).borderWidth(3).back(0xC0C0C0).fill(0xC0C0C0))
        .add(shape("Shape1", { 240, 300, 675, 6975 }).borderWidth(3).back(0xC0C0C0).fill(0xC0C0C0))
        .add(image("Image1", "none", { 10680, 780, 1035, 1035 }).member(0).hidden().stretch())
        .add(shape("Shape4", { 900, 360, 9675, 6915 }).back(0xFFFFFF));

    return {
        .window = { .name = "frmZelmora1", .caption = "Zelmora (1)", .back = Color::fromRgb(0xC4B48A) },
        .controls = stack.finish(),
    };
}

} // namespace zelmora
