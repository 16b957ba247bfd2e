// SPDX-License-Identifier: GPL-3.0-or-later
// Where Page Down carries a tile on Board 1: onto the end of the height factor (up the axis), onto
// the end of the width factor (along the strip), and into the next cell of the product rectangle
// that a tile of its shape fills.
#include "area_board.hpp"
#include "area_factor_tiles.hpp"

#include "boards/common/keyboard_places.hpp"
#include "runtime/numbers.hpp"

#include <algorithm>

namespace zelmora {

std::vector<KeyboardPlace> AreaBoard::boardPlacesFor(int index) const
{
    AreaFactorTiles const factors(*this);
    Control const& t = tile(index);
    // The factor tiles from the corner outwards: the height's from the strip up, the width's from
    // the axis rightwards.
    auto height = tilesWhere(*this, index, [&](Control const& c) { return factors.countsForHeight(c); });
    auto width = tilesWhere(*this, index, [&](Control const& c) { return factors.countsForWidth(c); });
    std::sort(height.begin(), height.end(), [](Control const* a, Control const* b) { return a->top > b->top; });
    std::sort(width.begin(), width.end(), [](Control const* a, Control const* b) { return a->left < b->left; });

    ProductGrid grid { .cornerX = factors.axisX(), .cornerY = factors.stripTop(), .towardsX = 1, .towardsY = -1 };
    double heightSum = 0;
    double widthSum = 0;
    for (Control const* c : height) {
        grid.rowHeights.push_back(c->height);
        heightSum += c->height;
    }
    for (Control const* c : width) {
        grid.columnWidths.push_back(c->width);
        widthSum += c->width;
    }

    std::vector<KeyboardPlace> places {
        { toSingle(double(factors.axisX()) - t.width), toSingle(double(factors.stripTop()) - heightSum - t.height) },
        { toSingle(double(factors.axisX()) + widthSum), factors.stripTop() },
    };
    if (auto cell = freeCellFor(*this, grid, index))
        places.push_back(*cell);
    return places;
}

} // namespace zelmora
