// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "polynomial.hpp"
#include "runtime/types.hpp"
#include "tile_pool.hpp"

namespace zelmora {

// The four lengths a tile's side can have on one board, in twips.
struct SideLengths {
    Single unit;
    Single five;
    Single x;
    Single y;
};

// Read from a board's tile design: the unit square's side, and the long side of the five-strip,
// the x tile and the y tile, however each of them is laid at home.
SideLengths sideLengthsOf(TileSizes const&);

// What one side of a tile stands for: 1, 5, x or y. Raises a runtime error for a length that no
// tile side has, which only a layout without those lengths could give.
Polynomial sideTerm(SideLengths const&, Single length);

// What a whole tile stands for: x², xy, y², x, y, 5 or 1.
Polynomial areaOf(TileKind);

} // namespace zelmora
