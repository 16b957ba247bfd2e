// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_reading.hpp"

#include "boards/add_sub/add_sub_board.hpp"
#include "boards/area/area_board.hpp"
#include "boards/balance/balance_board.hpp"
#include "boards/signed_area/signed_area_board.hpp"

namespace zelmora {

std::optional<BoardKind> boardKindOf(Form const& form)
{
    if (dynamic_cast<AreaBoard const*>(&form))
        return BoardKind::Area;
    if (dynamic_cast<SignedAreaBoard const*>(&form))
        return BoardKind::SignedArea;
    if (dynamic_cast<AddSubBoard const*>(&form))
        return BoardKind::AddSub;
    if (dynamic_cast<BalanceBoard const*>(&form))
        return BoardKind::Balance;
    return std::nullopt;
}

} // namespace zelmora
