// SPDX-License-Identifier: GPL-3.0-or-later
#include "signed_area_algebra.hpp"

#include "boards/common/tile_sides.hpp"
#include "signed_area_arms.hpp"
#include "signed_area_layout.hpp"

namespace zelmora {

SignedAreaAlgebra describeSignedArea(TileBoard const& board)
{
    static SideLengths const lengths = sideLengthsOf(signedAreaTiles().sizes);
    Strips const strips(board);
    Quadrants const quadrants(board);

    SignedAreaAlgebra algebra;
    for (int i = 0; i < board.traits().tileCount; ++i) {
        Control const& t = board.tile(i);
        if (!t.visible)
            continue;
        if (auto const arm = strips.armOf(t)) {
            switch (*arm) {
            case Arm::Upper:
                algebra.vertical += sideTerm(lengths, t.height);
                break;
            case Arm::Lower:
                algebra.vertical -= sideTerm(lengths, t.height);
                algebra.negativeTiles.push_back(i);
                break;
            case Arm::Right:
                algebra.horizontal += sideTerm(lengths, t.width);
                break;
            case Arm::Left:
                algebra.horizontal -= sideTerm(lengths, t.width);
                algebra.negativeTiles.push_back(i);
                break;
            }
        } else if (!strips.inVerticalBand(t) && !strips.inHorizontalBand(t)) {
            auto const quadrant = quadrants.at(t.left, t.top);
            Polynomial const area = areaOf(*kindOfMember(paletteBoardRuns, i));
            if (quadrant && Quadrants::signOf(*quadrant) > 0)
                algebra.inside += area;
            else if (quadrant) {
                algebra.inside -= area;
                algebra.negativeTiles.push_back(i);
            }
        }
    }
    return algebra;
}

} // namespace zelmora
