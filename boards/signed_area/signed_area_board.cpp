// SPDX-License-Identifier: GPL-3.0-or-later
#include "signed_area_board.hpp"

#include "signed_area_layout.hpp"

#include <array>

namespace zelmora {

SignedAreaBoard::SignedAreaBoard()
    : TileBoard(signedAreaBoardLayout(), TileBoardTraits {})
{ }

void SignedAreaBoard::clear()
{
    for (int i = 0; i < traits().tileCount; ++i)
        hideAndSendHome(i);
    for (auto const* name : std::array { "Shape3", "Shape4", "Shape5", "Shape6" }) {
        Control& product = control(name);
        product.width = 0;
        product.height = 0;
    }
}

void SignedAreaBoard::afterTileDrop(int)
{
    // A drop onto another tile is measured three times over; measuring moves a tile only onto
    // the line-up of a band it is already in, so the later runs find everything in place.
    focusMeasuringButton();
    pressMeasuringButton();
    pressMeasuringButton();
    pressMeasuringButton();
}

void SignedAreaBoard::onTileLostFocus(int index)
{
    // A hidden tile stands at its home and must stay there: the bin leaves the focus on the tile
    // it hid, and pulling that tile against a visible neighbour when the focus moves on would
    // make the palette bring it back away from its stack.
    if (!tile(index).visible)
        return;
    snapSignedAreaTile(*this, index);
}

void SignedAreaBoard::onTileClick(int)
{
    // Any member, the origin square included.
    pressMeasuringButton();
}

void SignedAreaBoard::onButtonClick(Control& c)
{
    if (isMeasuringButton(c))
        measureSignedArea(*this);
    else if (c.name == "Command11")
        clear();
}

} // namespace zelmora
