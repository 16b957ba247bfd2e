// SPDX-License-Identifier: GPL-3.0-or-later
#include "area_board.hpp"

#include "area_layout.hpp"
#include "boards/common/tile_pool.hpp"

namespace zelmora {

AreaBoard::AreaBoard()
    : TileBoard(areaBoardLayout(), TileBoardTraits {})
{ }

void AreaBoard::clear()
{
    for (int i = 0; i < traits().tileCount; ++i)
        hideAndSendHome(i);
    Control& product = control("Shape3");
    product.width = 0;
    product.height = 0;
}

void AreaBoard::onTileLostFocus(int index)
{
    // A hidden tile stands at its home and must stay there: the bin and clearing leave the focus
    // on the tile they hid, and pulling it against a visible neighbour now would make it come
    // back off its stack.
    if (!tile(index).visible)
        return;
    snapAreaTile(*this, index);
}

void AreaBoard::onTileClick(int index)
{
    if (&tile(index) == &clearMember())
        clear();
}

void AreaBoard::onButtonClick(Control& c)
{
    if (isMeasuringButton(c))
        measureArea(*this);
}

} // namespace zelmora
