// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_algebra.hpp"

#include <string>

namespace zelmora {

// The text of the band under a board, in at most two lines: Boards 1 and 2 show the product of
// their factors and the tiles inside it ("✓" once these make the product), Board 3 its positive
// and negative tiles and their total, Board 4 its equation. Every part's text is the description's
// own, as `print W algebra` gives it; the view only lays it out.
std::string algebraBandText(BoardAlgebra const&);

} // namespace zelmora
