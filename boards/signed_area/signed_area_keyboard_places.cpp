// SPDX-License-Identifier: GPL-3.0-or-later
// Where Page Down carries a tile on Board 2: onto the outer end of each arm of the axis strips,
// lined up as measuring lines factor tiles up, then into the next cell of each quadrant's product
// that a tile of its shape fills.
#include "signed_area_arms.hpp"
#include "signed_area_board.hpp"

#include "boards/common/keyboard_places.hpp"
#include "runtime/numbers.hpp"

#include <algorithm>
#include <cmath>

namespace zelmora {

namespace {

// As measuring lines factor tiles up inside the strips.
constexpr double verticalLineUp = 70;
constexpr double horizontalLineUp = 50;

struct ArmTiles {
    std::vector<Single> lengths; // from the crossing outwards
    double total = 0;
};

ArmTiles armTiles(TileBoard const& board, Strips const& strips, int held, Arm arm)
{
    auto tiles = tilesWhere(board, held, [&](Control const& c) { return strips.armOf(c) == arm; });
    bool const vertical = arm == Arm::Upper || arm == Arm::Lower;
    Single const crossX = strips.left();
    Single const crossY = strips.top();
    std::sort(tiles.begin(), tiles.end(), [&](Control const* a, Control const* b) {
        return vertical ? std::fabs(a->top - crossY) < std::fabs(b->top - crossY)
                        : std::fabs(a->left - crossX) < std::fabs(b->left - crossX);
    });
    ArmTiles found;
    for (Control const* c : tiles) {
        found.lengths.push_back(vertical ? c->height : c->width);
        found.total += vertical ? c->height : c->width;
    }
    return found;
}

} // namespace

std::vector<KeyboardPlace> SignedAreaBoard::boardPlacesFor(int index) const
{
    Strips const strips(*this);
    Control const& t = tile(index);
    ArmTiles const upper = armTiles(*this, strips, index, Arm::Upper);
    ArmTiles const right = armTiles(*this, strips, index, Arm::Right);
    ArmTiles const lower = armTiles(*this, strips, index, Arm::Lower);
    ArmTiles const left = armTiles(*this, strips, index, Arm::Left);
    double const inVertical = double(strips.left()) + verticalLineUp;
    double const inHorizontal = double(strips.top()) + horizontalLineUp;

    std::vector<KeyboardPlace> places {
        { toSingle(inVertical), toSingle(double(strips.top()) - upper.total - t.height) },
        { toSingle(double(strips.right()) + right.total), toSingle(inHorizontal) },
        { toSingle(inVertical), toSingle(double(strips.bottom()) + lower.total) },
        { toSingle(double(strips.left()) - left.total - t.width), toSingle(inHorizontal) },
    };
    // The quadrants in the order of the arms: upper right, lower right, lower left, upper left.
    ProductGrid const grids[] {
        { strips.right(), strips.top(), 1, -1, upper.lengths, right.lengths },
        { strips.right(), strips.bottom(), 1, 1, lower.lengths, right.lengths },
        { strips.left(), strips.bottom(), -1, 1, lower.lengths, left.lengths },
        { strips.left(), strips.top(), -1, -1, upper.lengths, left.lengths },
    };
    for (ProductGrid const& grid : grids)
        if (auto cell = freeCellFor(*this, grid, index))
            places.push_back(*cell);
    return places;
}

} // namespace zelmora
