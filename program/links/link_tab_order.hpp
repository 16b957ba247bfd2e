// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace zelmora::links {

// The balance puts the tile pressed last first in the tab order, so after forty presses nearly
// every tile's tab index differs from the fresh board's though only forty tiles moved in the
// order. A link writes the order as the tiles that lead it, in order; the others follow in their
// fresh order. Tiles are given by their place in the board's list of tiles, tab places as their
// tab indices, fresh and live in the same list order.

// The fewest tiles that lead the live order with the others behind them in their fresh order;
// none when the tiles do not hold the fresh board's tab places between them (each tile's place is
// then written with it).
std::optional<std::vector<std::size_t>> tabLeaders(std::vector<int> const& fresh, std::vector<int> const& live);

// Each tile's tab place when `leaders` lead the order; none when a leader is named twice or is no
// tile.
std::optional<std::vector<int>> tabPlacesLedBy(std::vector<int> const& fresh, std::vector<std::size_t> const& leaders);

} // namespace zelmora::links
