// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "balance_board.hpp"
#include "boards/common/polynomial.hpp"
#include "boards/common/tile_board.hpp"
#include "boards/common/tile_kind.hpp"

#include <array>
#include <set>
#include <vector>

namespace zelmora {

// The equation that the tiles in Board 4's pans stand for, read from the controls as they stand:
// each side counts its white region + and its grey region -.
struct BalanceAlgebra {
    Polynomial left;
    Polynomial right;
    // The tiles in the grey regions, counted -.
    std::vector<int> negativeTiles;

    // What one region holds: its tiles' sum, counted +, and their kinds.
    struct Region {
        Polynomial sum;
        std::set<TileKind> kinds;
    };
    // By PanRegion: what each side is made of, so that a like pair within one pan can be seen.
    std::array<Region, 4> regions;
    Region const& region(PanRegion which) const { return regions[static_cast<std::size_t>(which)]; }
};

BalanceAlgebra describeBalance(TileBoard const&);

} // namespace zelmora
