// SPDX-License-Identifier: GPL-3.0-or-later
#include "area_board.hpp"
#include "area_factor_tiles.hpp"

#include "runtime/numbers.hpp"

namespace zelmora {

namespace {

// Adds a tile's length to the decimal text of a factor box and returns the new sum.
Single addToFactor(Control& box, Single length)
{
    box.text = numberToText(textToNumber(box.text) + length);
    return toSingle(textToNumber(box.text));
}

} // namespace

void measureArea(TileBoard& board)
{
    Control& heightBox = board.control("Text1");
    Control& widthBox = board.control("Text2");
    Control& product = board.control("Shape3");
    AreaFactorTiles const factors(board);

    heightBox.text = "0";
    widthBox.text = "0";
    product.width = 0;
    product.height = 0;

    // Hidden tiles wait at homes right of the axis line and above the strip, so neither test
    // needs to look at visibility.
    int const tiles = board.traits().tileCount;
    for (int i = 0; i < tiles; ++i) {
        Control const& t = board.tile(i);
        if (factors.countsForHeight(t)) {
            product.height = addToFactor(heightBox, t.height);
            product.top = toSingle(double(factors.stripTop()) - product.height);
        }
    }
    for (int i = 0; i < tiles; ++i) {
        Control const& t = board.tile(i);
        if (factors.countsForWidth(t)) {
            product.width = addToFactor(widthBox, t.width);
            product.left = factors.axisX();
        }
    }
}

} // namespace zelmora
