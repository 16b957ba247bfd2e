// SPDX-License-Identifier: GPL-3.0-or-later
// Where Page Down carries a tile on Board 4: into free room in each region of the left pan, then
// of the right pan.
#include "balance_board.hpp"

#include "boards/common/keyboard_places.hpp"

namespace zelmora {

std::vector<KeyboardPlace> BalanceBoard::boardPlacesFor(int index) const
{
    std::vector<KeyboardPlace> places;
    // Left pan "+" and "-", then right pan "+" and "-".
    for (std::string_view region : { "Shape4", "Shape2", "Shape3", "Shape1" })
        if (auto spot = freeSpotFor(*this, control(region), index))
            places.push_back(*spot);
    return places;
}

} // namespace zelmora
