// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/polynomial.hpp"
#include "board/tile_board.hpp"

namespace zelmora {

// The equation that the tiles in Board 4's pans stand for, read from the controls as they stand:
// each side counts its white region + and its grey region -.
struct BalanceAlgebra {
    Polynomial left;
    Polynomial right;
};

BalanceAlgebra describeBalance(TileBoard const&);

} // namespace zelmora
