// SPDX-License-Identifier: GPL-3.0-or-later
#include "add_sub_algebra.hpp"

#include "board/tile_pool.hpp"
#include "board/tile_sides.hpp"
#include "shell/runtime/numbers.hpp"

namespace zelmora {

bool onAddSubHalves(TileBoard const& board, Control const& tile)
{
    // The white positive half Shape4 lies right above the grey negative half Shape1, both as
    // wide as each other.
    Control const& upper = board.control("Shape4");
    Control const& lower = board.control("Shape1");
    return tile.left >= upper.left && tile.left < toSingle(double(upper.left) + upper.width) && tile.top >= upper.top
        && tile.top < toSingle(double(lower.top) + lower.height);
}

AddSubAlgebra describeAddSub(TileBoard const& board)
{
    AddSubAlgebra algebra;
    for (int i = 0; i < board.traits().tileCount; ++i) {
        Control const& t = board.tile(i);
        if (!t.visible || !onAddSubHalves(board, t))
            continue;
        Polynomial const area = areaOf(*kindOfMember(paletteBoardRuns, i));
        if (t.appearance == 1)
            algebra.positive += area;
        else
            algebra.negative += area;
    }
    return algebra;
}

} // namespace zelmora
