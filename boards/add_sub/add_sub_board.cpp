// SPDX-License-Identifier: GPL-3.0-or-later
#include "add_sub_board.hpp"

#include "add_sub_layout.hpp"
#include "boards/common/tile_pool.hpp"

namespace zelmora {

AddSubBoard::AddSubBoard()
    : TileBoard(addSubBoardLayout(), TileBoardTraits { .hasRotationZone = false, .measuresAfterBin = false })
{ }

void AddSubBoard::clear()
{
    for (int i = 0; i < traits().tileCount; ++i)
        hideAndSendHome(i);
}

void AddSubBoard::afterBoardDrop()
{
    // Taking the focus away from the dropped tile runs its placement pass; nothing is measured.
    focusMeasuringButton();
}

void AddSubBoard::afterTileDrop(int targetIndex)
{
    int const dragged = dragIndex();
    // Both marks are those of the tiles' last passes: the dragged tile's still tells the half
    // it was taken from, because its new pass runs only when the focus moves below.
    if (isLikeTileWithOtherMark(dragged, targetIndex)) {
        beep();
        tile(targetIndex).visible = false;
        tile(dragged).visible = false;
        sendHome(dragged);
        sendHome(targetIndex);
    }
    focusMeasuringButton();
}

void AddSubBoard::onTileLostFocus(int index)
{
    if (index == specialMember)
        return;
    placeTile(*this, index);
}

void AddSubBoard::onButtonClick(Control& c)
{
    // Command9 only takes the focus after a drop; pressing it does nothing.
    if (c.name == "Command15")
        clear();
}

} // namespace zelmora
