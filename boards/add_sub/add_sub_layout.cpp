// SPDX-License-Identifier: GPL-3.0-or-later
#include "add_sub_layout.hpp"

#include "boards/common/stacking_list.hpp"
#include "boards/common/tile_pool.hpp"
#include "runtime/layout_builder.hpp"

namespace zelmora {

namespace {

TileSetDesign addSubTiles()
{
    return {
        .runs = paletteBoardRuns,
        // unit 400, x 1385, y 900; the x² tile is 5 twips short of square and the xy tile 20 twips
        // taller than y, as designed. The y tile lies flat.
        .sizes = { { { 1385, 1380 }, { 1385, 400 }, { 900, 900 }, { 900, 400 }, { 1385, 920 }, { 2000, 400 },
            { 400, 400 } } },
        .homes = {
            // x²
            { 10380, -60, { { 10, 20 } } },
            { 10440, -60, { { 0, 6 }, { 8, 9 } } },
            { 10500, -60, { { 7, 7 } } },
            // x
            { 10440, 1380, { { 22, 22 }, { 28, 28 } } },
            { 10440, 1440, { { 36, 36 } } },
            { 10500, 1380, { { 21, 21 }, { 31, 31 } } },
            { 10500, 1440, { { 25, 25 } } },
            { 10560, 1380, { { 26, 27 }, { 29, 29 }, { 33, 35 }, { 39, 40 } } },
            { 10560, 1440, { { 23, 24 }, { 38, 38 } } },
            { 10620, 1380, { { 37, 37 } } },
            { 10620, 1440, { { 30, 30 } } },
            { 10620, 1500, { { 32, 32 } } },
            // y²
            { 9480, 1980, { { 41, 41 } } },
            { 9540, 1980, { { 42, 42 } } },
            { 9540, 2040, { { 47, 47 }, { 49, 50 } } },
            { 9540, 2100, { { 44, 44 } } },
            { 9600, 2040, { { 43, 43 }, { 45, 46 }, { 48, 48 } } },
            // y
            { 9360, 660, { { 52, 52 } } },
            { 9360, 720, { { 70, 70 } } },
            { 9360, 780, { { 54, 54 }, { 56, 57 }, { 59, 59 }, { 62, 63 }, { 66, 66 } } },
            { 9360, 840, { { 64, 64 } } },
            { 9420, 660, { { 69, 69 } } },
            { 9420, 720, { { 51, 51 }, { 55, 55 }, { 58, 58 }, { 61, 61 } } },
            { 9420, 780, { { 53, 53 }, { 60, 60 }, { 68, 68 } } },
            { 9420, 840, { { 65, 65 }, { 67, 67 } } },
            // xy
            { 10500, 1980, { { 84, 84 } } },
            { 10500, 2040, { { 76, 76 }, { 83, 83 }, { 90, 90 } } },
            { 10500, 2100, { { 71, 71 }, { 79, 79 } } },
            { 10560, 1980, { { 77, 77 }, { 81, 81 } } },
            { 10560, 2040, { { 88, 89 } } },
            { 10560, 2100, { { 78, 78 }, { 80, 80 } } },
            { 10560, 2160, { { 72, 73 }, { 75, 75 }, { 85, 85 } } },
            { 10620, 1980, { { 82, 82 } } },
            { 10620, 2100, { { 74, 74 } } },
            { 10620, 2160, { { 86, 87 } } },
            // five-strips
            { 9720, 3180, { { 101, 101 } } },
            { 9720, 3240, { { 95, 95 }, { 97, 97 }, { 108, 108 } } },
            { 9720, 3300, { { 99, 99 }, { 102, 102 } } },
            { 9780, 3180, { { 96, 96 }, { 107, 107 } } },
            { 9780, 3240, { { 92, 94 }, { 98, 98 }, { 103, 105 }, { 109, 109 } } },
            { 9840, 3240, { { 91, 91 }, { 100, 100 }, { 106, 106 } } },
            // unit squares
            { 9720, 1260, { { 131, 138 } } },
            { 9720, 1440, { { 140, 140 } } },
            { 9780, 1320, { { 125, 127 }, { 139, 139 } } },
            { 9780, 1380, { { 115, 115 }, { 128, 130 } } },
            { 9840, 1320, { { 123, 123 } } },
            { 9840, 1380, { { 112, 114 }, { 116, 116 }, { 118, 119 }, { 121, 121 }, { 124, 124 } } },
            { 9840, 1440, { { 120, 120 } } },
            { 9900, 1320, { { 122, 122 } } },
            { 9900, 1380, { { 110, 110 } } },
            { 9900, 1440, { { 111, 111 }, { 117, 117 } } },
        },
        .visible = false,
        // Every tile starts raised: the raised look is the positive mark.
        .appearance = 1,
    };
}

ControlBuilder paletteButton(std::string name, std::string caption, Single left, Single top)
{
    auto b = button(std::move(name), std::move(caption), { left, top, 800, 500 });
    b.back(0x30AFFC);
    return b;
}

} // namespace

FormLayout addSubBoardLayout()
{
    StackingList stack(makeTiles(addSubTiles()));
    // The dividing bar lies on the boundary of the halves and is the hindmost button, so a tile
    // lying across it covers it.
    Control dividingBar = button("Command1", "", { 420, 3840, 8895, 255 }).member(141).back(0x404040);

    stack.add(button("Command9", "", { 10080, 5100, 800, 500 }).back(0x53BDFD).font(fonts::windowDefault))
        .add(paletteButton("Command2", "س2", 10860, 3660))
        .add(paletteButton("Command3", "س", 10080, 3660))
        .add(paletteButton("Command4", "ص2", 10860, 4140))
        .add(paletteButton("Command5", "ص", 10080, 4140))
        .add(paletteButton("Command6", "5", 10860, 4620))
        .add(paletteButton("Command7", "1", 10080, 4620))
        .add(paletteButton("Command8", "س ص", 10860, 5100))
        .addMembers(indexSequence({ { 10, 10 }, { 110, 110 }, { 11, 49 }, { 51, 69 }, { 71, 89 }, { 91, 109 },
            { 111, 129 }, { 0, 9 }, { 50, 50 }, { 70, 70 }, { 90, 90 } }))
        .add(textBox("Text1", "0", { 2520, 7740, 615, 315 }).hidden())
        .add(textBox("Text2", "0", { 1680, 7740, 495, 315 }).hidden())
        .add(button("Command10", "رجوع", { 10740, 6840, 1095, 675 }).back(0xC0C0C0).font(fonts::windowDefault))
        .addMembers(indexSequence({ { 131, 140 } }))
        .add(button("Command15", "مسح", { 10740, 6120, 1095, 675 }).back(0xC0C0C0).flat())
        .addMembers({ 130 })
        .add(dividingBar)
        .add(label("Label2", "-", { 420, 6900, 615, 495 })
                 .member(2)
                 .font("Arial", 24, true)
                 .align(TextAlign::Center)
                 .transparent())
        .add(label("Label2", "+", { 480, 300, 435, 615 })
                 .member(6)
                 .font("Traditional Arabic", 24, true)
                 .align(TextAlign::Center)
                 .transparent())
        .add(image("Image2", "bin-empty", { 9600, 6180, 960, 1080 }))
        .add(label("Label1", "Zelmora: الجمع والطرح", { 3300, 7740, 1995, 375 })
                 .hidden()
                 .fore(0xFFFFFF)
                 .align(TextAlign::Right)
                 .transparent())
        .add(image("Image3", "bin-full", { 3840, 360, 960, 1080 }).hidden())
        .add(image("Image4", "bin-empty", { 4500, 420, 960, 1080 }).hidden())
        .add(shape("Shape4", { 420, 360, 8895, 3600 }).back(0xFFFFFF))
        .add(shape("Shape1", { 420, 3960, 8895, 3600 }).back(0xC0C0C0).fill(0xC0C0C0));

    return {
        .window = { .name = "frmZelmora4", .caption = "Zelmora  - الجمع والطرح", .back = Color::fromRgb(0xC4B48A) },
        .controls = stack.finish(),
    };
}

} // namespace zelmora
