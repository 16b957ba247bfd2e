// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/tile_board.hpp"

#include <memory>

namespace zelmora {

// Board 3, addition and subtraction: a positive half above the dividing bar and a negative
// half below it. Every tile that comes to rest is pulled against its neighbours and marked by
// its half, and a like tile with the other mark dropped on it removes the zero pair.
class AddSubBoard final : public TileBoard {
public:
    AddSubBoard();

    static std::unique_ptr<Form> create() { return std::make_unique<AddSubBoard>(); }

    // Hides every tile and sends it home; marks, the bar and the bin stay as they are.
    void clear();

protected:
    void afterBoardDrop() override;
    void afterTileDrop(int targetIndex) override;
    void onTileLostFocus(int index) override;
    void onButtonClick(Control&) override;
    std::vector<KeyboardPlace> boardPlacesFor(int index) const override;
};

// The placement pass of one tile on the board's controls: pulls it against a visible member
// less than 200 twips away, up or down and then left or right, and marks it by its half.
void placeTile(TileBoard&, int index);

} // namespace zelmora
