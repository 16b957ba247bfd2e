// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tile_board.hpp"

#include <optional>
#include <vector>

namespace zelmora {

// The cells of a product rectangle that grows out of a corner at the axes: one row for each
// factor tile on the one arm, one column for each on the other, both listed from the corner
// outwards. A cell is as high as its row's tile and as wide as its column's.
struct ProductGrid {
    Single cornerX = 0;
    Single cornerY = 0;
    int towardsX = 1;  // +1: the columns go right of the corner; -1: left of it
    int towardsY = -1; // -1: the rows go up from the corner; +1: down from it
    std::vector<Single> rowHeights = {};
    std::vector<Single> columnWidths = {};
};

// The first cell, row by row from the corner, that the tile fills exactly and that no other
// visible tile covers yet: where the next piece of the product goes.
std::optional<KeyboardPlace> freeCellFor(TileBoard const&, ProductGrid const&, int tileIndex);

// The first spot, row by row from the region's top-left corner inside a margin, where the tile
// lies wholly inside the region and overlaps no other control that the pointer finds: free room in
// a half or a pan.
std::optional<KeyboardPlace> freeSpotFor(TileBoard const&, Control const& region, int tileIndex);

// The visible tiles other than the held one that pass the test, in the board's index order.
template<typename Test> std::vector<Control const*> tilesWhere(TileBoard const& board, int held, Test test)
{
    std::vector<Control const*> found;
    for (int i = 0; i < board.traits().tileCount; ++i)
        if (i != held && board.tile(i).visible && test(board.tile(i)))
            found.push_back(&board.tile(i));
    return found;
}

} // namespace zelmora
