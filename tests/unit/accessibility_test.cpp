// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/accessible_names.hpp"
#include "program/drop_outcome.hpp"
#include "program/windows.hpp"
#include "random_actions.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>

#include <string>

namespace zelmora {
namespace {

// Whatever the learner does, every control a screen reader lists has a name, and every tile's
// name says what it is and where it lies.
TEST(AccessibleNames, EveryListedControlIsNamedAfterRandomActions)
{
    for (char const* window : { "frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5" }) {
        testing::runRandomActions(
            { .window = window, .seed = 7, .actions = 600 }, [](Form& form, std::string const& step) {
                for (Control const* c : accessibleControls(form)) {
                    std::string const name = accessibleNameOf(form, *c);
                    ASSERT_FALSE(name.empty()) << form.name() << "." << c->qualifiedName() << " after " << step;
                    if (c->name == "Command1" && c->index >= 0 && c->index < 141 && !c->caption.empty()) {
                        ASSERT_NE(name.find("، "), std::string::npos) << name << " after " << step;
                    }
                }
            });
    }
}

struct DropCase {
    char const* name;
    char const* window;
    char const* palette; // clicked first to bring the tiles out; empty on Board 4
    int tile;
    Single firstX, firstY; // where the tile is put before the drag that is heard; negative: left at home
    int target;            // the tile it is dropped on, x and y then from that tile's corner; or -1
    Single x, y;           // where the tile's corner is dropped, window twips
    char const* heard;
};

class DropAnnouncement : public ::testing::TestWithParam<DropCase> { };

// The drag goes through the runtime as a mouse would do it; what is heard is read from the
// board after the drop, so it has to match what the board's own rules did.
TEST_P(DropAnnouncement, SaysWhatTheDropDid)
{
    DropCase const& c = GetParam();
    HeadlessHost host;
    Application app(host, &createWindow);
    app.show("frmZelmora");
    Form& form = app.show(c.window);
    auto const clickOn = [&](std::string const& name) {
        Control& b = *form.findControl(name);
        app.mouseDownOn(form, b, b.width / 2, b.height / 2, MouseButton::Left);
        app.mouseUp(&form, b.left + b.width / 2, b.top + b.height / 2);
    };
    auto const drag = [&](int index, Single x, Single y) {
        Control& t = form.control("Command1", index);
        app.mouseDownOn(form, t, 0, 0, MouseButton::Left);
        app.mouseMove(form, x, y);
        auto const watch = DropWatch::before(app);
        EXPECT_TRUE(watch.has_value());
        app.mouseUp(x < 0 ? nullptr : &form, x, y);
        return watch ? watch->after(app) : std::nullopt;
    };
    if (*c.palette) {
        clickOn(c.palette);
        clickOn(c.palette);
    }
    if (c.firstX >= 0)
        drag(c.tile, c.firstX, c.firstY);
    Single x = c.x;
    Single y = c.y;
    if (c.target >= 0) {
        drag(c.target, 3000, 1000);
        x += form.control("Command1", c.target).left;
        y += form.control("Command1", c.target).top;
    }
    EXPECT_EQ(drag(c.tile, x, y).value_or("(nothing)"), c.heard);
}

INSTANTIATE_TEST_SUITE_P(Boards, DropAnnouncement,
    ::testing::Values(DropCase { "MovedOnTheBoard", "frmZelmora1", "Command7", 111, -1, -1, -1, 6000, 3000,
                          "نُقلت قطعة واحد، على اللوحة" },
        DropCase { "SnappedOntoTheAxisLine", "frmZelmora1", "Command7", 111, -1, -1, -1, 350, 3000,
            "ثُبّتت قطعة واحد، على الشريط الأيسر، في الطول" },
        DropCase { "IntoTheBin", "frmZelmora1", "Command7", 111, 6000, 3000, -1, 10800, 6100,
            "وُضعت قطعة واحد في سلة المهملات" },
        DropCase { "OntoTheRotationZone", "frmZelmora1", "Command3", 21, -1, -1, -1, 10700, 100,
            "دُوّرت قطعة س، في مكانها الأول" },
        DropCase { "ReleasedOutsideEveryWindow", "frmZelmora1", "Command7", 111, -1, -1, -1, -500, 3000,
            "لم تتحرك قطعة واحد، في مكانها الأول" },
        // The x put in the negative half is negative; dropped on the positive one, both go.
        DropCase {
            "ZeroPairRemoved", "frmZelmora4", "Command3", 22, 3000, 5000, 21, 10, 10, "أُزيل زوج صفري من قطعتي س" },
        // Board 4's bin sends the tile back to the stock instead of hiding it.
        DropCase { "BackToTheStockFromTheBin", "frmZelmora5", "", 0, 900, 1500, -1, 5300, 2500,
            "وُضعت قطعة س في سلة المهملات" }),
    [](auto const& info) { return std::string(info.param.name); });

} // namespace
} // namespace zelmora
