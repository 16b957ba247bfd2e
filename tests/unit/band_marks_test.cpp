// SPDX-License-Identifier: GPL-3.0-or-later
// What the core tells the views about drawing a board for a room: the band's equations with their
// sides apart, a tile's exponent, which tiles count negative, and how a region's sign is drawn.
#include "boards/balance/balance_algebra.hpp"
#include "boards/signed_area/signed_area_algebra.hpp"
#include "boards/signed_area/signed_area_board.hpp"
#include "program/algebra_band.hpp"
#include "program/caption_exponent.hpp"
#include "program/tile_signs.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelmora {
namespace {

std::vector<std::string> pieces(BandRow const& row)
{
    std::vector<std::string> all = row.sides->left;
    all.push_back(row.sides->relation);
    all.push_back(row.sides->right);
    return all;
}

// The rows join into the band's text unchanged; an equation's row names its sides, the left
// pan's (or the factors, the first leftmost) apart from the right's.
TEST(BandRows, EquationsKeepTheirSidesApartAndTheirText)
{
    BoardAlgebra const balance { { { "left", "2س + 3" }, { "right", "7" } }, std::nullopt };
    auto const rows = algebraBandRows(balance);
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_TRUE(rows[0].sides);
    EXPECT_EQ(pieces(rows[0]), (std::vector<std::string> { "2س + 3", "=", "7" }));
    EXPECT_EQ(joinedBandText(rows), "2س + 3 = 7");

    BoardAlgebra const area { { { "height", "س + 1" }, { "width", "2س + 3" },
                                  { "product", "(س + 1)(2س + 3) = 2س² + 5س + 3" }, { "inside", "2س² + 5س + 3" } },
        true };
    auto const areaRows = algebraBandRows(area);
    ASSERT_EQ(areaRows.size(), 2u);
    ASSERT_TRUE(areaRows[0].sides);
    EXPECT_EQ(pieces(areaRows[0]), (std::vector<std::string> { "(س + 1)", "(2س + 3)", "=", "2س² + 5س + 3" }));
    EXPECT_FALSE(areaRows[1].sides);
    EXPECT_EQ(joinedBandText(areaRows), algebraBandText(area));

    BoardAlgebra const signedArea {
        { { "vertical", "-ص" }, { "horizontal", "-1" }, { "product", "(-ص)(-1) = ص" }, { "inside", "0" } }, false
    };
    auto const shown = bandRowsAsShown(algebraBandRows(signedArea));
    EXPECT_EQ(pieces(shown[0]),
        (std::vector<std::string> { "(\u2212ص)",
            "(\u2212"
            "1)",
            "=", "ص" }));
    EXPECT_EQ("\u200f" + joinedBandText(shown), bandTextAsShown(algebraBandText(signedArea)));

    // Board 3's band has no equation: its rows are words alone.
    BoardAlgebra const addSub { { { "positive", "2س" }, { "negative", "3" }, { "total", "2س - 3" } }, std::nullopt };
    for (BandRow const& row : algebraBandRows(addSub))
        EXPECT_FALSE(row.sides);
}

TEST(CaptionExponent, OnlyATwoRightAfterALetterIsRaised)
{
    EXPECT_EQ(splitCaptionExponent("س2").base, "س");
    EXPECT_EQ(splitCaptionExponent("س2").exponent, "2");
    EXPECT_EQ(splitCaptionExponent("ص2").exponent, "2");
    for (char const* plain : { "س", "س ص", "5", "1", "12", "لوحة 2", "", "2", "x2",
             "\u0662"
             "2" })
        EXPECT_EQ(splitCaptionExponent(plain).exponent, "") << plain;
    EXPECT_EQ(splitCaptionExponent("س ص").base, "س ص");
    // A negative tile is drawn with the band's minus before its letter, the exponent still apart.
    EXPECT_EQ(splitCaptionExponent("س2", true).base, "\u2212س");
    EXPECT_EQ(splitCaptionExponent("س2", true).exponent, "2");
    EXPECT_EQ(splitCaptionExponent("1", true).base,
        "\u2212"
        "1");
}

class TileSignsTest : public ::testing::Test {
protected:
    HeadlessHost host;
    Application app { host, &createWindow };

    void drag(Form& board, int i, Single x, Single y)
    {
        Control& tile = board.control("Command1", i);
        app.mouseDownOn(board, tile, 10, 10, MouseButton::Left);
        app.mouseMove(board, x, y);
        app.mouseUp(&board, x, y);
    }
    static bool marked(Form const& board, int i)
    {
        return std::ranges::count(negativeTiles(board), &board.control("Command1", i)) > 0;
    }
};

TEST_F(TileSignsTest, TilesInTheGreyRegionsAreMarkedNegative)
{
    Form& balance = app.show("frmZelmora5");
    drag(balance, 30, 2400, 900);  // a unit in the left pan's white region
    drag(balance, 31, 2400, 4600); // and one in its grey region
    drag(balance, 32, 8000, 4600); // and one in the right pan's grey region
    BalanceAlgebra const pans = describeBalance(static_cast<TileBoard const&>(balance));
    ASSERT_EQ(toText(pans.left), "0");
    ASSERT_EQ(toText(pans.right), "-1");
    EXPECT_FALSE(marked(balance, 30));
    EXPECT_TRUE(marked(balance, 31));
    EXPECT_TRUE(marked(balance, 32));
    EXPECT_EQ(negativeTiles(balance).size(), 2u);

    Form& signedArea = app.show("frmZelmora2");
    // Laid straight where they lie: the palette hides its tiles until it gives one.
    auto const lay = [&](int i, Single x, Single y) {
        Control& tile = signedArea.control("Command1", i);
        tile.visible = true;
        tile.left = x;
        tile.top = y;
    };
    lay(111, 2000, 1500); // the grey upper left quadrant
    lay(112, 8000, 1500); // the white upper right
    lay(113, 8000, 6500); // the grey lower right
    ASSERT_EQ(toText(describeSignedArea(static_cast<TileBoard const&>(signedArea)).inside), "-1");
    EXPECT_TRUE(marked(signedArea, 111));
    EXPECT_FALSE(marked(signedArea, 112));
    EXPECT_TRUE(marked(signedArea, 113));

    // Board 1 has no negative place.
    EXPECT_TRUE(negativeTiles(app.show("frmZelmora1")).empty());
}

TEST_F(TileSignsTest, RegionSignsAreLargeBoldAndDark)
{
    Form& balance = app.show("frmZelmora5");
    auto const minus = regionSign(balance.control("Label2", 2));
    ASSERT_TRUE(minus);
    EXPECT_EQ(minus->text, "\u2212");
    EXPECT_TRUE(minus->font.bold);
    EXPECT_GE(minus->font.pointSize, 24.0f);
    EXPECT_LT(int(minus->ink.r) + minus->ink.g + minus->ink.b, 3 * 0x40);

    Form& signedArea = app.show("frmZelmora2");
    auto const plus = regionSign(signedArea.control("Label2", 2)); // 18 points in the design
    ASSERT_TRUE(plus);
    EXPECT_EQ(plus->text, "+");
    EXPECT_GE(plus->font.pointSize, 24.0f);
    EXPECT_TRUE(plus->font.bold);
    EXPECT_EQ(plus->font.family, minus->font.family) << "both signs in one face, of one weight";
    EXPECT_FALSE(regionSign(signedArea.control("Label1")));
}

} // namespace
} // namespace zelmora
