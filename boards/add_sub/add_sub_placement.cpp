// SPDX-License-Identifier: GPL-3.0-or-later
#include "add_sub_board.hpp"

#include "boards/common/tile_pool.hpp"
#include "runtime/numbers.hpp"

namespace zelmora {

namespace {

// Only members on the board side of the window pull a tile up or down.
constexpr Single verticalReach = 9000;
// A gap pulls only when it is less than this; a gap of exactly 200 does not.
constexpr Single captureDistance = 200;
// A tile is positive while its top edge lies at most this far below the bar's top edge.
constexpr double markTolerance = 10;

// a - b - c, taken exactly and rounded to Single before it is compared.
Single gap(Single a, Single b, Single c)
{
    return toSingle(double(a) - b - c);
}

// Pulls tile d up or down against members wholly above or below it, in index order. Every
// value is read afresh, so a move made for one member changes the tests for the next, and
// the last member in reach wins; the bar, member 141, comes last of all.
void verticalPass(TileBoard& board, Control& d)
{
    for (int i = 0; i < board.memberCount(); ++i) {
        Control const& c = board.tile(i);
        if (!c.visible || !(c.left < verticalReach))
            continue;
        if (toSingle(double(c.top) + c.height) < d.top) {
            if (gap(d.top, c.top, c.height) < captureDistance)
                d.top = toSingle(double(c.top) + c.height);
        } else if (toSingle(double(c.top) - d.height) > d.top) {
            if (gap(c.top, d.top, d.height) < captureDistance)
                d.top = toSingle(double(c.top) - d.height);
        }
    }
}

// The same sideways, against every visible member wherever it stands, tiles waiting at their
// homes right of the halves included.
void horizontalPass(TileBoard& board, Control& d)
{
    for (int j = 0; j < board.memberCount(); ++j) {
        Control const& c = board.tile(j);
        if (!c.visible)
            continue;
        if (toSingle(double(c.left) + c.width) < d.left) {
            if (gap(d.left, c.left, c.width) < captureDistance)
                d.left = toSingle(double(c.left) + c.width);
        } else if (toSingle(double(c.left) - d.width) > d.left) {
            if (gap(c.left, d.left, d.width) < captureDistance)
                d.left = toSingle(double(c.left) - d.width);
        }
    }
}

} // namespace

void placeTile(TileBoard& board, int index)
{
    Control& d = board.tile(index);
    // A hidden tile stands at its home and must stay there: after a zero pair or the bin the
    // tile still holds the focus, and pulling it against a tile near the palette now would make
    // it come back off its stack. It is marked by where it stands all the same.
    if (d.visible) {
        verticalPass(board, d);
        horizontalPass(board, d);
    }
    Control const& bar = board.tile(specialMember);
    d.appearance = toSingle(double(bar.top) + markTolerance) >= d.top ? 1 : 0;
}

} // namespace zelmora
