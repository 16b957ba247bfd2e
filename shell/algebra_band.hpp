// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/runtime/form.hpp"

#include <string>

namespace zelmora {

// What the band under a board says, in Arabic, one line per row of the band: the board's
// description with a word before each part, and on Boards 1 and 2 a check mark once the tiles
// inside make the product. Empty for a window that is no board. Every view shows this text as it is.
std::string algebraBandText(Form const&);

} // namespace zelmora
