// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard_places.hpp"

#include "runtime/numbers.hpp"

namespace zelmora {

namespace {

// Free room is looked for on a grid this fine, this far inside a region's edges.
constexpr double spotStep = 100;
constexpr double spotMargin = 100;

bool overlaps(Control const& c, double left, double top, double width, double height)
{
    return c.left < left + width && left < double(c.left) + c.width && c.top < top + height
        && top < double(c.top) + c.height;
}

bool coveredByOther(TileBoard const& board, int held, double x, double y)
{
    for (int i = 0; i < board.memberCount(); ++i)
        if (i != held && board.tile(i).visible && board.tile(i).covers(toSingle(x), toSingle(y)))
            return true;
    return false;
}

// Any other control that the pointer finds there (a tile, a sign, a picture) would take the drop
// or stand in the tile's way.
bool overlapsOther(TileBoard const& board, int held, double left, double top, Control const& t)
{
    for (Control const* c : board.controlsInLayoutOrder())
        if (c != &board.tile(held) && c->visible && c->takesPointer() && overlaps(*c, left, top, t.width, t.height))
            return true;
    return false;
}

} // namespace

std::optional<KeyboardPlace> freeCellFor(TileBoard const& board, ProductGrid const& grid, int tileIndex)
{
    Control const& t = board.tile(tileIndex);
    double rowStart = grid.cornerY; // the edge of the row nearer the corner
    for (Single const height : grid.rowHeights) {
        double const top = grid.towardsY < 0 ? rowStart - height : rowStart;
        double columnStart = grid.cornerX;
        for (Single const width : grid.columnWidths) {
            double const left = grid.towardsX < 0 ? columnStart - width : columnStart;
            bool const fits = t.width == width && t.height == height;
            if (fits && !coveredByOther(board, tileIndex, left + width / 2, top + height / 2))
                return KeyboardPlace { toSingle(left), toSingle(top) };
            columnStart += grid.towardsX * double(width);
        }
        rowStart += grid.towardsY * double(height);
    }
    return std::nullopt;
}

std::optional<KeyboardPlace> freeSpotFor(TileBoard const& board, Control const& region, int tileIndex)
{
    Control const& t = board.tile(tileIndex);
    double const right = double(region.left) + region.width - spotMargin - t.width;
    double const bottom = double(region.top) + region.height - spotMargin - t.height;
    for (double top = region.top + spotMargin; top <= bottom; top += spotStep)
        for (double left = region.left + spotMargin; left <= right; left += spotStep)
            if (!overlapsOther(board, tileIndex, left, top, t))
                return KeyboardPlace { toSingle(left), toSingle(top) };
    return std::nullopt;
}

} // namespace zelmora
