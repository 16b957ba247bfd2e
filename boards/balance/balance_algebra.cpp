// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance_algebra.hpp"

#include "balance_board.hpp"
#include "boards/common/tile_pool.hpp"
#include "boards/common/tile_sides.hpp"

namespace zelmora {

BalanceAlgebra describeBalance(TileBoard const& board)
{
    PanRegions const regions(board);
    BalanceAlgebra algebra;
    for (int i = 0; i < board.traits().tileCount; ++i) {
        Control const& t = board.tile(i);
        auto const region = regions.of(t);
        if (!region)
            continue;
        TileKind const kind = *kindOfMember(balanceRuns, i);
        Polynomial const area = areaOf(kind);
        auto& tally = algebra.regions[static_cast<std::size_t>(*region)];
        tally.sum += area;
        tally.kinds.insert(kind);
        switch (*region) {
        case PanRegion::LeftWhite:
            algebra.left += area;
            break;
        case PanRegion::LeftGrey:
            algebra.left -= area;
            algebra.negativeTiles.push_back(i);
            break;
        case PanRegion::RightWhite:
            algebra.right += area;
            break;
        case PanRegion::RightGrey:
            algebra.right -= area;
            algebra.negativeTiles.push_back(i);
            break;
        }
    }
    return algebra;
}

} // namespace zelmora
