// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/application.hpp"
#include "runtime/layout_builder.hpp"
#include "runtime/runtime_error.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelmora {
namespace {

// A window that writes every event it gets into a log, and can be told to act inside a handler.
class RecordingForm final : public Form {
public:
    explicit RecordingForm(FormLayout layout)
        : Form(std::move(layout))
    { }

    std::vector<std::string> log;
    std::function<void(Control&)> onClickDo;
    std::function<void(Control&)> onLostFocusDo;
    bool dragOnMouseDown = true;

    void onLoad() override { log.push_back("Load"); }
    void onClick(Control& c) override
    {
        log.push_back("Click " + c.qualifiedName());
        if (onClickDo)
            onClickDo(c);
    }
    void onMouseDown(Control& c, MouseButton, int, Single x, Single y) override
    {
        log.push_back("MouseDown " + c.qualifiedName() + " " + std::to_string(int(x)) + "," + std::to_string(int(y))
            + " focus=" + (focus() ? focus()->qualifiedName() : "none"));
        if (dragOnMouseDown && c.name == "Tile")
            beginDrag(c);
    }
    void onDragDrop(Control* target, Single x, Single y) override
    {
        // Labels stand for controls without a DragDrop handler: they swallow the drop.
        if (target && target->kind == ControlKind::Label)
            return;
        log.push_back(std::string("DragDrop ") + (target ? target->qualifiedName() : "window") + " "
            + std::to_string(int(x)) + "," + std::to_string(int(y)));
    }
    void onDragOver(Control& c, Single, Single, DragState state) override
    {
        log.push_back("DragOver " + c.qualifiedName() + " " + std::to_string(static_cast<int>(state)));
    }
    void onLostFocus(Control& c) override
    {
        log.push_back("LostFocus " + c.qualifiedName());
        if (onLostFocusDo)
            onLostFocusDo(c);
    }
};

// Layers and stacking: the label is listed first but lies under every button; the shape and the
// line let presses and drops through to the window.
FormLayout testLayout()
{
    return { .window = { .name = "frmTest", .caption = "Test", .clientWidth = 6000, .clientHeight = 4000 },
        .controls = {
            label("Label1", "label", { 0, 0, 1000, 1000 }).tab(3),
            button("Tile", "a", { 100, 100, 500, 500 }).member(0),
            button("Tile", "b", { 300, 300, 500, 500 }).member(1),
            button("Command1", "one", { 2000, 0, 800, 500 }).tab(0),
            button("Command2", "two", { 2000, 600, 800, 500 }).tab(1),
            image("Image1", "none", { 3000, 2000, 900, 900 }),
            shape("Shape1", { 0, 2000, 2000, 1000 }),
            lineControl("Line1", 2500, 0, 2500, 4000),
            label("Label2", "covered", { 4000, 0, 1000, 1000 }),
        } };
}

class RuntimeContract : public ::testing::Test {
protected:
    HeadlessHost host;
    Application app { host, [](std::string_view name) -> std::unique_ptr<Form> {
                         if (name != "frmTest")
                             return nullptr;
                         return std::make_unique<RecordingForm>(testLayout());
                     } };
    RecordingForm& form = static_cast<RecordingForm&>(app.show("frmTest"));
    std::vector<std::string>& log = form.log;

    void clearLog() { log.clear(); }
};

TEST_F(RuntimeContract, ShowLoadsOnceAndFocusesFirstInTabOrder)
{
    EXPECT_EQ(log, std::vector<std::string> { "Load" });
    EXPECT_EQ(form.focus(), &form.control("Command1"));
    EXPECT_EQ(&app.show("frmTest"), &form);
    EXPECT_EQ(log.size(), 1u) << "a second Show only brings the window to the front";
}

TEST_F(RuntimeContract, ValueWriteRunsClickNestedAndSetFocusRunsLostFocusNested)
{
    clearLog();
    form.onClickDo = [&](Control& c) {
        if (c.name == "Command1")
            form.setFocus(form.control("Command2")); // LostFocus of Command1 runs inside this Click
        log.push_back("after SetFocus");
    };
    form.press(form.control("Command1"));
    log.push_back("after Value");
    EXPECT_EQ(
        log, (std::vector<std::string> { "Click Command1", "LostFocus Command1", "after SetFocus", "after Value" }));
    EXPECT_THROW(form.press(form.control("Label1")), RuntimeError);
}

TEST_F(RuntimeContract, PressMovesFocusBeforeMouseDownAndClicksOnlyWhenReleasedOnTheButton)
{
    clearLog();
    form.dragOnMouseDown = false;
    app.mouseDown(form, 750, 750, MouseButton::Right);
    app.mouseUp(&form, 790, 790);
    EXPECT_EQ(log,
        (std::vector<std::string> {
            "LostFocus Command1", "MouseDown Tile(1) 450,450 focus=Tile(1)", "Click Tile(1)" }));
    clearLog();
    app.mouseDown(form, 750, 750, MouseButton::Left);
    app.mouseUp(&form, 800, 750); // one twip past the right edge: not on the button any more
    EXPECT_EQ(log, (std::vector<std::string> { "MouseDown Tile(1) 450,450 focus=Tile(1)" }));
    clearLog();
    // Labels take presses but never the focus.
    app.mouseDown(form, 50, 50, MouseButton::Left);
    app.mouseUp(&form, 50, 50);
    EXPECT_EQ(form.focus(), &form.control("Tile", 1));
    EXPECT_EQ(log, (std::vector<std::string> { "MouseDown Label1 50,50 focus=Tile(1)", "Click Label1" }));
}

TEST_F(RuntimeContract, ButtonsLieAboveLabelsAndTheLayoutOrderHoldsWithinALayer)
{
    EXPECT_EQ(form.topmostAt(350, 350, [](Control const& c) { return c.takesPointer(); }), &form.control("Tile", 0));
    EXPECT_EQ(form.topmostAt(700, 700, [](Control const& c) { return c.takesPointer(); }), &form.control("Tile", 1));
    EXPECT_EQ(form.topmostAt(900, 900, [](Control const& c) { return c.takesPointer(); }), &form.control("Label1"));
    form.control("Tile", 0).visible = false;
    EXPECT_EQ(form.topmostAt(350, 350, [](Control const& c) { return c.takesPointer(); }), &form.control("Tile", 1));
    // Half-open rectangles: the right and bottom edges belong to the next control.
    EXPECT_EQ(form.topmostAt(1000, 50, [](Control const& c) { return c.takesPointer(); }), nullptr);
    EXPECT_EQ(form.topmostAt(2000, 0, [](Control const& c) { return c.takesPointer(); }), &form.control("Command1"));
}

struct DropCase {
    char const* name;
    Single x;
    Single y;
    char const* expected; // the DragDrop logged, or "" when nothing takes the drop
};

class DropRouting : public RuntimeContract, public ::testing::WithParamInterface<DropCase> { };

TEST_P(DropRouting, GoesToTheTopmostControlThatTakesDrops)
{
    auto const& drop = GetParam();
    app.mouseDown(form, 150, 150, MouseButton::Left); // Tile(0), which begins a drag
    clearLog();
    app.mouseUp(&form, drop.x, drop.y);
    std::vector<std::string> expected;
    if (*drop.expected)
        expected.push_back(drop.expected);
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(app.buttonHeld());
}

INSTANTIATE_TEST_SUITE_P(Targets, DropRouting,
    ::testing::Values(DropCase { "OnAButton", 2100, 700, "DragDrop Command2 100,100" },
        DropCase { "OnTheFrontTile", 700, 700, "DragDrop Tile(1) 400,400" },
        DropCase { "OnAnImage", 3050, 2100, "DragDrop Image1 50,100" },
        DropCase { "OverAShapeGoesToTheWindow", 100, 2500, "DragDrop window 100,2500" },
        DropCase { "OverALineGoesToTheWindow", 2500, 3500, "DragDrop window 2500,3500" },
        DropCase { "OnTheBareWindow", 5000, 3000, "DragDrop window 5000,3000" },
        DropCase { "ALabelWithoutHandlerSwallowsIt", 4500, 500, "" }, DropCase { "PastTheRightEdge", 6000, 100, "" },
        DropCase { "AboveTheTop", 100, -1, "" }),
    [](auto const& info) { return std::string(info.param.name); });

TEST_F(RuntimeContract, HiddenControlsTakeNothingAndReleasesElsewhereAreTakenByNobody)
{
    form.control("Command2").visible = false;
    app.mouseDown(form, 150, 150, MouseButton::Left);
    clearLog();
    app.mouseUp(&form, 2100, 700);
    EXPECT_EQ(log, (std::vector<std::string> { "DragDrop window 2100,700" }));
    app.mouseDown(form, 150, 150, MouseButton::Left);
    clearLog();
    app.mouseUp(nullptr, 2100, 100);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(app.buttonHeld());
    // A press delivered straight to a hidden control is refused.
    app.mouseDownOn(form, form.control("Command2"), 10, 10, MouseButton::Left);
    EXPECT_FALSE(app.buttonHeld());
}

TEST_F(RuntimeContract, MovesDuringADragRaiseDragOverOnWhatIsUnderThePointer)
{
    app.mouseDown(form, 150, 150, MouseButton::Left);
    ASSERT_TRUE(app.drag());
    EXPECT_EQ(app.drag()->grabX, 50);
    clearLog();
    app.mouseMove(form, 3100, 2100);
    app.mouseMove(form, 3200, 2200);
    app.mouseMove(form, 5000, 3000);
    app.mouseMove(form, 2100, 100);
    EXPECT_EQ(log,
        (std::vector<std::string> {
            "DragOver Image1 0", "DragOver Image1 2", "DragOver Image1 1", "DragOver Command1 0" }));
    EXPECT_EQ(app.drag()->pointerX, 2100);
}

TEST_F(RuntimeContract, HiddenFocusHolderKeepsTheFocusUntilAnotherControlTakesIt)
{
    form.setFocus(form.control("Tile", 0));
    form.control("Tile", 0).visible = false;
    EXPECT_EQ(form.focus(), &form.control("Tile", 0));
    clearLog();
    app.key(form, Key::Tab);
    EXPECT_EQ(log, (std::vector<std::string> { "LostFocus Tile(0)" }));
    EXPECT_EQ(form.focus(), &form.control("Tile", 1));
    EXPECT_THROW(form.setFocus(form.control("Tile", 0)), RuntimeError) << "a hidden control cannot take the focus";
    EXPECT_THROW(form.setFocus(form.control("Label1")), RuntimeError);
}

TEST_F(RuntimeContract, TabWalksTheTabOrderAndSpaceAndEnterClick)
{
    // Command1 0, Command2 1, then the tiles take the free places 2 and 4 (the label has 3).
    EXPECT_EQ(form.control("Tile", 0).tabIndex, 2);
    EXPECT_EQ(form.control("Tile", 1).tabIndex, 4);
    std::vector<std::string> visited;
    for (int i = 0; i < 5; ++i) {
        app.key(form, Key::Tab);
        visited.push_back(form.focus()->qualifiedName());
    }
    EXPECT_EQ(visited, (std::vector<std::string> { "Command2", "Tile(0)", "Tile(1)", "Command1", "Command2" }));
    app.key(form, Key::ShiftTab);
    EXPECT_EQ(form.focus()->qualifiedName(), "Command1");
    clearLog();
    app.key(form, Key::Space);
    app.key(form, Key::Enter);
    EXPECT_EQ(log, (std::vector<std::string> { "Click Command1", "Click Command1" }));
}

TEST_F(RuntimeContract, SettingTabIndexRenumbersTheOthers)
{
    form.setTabIndex(form.control("Tile", 1), 0);
    EXPECT_EQ(form.control("Tile", 1).tabIndex, 0);
    EXPECT_EQ(form.control("Command1").tabIndex, 1);
    EXPECT_EQ(form.control("Command2").tabIndex, 2);
    EXPECT_EQ(form.control("Tile", 0).tabIndex, 3);
    EXPECT_EQ(form.control("Label1").tabIndex, 4);
    form.setTabIndex(form.control("Command1"), 99); // clamped to the last place
    EXPECT_EQ(form.control("Command1").tabIndex, 5);
    EXPECT_EQ(form.control("Label2").tabIndex, 4);
    EXPECT_EQ(form.control("Label1").tabIndex, 3);
    EXPECT_EQ(form.control("Tile", 1).tabIndex, 0);
}

TEST_F(RuntimeContract, UnloadInsideAHandlerIsSafeAndEndClosesEverything)
{
    form.onClickDo = [&](Control&) {
        form.unload();
        form.log.push_back("still running"); // the Form lives until the event has run
    };
    app.mouseDown(form, 2100, 100, MouseButton::Left);
    app.mouseUp(&form, 2100, 100);
    EXPECT_EQ(app.window("frmTest"), nullptr);
    EXPECT_TRUE(app.windowsFrontToBack().empty());

    auto& again = static_cast<RecordingForm&>(app.show("frmTest"));
    EXPECT_EQ(again.log, std::vector<std::string> { "Load" }) << "a reopened window is laid out afresh";
    app.beep();
    app.end();
    EXPECT_FALSE(app.running());
    EXPECT_TRUE(app.windowsFrontToBack().empty());
    EXPECT_EQ(app.beeps(), 1);
    EXPECT_THROW(app.show("frmTest"), RuntimeError);
}

} // namespace
} // namespace zelmora
