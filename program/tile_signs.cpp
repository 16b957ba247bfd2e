// SPDX-License-Identifier: GPL-3.0-or-later
#include "tile_signs.hpp"

#include "algebra_band.hpp"
#include "boards/balance/balance_algebra.hpp"
#include "boards/balance/balance_board.hpp"
#include "boards/signed_area/signed_area_algebra.hpp"
#include "boards/signed_area/signed_area_board.hpp"

#include <algorithm>

namespace zelmora {

namespace {

// Never smaller than the largest sign the boards' designs give (24 points): a unit tile's
// caption is smaller than that.
constexpr float leastSignPoints = 24.0f;
constexpr Color signInk { 0x10, 0x18, 0x28 };
constexpr char const* signFace = "Arial";

std::vector<Control const*> tilesAt(TileBoard const& board, std::vector<int> const& indices)
{
    std::vector<Control const*> tiles;
    for (int const i : indices)
        tiles.push_back(&board.tile(i));
    return tiles;
}

} // namespace

std::vector<Control const*> negativeTiles(Form const& form)
{
    if (auto const* board = dynamic_cast<SignedAreaBoard const*>(&form))
        return tilesAt(*board, describeSignedArea(*board).negativeTiles);
    if (auto const* board = dynamic_cast<BalanceBoard const*>(&form))
        return tilesAt(*board, describeBalance(*board).negativeTiles);
    return {};
}

std::optional<RegionSign> regionSign(Control const& control)
{
    if (control.kind != ControlKind::Label || (control.caption != "-" && control.caption != "+"))
        return std::nullopt;
    Font font = control.look.font;
    // One sans-serif face for both signs: the boards' naskh face draws "+" as a hairline beside a
    // heavy "−", and a projector loses it.
    font.family = signFace;
    font.bold = true;
    font.pointSize = std::max(font.pointSize, leastSignPoints);
    return RegionSign { withTrueMinus(control.caption), font, signInk };
}

} // namespace zelmora
