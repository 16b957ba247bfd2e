// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/types.hpp"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace zelmora::qt {

// Twips per device-independent pixel at zoom 1.
inline constexpr double twipsPerPixel = 15.0;
// Font sizes are points; a point is 20 twips.
inline constexpr double twipsPerPoint = 20.0;

// How a window's client area, in twips, lies on the pixels of a view: scaled uniformly by
// `zoom` and shifted by `offset` so that it sits centred in the view (letterboxed).
struct ViewScale {
    double zoom = 1.0;
    QPointF offset;

    // The pixel size of a client area at this zoom.
    static QSize clientPixels(Single widthTwips, Single heightTwips, double zoom)
    {
        return { static_cast<int>(std::lround(widthTwips / twipsPerPixel * zoom)),
            static_cast<int>(std::lround(heightTwips / twipsPerPixel * zoom)) };
    }

    // The largest uniform zoom at which the client area fits the view, centred in it.
    static ViewScale fit(Single widthTwips, Single heightTwips, QSize view)
    {
        double const zx = view.width() * twipsPerPixel / widthTwips;
        double const zy = view.height() * twipsPerPixel / heightTwips;
        ViewScale s;
        s.zoom = std::max(0.01, std::min(zx, zy));
        s.offset = { (view.width() - widthTwips / twipsPerPixel * s.zoom) / 2.0,
            (view.height() - heightTwips / twipsPerPixel * s.zoom) / 2.0 };
        return s;
    }

    double pixelsPerTwip() const { return zoom / twipsPerPixel; }
    double x(double twips) const { return offset.x() + twips * pixelsPerTwip(); }
    double y(double twips) const { return offset.y() + twips * pixelsPerTwip(); }
    // A length of `pixels` at zoom 1, at this zoom; never thinner than one pixel.
    double pixels(double pixelsAtZoom1) const { return std::max(1.0, pixelsAtZoom1 * zoom); }

    // Whole pixels, each edge rounded on its own so that abutting controls abut on screen.
    QRect rect(double left, double top, double width, double height) const
    {
        int const l = static_cast<int>(std::lround(x(left)));
        int const t = static_cast<int>(std::lround(y(top)));
        int const r = static_cast<int>(std::lround(x(left + width)));
        int const b = static_cast<int>(std::lround(y(top + height)));
        return { l, t, r - l, b - t };
    }

    // A pointer position on the view back in twips; fractions are kept.
    Single twipsX(double px) const { return static_cast<Single>((px - offset.x()) / pixelsPerTwip()); }
    Single twipsY(double py) const { return static_cast<Single>((py - offset.y()) / pixelsPerTwip()); }
};

} // namespace zelmora::qt
