// SPDX-License-Identifier: GPL-3.0-or-later
#include "signed_area_algebra.hpp"

#include "board/tile_sides.hpp"
#include "signed_area_arms.hpp"
#include "signed_area_layout.hpp"

#include <array>

namespace zelmora {

namespace {

// The quadrants Shape7(0) to Shape7(3) and the sign of a product in each: grey upper left and
// lower right are negative, white upper right and lower left positive.
constexpr std::array<int, 4> quadrantSigns { -1, -1, +1, +1 };

// The sign of the quadrant that holds a point, half-open, or 0 outside all four.
int quadrantSignAt(std::array<Control const*, 4> const& quadrants, Single x, Single y)
{
    for (std::size_t q = 0; q < quadrants.size(); ++q)
        if (quadrants[q]->covers(x, y))
            return quadrantSigns[q];
    return 0;
}

} // namespace

SignedAreaAlgebra describeSignedArea(TileBoard const& board)
{
    static SideLengths const lengths = sideLengthsOf(signedAreaTiles().sizes);
    Strips const strips(board);
    std::array<Control const*, 4> quadrants {};
    for (std::size_t q = 0; q < quadrants.size(); ++q)
        quadrants[q] = &board.control("Shape7", static_cast<int>(q));

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
                break;
            case Arm::Right:
                algebra.horizontal += sideTerm(lengths, t.width);
                break;
            case Arm::Left:
                algebra.horizontal -= sideTerm(lengths, t.width);
                break;
            }
        } else if (!strips.inVerticalBand(t) && !strips.inHorizontalBand(t)) {
            int const sign = quadrantSignAt(quadrants, t.left, t.top);
            Polynomial const area = areaOf(*kindOfMember(paletteBoardRuns, i));
            if (sign > 0)
                algebra.inside += area;
            else if (sign < 0)
                algebra.inside -= area;
        }
    }
    return algebra;
}

} // namespace zelmora
