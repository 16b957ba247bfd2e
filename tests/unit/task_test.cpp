// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/tasks/task_file.hpp"
#include "program/tasks/tasks.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>

namespace zelmora {
namespace {

using nlohmann::json;

// A host that counts the goals reached, as a view would play its sound.
struct GoalHost final : HeadlessHost {
    int reached = 0;
    void goalReached(Form&) override { ++reached; }
};

// Board 4 with its own goal, and tiles moved on it by the mouse.
struct Balance {
    GoalHost host;
    Application app { host, &createWindow };
    Form& board = app.show("frmZelmora5");

    void drag(int tile, Single x, Single y)
    {
        Control& c = board.control("Command1", tile);
        app.mouseDownOn(board, c, 0, 0, MouseButton::Left);
        app.mouseMove(board, x, y);
        app.mouseUp(&board, x, y);
    }
    // x = 2: an x in the left "+", two units in the right "+".
    void solve()
    {
        drag(0, 900, 1500);
        drag(30, 7400, 1000);
        drag(31, 7900, 1000);
    }
};

TEST(Tasks, GoalReachedIsHeardOnceWhenAnActionFirstReachesIt)
{
    Balance b;
    ASSERT_TRUE(setGoal(b.board, GoalKind::Solve, "x + 1 = 3").set);
    b.solve();
    EXPECT_EQ(b.host.reached, 1);
    // Undo and redo are no actions; reaching it again is not the first time.
    b.app.undo(b.board);
    b.app.redo(b.board);
    b.drag(31, 5400, 1500);
    b.drag(31, 7900, 1000);
    EXPECT_TRUE(checkOf(b.board)->done);
    EXPECT_EQ(b.host.reached, 1);
    // A goal set on tiles that answer it already was not reached by the learner.
    ASSERT_TRUE(setGoal(b.board, GoalKind::Solve, "2x = 4").set);
    b.drag(32, 5400, 1500);
    EXPECT_EQ(b.host.reached, 1);
}

struct Damage {
    char const* what;
    std::function<void(json& task)> apply;
};

// A task file whose task is malformed in any way is refused whole: the window keeps its tiles,
// its goal and its steps.
TEST(Tasks, MalformedTaskRefusesTheWholeFile)
{
    Balance saved;
    ASSERT_TRUE(setGoal(saved.board, GoalKind::Solve, "x + 1 = 3", "ابدأ من اليسار").set);
    saved.drag(0, 900, 1500);
    saved.drag(30, 2400, 900);
    saved.drag(31, 7400, 1000);
    saved.drag(32, 7900, 1000);
    saved.drag(33, 8400, 1000);
    ASSERT_EQ(stepsOf(saved.board), std::vector<std::string> { "س + 1 = 3" });
    json const good = json::parse(saveTask(saved.board));

    Damage const damages[] = {
        { "unknown kind", [](json& t) { t["kind"] = "divide"; } },
        { "unreadable goal", [](json& t) { t["goal"] = "x +"; } },
        { "goal for another board", [](json& t) { t["kind"] = "factor"; } },
        { "fractional solution", [](json& t) { t["goal"] = "2س = 3"; } },
        { "prompt of two lines", [](json& t) { t["prompt"] = "a\nb"; } },
        { "prompt not text", [](json& t) { t["prompt"] = 3; } },
        { "step of another solution", [](json& t) { t["steps"].push_back("س = 3"); } },
        { "step not as the board writes it", [](json& t) { t["steps"].push_back("x=2"); } },
        { "step unreadable", [](json& t) { t["steps"].push_back("س ="); } },
        { "steps not a list", [](json& t) { t["steps"] = "س = 2"; } },
        { "missing member", [](json& t) { t.erase("prompt"); } },
        { "unknown member", [](json& t) { t["hint"] = ""; } },
        { "task not an object", [](json& t) { t = json::array(); } },
    };
    for (auto const& damage : damages) {
        Balance b;
        ASSERT_TRUE(setGoal(b.board, GoalKind::Solve, "2x = 4").set);
        b.drag(0, 900, 1500);
        b.drag(1, 900, 2100);
        b.drag(30, 7400, 1000);
        b.drag(31, 7900, 1000);
        b.drag(32, 8400, 1000);
        b.drag(33, 8900, 1000);
        FormSnapshot const before = b.board.snapshot();
        json file = good;
        damage.apply(file["task"]);
        EXPECT_FALSE(loadTask(b.app, b.board, file.dump()).loaded()) << damage.what;
        EXPECT_EQ(b.board.snapshot(), before) << damage.what;
        EXPECT_EQ(goalText(*goalOf(b.board)), "2س = 4") << damage.what;
        EXPECT_EQ(stepsOf(b.board), std::vector<std::string> { "2س = 4" }) << damage.what;
    }

    // The undamaged file opens with its tiles, goal, prompt and steps.
    Balance b;
    ASSERT_TRUE(loadTask(b.app, b.board, good.dump()).loaded());
    EXPECT_EQ(goalText(*goalOf(b.board)), "س + 1 = 3");
    EXPECT_EQ(promptOf(b.board), "ابدأ من اليسار");
    EXPECT_EQ(stepsOf(b.board), std::vector<std::string> { "س + 1 = 3" });
    EXPECT_EQ(b.board.snapshot().controls, saved.board.snapshot().controls);
}

// A view that loads boards without knowing tasks must not drop a task without a word.
TEST(Tasks, BoardLoaderWithoutTasksRefusesATaskFile)
{
    Balance saved;
    ASSERT_TRUE(setGoal(saved.board, GoalKind::Solve, "x = 2").set);
    Balance b;
    EXPECT_EQ(loadBoard(b.app, b.board, saveTask(saved.board)).refusal, Refusal::Damaged);
    EXPECT_FALSE(goalOf(b.board));
}

// A prompt must be kept by files and links, which are UTF-8: one that is not (a script's bytes, a
// browser's half surrogate pair) is refused, and the board keeps its goal and saves as ever.
TEST(Tasks, APromptThatIsNoUtf8IsRefused)
{
    Balance b;
    ASSERT_TRUE(setGoal(b.board, GoalKind::Solve, "x + 1 = 3", "زِن الكفتين").set);
    for (std::string const prompt : { "ab\xff", "\xed\xa0\x80", "\xd8" }) {
        GoalSetting const refused = setGoal(b.board, GoalKind::Solve, "x + 1 = 3", prompt);
        EXPECT_FALSE(refused.set);
        EXPECT_FALSE(refused.problem.empty());
    }
    EXPECT_EQ(promptOf(b.board), "زِن الكفتين");
    EXPECT_EQ(json::parse(saveTask(b.board)).at("task").at("prompt"), "زِن الكفتين");
}

} // namespace
} // namespace zelmora
