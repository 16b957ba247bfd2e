// SPDX-License-Identifier: GPL-3.0-or-later
#include "area_algebra.hpp"

#include "area_factor_tiles.hpp"
#include "area_layout.hpp"
#include "boards/common/tile_sides.hpp"

namespace zelmora {

AreaAlgebra describeArea(TileBoard const& board)
{
    static SideLengths const lengths = sideLengthsOf(areaTiles().sizes);
    AreaFactorTiles const factors(board);
    Control const& product = board.control("Shape3");

    AreaAlgebra algebra;
    for (int i = 0; i < board.traits().tileCount; ++i) {
        Control const& t = board.tile(i);
        bool const onHeight = factors.countsForHeight(t);
        bool const onWidth = factors.countsForWidth(t);
        if (onHeight)
            algebra.height += sideTerm(lengths, t.height);
        if (onWidth)
            algebra.width += sideTerm(lengths, t.width);
        if (!onHeight && !onWidth && t.visible && product.covers(t.left, t.top))
            algebra.inside += areaOf(*kindOfMember(paletteBoardRuns, i));
    }
    return algebra;
}

} // namespace zelmora
