// SPDX-License-Identifier: GPL-3.0-or-later
#include "boards/balance/balance_board.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zelmora {
namespace {

class BalanceBoardTest : public ::testing::Test {
protected:
    HeadlessHost host;
    Application app { host, &createWindow };
    BalanceBoard& board = dynamic_cast<BalanceBoard&>(app.show("frmZelmora5"));

    Control& tile(int i) { return board.control("Command1", i); }

    // Presses the tile at (gx, gy) inside it and lets go at (x, y) of the window.
    void drag(int i, Single gx, Single gy, Single x, Single y)
    {
        app.mouseDownOn(board, tile(i), gx, gy, MouseButton::Left);
        app.mouseMove(board, x, y);
        app.mouseUp(&board, x, y);
    }
};

// The window opens where the system puts it, with no icon; the regions lie on the pans, the signs
// on the regions, the balance picture over the foot of the pans and the bin over all of them.
TEST_F(BalanceBoardTest, WindowAndStackingOfTheLowerLayer)
{
    WindowDesign const& w = board.window();
    EXPECT_EQ(w.caption, "Zelmora");
    EXPECT_FALSE(w.hasIcon);
    EXPECT_TRUE(w.titled);
    EXPECT_EQ(w.placement, WindowPlacement::ChosenBySystem);
    EXPECT_EQ(w.back, Color::fromRgb(0xB39653));
    EXPECT_EQ(w.clientWidth, 11880);
    EXPECT_EQ(w.clientHeight, 8490);

    std::vector<std::string> lower;
    for (Control* c : board.paintOrderFrontToBack())
        if (!c->inUpperLayer())
            lower.push_back(c->qualifiedName());
    std::vector<std::string> const expected { "Label2(1)", "Label2(0)", "Image4", "Image3", "Image2", "Label2(6)",
        "Label2(2)", "Shape4", "Shape3", "Shape2", "Shape1", "Image1", "Shape5", "Shape6" };
    EXPECT_EQ(lower, expected);

    Control const& balance = board.control("Image1");
    EXPECT_EQ(balance.picture, "balance");
    EXPECT_FALSE(balance.look.stretch);
    EXPECT_EQ(board.control("Command15").appearance, 0);
    EXPECT_EQ(board.control("Command15").tabIndex, 67);
    EXPECT_EQ(board.control("Command10").tabIndex, 66);
}

// Each press puts the pressed tile first in the tab order and moves the others down one place,
// so that the order stays a numbering of every control without gaps or doubles.
TEST_F(BalanceBoardTest, PressPutsTheTileFirstInTheTabOrder)
{
    EXPECT_EQ(tile(37).tabIndex, 37);
    drag(37, 200, 200, 1200, 1200);
    EXPECT_EQ(tile(37).tabIndex, 0);
    EXPECT_EQ(tile(0).tabIndex, 1);
    drag(12, 700, 200, 8000, 1200);
    EXPECT_EQ(tile(12).tabIndex, 0);
    EXPECT_EQ(tile(37).tabIndex, 1);
    EXPECT_EQ(tile(0).tabIndex, 2);
    EXPECT_EQ(tile(13).tabIndex, 14);
    EXPECT_EQ(tile(38).tabIndex, 38);
    EXPECT_EQ(board.control("Command10").tabIndex, 66);
    EXPECT_EQ(board.control("Command15").tabIndex, 67);

    std::set<int> taken;
    int withTab = 0;
    for (Control* c : board.paintOrderFrontToBack()) {
        if (c->tabIndex < 0)
            continue;
        ++withTab;
        EXPECT_TRUE(taken.insert(c->tabIndex).second) << c->qualifiedName() << " shares tab index " << c->tabIndex;
    }
    EXPECT_EQ(*taken.rbegin(), withTab - 1);
}

// A board drop marks every tile from the first to the last, not only the one dropped.
TEST_F(BalanceBoardTest, BoardDropMarksAllTiles)
{
    for (int i : { 0, 65 }) {
        tile(i).left = 1000;
        tile(i).top = 4000;
    }
    tile(40).left = 8000;
    tile(40).top = 1000;
    drag(30, 200, 200, 6500, 1500);
    EXPECT_EQ(tile(0).appearance, 0);
    EXPECT_EQ(tile(65).appearance, 0);
    EXPECT_EQ(tile(40).appearance, 0);
    EXPECT_EQ(tile(30).appearance, 1);
    EXPECT_EQ(tile(30).left, 6300);
    EXPECT_EQ(tile(30).top, 1300);
}

// The regions are read from the shapes as they stand at every test, and a region's end is its Left
// plus its Width rounded to Single: 2^24 + 5 rounds to 2^24 + 4, which a corner there then fails.
TEST_F(BalanceBoardTest, MarkingReadsTheShapesAsTheyStand)
{
    Control& leftNegative = board.control("Shape2");
    leftNegative.left = 4000;
    markTile(board, 0); // at the x stack, now inside Shape2 across and down
    EXPECT_EQ(tile(0).appearance, 0);

    leftNegative.left = 16777216;
    leftNegative.width = 5;
    tile(1).left = 16777220;
    tile(1).top = 4000;
    markTile(board, 1);
    EXPECT_EQ(tile(1).appearance, 1);
    tile(1).left = 16777218;
    markTile(board, 1);
    EXPECT_EQ(tile(1).appearance, 0);

    // Shape4 gives the left "+" its vertical extent only; across, Shape2 still decides.
    board.control("Shape4").left = 9000;
    tile(2).left = 16777218;
    tile(2).top = 1000;
    tile(2).appearance = 0;
    markTile(board, 2);
    EXPECT_EQ(tile(2).appearance, 1);
}

} // namespace
} // namespace zelmora
