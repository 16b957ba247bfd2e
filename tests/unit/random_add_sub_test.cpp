// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_actions.hpp"

#include "boards/add_sub/add_sub_layout.hpp"
#include "boards/common/tile_board.hpp"
#include "boards/common/tile_pool.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zelmora {
namespace {

// What a check needs to remember of the board as the previous action left it.
struct Snapshot {
    std::array<bool, 141> visible {};
    std::array<Integer, 141> mark {};
    std::string focus;
    int beeps = 0;
};

// Board 3's invariants after every action: hidden tiles at home, marks 0 or 1, the bar and every
// control but the tiles as designed, and one beep for every zero pair, a pair being two like
// tiles that vanish in one action that ends with the focus on Command9 (Clear leaves it on
// Command15, the bin hides one tile, a new opening hides all and focuses the bar).
class AddSubInvariants {
public:
    AddSubInvariants()
    {
        for (auto const& c : addSubBoardLayout().controls)
            if (c.name != "Command1" || c.index == specialMember)
                m_design.push_back(c);
    }

    void operator()(Form& form, std::string const& step)
    {
        auto& board = dynamic_cast<TileBoard&>(form);
        Snapshot now;
        now.beeps = form.app().beeps();
        now.focus = form.focus() ? form.focus()->qualifiedName() : "none";
        testing::expectReserveAtHome(board, step);
        if (::testing::Test::HasFatalFailure())
            return;
        for (int i = 0; i <= 140; ++i) {
            Control const& t = board.tile(i);
            ASSERT_TRUE(t.appearance == 0 || t.appearance == 1) << step << ": tile " << i;
            now.visible[static_cast<std::size_t>(i)] = t.visible;
            now.mark[static_cast<std::size_t>(i)] = t.appearance;
        }
        for (Control const& design : m_design) {
            Control const& c = form.control(design.qualifiedName());
            ASSERT_EQ(c.left, design.left) << step << ": " << design.qualifiedName() << " moved";
            ASSERT_EQ(c.top, design.top) << step << ": " << design.qualifiedName() << " moved";
            ASSERT_EQ(c.width, design.width) << step << ": " << design.qualifiedName();
            ASSERT_EQ(c.height, design.height) << step << ": " << design.qualifiedName();
            ASSERT_EQ(c.visible, design.visible) << step << ": " << design.qualifiedName();
            ASSERT_EQ(c.caption, design.caption) << step << ": " << design.qualifiedName();
            ASSERT_EQ(c.appearance, design.appearance) << step << ": " << design.qualifiedName();
        }
        if (m_previous)
            checkZeroPairs(*m_previous, now, step);
        m_previous = now;
    }

    int pairs() const { return m_pairs; }

private:
    void checkZeroPairs(Snapshot const& before, Snapshot const& now, std::string const& step)
    {
        std::vector<int> vanished;
        for (int i = 0; i <= 140; ++i)
            if (before.visible[static_cast<std::size_t>(i)] && !now.visible[static_cast<std::size_t>(i)])
                vanished.push_back(i);
        bool const pair = vanished.size() == 2 && now.focus == "Command9"
            && kindOfMember(paletteBoardRuns, vanished[0]) == kindOfMember(paletteBoardRuns, vanished[1]);
        ASSERT_EQ(now.beeps - before.beeps, pair ? 1 : 0) << step << ": " << vanished.size() << " tiles vanished";
        if (!pair)
            return;
        ++m_pairs;
        // The marks compared are those from before the drop, unless the target held the focus and
        // its pass ran when the dragged tile was pressed.
        std::string const first = "Command1(" + std::to_string(vanished[0]) + ")";
        std::string const second = "Command1(" + std::to_string(vanished[1]) + ")";
        if (before.focus != first && before.focus != second) {
            EXPECT_NE(
                before.mark[static_cast<std::size_t>(vanished[0])], before.mark[static_cast<std::size_t>(vanished[1])])
                << step << ": a pair of like marks vanished";
        }
    }

    std::vector<Control> m_design;
    std::optional<Snapshot> m_previous;
    int m_pairs = 0;
};

class RandomLearnerOnAddSubBoard : public ::testing::TestWithParam<unsigned> { };

TEST_P(RandomLearnerOnAddSubBoard, KeepsHomesMarksBarAndOneBeepPerZeroPair)
{
    AddSubInvariants invariants;
    testing::runRandomActions({ .window = "frmZelmora4", .seed = GetParam(), .actions = 3000 },
        [&](Form& form, std::string const& step) { invariants(form, step); });
    RecordProperty("zeroPairs", invariants.pairs());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomLearnerOnAddSubBoard, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 20261209u));

} // namespace
} // namespace zelmora
