// SPDX-License-Identifier: GPL-3.0-or-later
#include "add_sub_algebra.hpp"

#include "board/tile_pool.hpp"
#include "board/tile_sides.hpp"
#include "shell/runtime/numbers.hpp"

namespace zelmora {

AddSubHalves::AddSubHalves(Form const& board)
    : m_upper(board.control("Shape4"))
    , m_lower(board.control("Shape1"))
{ }

bool AddSubHalves::hold(Control const& tile) const
{
    return tile.left >= m_upper.left && tile.left < toSingle(double(m_upper.left) + m_upper.width)
        && tile.top >= m_upper.top && tile.top < toSingle(double(m_lower.top) + m_lower.height);
}

AddSubAlgebra describeAddSub(TileBoard const& board)
{
    AddSubHalves const halves(board);
    AddSubAlgebra algebra;
    for (int i = 0; i < board.traits().tileCount; ++i) {
        Control const& t = board.tile(i);
        if (!t.visible || !halves.hold(t))
            continue;
        Polynomial const area = areaOf(*kindOfMember(paletteBoardRuns, i));
        if (t.appearance == 1)
            algebra.positive += area;
        else
            algebra.negative += area;
    }
    return algebra;
}

} // namespace zelmora
