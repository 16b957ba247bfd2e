// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a teacher and a learner make of a board, its link opens as the same board: random
// boards on every board window, driven through the script driver, go through `print W link` and
// `openlink` and must print the same tiles, goal, steps, algebra, band and focus, and give the
// same link again.
#include "boards/common/tile_pool.hpp"
#include "scripted_session.hpp"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace zelmora {
namespace {

using testing::ScriptedSession;
using testing::scriptNumber;

// Goals of every kind, some of which fit a board and some not (a refused one leaves none).
constexpr std::array<std::pair<char const*, char const*>, 10> goals { {
    { "multiply", "(x+2)(x+3)" },
    { "multiply", "(x-1)(y+2)" },
    { "factor", "x^2+5x+6" },
    { "factor", "x^2 - x - 2" },
    { "simplify", "(3x+2)-(x+1)" },
    { "simplify", "(2س² + 3س − 1) + (س^2 - 2س + 4)" },
    { "solve", "2x+3=7" },
    { "solve", "x + 1 = 3" },
    { "solve", "7 = 2x + 3" },
    { "solve", "3x - 2 = x + 4" },
} };

// Prompts in the scripts of the classroom: Arabic with its marks, Latin, digits, isolates around
// an expression, an emoji, and one near the longest the band shows.
std::string const& anyPrompt(std::mt19937& random)
{
    static std::array<std::string, 6> const prompts { "حلّل العبارة ثم تحقّق من الناتج",
        "Build the rectangle, then read the product", "ابنِ \u2066(x+2)(x+3)\u2069 بالبلاطات 👍",
        "زِن الكفتين حتى يبقى س وحده؛ كم قيمة س؟", "١٢٣ + 4 = ?", [] {
            std::string longest;
            while (longest.size() + 24 <= 500)
                longest += "اقرأ الضلعين ثم اضرب ";
            return longest;
        }() };
    return prompts[random() % prompts.size()];
}

// A random teacher and learner at one board window, writing what they do as script lines.
class RandomBoardMaker {
public:
    RandomBoardMaker(ScriptedSession& session, std::string window, unsigned seed)
        : m_session(session)
        , m_window(std::move(window))
        , m_random(seed)
    { }

    void make()
    {
        m_session.run("open " + m_window);
        if (chance(3))
            setGoal();
        if (board().traits().hasPalette && chance(8))
            everyTileOut();
        for (int actions = pick(0, 60); actions > 0 && !::testing::Test::HasFailure(); --actions)
            act();
        if (chance(6))
            setGoal();
        // A keyboard drag still held is let go, as a teacher does before sharing.
        if (m_session.application().buttonHeld())
            m_session.run("key " + on() + " enter");
    }

private:
    TileBoard& board() { return m_session.board(m_window); }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    // One time in `times` on average.
    bool chance(int times) { return pick(1, times) == 1; }
    std::string on() const { return m_window; }

    void setGoal()
    {
        auto const& [kind, expression] = goals[static_cast<std::size_t>(pick(0, goals.size() - 1))];
        m_session.run("goal " + on() + " " + kind + " " + expression);
        if (chance(2))
            m_session.run("prompt " + on() + " " + anyPrompt(m_random));
    }

    // Each palette button pressed until it brings out no more tiles.
    void everyTileOut()
    {
        for (auto const& button : paletteButtons) {
            int out = -1;
            while (out != visibleTiles()) {
                out = visibleTiles();
                m_session.run("click " + on() + " " + std::string(button.name));
            }
        }
    }

    int visibleTiles()
    {
        int visible = 0;
        for (int i = 0; i < board().traits().tileCount; ++i)
            visible += board().tile(i).visible;
        return visible;
    }

    void act()
    {
        switch (pick(0, 9)) {
        case 0:
        case 1:
            if (board().traits().hasPalette && !m_session.application().buttonHeld()) {
                auto const& button = paletteButtons[static_cast<std::size_t>(pick(0, paletteButtons.size() - 1))];
                m_session.run("click " + on() + " " + std::string(button.name));
                break;
            }
            [[fallthrough]];
        case 2:
        case 3:
        case 4:
        case 5:
            dragSomeTile();
            break;
        case 6:
            pressSomeKey();
            break;
        case 7:
            clickSomeButton();
            break;
        default:
            dragSomeTile();
            break;
        }
    }

    // Tab, the keyboard drag's keys (an arrow held for some steps) and those that press the focused button, save Back,
    // which would close the board.
    void pressSomeKey()
    {
        static constexpr std::array keys { "tab", "shift+tab", "space", "enter", "left", "right", "up", "down",
            "shift+left", "shift+right", "shift+up", "shift+down", "escape", "delete", "r" };
        std::string const key = keys[static_cast<std::size_t>(pick(0, keys.size() - 1))];
        Control const* focus = board().focus();
        if ((key == "space" || key == "enter") && focus && focus->name == "Command10")
            return;
        for (int times = key.ends_with("left") || key.ends_with("right") || key.ends_with("up") || key.ends_with("down")
                 ? pick(1, 12)
                 : 1;
             times > 0; --times)
            m_session.run("key " + on() + " " + key);
    }

    // A place as a pointer gives it: a whole twip, a sixteenth as the page keeps, or any Single as
    // the desktop's zoom leaves.
    Single anyPlace(Single low, Single high)
    {
        Single const at = std::uniform_real_distribution<Single>(low, high)(m_random);
        switch (pick(0, 2)) {
        case 0:
            return std::round(at);
        case 1:
            return std::round(at * 16) / 16;
        default:
            return std::abs(at) < 1 ? 0 : at;
        }
    }

    // A visible tile dragged onto another, next to one, onto the bin, the rotation zone or a pan,
    // or anywhere on the board.
    void dragSomeTile()
    {
        if (m_session.application().buttonHeld())
            return;
        std::vector<Control*> tiles;
        for (int i = 0; i < board().traits().tileCount; ++i)
            if (board().tile(i).visible)
                tiles.push_back(&board().tile(i));
        if (tiles.empty())
            return;
        Control const& tile = *tiles[static_cast<std::size_t>(pick(0, static_cast<int>(tiles.size()) - 1))];
        auto const& controls = board().paintOrderFrontToBack();
        Control const& target = *controls[static_cast<std::size_t>(pick(0, static_cast<int>(controls.size()) - 1))];
        Single x = 0, y = 0;
        if (chance(3)) {
            x = anyPlace(-300, board().window().clientWidth + 300);
            y = anyPlace(-300, board().window().clientHeight + 300);
        } else {
            x = anyPlace(target.left - 200, target.left + target.width + 200);
            y = anyPlace(target.top - 200, target.top + target.height + 200);
        }
        std::string const grab = std::to_string(pick(0, static_cast<int>(tile.width) - 1)) + " "
            + std::to_string(pick(0, static_cast<int>(tile.height) - 1));
        m_session.run(
            "drag " + on() + " " + tile.qualifiedName() + " " + grab + " " + scriptNumber(x) + " " + scriptNumber(y));
    }

    // Measuring, Clear and the signs; never Back, which would close the board.
    void clickSomeButton()
    {
        if (m_session.application().buttonHeld())
            return;
        std::vector<Control*> buttons;
        for (auto* c : board().paintOrderFrontToBack())
            if (c->isButton() && c->visible && c->name != "Command1" && c->name != "Command10")
                buttons.push_back(c);
        if (!buttons.empty())
            m_session.run("click " + on() + " "
                + buttons[static_cast<std::size_t>(pick(0, buttons.size() - 1))]->qualifiedName());
    }

    ScriptedSession& m_session;
    std::string m_window;
    std::mt19937 m_random;
};

// What the board shows and holds, as the script prints it.
std::string printed(ScriptedSession& session, std::string const& window)
{
    std::string lines;
    for (auto const* query : { "tiles", "goal", "algebra", "band", "focus", "Image2" })
        lines += session.run("print " + window + " " + query);
    if (window == "frmZelmora5")
        lines += session.run("print " + window + " steps");
    return lines;
}

#ifdef ZELMORA_SANITIZED
constexpr unsigned boardsPerWindow = 40;
#else
constexpr unsigned boardsPerWindow = 200;
#endif

class SharedBoardsComeBack : public ::testing::TestWithParam<char const*> { };

TEST_P(SharedBoardsComeBack, FromTheirLinks)
{
    std::string const window = GetParam();
    for (unsigned seed = 1; seed <= boardsPerWindow; ++seed) {
        ScriptedSession session;
        session.run("start");
        RandomBoardMaker(session, window, seed).make();
        std::string const before = printed(session, window);
        std::string const link = session.run("print " + window + " link");
        ASSERT_TRUE(link.starts_with(window + ".link=\"zelmora=")) << link;
        std::string const fragment = link.substr(window.size() + 7, link.size() - window.size() - 9);
        session.run("close " + window);
        ASSERT_EQ(session.run("openlink " + fragment), "") << "seed " << seed << ":\n" << session.script();
        ASSERT_EQ(printed(session, window), before) << "seed " << seed << ":\n" << session.script();
        ASSERT_EQ(session.run("print " + window + " link"), link) << "seed " << seed << ":\n" << session.script();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boards, SharedBoardsComeBack, ::testing::Values("frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5"));

} // namespace
} // namespace zelmora
