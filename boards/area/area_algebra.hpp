// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/polynomial.hpp"
#include "boards/common/tile_board.hpp"

namespace zelmora {

// What the tiles on Board 1 stand for, read from the controls as they stand.
struct AreaAlgebra {
    Polynomial height; // the tiles measuring counts left of the axis line, by the side up the line
    Polynomial width;  // the tiles measuring counts on the bottom strip, by the side along it
    Polynomial inside; // the other visible tiles with their top-left corner in the product rectangle

    Polynomial product() const { return multiplyLinear(height, width); }
    // The learner has filled the rectangle with tiles that make the product.
    bool insideMakesProduct() const { return inside == product(); }
};

AreaAlgebra describeArea(TileBoard const&);

} // namespace zelmora
