// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/tile_board.hpp"

#include <memory>

namespace zelmora {

// Board 1, the area model of multiplication: one factor stands against the axis line, the other
// lies on the bottom strip, and the board draws the product rectangle of their lengths.
class AreaBoard final : public TileBoard {
public:
    AreaBoard();

    static std::unique_ptr<Form> create() { return std::make_unique<AreaBoard>(); }

    // Hides every tile, sends it home and shrinks the product rectangle where it stands.
    void clear();
    // The special member, which a click turns into clearing the board.
    Control& clearMember() { return specialControl(); }

protected:
    void onTileLostFocus(int index) override;
    void onTileClick(int index) override;
    void onButtonClick(Control&) override;
    std::vector<KeyboardPlace> boardPlacesFor(int index) const override;
};

// The rules themselves, on the board's controls.
void snapAreaTile(TileBoard&, int index);
void measureArea(TileBoard&);

} // namespace zelmora
