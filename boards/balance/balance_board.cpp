// SPDX-License-Identifier: GPL-3.0-or-later
#include "balance_board.hpp"

#include "balance_layout.hpp"

namespace zelmora {

BalanceBoard::BalanceBoard()
    : TileBoard(balanceBoardLayout(),
        TileBoardTraits { .tileCount = balanceTileCount,
            .hasSpecialMember = false,
            .hasPalette = false,
            .hasRotationZone = false,
            .binHidesTile = false,
            .measuresAfterBin = false })
{ }

void BalanceBoard::clear()
{
    for (int i = 0; i < balanceTileCount; ++i)
        sendHome(i);
}

void BalanceBoard::afterPress(int index)
{
    // The tile pressed last comes first in the keyboard tab order.
    setTabIndex(tile(index), 0);
}

void BalanceBoard::afterBoardDrop()
{
    // The board does not snap; it only marks every tile again by where its corner now lies.
    for (int i = 0; i < balanceTileCount; ++i)
        markTile(*this, i);
}

void BalanceBoard::afterTileDrop(int targetIndex)
{
    // A like pair whose marks differ is a zero pair in one pan or the same term on both sides:
    // both tiles go back to the stock. The dragged tile keeps the mark it had before this drag.
    int const dragged = dragIndex();
    if (!isLikeTileWithOtherMark(dragged, targetIndex))
        return;
    beep();
    sendHome(dragged);
    sendHome(targetIndex);
}

void BalanceBoard::onTileLostFocus(int index)
{
    markTile(*this, index);
}

void BalanceBoard::onButtonClick(Control& c)
{
    if (c.name == "Command15")
        clear();
}

} // namespace zelmora
