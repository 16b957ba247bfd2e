// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/polynomial.hpp"
#include "boards/common/tile_board.hpp"

#include <vector>

namespace zelmora {

// What the tiles on Board 2 stand for, read from the controls as they stand.
struct SignedAreaAlgebra {
    Polynomial vertical;            // the upper arm minus the lower arm, by the side along the strip
    Polynomial horizontal;          // the right arm minus the left arm
    Polynomial inside;              // the tiles in the quadrants outside both bands, white + and grey -
    std::vector<int> negativeTiles; // the tiles counted -: on the lower and left arms, in grey

    Polynomial product() const { return multiplyLinear(vertical, horizontal); }
    bool insideMakesProduct() const { return inside == product(); }
};

SignedAreaAlgebra describeSignedArea(TileBoard const&);

} // namespace zelmora
