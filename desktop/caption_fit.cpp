// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_fit.hpp"

#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace zelmora::qt {

namespace {

// Where the ink of a caption lies when its line is centred in a box of this size: Qt centres the
// line's advance, ascent and descent, not the ink.
QRectF inkOfCentredLine(QFont const& font, QString const& caption, QSizeF box)
{
    QFontMetricsF const metrics(font);
    double const left = (box.width() - metrics.horizontalAdvance(caption)) / 2;
    double const baseline = (box.height() - (metrics.ascent() + metrics.descent())) / 2 + metrics.ascent();
    return metrics.tightBoundingRect(caption).translated(left, baseline);
}

// The same font a little smaller, by the share of the room the caption takes; false at one pixel.
bool shrink(QFont& font, double needed, double room)
{
    int const size = font.pixelSize();
    if (size <= 1 || needed <= room || room <= 0)
        return false;
    font.setPixelSize(std::clamp(static_cast<int>(size * room / needed), 1, size - 1));
    return true;
}

} // namespace

// How far to move an ink span so that it lies between two edges: not at all when it does, onto
// the middle when it cannot.
double shiftInto(double inkStart, double inkEnd, double start, double end)
{
    if (inkEnd - inkStart > end - start)
        return (start + end - inkStart - inkEnd) / 2;
    if (inkStart < start)
        return start - inkStart;
    if (inkEnd > end)
        return end - inkEnd;
    return 0;
}

CaptionFit fitCaption(QFont font, QString const& caption, QSizeF button, Margins margins)
{
    if (caption.isEmpty() || font.pixelSize() <= 0)
        return { font, {} };
    QRectF const room
        = QRectF(QPointF(), button).adjusted(margins.side, margins.topAndBottom, -margins.side, -margins.topAndBottom);
    // Captions stay on one line: one that would not fit is set smaller rather than wrapped, which
    // would cut off its second line in a tile's height. Some glyphs reach past their advance.
    auto const inkOf = [&] { return inkOfCentredLine(font, caption, button); };
    auto const wide = [&] { return std::max(QFontMetricsF(font).horizontalAdvance(caption), inkOf().width()); };
    // Rounding the size down may leave it a hair too big; a few steps settle it.
    for (int step = 0; step < 4 && shrink(font, wide(), room.width()); ++step) { }
    for (int step = 0; step < 4 && shrink(font, inkOf().height(), room.height()); ++step) { }

    // Moved only as far as the ink needs, so captions that fit stay where they always were.
    QRectF const ink = inkOf();
    return { font,
        QPointF(shiftInto(ink.left(), ink.right(), room.left(), room.right()),
            shiftInto(ink.top(), ink.bottom(), room.top(), room.bottom())) };
}

} // namespace zelmora::qt
