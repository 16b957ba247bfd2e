// SPDX-License-Identifier: GPL-3.0-or-later
#include "add_sub_algebra.hpp"

#include "boards/common/tile_pool.hpp"
#include "boards/common/tile_sides.hpp"
#include "runtime/numbers.hpp"

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
        TileKind const kind = *kindOfMember(paletteBoardRuns, i);
        if (t.appearance == 1) {
            algebra.positive += areaOf(kind);
            algebra.positiveKinds.insert(kind);
        } else {
            algebra.negative += areaOf(kind);
            algebra.negativeKinds.insert(kind);
        }
    }
    return algebra;
}

bool AddSubAlgebra::holdsZeroPair() const
{
    for (TileKind kind : positiveKinds)
        if (negativeKinds.contains(kind))
            return true;
    return false;
}

} // namespace zelmora
