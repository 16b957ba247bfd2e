// SPDX-License-Identifier: GPL-3.0-or-later
// Where Page Down carries a tile on Board 3: into free room in the positive half above the bar,
// then in the negative half below it.
#include "add_sub_board.hpp"

#include "boards/common/keyboard_places.hpp"

namespace zelmora {

std::vector<KeyboardPlace> AddSubBoard::boardPlacesFor(int index) const
{
    std::vector<KeyboardPlace> places;
    for (std::string_view half : { "Shape4", "Shape1" })
        if (auto spot = freeSpotFor(*this, control(half), index))
            places.push_back(*spot);
    return places;
}

} // namespace zelmora
