// SPDX-License-Identifier: GPL-3.0-or-later
#include "boards/signed_area/signed_area_board.hpp"

#include <gtest/gtest.h>

#include <string>

namespace zelmora {
namespace {

// Board 2 as laid out, with the rules run on it directly, so that tiles can stand exactly
// where a drop and its snapping would never leave them.
class SignedAreaRules : public ::testing::Test {
protected:
    void place(int index, Single left, Single top, Single width, Single height)
    {
        Control& t = board.tile(index);
        t.visible = true;
        t.left = left;
        t.top = top;
        t.width = width;
        t.height = height;
    }
    void expectAt(int index, Single left, Single top)
    {
        EXPECT_EQ(board.tile(index).left, left) << "tile " << index;
        EXPECT_EQ(board.tile(index).top, top) << "tile " << index;
    }
    void expectRect(std::string const& name, Single left, Single top, Single width, Single height)
    {
        Control const& s = board.control(name);
        EXPECT_EQ(s.left, left) << name;
        EXPECT_EQ(s.top, top) << name;
        EXPECT_EQ(s.width, width) << name;
        EXPECT_EQ(s.height, height) << name;
    }
    std::string text(std::string const& name) { return board.control(name).text; }

    SignedAreaBoard board;
};

// The four arms as the learner lays them out before any line-up.
TEST_F(SignedAreaRules, MeasuringLinesUpTheArmsAndDrawsFourRectangles)
{
    place(21, 5300, 2710, 350, 1250); // an x turned upright on the upper arm
    place(111, 5700, 4000, 350, 350); // right arm
    place(112, 4460, 4050, 350, 350); // left arm
    place(110, 4810, 4050, 350, 350);
    measureSignedArea(board);

    expectAt(21, 5230, 2710);
    expectAt(111, 5700, 4010);
    expectAt(112, 4460, 4010);
    expectAt(110, 4810, 4010);
    EXPECT_EQ(text("Text1"), "1250");
    EXPECT_EQ(text("Text2"), "350");
    EXPECT_EQ(text("Text3"), "700");
    EXPECT_EQ(text("Text4"), "0");
    expectRect("Shape3", 5595, 2710, 350, 1250);
    expectRect("Shape4", 4460, 2710, 700, 1250);
    expectRect("Shape5", 4460, 3960, 700, 0);
    expectRect("Shape6", 5595, 3960, 350, 0);

    measureSignedArea(board);
    expectAt(111, 5700, 4010);
    expectRect("Shape3", 5595, 2710, 350, 1250);
    EXPECT_EQ(text("Text3"), "700");
}

// A tile at the crossing lies in both bands: it is lined up both ways and counts on no arm.
// One below the horizontal strip in the vertical band makes the lower arm.
TEST_F(SignedAreaRules, CrossingTilesCountNowhereAndTheLowerArmStartsAtTheStripBottom)
{
    place(51, 5300, 4100, 350, 800);
    place(52, 5200, 4395, 350, 800);
    place(53, 5200, 4394, 350, 800);
    measureSignedArea(board);

    expectAt(51, 5230, 4010);
    expectAt(52, 5230, 4395);
    expectAt(53, 5230, 4394);
    EXPECT_EQ(text("Text1"), "0");
    EXPECT_EQ(text("Text4"), "800");
    // No right or left factor: the lower pair keep Left at the strip's left edge.
    expectRect("Shape5", 5160, 4395, 0, 800);
    expectRect("Shape6", 5160, 4395, 0, 800);
    expectRect("Shape3", 5160, 3960, 0, 0);
}

// Hidden tiles and the origin square lie in both bands here and are neither moved nor counted.
TEST_F(SignedAreaRules, HiddenTilesAndTheOriginSquareNeverCount)
{
    place(0, 5200, 1000, 1250, 1250);
    board.tile(0).visible = false;
    place(91, 1000, 4000, 1750, 350);
    board.tile(91).visible = false;
    measureSignedArea(board);

    expectAt(0, 5200, 1000);
    expectAt(91, 1000, 4000);
    expectAt(141, 5160, 3960);
    for (auto const* box : { "Text1", "Text2", "Text3", "Text4" })
        EXPECT_EQ(text(box), "0") << box;
}

// Four unit squares lead a tile dropped right of the strip leftwards, edge to edge, to a Left
// below 5060; the left-side rule then runs as well and leads it on along their left edges.
TEST_F(SignedAreaRules, ASidewaysChainCarriesATileIntoTheLeftSideRule)
{
    place(110, 5150, 0, 350, 350); // right edge 5500
    place(111, 4950, 0, 350, 350); // 5300
    place(112, 4730, 0, 350, 350); // 5080
    place(113, 4550, 0, 350, 350); // 4900
    place(114, 5700, 2000, 350, 350);
    snapSignedAreaTile(board, 114);
    // Left edge onto the right edges 5500, 5300, 5080, 4900; then right edge onto the left
    // edges 5150, 4950, 4730, 4550. The origin square is out of reach by then.
    expectAt(114, 4200, 2000);
}

// Of two neighbours in vertical reach the later one in index order decides, though the earlier
// one is nearer.
TEST_F(SignedAreaRules, TheLastNeighbourInReachDecides)
{
    place(0, 8000, 2000, 1250, 1250); // top 2000
    place(1, 9500, 2100, 1250, 1250); // top 2100
    place(111, 6500, 1620, 350, 350); // bottom 1970: 30 from tile 0, 130 from tile 1
    snapSignedAreaTile(board, 111);
    expectAt(111, 6500, 1750);
}

} // namespace
} // namespace zelmora
