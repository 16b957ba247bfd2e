// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/tile_pool.hpp"
#include "runtime/form.hpp"

namespace zelmora {

// Board 2, the signed area model, exactly as designed: every control in stacking order, front
// to back.
FormLayout signedAreaBoardLayout();

// Its tiles: kinds by index, sizes and homes.
TileSetDesign signedAreaTiles();

} // namespace zelmora
