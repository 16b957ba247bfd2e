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

PanRegions::PanRegions(Form const& board)
    : m_leftWhite(board.control("Shape4"))
    , m_leftGrey(board.control("Shape2"))
    , m_rightWhite(board.control("Shape3"))
    , m_rightGrey(board.control("Shape1"))
{ }

std::optional<PanRegion> PanRegions::of(Control const& tile) const
{
    Single const left = tile.left;
    Single const top = tile.top;

    // The white region gives the horizontal extent of both regions of the right pan, the grey
    // one of the left pan. Were both pans ever to hold a corner, the right pan would decide.
    if (insideHorizontally(left, m_rightWhite)) {
        if (insideVertically(top, m_rightWhite))
            return PanRegion::RightWhite;
        if (insideVertically(top, m_rightGrey))
            return PanRegion::RightGrey;
    }
    if (insideHorizontally(left, m_leftGrey)) {
        if (insideVertically(top, m_leftGrey))
            return PanRegion::LeftGrey;
        if (insideVertically(top, m_leftWhite))
            return PanRegion::LeftWhite;
    }
    return std::nullopt;
}

void markTile(Form& board, int index)
{
    Control& tile = board.control("Command1", index);
    // A tile counts for left side minus right side with the sign of its region, so the right
    // pan's regions mark the opposite way to the left pan's.
    if (auto const region = PanRegions(board).of(tile))
        tile.appearance = (*region == PanRegion::LeftWhite || *region == PanRegion::RightGrey) ? 1 : 0;
}

} // namespace zelmora
