// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/board_file/board_file.hpp"
#include "program/open_saved_board.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

// Board 3 with an x tile brought out and dragged onto the positive half, saved.
std::string savedAddSubBoard()
{
    HeadlessHost host;
    Application app { host, &createWindow };
    Form& board = app.show("frmZelmora4");
    Control& palette = board.control("Command3");
    app.mouseDownOn(board, palette, 1, 1, MouseButton::Left);
    app.mouseUp(&board, palette.left + 1, palette.top + 1);
    Control& tile = board.control("Command1", 21);
    app.mouseDownOn(board, tile, 0, 0, MouseButton::Left);
    app.mouseMove(board, 3000, 2000);
    app.mouseUp(&board, 3000, 2000);
    return saveBoard(board);
}

// A file opened from the file manager opens the board it names, loaded, as one action; a refused
// file leaves no board behind that was not open before, and an open board as it was.
TEST(OpenSavedBoard, OpensTheBoardItNamesOrLeavesEveryWindowAsItWas)
{
    std::string const file = savedAddSubBoard();
    HeadlessHost host;
    Application app { host, &createWindow };
    app.show("frmZelmora");

    ASSERT_TRUE(openSavedBoard(app, file).loaded());
    Form* board = app.window("frmZelmora4");
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(app.windowsFrontToBack().front(), board);
    EXPECT_EQ(board->control("Command1", 21).left, 3000);
    EXPECT_TRUE(app.undo(*board));
    EXPECT_FALSE(board->control("Command1", 21).visible);

    app.unload(*board);
    std::string damaged = file;
    damaged.replace(damaged.find("\"controls\""), 10, "\"kontrols\"");
    auto const refused = openSavedBoard(app, damaged);
    EXPECT_EQ(refused.refusal, Refusal::Damaged);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_EQ(app.window("frmZelmora4"), nullptr) << "the board opened for a refused file is closed again";

    Form& open = app.show("frmZelmora4");
    auto const before = open.snapshot();
    // Behind the menu, the open board stays there when its file is refused.
    app.show("frmZelmora");
    auto const order = app.windowsFrontToBack();
    EXPECT_FALSE(openSavedBoard(app, damaged).loaded());
    ASSERT_EQ(app.window("frmZelmora4"), &open);
    EXPECT_TRUE(open.snapshot() == before);
    EXPECT_EQ(app.windowsFrontToBack(), order);

    for (std::string const notABoard : { "", "{}", "[1, 2]", R"({"format": "zelmora-board", "board": "frmZelmora"})",
             R"({"format": "zelmora-board", "board": "frmNowhere"})" }) {
        EXPECT_EQ(openSavedBoard(app, notABoard).refusal, Refusal::NotBoardFile) << notABoard;
        EXPECT_EQ(app.windowsFrontToBack().size(), 2u) << notABoard;
    }
}

} // namespace
} // namespace zelmora
