// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_algebra.hpp"

#include "boards/add_sub/add_sub_algebra.hpp"
#include "boards/add_sub/add_sub_board.hpp"
#include "boards/area/area_algebra.hpp"
#include "boards/area/area_board.hpp"
#include "boards/balance/balance_algebra.hpp"
#include "boards/balance/balance_board.hpp"
#include "boards/signed_area/signed_area_algebra.hpp"
#include "boards/signed_area/signed_area_board.hpp"

namespace zelmora {

std::optional<BoardAlgebra> describeBoardAlgebra(Form const& form)
{
    if (auto const* board = dynamic_cast<AreaBoard const*>(&form)) {
        auto const a = describeArea(*board);
        return BoardAlgebra { { { "height", toText(a.height) }, { "width", toText(a.width) },
                                  { "product", productText(a.height, a.width) }, { "inside", toText(a.inside) } },
            a.insideMakesProduct() };
    }
    if (auto const* board = dynamic_cast<SignedAreaBoard const*>(&form)) {
        auto const a = describeSignedArea(*board);
        return BoardAlgebra { { { "vertical", toText(a.vertical) }, { "horizontal", toText(a.horizontal) },
                                  { "product", productText(a.vertical, a.horizontal) },
                                  { "inside", toText(a.inside) } },
            a.insideMakesProduct() };
    }
    if (auto const* board = dynamic_cast<AddSubBoard const*>(&form)) {
        auto const a = describeAddSub(*board);
        return BoardAlgebra { { { "positive", toText(a.positive) }, { "negative", toText(a.negative) },
                                  { "total", toText(a.total()) } },
            std::nullopt };
    }
    if (auto const* board = dynamic_cast<BalanceBoard const*>(&form)) {
        auto const a = describeBalance(*board);
        return BoardAlgebra { { { "left", toText(a.left) }, { "right", toText(a.right) } }, std::nullopt };
    }
    return std::nullopt;
}

} // namespace zelmora
