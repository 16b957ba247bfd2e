// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <array>
#include <optional>

namespace zelmora {

// The four arms of the two axis strips, measured outwards from the crossing.
enum class Arm { Upper, Lower, Right, Left };

// The strips' edges, read from the strips whenever a rule needs one, and which tiles measuring
// counts on which arm. Measuring and the algebra both ask here, so the two can never disagree.
class Strips {
public:
    explicit Strips(Form const& board);

    Single left() const;
    Single right() const;
    Single top() const;
    Single bottom() const;
    // A tile whose Left, or Top, lies less than the catch band beyond the strip's left, or top,
    // edge belongs to the vertical, or horizontal, band and is lined up there.
    bool inVerticalBand(Control const& tile) const;
    bool inHorizontalBand(Control const& tile) const;
    // The arm a visible tile counts on. A tile in a band but at the crossing, or in both bands,
    // counts on none; so does every hidden tile.
    std::optional<Arm> armOf(Control const& tile) const;

private:
    Control const& m_vertical;
    Control const& m_horizontal;
};

// The four quadrants Shape7(0) to Shape7(3): grey upper left and lower right, where a product
// is negative, and white upper right and lower left, where it is positive.
enum class Quadrant { UpperLeft, LowerRight, UpperRight, LowerLeft };

class Quadrants {
public:
    explicit Quadrants(Form const& board);
    // The quadrant that holds a point, half-open; none outside all four.
    std::optional<Quadrant> at(Single x, Single y) const;
    static int signOf(Quadrant q) { return q == Quadrant::UpperLeft || q == Quadrant::LowerRight ? -1 : +1; }

private:
    std::array<Control const*, 4> m_shapes {};
};

} // namespace zelmora
