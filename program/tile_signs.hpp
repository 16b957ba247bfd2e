// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <optional>
#include <string>
#include <vector>

namespace zelmora {

// The tiles a board counts negative where they lie (Board 2's lower and left arms and grey
// quadrants, the balance's grey regions), so that the views can mark them: a projector washes
// out the grey that alone tells them apart. None on the other boards and on windows that are no
// board.
std::vector<Control const*> negativeTiles(Form const&);

// How the sign on a region of a board ("+" or "-") is drawn: a true minus, which is as long as
// the plus is wide, bold and dark, at the label's size or more, so that it reads from the back of
// a room on white and grey alike.
struct RegionSign {
    std::string text;
    Font font;
    Color ink;
};
std::optional<RegionSign> regionSign(Control const&);

} // namespace zelmora
