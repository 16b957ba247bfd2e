// SPDX-License-Identifier: GPL-3.0-or-later
#include "area_board.hpp"

#include "runtime/numbers.hpp"

#include <cmath>

namespace zelmora {

namespace {

constexpr double snappingDistance = 100;

// |a - b + c|, taken exactly and rounded to Single before it is compared.
Single distance(Single a, Single b, Single c)
{
    return std::fabs(toSingle(double(a) - b + c));
}

} // namespace

void snapAreaTile(TileBoard& board, int index)
{
    Control& t = board.tile(index);
    Control const& axis = board.control("Line1");
    Control const& strip = board.control("Shape2");

    // A tile whose left edge lies left of the axis line rests against it with its right edge.
    if (t.left < axis.x1)
        t.left = toSingle(double(axis.x1) - t.width);
    // A tile at or below the top of the bottom strip lies on it.
    if (t.top >= strip.top)
        t.top = strip.top;

    // Against neighbours: left edge onto a right edge, bottom edge onto a top edge. Every test
    // reads the values afresh, so the last member in reach wins and a tile may hop along a chain.
    for (int i = 0; i < board.memberCount(); ++i) {
        Control const& c = board.tile(i);
        if (c.visible && distance(c.left, t.left, c.width) < snappingDistance)
            t.left = toSingle(double(c.width) + c.left);
        if (c.visible && distance(t.top, c.top, t.height) < snappingDistance)
            t.top = toSingle(double(c.top) - t.height);
    }
}

} // namespace zelmora
