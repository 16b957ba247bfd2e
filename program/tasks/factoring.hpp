// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/polynomial.hpp"

#include <optional>
#include <utility>

namespace zelmora {

// Two factors of first degree with whole coefficients whose product is the polynomial, when there
// are any: the sides of a rectangle of tiles that makes it. None for a polynomial that no
// rectangle can make (x² + 5x + 7), so that a teacher is not given a goal nobody can reach.
// Factors with a coefficient above the search's bound (far more tiles than a board holds) are not
// looked for.
std::optional<std::pair<Polynomial, Polynomial>> linearFactors(Polynomial const&);

} // namespace zelmora
