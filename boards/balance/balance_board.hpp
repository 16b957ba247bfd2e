// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/tile_board.hpp"

#include <memory>
#include <optional>

namespace zelmora {

// Board 4, the equation balance: two pans, each with a positive and a negative region, and a stock
// of always-visible tiles between them. Every tile carries a mark (its Appearance) that says how
// its term counts in left side minus right side; a like pair with different marks cancels.
class BalanceBoard final : public TileBoard {
public:
    BalanceBoard();

    static std::unique_ptr<Form> create() { return std::make_unique<BalanceBoard>(); }

    // Sends every tile back to its stack; the tiles stay visible and keep their marks.
    void clear();

protected:
    void afterPress(int index) override;
    void afterBoardDrop() override;
    void afterTileDrop(int targetIndex) override;
    void onTileLostFocus(int index) override;
    void onButtonClick(Control&) override;
    std::vector<KeyboardPlace> boardPlacesFor(int index) const override;
};

// The board's tiles: Command1(0) to Command1(65).
inline constexpr int balanceTileCount = 66;

// The four regions of the two pans: white upper "+" and grey lower "-".
enum class PanRegion { LeftWhite, LeftGrey, RightWhite, RightGrey };

// The four region shapes as they stand.
class PanRegions {
public:
    explicit PanRegions(Form const& board);
    // The region that holds a tile's top-left corner strictly inside; none for a corner on an
    // edge, between the regions or in the stock.
    std::optional<PanRegion> of(Control const& tile) const;

private:
    Control const& m_leftWhite;
    Control const& m_leftGrey;
    Control const& m_rightWhite;
    Control const& m_rightGrey;
};

// Sets the mark of Command1(index) from the region that holds its top-left corner, read from the
// four region shapes as they stand. A corner in no region leaves the mark as it is.
void markTile(Form&, int index);

} // namespace zelmora
