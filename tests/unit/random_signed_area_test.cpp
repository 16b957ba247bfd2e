// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_actions.hpp"

#include "boards/common/tile_board.hpp"
#include "boards/common/tile_pool.hpp"
#include "boards/signed_area/signed_area_algebra.hpp"
#include "runtime/numbers.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace zelmora {
namespace {

// Board 2's reference geometry as laid out: the vertical strip from 5160 to 5595, the
// horizontal one from 3960 to 4395.
constexpr Single stripLeft = 5160, stripRight = 5595, stripTop = 3960, stripBottom = 4395;

struct Arm {
    double sum = 0;
    int tiles = 0;
    void add(Single length) { sum += length, ++tiles; }
};

struct Expected {
    Arm upper, lower, right, left;
};

struct Rect {
    Single left, top, width, height;
};

void expectRect(Control const& s, Rect r, std::string const& step)
{
    EXPECT_EQ(s.left, r.left) << step << ": " << s.qualifiedName();
    EXPECT_EQ(s.top, r.top) << step << ": " << s.qualifiedName();
    EXPECT_EQ(s.width, r.width) << step << ": " << s.qualifiedName();
    EXPECT_EQ(s.height, r.height) << step << ": " << s.qualifiedName();
}

void checkSignedAreaBoard(Form& form, std::string const& step)
{
    auto& board = dynamic_cast<TileBoard&>(form);
    testing::expectReserveAtHome(board, step);
    if (::testing::Test::HasFatalFailure())
        return;
    // The origin square never moves: losing the focus it stands on the strip's left edge, where
    // snapping leaves a tile alone, and measuring passes it by.
    Control const& origin = board.tile(specialMember);
    ASSERT_TRUE(origin.visible) << step;
    ASSERT_EQ(origin.left, stripLeft) << step;
    ASSERT_EQ(origin.top, stripTop) << step;
    ASSERT_EQ(origin.width, 465) << step;
    ASSERT_EQ(origin.height, 450) << step;

    // The arms a measurement must find, from the tiles as they stand now, and where every
    // tile must stand after it.
    Expected arms;
    std::vector<std::pair<Single, Single>> after;
    for (int i = 0; i <= 140; ++i) {
        Control const& t = board.tile(i);
        Single left = t.left, top = t.top;
        if (t.visible) {
            bool const vertical = t.left >= stripLeft && t.left < stripLeft + 200;
            bool const horizontal = t.top >= stripTop && t.top < stripTop + 200;
            if (vertical && t.top < stripTop)
                arms.upper.add(t.height);
            if (vertical && t.top >= stripBottom)
                arms.lower.add(t.height);
            if (horizontal && t.left >= stripRight)
                arms.right.add(t.width);
            if (horizontal && t.left < stripLeft)
                arms.left.add(t.width);
            if (vertical)
                left = stripLeft + 70;
            if (horizontal)
                top = stripTop + 50;
        }
        after.emplace_back(left, top);
    }

    board.press(board.control("Command9"));

    for (int i = 0; i <= 140; ++i) {
        EXPECT_EQ(board.tile(i).left, after[static_cast<std::size_t>(i)].first) << step << ": tile " << i;
        EXPECT_EQ(board.tile(i).top, after[static_cast<std::size_t>(i)].second) << step << ": tile " << i;
    }
    EXPECT_EQ(board.control("Text1").text, numberToText(arms.upper.sum)) << step;
    EXPECT_EQ(board.control("Text2").text, numberToText(arms.right.sum)) << step;
    EXPECT_EQ(board.control("Text3").text, numberToText(arms.left.sum)) << step;
    EXPECT_EQ(board.control("Text4").text, numberToText(arms.lower.sum)) << step;

    auto const u = static_cast<Single>(arms.upper.sum), d = static_cast<Single>(arms.lower.sum);
    auto const r = static_cast<Single>(arms.right.sum), l = static_cast<Single>(arms.left.sum);
    // A side with no factor tile keeps the rectangle at the crossing on that side.
    Single const rightLeft = arms.right.tiles ? stripRight : stripLeft;
    Single const leftLeft = arms.left.tiles ? stripLeft - l : stripLeft;
    Single const upperTop = arms.upper.tiles ? stripTop - u : stripTop;
    Single const lowerTop = arms.lower.tiles ? stripBottom : stripTop;
    expectRect(board.control("Shape3"), { rightLeft, upperTop, r, u }, step);
    expectRect(board.control("Shape4"), { leftLeft, upperTop, l, u }, step);
    expectRect(board.control("Shape5"), { leftLeft, lowerTop, l, d }, step);
    expectRect(board.control("Shape6"), { rightLeft, lowerTop, r, d }, step);

    // The algebra names the arms that measuring has just written, lower and left counted
    // negative, once x is 1250, y is 800 and the unit 350 long again.
    auto const algebra = describeSignedArea(board);
    auto const factor = [&](char const* box) { return textToNumber(board.control(box).text); };
    EXPECT_EQ(algebra.vertical.lengthWith(1250, 800, 350), factor("Text1") - factor("Text4")) << step;
    EXPECT_EQ(algebra.horizontal.lengthWith(1250, 800, 350), factor("Text2") - factor("Text3")) << step;
}

class RandomLearnerOnSignedAreaBoard : public ::testing::TestWithParam<unsigned> { };

TEST_P(RandomLearnerOnSignedAreaBoard, KeepsHomesCaptionsAndMeasurementsTrue)
{
    testing::runRandomActions({ .window = "frmZelmora2", .seed = GetParam(), .actions = 3000 }, checkSignedAreaBoard);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomLearnerOnSignedAreaBoard, ::testing::Values(1u, 2u, 3u, 20261209u));

} // namespace
} // namespace zelmora
