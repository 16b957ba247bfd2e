// SPDX-License-Identifier: GPL-3.0-or-later
// A shared link must fit a QR code a class can scan from the board: 1,200 characters, site and
// all. Forty tiles where a learner's pointer leaves them on the desktop (any Single, which the
// link writes in full), a goal and the longest Arabic prompt the band shows must fit on every
// board, the balance with its tab order after forty presses and its steps.
#include "boards/common/tile_pool.hpp"
#include "program/links/share_link.hpp"
#include "scripted_session.hpp"

#include <gtest/gtest.h>

#include <random>

namespace zelmora {
namespace {

using testing::ScriptedSession;
using testing::scriptNumber;

constexpr int tilesOut = 40;

// The longest goal of those a class meets that the board takes.
char const* goalFor(std::string const& window)
{
    if (window == "frmZelmora5")
        return "solve x + 1 = 3";
    if (window == "frmZelmora4")
        return "simplify (2x^2+3x-1)+(x^2-2x+4)";
    if (window == "frmZelmora2")
        return "multiply (2x+3)(x-2)";
    return "multiply (2x+3)(x+2)";
}

std::string longestArabicPrompt()
{
    std::string prompt;
    while (prompt.size() + 38 <= 500)
        prompt += "ابنِ المستطيل واقرأ الناتج ";
    return prompt;
}

// The tiles brought out of the palette, or on the balance taken from its stock, in the order
// they came.
std::vector<int> fortyTiles(ScriptedSession& session, std::string const& window, std::mt19937& random)
{
    TileBoard& board = session.board(window);
    std::vector<int> tiles;
    if (!board.traits().hasPalette) {
        for (int i = 0; i < board.traits().tileCount; ++i)
            tiles.push_back(i);
        std::shuffle(tiles.begin(), tiles.end(), random);
        tiles.resize(tilesOut);
        return tiles;
    }
    while (tiles.size() < tilesOut) {
        std::vector<bool> wasOut;
        for (int i = 0; i < board.traits().tileCount; ++i)
            wasOut.push_back(board.tile(i).visible);
        session.run("click " + window + " " + std::string(paletteButtons[random() % paletteButtons.size()].name));
        for (int i = 0; i < board.traits().tileCount; ++i)
            if (board.tile(i).visible && !wasOut[i])
                tiles.push_back(i);
    }
    return tiles;
}

// The balance's goal solved in two steps, which the link carries with the goal.
void solveOnTheBalance(ScriptedSession& session)
{
    for (auto const* drag : { "Command1(0) 0 0 900 1500", "Command1(30) 0 0 2400 900", "Command1(33) 0 0 7400 1000",
             "Command1(34) 0 0 7900 1000", "Command1(35) 0 0 8400 1000", "Command1(30) 200 200 6000 2500",
             "Command1(33) 200 200 6000 2500" })
        session.run(std::string("drag frmZelmora5 ") + drag);
    ASSERT_EQ(
        session.run("print frmZelmora5 steps"), "frmZelmora5.step 1=\"س + 1 = 3\"\nfrmZelmora5.step 2=\"س = 2\"\n");
}

std::size_t linkLength(ScriptedSession& session, std::string const& window)
{
    std::string const line = session.run("print " + window + " link-length");
    return std::stoul(line.substr(line.find('=') + 1));
}

class SharedBoardsFitAQrCode : public ::testing::TestWithParam<char const*> { };

TEST_P(SharedBoardsFitAQrCode, WithFortyTilesAnywhereAGoalAndAPrompt)
{
    std::string const window = GetParam();
    std::mt19937 random(20261210);
    std::size_t longest = 0;
    for (int layout = 0; layout < 40; ++layout) {
        ScriptedSession session;
        session.run("start");
        session.run("open " + window);
        ASSERT_EQ(session.run("goal " + window + " " + goalFor(window)), "");
        ASSERT_EQ(session.run("prompt " + window + " " + longestArabicPrompt()), "");
        if (window == "frmZelmora5")
            solveOnTheBalance(session);
        Single const width = session.board(window).window().clientWidth;
        Single const height = session.board(window).window().clientHeight;
        for (int tile : fortyTiles(session, window, random)) {
            Single const x = std::uniform_real_distribution<Single>(0, width - 900)(random);
            Single const y = std::uniform_real_distribution<Single>(0, height - 700)(random);
            session.run("drag " + window + " Command1(" + std::to_string(tile) + ") 0 0 " + scriptNumber(x) + " "
                + scriptNumber(y));
        }
        std::size_t const length = linkLength(session, window);
        longest = std::max(longest, length);
        ASSERT_LE(length, shareLinkQrCodeLimit) << "layout " << layout << ":\n" << session.script();
    }
    RecordProperty("longest_link", static_cast<int>(longest));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, SharedBoardsFitAQrCode, ::testing::Values("frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5"));

} // namespace
} // namespace zelmora
