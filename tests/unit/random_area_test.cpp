// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_actions.hpp"

#include "boards/area/area_algebra.hpp"
#include "boards/common/tile_board.hpp"
#include "boards/common/tile_pool.hpp"
#include "runtime/numbers.hpp"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

void checkAreaBoard(Form& form, std::string const& step)
{
    auto& board = dynamic_cast<TileBoard&>(form);
    testing::expectReserveAtHome(board, step);
    if (::testing::Test::HasFatalFailure())
        return;
    // The clear member is never hidden, dragged or resized. Snapping may still shift it against a
    // neighbour, like any member that loses the focus.
    Control const& clearMember = board.tile(specialMember);
    ASSERT_TRUE(clearMember.visible) << step;
    ASSERT_EQ(clearMember.width, 735) << step;
    ASSERT_EQ(clearMember.height, 675) << step;

    // The factors a measurement must find, summed here from the tiles themselves.
    double height = 0, width = 0;
    for (int i = 0; i <= 140; ++i) {
        Control const& t = board.tile(i);
        if (double(t.left) + t.width <= 900)
            height += t.height;
        if (t.top >= 7260)
            width += t.width;
    }
    Control const before = board.control("Shape3");
    board.press(board.control("Command9"));
    Control const& product = board.control("Shape3");
    ASSERT_EQ(board.control("Text1").text, numberToText(height)) << step;
    ASSERT_EQ(board.control("Text2").text, numberToText(width)) << step;
    ASSERT_EQ(product.height, static_cast<Single>(height)) << step;
    ASSERT_EQ(product.width, static_cast<Single>(width)) << step;
    ASSERT_EQ(product.top, height > 0 ? static_cast<Single>(7260 - height) : before.top) << step;
    ASSERT_EQ(product.left, width > 0 ? Single(900) : before.left) << step;

    // The algebra names the same factors that measuring has just written, once x is 1300, y is
    // 1100 and the unit 500 long again.
    auto const algebra = describeArea(board);
    EXPECT_EQ(algebra.height.lengthWith(1300, 1100, 500), textToNumber(board.control("Text1").text)) << step;
    EXPECT_EQ(algebra.width.lengthWith(1300, 1100, 500), textToNumber(board.control("Text2").text)) << step;
}

class RandomLearnerOnAreaBoard : public ::testing::TestWithParam<unsigned> { };

TEST_P(RandomLearnerOnAreaBoard, KeepsHomesCaptionsAndMeasurementsTrue)
{
    testing::runRandomActions({ .window = "frmZelmora1", .seed = GetParam(), .actions = 3000 }, checkAreaBoard);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomLearnerOnAreaBoard, ::testing::Values(1u, 2u, 3u, 20261209u));

} // namespace
} // namespace zelmora
