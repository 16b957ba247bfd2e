// SPDX-License-Identifier: GPL-3.0-or-later
#include "signed_area_arms.hpp"
#include "signed_area_board.hpp"

#include "runtime/numbers.hpp"

#include <array>

namespace zelmora {

namespace {

// Factor tiles are lined up this far inside the vertical and the horizontal strip.
constexpr double verticalLineUp = 70;
constexpr double horizontalLineUp = 50;

// Adds a tile's length to the decimal text of a factor box and returns the new sum.
Single addToFactor(Control& box, Single length)
{
    box.text = numberToText(textToNumber(box.text) + length);
    return toSingle(textToNumber(box.text));
}

} // namespace

void measureSignedArea(TileBoard& board)
{
    Control& upperBox = board.control("Text1");
    Control& rightBox = board.control("Text2");
    Control& leftBox = board.control("Text3");
    Control& lowerBox = board.control("Text4");
    // Upper right and lower left are positive, upper left and lower right negative.
    Control& upperRight = board.control("Shape3");
    Control& upperLeft = board.control("Shape4");
    Control& lowerLeft = board.control("Shape5");
    Control& lowerRight = board.control("Shape6");
    Strips const strips(board);

    for (Control* box : std::array { &upperBox, &rightBox, &leftBox, &lowerBox })
        box->text = "0";
    std::array const products { &upperRight, &upperLeft, &lowerLeft, &lowerRight };
    for (Control* product : products) {
        product->width = 0;
        product->height = 0;
    }
    // A rectangle with no factor on one of its arms stays at the crossing on that side.
    for (Control* product : products) {
        product->left = strips.left();
        product->top = strips.top();
    }

    // The origin square, member 141, never takes part.
    int const tiles = board.traits().tileCount;

    // Every tile of the vertical band is lined up, whatever its Top; those above the crossing
    // make the upper arm.
    for (int i = 0; i < tiles; ++i) {
        Control& t = board.tile(i);
        if (!t.visible || !strips.inVerticalBand(t))
            continue;
        t.left = toSingle(double(strips.left()) + verticalLineUp);
        if (strips.armOf(t) == Arm::Upper) {
            Single const u = addToFactor(upperBox, t.height);
            upperRight.height = u;
            upperLeft.height = u;
            upperLeft.top = toSingle(double(strips.top()) - upperRight.height);
            upperRight.top = toSingle(double(strips.top()) - upperRight.height);
        }
    }
    for (int i = 0; i < tiles; ++i) {
        Control const& t = board.tile(i);
        if (strips.armOf(t) != Arm::Lower)
            continue;
        Single const d = addToFactor(lowerBox, t.height);
        lowerLeft.height = d;
        lowerRight.height = d;
        lowerLeft.top = strips.bottom();
        lowerRight.top = strips.bottom();
    }

    // Every tile of the horizontal band is lined up, whatever its Left; those right of the
    // vertical strip make the right arm.
    for (int i = 0; i < tiles; ++i) {
        Control& t = board.tile(i);
        if (!t.visible || !strips.inHorizontalBand(t))
            continue;
        t.top = toSingle(double(strips.top()) + horizontalLineUp);
        if (strips.armOf(t) == Arm::Right) {
            Single const r = addToFactor(rightBox, t.width);
            upperRight.width = r;
            lowerRight.width = r;
            upperRight.left = strips.right();
            lowerRight.left = strips.right();
        }
    }
    for (int i = 0; i < tiles; ++i) {
        Control const& t = board.tile(i);
        if (strips.armOf(t) != Arm::Left)
            continue;
        Single const l = addToFactor(leftBox, t.width);
        upperLeft.width = l;
        lowerLeft.width = l;
        upperLeft.left = toSingle(double(strips.left()) - upperLeft.width);
        lowerLeft.left = toSingle(double(strips.left()) - lowerLeft.width);
    }
}

} // namespace zelmora
