// SPDX-License-Identifier: GPL-3.0-or-later
#include "boards/common/tile_board.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>

#include <random>

namespace zelmora {
namespace {

// Seeded random drags of visible tiles on Board 3, where pairs beep and vanish and tiles are
// pulled against each other: undo walks back through every state the actions passed, redo
// forward again, and neither sounds nor changes anything else.
TEST(History, UndoAndRedoWalkBackAndForthThroughEveryAction)
{
    HeadlessHost host;
    Application app { host, &createWindow };
    Form& board = app.show("frmZelmora4");
    auto& tiles = dynamic_cast<TileBoard&>(board);
    std::mt19937 random(11);
    std::vector<FormSnapshot> states { board.snapshot() };
    while (states.size() < 151) {
        board.press(board.control("Command" + std::to_string(2 + random() % 7)));
        states.back() = board.snapshot(); // the palette pressed directly is no learner action
        Control& t = tiles.tile(static_cast<int>(random() % 141));
        if (!t.visible)
            continue;
        app.mouseDownOn(board, t, 50, 50, MouseButton::Left);
        Single const x = Single(random() % 10000), y = Single(random() % 8000);
        app.mouseMove(board, x, y);
        app.mouseUp(&board, x, y);
        if (!(board.snapshot() == states.back()))
            states.push_back(board.snapshot());
    }
    int const beeps = app.beeps();
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(app.undo(board)) << i;
        ASSERT_TRUE(board.snapshot() == states[i - 1]) << "undo to state " << i - 1;
    }
    EXPECT_FALSE(app.canUndo(board));
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(app.redo(board)) << i;
        ASSERT_TRUE(board.snapshot() == states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(app.redo(board));
    EXPECT_EQ(app.beeps(), beeps);
}

// The oldest actions are forgotten beyond the history's depth; a key is one action, and undo
// does nothing while an action (a press, or a view's own bracket) is under way.
TEST(History, KeepsTwoHundredActionsAndWaitsForTheActionToEnd)
{
    HeadlessHost host;
    Application app { host, &createWindow };
    Form& board = app.show("frmZelmora5");
    for (int i = 0; i < 230; ++i)
        app.key(board, Key::Tab);
    int undone = 0;
    while (app.undo(board))
        ++undone;
    EXPECT_EQ(undone, 200);

    app.redo(board);
    app.beginAction();
    EXPECT_FALSE(app.canUndo(board));
    EXPECT_FALSE(app.undo(board));
    app.key(board, Key::Tab);
    app.key(board, Key::Tab);
    app.endAction();
    // The two keys inside the bracket are one action, and it discarded the rest of the redo list.
    Control const* const focus = board.focus();
    EXPECT_FALSE(app.canRedo(board));
    app.undo(board);
    app.key(board, Key::Tab);
    app.key(board, Key::Tab);
    EXPECT_EQ(board.focus(), focus);
}

} // namespace
} // namespace zelmora
