// SPDX-License-Identifier: GPL-3.0-or-later
#include "area_factor_tiles.hpp"

#include "runtime/numbers.hpp"

namespace zelmora {

AreaFactorTiles::AreaFactorTiles(Form const& board)
    : m_axis(board.control("Line1"))
    , m_strip(board.control("Shape2"))
{ }

bool AreaFactorTiles::countsForHeight(Control const& tile) const
{
    return toSingle(double(tile.width) + tile.left) <= m_axis.x1;
}

bool AreaFactorTiles::countsForWidth(Control const& tile) const
{
    return tile.top >= m_strip.top;
}

} // namespace zelmora
