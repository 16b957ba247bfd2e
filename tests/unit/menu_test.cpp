// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/windows.hpp"
#include "runtime/application.hpp"
#include "tools/script/property_line.hpp"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace zelmora {
namespace {

// Records what the program asks of the toolkit, as the Qt host would receive it.
class RecordingHost final : public Host {
public:
    std::vector<std::string> log;
    int guideOpenings = 0;

    void beep() override { log.push_back("beep"); }
    void openGuide() override
    {
        ++guideOpenings;
        log.push_back("guide");
    }
    void windowShown(Form& f) override { log.push_back("shown " + f.name()); }
    void windowRaised(Form& f) override { log.push_back("raised " + f.name()); }
    void windowClosed(Form& f) override { log.push_back("closed " + f.name()); }
    void programEnded() override { log.push_back("ended"); }
};

struct Program {
    RecordingHost host;
    Application app { host, &createWindow };

    Program() { app.show(startWindowName()); }

    Form& menu() { return *app.window("frmZelmora"); }

    void click(Form& form, std::string_view name)
    {
        Control& c = *form.findControl(name);
        app.mouseDownOn(form, c, c.width / 2, c.height / 2, MouseButton::Left);
        app.mouseUp(&form, c.left + c.width / 2, c.top + c.height / 2);
    }
};

TEST(MainMenu, StartsAloneWithTheFocusOnCommand1)
{
    Program p;
    ASSERT_EQ(p.app.windowsFrontToBack().size(), 1u);
    EXPECT_EQ(p.menu().name(), "frmZelmora");
    ASSERT_NE(p.menu().focus(), nullptr);
    EXPECT_EQ(p.menu().focus()->name, "Command1");
    EXPECT_EQ(p.host.log, std::vector<std::string> { "shown frmZelmora" });
}

// The host sees one window per board however often its button is pressed: shown once, then raised.
TEST(MainMenu, SecondPressRaisesTheOpenBoard)
{
    Program p;
    p.click(p.menu(), "Command5");
    Form* board = p.app.window("frmZelmora5");
    p.click(p.menu(), "Command5");
    EXPECT_EQ(p.app.window("frmZelmora5"), board);
    EXPECT_EQ(p.app.windowsFrontToBack().front(), board);
    EXPECT_EQ(p.host.log, (std::vector<std::string> { "shown frmZelmora", "shown frmZelmora5", "raised frmZelmora5" }));
}

// Every press of "تطبيقات" and every double-click on the guide box reaches the host; a double-click
// anywhere else, or a single click on the box, opens nothing.
TEST(MainMenu, GuideOpensFromItsButtonAndFromADoubleClickOnTheBox)
{
    Program p;
    Form& menu = p.menu();
    p.click(menu, "Command6");
    p.click(menu, "Command6");
    EXPECT_EQ(p.host.guideOpenings, 2);
    p.click(menu, "OLE1");
    EXPECT_EQ(p.host.guideOpenings, 2);
    Control const& box = *menu.findControl("OLE1");
    p.app.doubleClick(menu, box.left + 1, box.top + 1);
    EXPECT_EQ(p.host.guideOpenings, 3);
    p.app.doubleClick(menu, box.left + box.width, box.top + 1); // just right of the box
    p.app.doubleClick(menu, 3000, 500);                         // on the title
    Control const& exit = *menu.findControl("Command4");
    p.app.doubleClick(menu, exit.left + 10, exit.top + 10);
    EXPECT_EQ(p.host.guideOpenings, 3);
    EXPECT_EQ(p.app.guideOpenings(), 3);
    EXPECT_TRUE(p.app.running());
    EXPECT_EQ(p.app.windowsFrontToBack().size(), 1u);
}

TEST(MainMenu, ExitClosesEveryWindowAndEndsOnce)
{
    Program p;
    p.click(p.menu(), "Command1");
    p.click(p.menu(), "Command2");
    p.click(p.menu(), "Command4");
    EXPECT_FALSE(p.app.running());
    EXPECT_TRUE(p.app.windowsFrontToBack().empty());
    std::map<std::string, int> count;
    for (auto const& entry : p.host.log)
        ++count[entry];
    EXPECT_EQ(count["closed frmZelmora"], 1);
    EXPECT_EQ(count["closed frmZelmora1"], 1);
    EXPECT_EQ(count["closed frmZelmora2"], 1);
    EXPECT_EQ(count["ended"], 1);
    EXPECT_EQ(p.host.log.back(), "ended");
}

// Everything a learner can change on a board, as text: every control's properties and the focus.
std::vector<std::string> snapshot(Form& form)
{
    std::vector<std::string> lines;
    for (Control const* c : form.paintOrderFrontToBack())
        lines.push_back(
            propertyLine(form.name(), *c) + " Tab=" + std::to_string(c->tabIndex) + " Caption=" + c->caption);
    lines.push_back("focus=" + (form.focus() ? form.focus()->qualifiedName() : std::string("none")));
    return lines;
}

struct BoardButton {
    char const* button;
    char const* window;
};

class ReopenedBoard : public ::testing::TestWithParam<BoardButton> { };

// A board reopened after Back is exactly as at its first opening, whatever was done on it: tiles
// brought out, dragged about the board, onto one another, into the rotation zone and the bin.
TEST_P(ReopenedBoard, IsAsAtItsFirstOpening)
{
    Program p;
    p.click(p.menu(), GetParam().button);
    Form& first = *p.app.window(GetParam().window);
    auto const designed = snapshot(first);

    std::minstd_rand random(7);
    auto uniform = [&](Single high) { return static_cast<Single>(random() % static_cast<unsigned>(high)); };
    for (int round = 0; round < 3; ++round) {
        for (Control* c : first.paintOrderFrontToBack())
            if (c->isButton() && c->name != "Command1" && c->name != "Command10" && c->visible)
                p.click(first, c->qualifiedName());
        for (Control* tile : first.array("Command1")) {
            if (!tile || !tile->visible || tile->index == 141 || p.app.window(GetParam().window) != &first)
                continue;
            Single const x = uniform(first.window().clientWidth);
            Single const y = uniform(first.window().clientHeight);
            p.app.mouseDownOn(first, *tile, uniform(tile->width), uniform(tile->height), MouseButton::Left);
            p.app.mouseMove(first, x, y);
            p.app.mouseUp(&first, x, y);
        }
    }
    ASSERT_EQ(p.app.window(GetParam().window), &first);
    ASSERT_NE(snapshot(first), designed) << "the actions changed nothing, so the test proves nothing";

    p.click(first, "Command10");
    ASSERT_EQ(p.app.window(GetParam().window), nullptr);
    p.click(p.menu(), GetParam().button);
    Form& again = *p.app.window(GetParam().window);
    EXPECT_EQ(snapshot(again), designed);
}

INSTANTIATE_TEST_SUITE_P(Boards, ReopenedBoard,
    ::testing::Values(BoardButton { "Command1", "frmZelmora1" }, BoardButton { "Command2", "frmZelmora2" },
        BoardButton { "Command3", "frmZelmora4" }, BoardButton { "Command5", "frmZelmora5" }),
    [](auto const& info) { return std::string(info.param.window); });

} // namespace
} // namespace zelmora
