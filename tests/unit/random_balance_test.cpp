// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_actions.hpp"

#include "boards/common/tile_board.hpp"
#include "boards/common/tile_pool.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <vector>

namespace zelmora {
namespace {

struct Spot {
    Single left;
    Single top;
};

// The stock as designed: one home spot per kind.
Spot designHome(TileKind kind)
{
    switch (kind) {
    case TileKind::X:
        return { 4920, 4800 };
    case TileKind::Y:
        return { 5160, 4320 };
    case TileKind::One:
        return { 5400, 3840 };
    default:
        return { 4620, 5220 };
    }
}

Single designWidth(TileKind kind)
{
    switch (kind) {
    case TileKind::X:
        return 1385;
    case TileKind::Y:
        return 900;
    case TileKind::One:
        return 400;
    default:
        return 2000;
    }
}

// The mark that the region holding the corner gives, from the pans as laid out; none in the band,
// on the frames, between the pans or outside them.
std::optional<Integer> regionMark(Single left, Single top)
{
    bool const upper = 420 < top && top < 2955;
    bool const lower = 3120 < top && top < 5655;
    if (300 < left && left < 4200)
        return lower ? std::optional<Integer>(0) : upper ? std::optional<Integer>(1) : std::nullopt;
    if (7020 < left && left < 10920)
        return upper ? std::optional<Integer>(0) : lower ? std::optional<Integer>(1) : std::nullopt;
    return std::nullopt;
}

// Where the action described by the step let go of the button, in window twips, when it did so
// inside the window; a click lets go in the middle of the control it pressed.
std::optional<Spot> releasePoint(Form& form, std::string const& step, std::vector<Spot> const& tilesBefore)
{
    std::string text = step.substr(step.find(": ") + 2);
    if (auto const closed = text.find(';'); closed != std::string::npos)
        text.erase(closed);
    if (text.find("outside") != std::string::npos)
        return std::nullopt;
    for (std::string const lead : { " to ", "up " }) {
        if (auto const at = text.rfind(lead); at != std::string::npos && (lead != "up " || at == 0)) {
            std::istringstream in(text.substr(at + lead.size()));
            Spot p {};
            if (in >> p.left >> p.top)
                return p;
        }
    }
    if (text.starts_with("click ")) {
        Control* c = form.findControl(text.substr(6));
        if (!c)
            return std::nullopt;
        Spot corner { c->left, c->top };
        if (c->name == "Command1")
            corner = tilesBefore[static_cast<std::size_t>(c->index)];
        return Spot { corner.left + c->width / 2, corner.top + c->height / 2 };
    }
    return std::nullopt;
}

// What the board looked like after the previous action, to tell which tiles the last one sent home.
struct BalanceWatch {
    Form const* form = nullptr;
    int beeps = 0;
    std::string binPicture;
    std::string focus;
    std::vector<Spot> tiles;

    // The tile that took the drop at that point, as the tiles stood before the action.
    int dropTarget(Form& form, Spot p) const
    {
        for (Control* c : form.paintOrderFrontToBack()) {
            if (!c->visible || !c->takesDrops())
                continue;
            Spot const corner
                = c->name == "Command1" ? tiles[static_cast<std::size_t>(c->index)] : Spot { c->left, c->top };
            if (p.left >= corner.left && p.left < corner.left + c->width && p.top >= corner.top
                && p.top < corner.top + c->height)
                return c->name == "Command1" ? c->index : -1;
        }
        return -1;
    }

    void check(Form& form, std::string const& step)
    {
        auto& board = dynamic_cast<TileBoard&>(form);
        bool const sameWindow = &form == this->form;
        ASSERT_EQ(board.array("Command1").size(), 66u) << step;

        auto atHome = [&](int i) {
            Control const& t = board.tile(i);
            return t.left == board.homeLeft(i) && t.top == board.homeTop(i);
        };
        for (int i = 0; i < 66; ++i) {
            Control const& t = board.tile(i);
            TileKind const kind = *kindOfMember(balanceRuns, i);
            ASSERT_TRUE(t.visible) << step << ": tile " << i << " is hidden";
            ASSERT_EQ(t.caption, captionOf(kind)) << step << ": tile " << i;
            ASSERT_EQ(t.width, designWidth(kind)) << step << ": tile " << i;
            ASSERT_EQ(t.height, 400) << step << ": tile " << i;
            ASSERT_TRUE(t.appearance == 0 || t.appearance == 1) << step << ": tile " << i;
            ASSERT_EQ(board.homeLeft(i), designHome(kind).left) << step;
            ASSERT_EQ(board.homeTop(i), designHome(kind).top) << step;
            // A tile is marked whenever it moves on the board or loses the focus; only the tile that
            // holds the focus may still carry the mark of where it was before a drop on a tile.
            if (&t != form.focus()) {
                if (auto const mark = regionMark(t.left, t.top)) {
                    ASSERT_EQ(t.appearance, *mark) << step << ": tile " << i << " at " << t.left << ", " << t.top;
                }
            }
        }

        int const beeps = form.app().beeps();
        std::string const bin = form.control("Image2").picture;
        ASSERT_TRUE(bin == "bin-empty" || bin == "bin-full") << step;
        if (sameWindow) {
            int const dragged = board.dragIndex();
            if (beeps != this->beeps) {
                // A cancelled pair: the dragged tile and a like one, both on their stack.
                ASSERT_EQ(beeps, this->beeps + 1) << step;
                ASSERT_TRUE(atHome(dragged)) << step << ": cancelled tile " << dragged << " is off its home";
                auto const release = releasePoint(form, step, tiles);
                ASSERT_TRUE(release) << step << ": a beep without a drop";
                int const target = dropTarget(form, *release);
                ASSERT_GE(target, 0) << step << ": a beep without a drop on a tile";
                ASSERT_NE(target, dragged) << step;
                ASSERT_EQ(board.tile(target).caption, board.tile(dragged).caption) << step;
                ASSERT_NE(board.tile(target).appearance, board.tile(dragged).appearance) << step;
                ASSERT_TRUE(atHome(target)) << step << ": cancelled tile " << target << " is off its home";
            }
            if (this->binPicture == "bin-full" && bin == "bin-empty") {
                ASSERT_TRUE(atHome(dragged)) << step << ": tile " << dragged << " went into the bin";
            }
            bool const clicked = step.find("click Command15") != std::string::npos;
            bool const keyed = focus == "Command15"
                && (step.ends_with("key " + std::to_string(static_cast<int>(Key::Space)))
                    || step.ends_with("key " + std::to_string(static_cast<int>(Key::Enter))));
            if (clicked || keyed) {
                for (int i = 0; i < 66; ++i)
                    ASSERT_TRUE(atHome(i)) << step << ": Clear left tile " << i << " off its home";
            }
        }
        this->form = &form;
        this->beeps = beeps;
        binPicture = bin;
        focus = form.focus() ? form.focus()->qualifiedName() : "none";
        tiles.clear();
        for (int i = 0; i < 66; ++i)
            tiles.push_back({ board.tile(i).left, board.tile(i).top });
    }
};

class RandomLearnerOnBalanceBoard : public ::testing::TestWithParam<unsigned> { };

TEST_P(RandomLearnerOnBalanceBoard, KeepsTilesVisibleMarkedAndHome)
{
    BalanceWatch watch;
    testing::runRandomActions({ .window = "frmZelmora5", .seed = GetParam(), .actions = 3000 },
        [&](Form& form, std::string const& step) { watch.check(form, step); });
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomLearnerOnBalanceBoard, ::testing::Values(1u, 2u, 3u, 20261209u));

} // namespace
} // namespace zelmora
