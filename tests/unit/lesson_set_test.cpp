// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in lesson table as the views list it, and which lesson a board holds.
#include "program/lessons/lesson_set.hpp"
#include "program/session.hpp"
#include "program/tasks/tasks.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace zelmora;

namespace {

std::string shippedTable()
{
    std::ifstream in(ZELMORA_SOURCE_DIR "/lessons/lessons.json", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(LessonSet, ReadsTheShippedTableInOrderAndGroupsItFromTheAskingBoard)
{
    LessonSet const set = readLessonSet(shippedTable());
    ASSERT_TRUE(set.read()) << set.problem;
    ASSERT_EQ(set.boards.size(), 4u);
    EXPECT_EQ(set.boards[0].window, "frmZelmora1");
    EXPECT_EQ(set.boards[0].name, "اللوحة الأولى: نموذج المساحة للضرب");
    EXPECT_EQ(set.boards[0].lessons.front().id, "b1-01");
    EXPECT_EQ(set.boards[0].lessons.front().title, "ضلع من قطعة س");
    EXPECT_EQ(set.boards[3].window, "frmZelmora5");
    EXPECT_EQ(set.boards[3].lessons.back().id, "b4-08");

    auto const groups = lessonGroupsFrom(set, "frmZelmora4");
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0]->window, "frmZelmora4");
    EXPECT_EQ(groups[1]->window, "frmZelmora1");
    EXPECT_EQ(groups[3]->window, "frmZelmora5");

    ASSERT_NE(lessonInGuide(set, "board1", "b1-03"), nullptr);
    EXPECT_EQ(lessonInGuide(set, "board2", "b1-03"), nullptr); // a mark in another board's section
    EXPECT_EQ(lessonInGuide(set, "board1", "b9-99"), nullptr);
}

TEST(LessonSet, RefusesAMalformedTableWhole)
{
    auto const refused = [](std::string_view json) {
        LessonSet const set = readLessonSet(json);
        return !set.read() && set.boards.empty();
    };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused("{\"boards\": [")); // cut short
    EXPECT_TRUE(refused("[]"));
    EXPECT_TRUE(refused(R"({"boards": [{"window": "frmZelmora", "lessons": []}]})")); // the menu, no board
    EXPECT_TRUE(refused(R"({"boards": [{"window": "frmZelmora1", "lessons": []},
        {"window": "frmZelmora1", "lessons": []}]})"));
    EXPECT_TRUE(refused(R"({"boards": [{"window": "frmZelmora1", "lessons": [{"id": "../b1", "title": "t"}]}]})"));
    EXPECT_TRUE(refused(R"({"boards": [{"window": "frmZelmora1", "lessons": [{"id": "a", "title": "t"},
        {"id": "a", "title": "u"}]}]})"));
    EXPECT_TRUE(refused(R"({"boards": [{"window": "frmZelmora1", "lessons": [{"id": "a", "title": " "}]}]})"));
    EXPECT_TRUE(refused(R"({"boards": [{"window": "frmZelmora1", "lessons": [{"id": 7, "title": "t"}]}]})"));
    EXPECT_FALSE(refused(R"({"boards": [{"window": "frmZelmora2", "lessons": [{"id": "a", "title": "t"}]}]})"));
}

// A board holds its lesson while it keeps the lesson's goal; the teacher's own goal ends that.
TEST(LessonSet, ABoardHoldsItsLessonOnlyWithTheLessonsGoal)
{
    struct Quiet final : SessionListener {
        void programFailed(std::string const&) override { }
        void announce(Form const&, std::string const&) override { }
    } quiet;
    HeadlessHost host;
    Session session(host, quiet);
    session.start();
    std::ifstream in(ZELMORA_SOURCE_DIR "/lessons/b1-03.zelmora", std::ios::binary);
    std::string const file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_TRUE(session.openSavedBoard(file).loaded());
    Form& board = *session.window("frmZelmora1");

    HeldLessons held;
    EXPECT_EQ(held.lessonOf(board), "");
    held.opened(board, "b1-03");
    EXPECT_EQ(held.lessonOf(board), "b1-03");
    ASSERT_TRUE(session.setGoal(board, GoalKind::Multiply, "(x+1)(x+1)").set);
    EXPECT_EQ(held.lessonOf(board), "");
}
