// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_algebra.hpp"
#include "runtime/form.hpp"

#include <string>
#include <string_view>

namespace zelmora {

// The text of the band under a board, in at most two lines: Boards 1 and 2 show the product of
// their factors and the tiles inside it ("✓" once these make a product that is not 0), Board 3
// its positive and negative tiles and their total, Board 4 its equation. Every part's text is the
// description's own, as `print W algebra` gives it; every view shows this text as it is.
std::string algebraBandText(BoardAlgebra const&);
// The same for the window as it stands; empty for a window that is no board. When the window's
// companion frames the band (a task shows its goal above the algebra and its feedback below),
// the band is the text the frame makes of the algebra.
std::string algebraBandText(Form const&);

// The band's text as every view shows it: true minus signs, which read better than hyphens from
// the back of a room, and a leading right-to-left mark, so that a line that starts with a digit or
// a bracket is still laid out right to left.
std::string bandTextAsShown(Form const&);
// The same for a band's text made elsewhere (as algebraBandText gives it), or any text of the
// band's algebra, such as a goal previewed before it is set.
std::string bandTextAsShown(std::string_view bandText);

// A companion of a window that puts text around the board's algebra in the band.
class BandFrame {
public:
    virtual ~BandFrame() = default;
    virtual std::string frame(Form const&, BoardAlgebra const&) const = 0;
};

} // namespace zelmora
