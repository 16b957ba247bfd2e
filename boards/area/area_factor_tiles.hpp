// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

namespace zelmora {

// Which tiles measuring counts for each factor, read from the axis line and the bottom strip as
// they stand. Measuring and the algebra both ask here, so the two can never disagree.
class AreaFactorTiles {
public:
    explicit AreaFactorTiles(Form const& board);

    // Wholly left of the axis line: its right edge, rounded to Single, on the line or left of it.
    bool countsForHeight(Control const& tile) const;
    // Its Top on the strip's Top or below, however much of it covers the strip.
    bool countsForWidth(Control const& tile) const;

    Single axisX() const { return m_axis.x1; }
    Single stripTop() const { return m_strip.top; }

private:
    Control const& m_axis;
    Control const& m_strip;
};

} // namespace zelmora
