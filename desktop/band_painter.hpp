// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/algebra_band.hpp"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace zelmora::qt {

// One run of the band's text and where it is drawn. Every run is read right to left within itself.
struct PlacedBandText {
    QString text;
    QRectF rect;
    // A row of words, wrapped inside its rectangle; an equation's pieces stay on one line.
    bool wraps = false;
};

// The band's rows laid out in an area, centred across and down it: a row of words as one right
// to left run; an equation's row as its pieces side by side, the left side's pieces from the left
// of the screen, then the relation in the middle, then the right side, so each side stands under
// its place on the board.
std::vector<PlacedBandText> layOutBand(std::vector<BandRow> const& rows, QFont const&, QRectF const& area);

// The band's face, bold, at that many pixels; its letters and ground, dark on white whatever the
// desktop's palette, as it is read off a projector, and the line above it.
QFont bandFont(double pixels);
inline constexpr QRgb bandInk = 0x101828;
inline constexpr QRgb bandGround = 0xFFFFFF;
inline constexpr QRgb bandRule = 0x1F3A93;
// The letters' size at a window's natural width, the room around the rows and the line's width.
inline constexpr double bandPixelsAtNaturalSize = 34;
inline constexpr int bandMargin = 8;
inline constexpr int bandRuleWidth = 2;

// The height the rows take at that width.
double bandRowsHeight(std::vector<BandRow> const& rows, QFont const&, double width);

// Draws the rows as layOutBand places them, in the painter's pen.
void paintBand(QPainter&, std::vector<BandRow> const& rows, QFont const&, QRectF const& area);

// The rows of a band's text that the program gave as text alone: each line a row of words.
std::vector<BandRow> plainBandRows(QString const& text);

} // namespace zelmora::qt
