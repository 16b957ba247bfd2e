// SPDX-License-Identifier: GPL-3.0-or-later
#include "focus_ring.hpp"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zelmora::qt {

int FocusRing::bandWidth(double zoom)
{
    return std::max(2, static_cast<int>(std::lround(2 * zoom)));
}

void FocusRing::paint(QPainter& painter, QRect const& area, double zoom)
{
    int const band = bandWidth(zoom);
    // A control too small for even the dark band shows none; one too small for both keeps the dark.
    if (area.width() < 2 * band || area.height() < 2 * band)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    auto const frame = [&](QRect const& r, QColor const& colour) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), band), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - band + 1, r.width(), band), colour);
        painter.fillRect(QRect(r.left(), r.top(), band, r.height()), colour);
        painter.fillRect(QRect(r.right() - band + 1, r.top(), band, r.height()), colour);
    };
    frame(area, QColor::fromRgba(outer));
    QRect const inside = area.adjusted(band, band, -band, -band);
    if (inside.width() >= 2 * band && inside.height() >= 2 * band)
        frame(inside, QColor::fromRgba(inner));
    painter.restore();
}

} // namespace zelmora::qt
