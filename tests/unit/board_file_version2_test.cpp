// SPDX-License-Identifier: GPL-3.0-or-later
// Version 2 files keep only what a learner changes. Whatever a learner can make must come back
// exactly from them, and files of version 1 must still open.
#include "program/board_file/board_file.hpp"
#include "program/windows.hpp"
#include "random_actions.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace zelmora {
namespace {

// The file loaded into the same board, freshly opened in a program of its own.
void expectComesBackExactly(Form const& board, std::string const& file, std::string const& step)
{
    HeadlessHost host;
    Application app { host, &createWindow };
    Form& fresh = app.show(board.name());
    LoadResult const loaded = loadBoard(app, fresh, file);
    ASSERT_TRUE(loaded.loaded()) << board.name() << " after " << step << ": " << loaded.detail;
    ASSERT_TRUE(fresh.snapshot() == board.snapshot()) << board.name() << " differs after " << step;
}

class LearnersBoardsComeBack : public ::testing::TestWithParam<char const*> { };

TEST_P(LearnersBoardsComeBack, FromEveryStateARandomLearnerReaches)
{
    int actions = 0;
    for (unsigned seed : { 7u, 8u, 9u, 20261210u })
        testing::runRandomActions(
            { .window = GetParam(), .seed = seed, .actions = 1200 }, [&](Form& board, std::string const& step) {
                if (++actions % 15 == 0)
                    expectComesBackExactly(board, saveBoard(board), step);
            });
}

INSTANTIATE_TEST_SUITE_P(
    Boards, LearnersBoardsComeBack, ::testing::Values("frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5"));

// Files saved by the first version, which kept every control of the window, open as they did and
// come back exactly from the file saved now.
TEST(BoardFileVersionOne, StillOpensAndSavesAsVersionTwo)
{
    for (auto const* name : { "board1-version1", "board2-version1", "board4-version1" }) {
        std::ifstream in(std::string(ZELMORA_TEST_FIXTURES) + "/" + name + ".zelmora");
        std::string const file(std::istreambuf_iterator<char>(in), {});
        auto const board = boardNamedIn(file);
        ASSERT_TRUE(board) << name;
        HeadlessHost host;
        Application app { host, &createWindow };
        Form& form = app.show(*board);
        FormSnapshot const fresh = form.snapshot();
        LoadResult const loaded = loadBoard(app, form, file);
        ASSERT_TRUE(loaded.loaded()) << name << ": " << loaded.detail;
        EXPECT_FALSE(form.snapshot() == fresh) << name << " changed nothing";
        std::string const saved = saveBoard(form);
        EXPECT_NE(saved.find("\"version\": 2"), std::string::npos) << name;
        EXPECT_LT(saved.size(), file.size()) << name;
        expectComesBackExactly(form, saved, name);
    }
}

} // namespace
} // namespace zelmora
