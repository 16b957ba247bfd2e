// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// One part of a board's description, written as the learner reads it.
struct AlgebraPart {
    std::string_view name; // height, width, product, inside, vertical, ..., left, right
    std::string text;      // "2س² + 5س + 3"
};

// What the tiles on a board stand for, for every view: the parts in the order they are printed,
// and on Boards 1 and 2 whether the tiles inside already make the product.
struct BoardAlgebra {
    std::vector<AlgebraPart> parts;
    std::optional<bool> insideMakesProduct;
};

// Computed afresh from the controls as they stand; none for a window that is no board.
std::optional<BoardAlgebra> describeBoardAlgebra(Form const&);

} // namespace zelmora
