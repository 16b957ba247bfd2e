// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_actions.hpp"

#include "boards/common/tile_pool.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"
#include "runtime/runtime_error.hpp"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace zelmora::testing {

namespace {

class RandomLearner {
public:
    RandomLearner(Application& app, RandomRun const& run)
        : m_app(app)
        , m_run(run)
        , m_random(run.seed)
    { }

    Form& form() { return *m_app.window(m_run.window); }

    // Performs one action and describes it.
    std::string act()
    {
        Form& f = form();
        std::ostringstream step;
        switch (pick(0, 9)) {
        case 0:
        case 1:
            aimedDrag(f, step);
            break;
        case 2: {
            auto const [x, y] = anyPoint(f);
            step << "down " << x << " " << y;
            if (!m_app.buttonHeld())
                m_app.mouseDown(f, x, y, anyButton());
            break;
        }
        case 3: {
            auto const [x, y] = anyPoint(f);
            step << "move " << x << " " << y;
            m_app.mouseMove(f, x, y);
            break;
        }
        case 4: {
            auto const [x, y] = anyPoint(f);
            bool const elsewhere = pick(0, 9) == 0;
            step << "up " << x << " " << y << (elsewhere ? " outside every window" : "");
            m_app.mouseUp(elsewhere ? nullptr : &f, x, y);
            break;
        }
        case 5:
        case 6:
            clickSomeButton(f, step);
            break;
        case 7: {
            // A press straight on any member, hidden ones included: the runtime must refuse those.
            auto const& members = f.array("Command1");
            Control* c = members[static_cast<std::size_t>(pick(0, static_cast<int>(members.size()) - 1))];
            step << "press " << c->qualifiedName() << (c->visible ? "" : " (hidden)");
            if (!m_app.buttonHeld())
                m_app.mouseDownOn(f, *c, static_cast<Single>(pick(0, static_cast<int>(c->width) - 1)),
                    static_cast<Single>(pick(0, static_cast<int>(c->height) - 1)), anyButton());
            break;
        }
        case 8: {
            static Key const keys[] = { Key::Tab, Key::Tab, Key::ShiftTab, Key::Space, Key::Enter };
            Key const key = keys[pick(0, 4)];
            step << "key " << static_cast<int>(key);
            m_app.key(f, key);
            break;
        }
        default: {
            auto const [x, y] = anyPoint(f);
            step << "release after move to " << x << " " << y;
            m_app.mouseMove(f, x, y);
            m_app.mouseUp(&f, x, y);
            break;
        }
        }
        if (!m_app.window(m_run.window)) {
            step << "; window closed, opened again";
            m_app.show(m_run.window);
        }
        return step.str();
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    MouseButton anyButton()
    {
        static MouseButton const buttons[]
            = { MouseButton::Left, MouseButton::Left, MouseButton::Right, MouseButton::Middle };
        return buttons[pick(0, 3)];
    }

    std::pair<Single, Single> anyPoint(Form const& f)
    {
        auto const w = static_cast<int>(f.window().clientWidth);
        auto const h = static_cast<int>(f.window().clientHeight);
        return { static_cast<Single>(pick(-400, w + 400)), static_cast<Single>(pick(-400, h + 400)) };
    }

    Control* anyVisibleMember(Form& f)
    {
        std::vector<Control*> visible;
        for (auto* c : f.array("Command1"))
            if (c && c->visible)
                visible.push_back(c);
        if (visible.empty())
            return nullptr;
        return visible[static_cast<std::size_t>(pick(0, static_cast<int>(visible.size()) - 1))];
    }

    // A drag of a visible member towards a place where rules act: near another member's edges,
    // near a strip or the bin, or anywhere; released over what lies there.
    void aimedDrag(Form& f, std::ostringstream& step)
    {
        Control* dragged = anyVisibleMember(f);
        if (!dragged || m_app.buttonHeld()) {
            step << "no drag";
            return;
        }
        Single const gx = static_cast<Single>(pick(0, static_cast<int>(dragged->width) - 1));
        Single const gy = static_cast<Single>(pick(0, static_cast<int>(dragged->height) - 1));
        Single x = 0, y = 0;
        Control* near = pick(0, 3) == 0 ? nullptr : anyVisibleMember(f);
        if (near) {
            x = near->left + near->width + static_cast<Single>(pick(-250, 250)) + gx;
            y = near->top + static_cast<Single>(pick(-300, 300)) - dragged->height + gy;
        } else {
            auto const targets = f.paintOrderFrontToBack();
            Control* c = targets[static_cast<std::size_t>(pick(0, static_cast<int>(targets.size()) - 1))];
            x = c->left + static_cast<Single>(pick(-200, static_cast<int>(c->width) + 200));
            y = c->top + static_cast<Single>(pick(-200, static_cast<int>(c->height) + 200));
        }
        if (pick(0, 4) == 0) {
            x += 0.5f; // a pointer between two twips, as a zoomed view gives
            y -= 0.25f;
        }
        step << "drag " << dragged->qualifiedName() << " grabbed at " << gx << " " << gy << " to " << x << " " << y;
        m_app.mouseDownOn(f, *dragged, gx, gy, anyButton());
        if (m_app.window(m_run.window) != &f)
            return;
        if (Control* bin = f.findControl("Image2"); bin && pick(0, 5) == 0)
            m_app.mouseMove(f, bin->left + 10, bin->top + 10); // passing over the bin
        m_app.mouseMove(f, x, y);
        m_app.mouseUp(&f, x, y);
    }

    // Any visible button other than a tile: palette, measuring, Clear, and now and then Back.
    void clickSomeButton(Form& f, std::ostringstream& step)
    {
        std::vector<Control*> buttons;
        for (auto* c : f.paintOrderFrontToBack())
            if (c->isButton() && c->visible && (c->name != "Command1" || pick(0, 5) == 0))
                if (c->name != "Command10" || pick(0, 40) == 0)
                    buttons.push_back(c);
        if (buttons.empty() || m_app.buttonHeld()) {
            step << "no click";
            return;
        }
        Control* c = buttons[static_cast<std::size_t>(pick(0, static_cast<int>(buttons.size()) - 1))];
        step << "click " << c->qualifiedName();
        Single const x = c->left + c->width / 2, y = c->top + c->height / 2;
        m_app.mouseDownOn(f, *c, c->width / 2, c->height / 2, MouseButton::Left);
        if (m_app.window(m_run.window) == &f)
            m_app.mouseUp(&f, x, y);
    }

    Application& m_app;
    RandomRun const& m_run;
    std::mt19937 m_random;
};

} // namespace

void expectReserveAtHome(TileBoard const& board, std::string const& step)
{
    for (int i = 0; i <= 140; ++i) {
        Control const& t = board.tile(i);
        ASSERT_EQ(t.index, i) << step;
        ASSERT_EQ(t.caption, captionOf(*kindOfMember(paletteBoardRuns, i))) << step;
        if (!t.visible) {
            ASSERT_EQ(t.left, board.homeLeft(i)) << step << ": hidden tile " << i << " is off its home";
            ASSERT_EQ(t.top, board.homeTop(i)) << step << ": hidden tile " << i << " is off its home";
        }
    }
}

void runRandomActions(RandomRun const& run, InvariantCheck const& check)
{
    HeadlessHost host;
    Application app(host, &createWindow);
    app.show(run.window);
    RandomLearner learner(app, run);
    for (int i = 0; i < run.actions; ++i) {
        std::string step;
        try {
            step = learner.act();
        } catch (RuntimeError const& e) {
            FAIL() << "seed " << run.seed << ", action " << i << ": runtime error: " << e.what();
        }
        check(learner.form(), "seed " + std::to_string(run.seed) + ", action " + std::to_string(i) + ": " + step);
        if (::testing::Test::HasFailure())
            return; // the first failing action is the one worth reading
    }
}

} // namespace zelmora::testing
