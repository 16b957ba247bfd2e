// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/session.hpp"
#include "program/tasks/goal_editor.hpp"
#include "program/window_changes.hpp"
#include "runtime/runtime_error.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

namespace zelmora {
namespace {

struct Heard final : SessionListener {
    std::vector<std::string> failures;
    std::vector<std::string> announcements;
    void programFailed(std::string const& message) override { failures.push_back(message); }
    void announce(Form const&, std::string const& text) override { announcements.push_back(text); }
};

struct SessionTest : ::testing::Test {
    HeadlessHost host;
    Heard heard;
    Session session { host, heard };

    // Brings out an x tile from Board 1's palette and returns it.
    Control& tileFromPalette(Form& board)
    {
        session.deliver([&](Application& app) {
            Control& palette = board.control("Command3");
            app.mouseDownOn(board, palette, 1, 1, MouseButton::Left);
            app.mouseUp(&board, palette.left + 1, palette.top + 1);
        });
        for (Control* tile : board.array("Command1"))
            if (tile && tile->visible && tile->index != 141)
                return *tile;
        throw std::logic_error("the palette brought out no tile");
    }
};

// The views repaint what the session names, so a window must be named whenever anything it shows
// changed, and only then.
TEST_F(SessionTest, NamesTheWindowsThatChangedAndNoOthers)
{
    session.start();
    EXPECT_EQ(session.takeChangedWindows(), std::vector<std::string> { "frmZelmora" });
    session.deliver([](Application& app) { app.show("frmZelmora1"); });
    EXPECT_EQ(session.takeChangedWindows(), std::vector<std::string> { "frmZelmora1" });

    Form& board = *session.window("frmZelmora1");
    Control& tile = tileFromPalette(board);
    EXPECT_EQ(session.takeChangedWindows(), std::vector<std::string> { "frmZelmora1" });

    // The drag's outline follows the pointer although no control has moved yet.
    session.deliver([&](Application& app) { app.mouseDownOn(board, tile, 10, 10, MouseButton::Left); });
    session.takeChangedWindows();
    session.deliver([&](Application& app) { app.mouseMove(board, 4000, 3000); });
    EXPECT_EQ(session.takeChangedWindows(), std::vector<std::string> { "frmZelmora1" });
    session.deliver([&](Application& app) { app.mouseMove(board, 4000, 3000); });
    EXPECT_TRUE(session.takeChangedWindows().empty()) << "a move to where the pointer already was";

    session.deliver([&](Application& app) { app.mouseUp(&board, 4000, 3000); });
    EXPECT_EQ(session.takeChangedWindows(), std::vector<std::string> { "frmZelmora1" });
    ASSERT_EQ(heard.announcements.size(), 1u);

    // Undo changes nothing the controls hold that a fingerprint of the controls alone would miss:
    // what the bar offers changes too.
    session.deliver([&](Application& app) { app.undo(board); });
    EXPECT_EQ(session.takeChangedWindows(), std::vector<std::string> { "frmZelmora1" });
    session.noteChanged(board);
    EXPECT_EQ(session.takeChangedWindows(), std::vector<std::string> { "frmZelmora1" });
}

// A view that kept what it drew of a window draws only the drag while the window's look stays: the
// look leaves the drag's outline out, and takes in everything else the window shows.
TEST_F(SessionTest, AWindowsLookLeavesTheDragOutAndTakesTheRestIn)
{
    session.start();
    session.deliver([](Application& app) { app.show("frmZelmora1"); });
    Form& board = *session.window("frmZelmora1");
    Control& tile = tileFromPalette(board);
    Application& app = *session.application();

    session.deliver([&](Application& a) { a.mouseDownOn(board, tile, 10, 10, MouseButton::Left); });
    auto const pressed = lookOf(app, board);
    session.deliver([&](Application& a) { a.mouseMove(board, 4000, 3000); });
    session.deliver([&](Application& a) { a.mouseMove(board, 4500, 3300); });
    EXPECT_EQ(lookOf(app, board), pressed) << "only the drag's outline moved";

    session.deliver([&](Application& a) { a.mouseUp(&board, 4500, 3300); });
    auto const dropped = lookOf(app, board);
    EXPECT_NE(dropped, pressed) << "the tile moved";
    session.deliver([&](Application& a) { a.undo(board); });
    EXPECT_NE(lookOf(app, board), dropped);

    // Look properties that no input changes today are part of it all the same.
    auto const before = lookOf(app, board);
    tile.look.align = tile.look.align == TextAlign::Left ? TextAlign::Right : TextAlign::Left;
    EXPECT_NE(lookOf(app, board), before);
    tile.look.stretch = !tile.look.stretch;
    auto const stretched = lookOf(app, board);
    tile.look.stretch = !tile.look.stretch;
    EXPECT_NE(lookOf(app, board), stretched);
}

// An error inside the program ends it once, with its message; no input runs after it.
TEST_F(SessionTest, AnErrorEndsTheProgramAndNothingRunsAfterIt)
{
    session.start();
    EXPECT_TRUE(session.deliver([](Application&) { throw RuntimeError("Subscript out of range"); }));
    EXPECT_TRUE(session.failed());
    EXPECT_FALSE(session.running());
    EXPECT_EQ(session.failure(), "Subscript out of range");
    EXPECT_EQ(heard.failures, std::vector<std::string> { "Subscript out of range" });
    EXPECT_FALSE(session.application()->running());

    bool ran = false;
    EXPECT_FALSE(session.deliver([&](Application&) { ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_EQ(session.window("frmZelmora"), nullptr);
    EXPECT_FALSE(session.openSavedBoard("{}").loaded());
}

// A screen reader hears the task once it is set, each new hint, and the goal reached, with the drop
// that reached it; the goal editor says why a goal cannot be set, in the same words as the band.
TEST_F(SessionTest, ScreenReadersHearTheTaskAndItsFeedbackOnce)
{
    session.start();
    session.deliver([](Application& app) { app.show("frmZelmora5"); });
    Form& balance = *session.window("frmZelmora5");
    EXPECT_EQ(goalKindsFor(balance).size(), 1u);
    EXPECT_FALSE(previewGoal(balance, GoalKind::Factor, "x^2", "").settable);
    auto const preview = previewGoal(balance, GoalKind::Solve, "x+1=3", "");
    ASSERT_TRUE(preview.settable) << preview.text;

    ASSERT_TRUE(session.setGoal(balance, GoalKind::Solve, "x + 1 = 3").set);
    ASSERT_EQ(heard.announcements.size(), 1u);
    EXPECT_NE(heard.announcements[0].find(preview.text), std::string::npos) << heard.announcements[0];
    session.deliver([&](Application& app) { app.key(balance, Key::Tab); });
    EXPECT_EQ(heard.announcements.size(), 1u) << "nothing new to say: " << heard.announcements.back();

    // x = 2: an x in the left "+", two units in the right "+", each a press and a release as a view
    // delivers them.
    for (auto const& [tile, x, y] : { std::tuple { 0, 900, 1500 }, { 30, 7400, 1000 }, { 31, 7900, 1000 } }) {
        Control& c = balance.control("Command1", tile);
        session.deliver([&](Application& app) { app.mouseDownOn(balance, c, 0, 0, MouseButton::Left); });
        session.deliver([&, x = x, y = y](Application& app) {
            app.mouseMove(balance, Single(x), Single(y));
            app.mouseUp(&balance, Single(x), Single(y));
        });
    }
    ASSERT_EQ(heard.announcements.size(), 4u);
    std::string const hint = "ما تفعله بكفة افعله بالأخرى";
    EXPECT_NE(heard.announcements[1].find("، "), std::string::npos) << "the drop, then the hint";
    EXPECT_NE(heard.announcements[1].find(hint), std::string::npos) << heard.announcements[1];
    EXPECT_EQ(heard.announcements[2].find(hint), std::string::npos) << "the same hint again";
    EXPECT_NE(heard.announcements[3].find("، ✓ أحسنت"), std::string::npos) << heard.announcements[3];
}

} // namespace
} // namespace zelmora
