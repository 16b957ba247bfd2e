// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/control.hpp"
#include "tile_kind.hpp"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zelmora {

// The members of Command1 that hold the tiles of one kind.
struct IndexRun {
    TileKind kind;
    int first;
    int last;
};

// Boards 1 to 3 carry 141 tiles, 0 to 140; member 141 is each board's special control.
inline constexpr int specialMember = 141;
inline constexpr std::array<IndexRun, 7> paletteBoardRuns { {
    { TileKind::X2, 0, 20 },
    { TileKind::X, 21, 40 },
    { TileKind::Y2, 41, 50 },
    { TileKind::Y, 51, 70 },
    { TileKind::XY, 71, 90 },
    { TileKind::Five, 91, 109 },
    { TileKind::One, 110, 140 },
} };

// Board 4's stock: 66 tiles of four kinds.
inline constexpr std::array<IndexRun, 4> balanceRuns { {
    { TileKind::X, 0, 19 },
    { TileKind::Y, 20, 29 },
    { TileKind::One, 30, 49 },
    { TileKind::Five, 50, 65 },
} };

std::optional<TileKind> kindOfMember(std::span<IndexRun const> runs, int index);

struct TileSize {
    float width;
    float height;
};
// Width x Height of each kind at design time, in the order of TileKind.
using TileSizes = std::array<TileSize, 7>;

// Members that share one home spot: inclusive ranges of indices.
struct HomeSpot {
    float left;
    float top;
    std::vector<std::pair<int, int>> members;
};

// Everything that makes the tile buttons of a board.
struct TileSetDesign {
    std::span<IndexRun const> runs;
    TileSizes sizes;
    std::vector<HomeSpot> homes;
    bool visible = false;
    Integer appearance = 0;
};

// The tile controls, indexed by member, each at its home with its kind's size and caption.
std::vector<Control> makeTiles(TileSetDesign const&);

// A run of indices in stacking order: {130, 130}, then {140, 131} counts down.
std::vector<int> indexSequence(std::initializer_list<std::pair<int, int>> stretches);

// The palette: which button brings out which kind, and in which order it looks for a hidden tile.
struct PaletteButton {
    std::string_view name;
    TileKind kind;
};
inline constexpr std::array<PaletteButton, 7> paletteButtons { {
    { "Command2", TileKind::X2 },
    { "Command3", TileKind::X },
    { "Command4", TileKind::Y2 },
    { "Command5", TileKind::Y },
    { "Command8", TileKind::XY },
    { "Command6", TileKind::Five },
    { "Command7", TileKind::One },
} };

// The members examined one at a time; the last entry is the member made visible when none of
// the others is hidden, and it is never examined itself.
std::vector<int> const& paletteCheckOrder(TileKind);

} // namespace zelmora
