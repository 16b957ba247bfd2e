// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/polynomial.hpp"
#include "boards/common/tile_board.hpp"
#include "boards/common/tile_kind.hpp"

#include <set>

namespace zelmora {

// What the tiles on Board 3 stand for, read from the controls as they stand: the visible tiles
// whose top-left corner lies on the two halves, by their mark.
struct AddSubAlgebra {
    Polynomial positive; // marked 1
    Polynomial negative; // marked 0
    // The kinds of tile on each side: a kind on both is a zero pair still to take off.
    std::set<TileKind> positiveKinds;
    std::set<TileKind> negativeKinds;

    Polynomial total() const { return positive - negative; }
    bool holdsZeroPair() const;
};

AddSubAlgebra describeAddSub(TileBoard const&);

// The span of the two halves, read from the half shapes as they stand.
class AddSubHalves {
public:
    explicit AddSubHalves(Form const& board);
    // Whether a tile's top-left corner lies on the halves, half-open: the tiles waiting at their
    // homes right of the halves and a tile dragged off the board take no part.
    bool hold(Control const& tile) const;

private:
    // The white positive half lies right above the grey negative half, both as wide.
    Control const& m_upper;
    Control const& m_lower;
};

} // namespace zelmora
