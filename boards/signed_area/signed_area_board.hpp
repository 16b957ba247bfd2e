// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/tile_board.hpp"

#include <memory>

namespace zelmora {

// Board 2, the signed area model: two crossing axis strips cut the board into four quadrants,
// and the board draws in each quadrant the product rectangle of the factor tiles on the two
// arms that bound it.
class SignedAreaBoard final : public TileBoard {
public:
    SignedAreaBoard();

    static std::unique_ptr<Form> create() { return std::make_unique<SignedAreaBoard>(); }

    // Hides every tile, sends it home in the size it has and collapses the four rectangles
    // where they stand.
    void clear();

protected:
    void afterTileDrop(int targetIndex) override;
    void onTileLostFocus(int index) override;
    void onTileClick(int index) override;
    void onButtonClick(Control&) override;
    std::vector<KeyboardPlace> boardPlacesFor(int index) const override;
};

// The rules themselves, on the board's controls.
void snapSignedAreaTile(TileBoard&, int index);
void measureSignedArea(TileBoard&);

} // namespace zelmora
