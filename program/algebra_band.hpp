// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_algebra.hpp"
#include "runtime/form.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// An equation in the band laid out as the board stands: what belongs to the board's left (the
// left pan, the factor strips) is drawn left of the relation, the rest right of it. Each piece is
// read right to left within itself, as all the band's words are.
struct BandSides {
    // From the left of the screen: the left pan's expression, or the factors, the first factor
    // leftmost as its strip is (Board 1's height strip stands left of the rectangle).
    std::vector<std::string> left;
    std::string relation; // "=", "≠"
    std::string right;
};

// One line of the band: its text as algebraBandText has it, and, for an equation, its sides.
struct BandRow {
    std::string text;
    std::optional<BandSides> sides;
};

// The text of the band under a board, in at most two lines: Boards 1 and 2 show the product of
// their factors and the tiles inside it ("✓" once these make a product that is not 0), Board 3
// its positive and negative tiles and their total, Board 4 its equation. Every part's text is the
// description's own, as `print W algebra` gives it; every view shows this text as it is.
std::string algebraBandText(BoardAlgebra const&);
// The same for the window as it stands; empty for a window that is no board. When the window's
// companion frames the band (a task shows its goal above the algebra and its feedback below),
// the band is the text the frame makes of the algebra.
std::string algebraBandText(Form const&);

// The band's lines, which joined with line breaks are algebraBandText.
std::vector<BandRow> algebraBandRows(BoardAlgebra const&);
std::vector<BandRow> algebraBandRows(Form const&);
std::string joinedBandText(std::vector<BandRow> const&);
// A row of an equation whose text is its sides with the relation between them.
BandRow equationRow(std::vector<std::string> left, std::string relation, std::string right);
BandRow plainRow(std::string text);

// The band's text as every view shows it: true minus signs, which read better than hyphens from
// the back of a room, and a leading right-to-left mark, so that a line that starts with a digit or
// a bracket is still laid out right to left.
std::string bandTextAsShown(Form const&);
// The same for a band's text made elsewhere (as algebraBandText gives it), or any text of the
// band's algebra, such as a goal previewed before it is set.
std::string bandTextAsShown(std::string_view bandText);
// Text of the band's algebra with true minus signs for hyphens: the one place the sign is chosen.
std::string withTrueMinus(std::string_view);
// The rows as every view shows them: true minus signs in every text and piece. The views set each
// piece's direction themselves, so the pieces carry no mark.
std::vector<BandRow> bandRowsAsShown(Form const&);
std::vector<BandRow> bandRowsAsShown(std::vector<BandRow> rows);

// A companion of a window that puts text around the board's algebra in the band.
class BandFrame {
public:
    virtual ~BandFrame() = default;
    virtual std::vector<BandRow> frame(Form const&, BoardAlgebra const&) const = 0;
};

} // namespace zelmora
