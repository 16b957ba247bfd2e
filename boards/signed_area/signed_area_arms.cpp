// SPDX-License-Identifier: GPL-3.0-or-later
#include "signed_area_arms.hpp"

#include "runtime/numbers.hpp"

namespace zelmora {

namespace {

// A tile is a factor tile when its Left, or Top, lies less than this beyond the strip's edge.
constexpr double catchBand = 200;

} // namespace

Strips::Strips(Form const& board)
    : m_vertical(board.control("Shape1"))
    , m_horizontal(board.control("Shape2"))
{ }

Single Strips::left() const
{
    return m_vertical.left;
}

Single Strips::right() const
{
    return toSingle(double(m_vertical.left) + m_vertical.width);
}

Single Strips::top() const
{
    return m_horizontal.top;
}

Single Strips::bottom() const
{
    return toSingle(double(m_horizontal.top) + m_horizontal.height);
}

bool Strips::inVerticalBand(Control const& t) const
{
    return t.left >= left() && t.left < toSingle(left() + catchBand);
}

bool Strips::inHorizontalBand(Control const& t) const
{
    return t.top >= top() && t.top < toSingle(top() + catchBand);
}

std::optional<Arm> Strips::armOf(Control const& t) const
{
    if (!t.visible)
        return std::nullopt;
    if (inVerticalBand(t)) {
        if (t.top < top())
            return Arm::Upper;
        if (t.top >= bottom())
            return Arm::Lower;
    }
    if (inHorizontalBand(t)) {
        if (t.left >= right())
            return Arm::Right;
        if (t.left < left())
            return Arm::Left;
    }
    return std::nullopt;
}

Quadrants::Quadrants(Form const& board)
{
    for (std::size_t q = 0; q < m_shapes.size(); ++q)
        m_shapes[q] = &board.control("Shape7", static_cast<int>(q));
}

std::optional<Quadrant> Quadrants::at(Single x, Single y) const
{
    for (std::size_t q = 0; q < m_shapes.size(); ++q)
        if (m_shapes[q]->covers(x, y))
            return static_cast<Quadrant>(q);
    return std::nullopt;
}

} // namespace zelmora
