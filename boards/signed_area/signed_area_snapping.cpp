// SPDX-License-Identifier: GPL-3.0-or-later
#include "signed_area_board.hpp"

#include "runtime/numbers.hpp"

#include <cmath>

namespace zelmora {

namespace {

constexpr double horizontalReach = 250;
constexpr double verticalReach = 270;
// A tile whose Top lies more than this above the horizontal strip stands in the upper half.
constexpr double upperHalf = 350;
// Only a tile whose Left lies more than this left of the vertical strip looks leftwards.
constexpr double leftMargin = 100;

// |a - b - c|, taken exactly and rounded to Single before it is compared.
Single distance(double a, double b, double c)
{
    return std::fabs(toSingle(a - b - c));
}

// Edge to edge upwards or downwards. The half is decided once, before the loop: a tile in the
// upper half brings its bottom edge onto a neighbour's top, any other its top onto a neighbour's
// bottom. Every comparison reads T afresh, so the last neighbour in reach decides.
void snapVertically(TileBoard& board, Control& t)
{
    Single const above = toSingle(double(board.control("Shape2").top) - t.top);
    bool const upper = above > upperHalf;
    for (int i = 0; i < board.memberCount(); ++i) {
        Control const& c = board.tile(i);
        if (!c.visible)
            continue;
        if (upper) {
            if (distance(c.top, t.top, t.height) < verticalReach)
                t.top = toSingle(double(c.top) - t.height);
        } else if (distance(t.top, c.top, c.height) < verticalReach) {
            t.top = toSingle(double(c.top) + c.height);
        }
    }
}

} // namespace

void snapSignedAreaTile(TileBoard& board, int index)
{
    Control& t = board.tile(index);
    Control const& strip = board.control("Shape1");

    // Right of the vertical strip's left edge: left edge onto a neighbour's right edge, but only
    // for a tile that starts right of the strip altogether; the test is made once, so a tile
    // carried onto the strip by one neighbour still meets the later ones.
    if (t.left > strip.left) {
        if (t.left > toSingle(double(strip.left) + strip.width)) {
            for (int i = 0; i < board.memberCount(); ++i) {
                Control const& c = board.tile(i);
                if (c.visible && std::fabs(toSingle(double(c.left) + c.width - t.left)) < horizontalReach)
                    t.left = toSingle(double(c.left) + c.width);
            }
        }
        snapVertically(board, t);
    }
    // Well left of the strip, tested with the Left as it now stands: right edge onto a
    // neighbour's left edge. A tile from just left of the strip up to its edge stays put.
    if (t.left < toSingle(double(strip.left) - leftMargin)) {
        for (int i = 0; i < board.memberCount(); ++i) {
            Control const& c = board.tile(i);
            if (c.visible && distance(c.left, t.left, t.width) < horizontalReach)
                t.left = toSingle(double(c.left) - t.width);
        }
        snapVertically(board, t);
    }
}

} // namespace zelmora
