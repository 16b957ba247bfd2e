// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace zelmora::qt {

// The ring that shows which control holds the focus: a dark band on the control's edge and a
// light band inside it, so that one of the two stands out on white, grey, blue and dark tiles
// alike. Each band is two pixels at zoom 1 and grows with the zoom, so it reads on a projector.
struct FocusRing {
    static constexpr QRgb outer = 0xFF000000;
    static constexpr QRgb inner = 0xFFFFFFFF;
    // The width of one band in pixels at this zoom: never under two.
    static int bandWidth(double zoom);
    // Paints the ring inside this rectangle.
    static void paint(QPainter&, QRect const& area, double zoom);
};

} // namespace zelmora::qt
