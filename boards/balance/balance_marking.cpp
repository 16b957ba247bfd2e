// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance_board.hpp"

namespace zelmora {

namespace {

// Strictly between the start and the end of an extent; the end is the Single sum, so a corner
// exactly on an edge lies in neither of the two neighbours.
bool strictlyInside(Single value, Single start, Single extent)
{
    Single const end = start + extent;
    return start < value && value < end;
}

bool insideHorizontally(Single left, Control const& region)
{
    return strictlyInside(left, region.left, region.width);
}

bool insideVertically(Single top, Control const& region)
{
    return strictlyInside(top, region.top, region.height);
}

} // namespace

void markTile(Form& board, int index)
{
    Control& tile = board.control("Command1", index);
    Single const left = tile.left;
    Single const top = tile.top;

    // The left pan: Shape2 gives the horizontal extent of both of its regions. A tile counts for
    // left side minus right side with the sign of its region.
    if (insideHorizontally(left, board.control("Shape2"))) {
        if (insideVertically(top, board.control("Shape2")))
            tile.appearance = 0;
        else if (insideVertically(top, board.control("Shape4")))
            tile.appearance = 1;
    }
    // The right pan counts with the opposite sign; Shape3 gives its horizontal extent.
    if (insideHorizontally(left, board.control("Shape3"))) {
        if (insideVertically(top, board.control("Shape3")))
            tile.appearance = 0;
        else if (insideVertically(top, board.control("Shape1")))
            tile.appearance = 1;
    }
}

} // namespace zelmora
