// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/application.hpp"
#include "runtime/layout_builder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelmora {
namespace {

// A window whose "Tile" buttons move by keyboard, 500 twips a step (50 fine), into the bin Image1;
// a button lies over the bin's centre.
class KeyboardForm final : public Form {
public:
    KeyboardForm()
        : Form({ .window = { .name = "frmKeys", .caption = "Keys", .clientWidth = 6000, .clientHeight = 4000 },
            .controls = {
                button("Tile", "a", { 100, 100, 500, 500 }).member(0),
                button("Cover", "c", { 3400, 2400, 100, 100 }),
                button("Command1", "one", { 2000, 0, 800, 500 }).tab(0),
                image("Image1", "none", { 3000, 2000, 900, 900 }),
            } })
    { }

    std::vector<std::string> log;

    void onClick(Control& c) override { log.push_back("Click " + c.qualifiedName()); }
    void onMouseDown(Control& c, MouseButton, int, Single x, Single y) override
    {
        log.push_back("MouseDown " + c.qualifiedName() + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
        if (c.name == "Tile")
            beginDrag(c);
    }
    void onDragDrop(Control* target, Single x, Single y) override
    {
        log.push_back(std::string("DragDrop ") + (target ? target->qualifiedName() : "window") + " "
            + std::to_string(int(x)) + "," + std::to_string(int(y)));
    }
    void onDragOver(Control& c, Single, Single, DragState) override { log.push_back("DragOver " + c.qualifiedName()); }

    bool takesKeyboardDrag(Control const& c) const override { return c.name == "Tile"; }
    Single keyboardStep(bool fine) const override { return fine ? 50 : 500; }
    Control* keyboardBin() override { return &control("Image1"); }
};

class KeyboardDrag : public ::testing::Test {
protected:
    HeadlessHost host;
    Application app { host,
        [](std::string_view) -> std::unique_ptr<Form> { return std::make_unique<KeyboardForm>(); } };
    KeyboardForm& form = static_cast<KeyboardForm&>(app.show("frmKeys"));
    Control& tile = form.control("Tile", 0);

    std::pair<Single, Single> pointer() const { return { app.drag()->pointerX, app.drag()->pointerY }; }
    void keys(std::initializer_list<Key> keys)
    {
        for (Key k : keys)
            app.key(form, k);
    }
};

TEST_F(KeyboardDrag, ArrowsDragTheFocusedControlFromItsCentreAndThePointerStaysInTheWindow)
{
    // Focus on a control the window does not let the keys drag: the arrows and Escape do nothing,
    // and Enter still clicks it.
    keys({ Key::Right, Key::Escape, Key::Delete, Key::Enter });
    EXPECT_EQ(form.log, std::vector<std::string> { "Click Command1" });
    EXPECT_FALSE(app.buttonHeld());

    form.setFocus(tile);
    form.log.clear();
    keys({ Key::Right, Key::ShiftDown });
    ASSERT_TRUE(app.keyboardDragInProgress());
    EXPECT_EQ(form.log.front(), "MouseDown Tile(0) 250,250");
    EXPECT_EQ(pointer(), (std::pair<Single, Single> { 850, 400 }));
    EXPECT_EQ(app.drag()->grabX, 250);

    // Far past the edges: the pointer stops inside the client area, [0, 6000) x [0, 4000).
    for (int i = 0; i < 20; ++i)
        keys({ Key::Left, Key::Down });
    EXPECT_EQ(pointer(), (std::pair<Single, Single> { 0, 3999 }));
    for (int i = 0; i < 20; ++i)
        keys({ Key::Right, Key::Up });
    EXPECT_EQ(pointer(), (std::pair<Single, Single> { 5999, 0 }));

    // Tab waits; Enter drops at the pointer as a release there would.
    keys({ Key::ShiftLeft, Key::Tab, Key::ShiftTab });
    EXPECT_EQ(form.focus(), &tile);
    form.log.clear();
    keys({ Key::Enter });
    EXPECT_EQ(form.log, std::vector<std::string> { "DragDrop window 5949,0" });
    EXPECT_FALSE(app.buttonHeld());
}

TEST_F(KeyboardDrag, TheMouseAndTheKeysNeverShareTheHeldPointer)
{
    form.setFocus(tile);
    keys({ Key::Down });
    form.log.clear();
    // During a keyboard drag the mouse counts as held: its press, move and release are refused.
    app.mouseDown(form, 2100, 100, MouseButton::Left);
    app.mouseMove(form, 5000, 3000);
    app.mouseUp(&form, 5000, 3000);
    app.doubleClick(form, 2100, 100);
    EXPECT_TRUE(form.log.empty());
    EXPECT_EQ(pointer(), (std::pair<Single, Single> { 350, 850 }));
    // Escape lets go and nothing takes the drop.
    keys({ Key::Escape });
    EXPECT_TRUE(form.log.empty());
    EXPECT_FALSE(app.buttonHeld());

    // While the mouse holds a drag, the keys move nothing and Escape does not end it.
    app.mouseDown(form, 300, 300, MouseButton::Left);
    keys({ Key::Right, Key::Escape, Key::Delete });
    EXPECT_FALSE(app.keyboardDragInProgress());
    EXPECT_EQ(pointer(), (std::pair<Single, Single> { 300, 300 }));
    app.mouseUp(&form, 300, 300);

    // Delete drops on the bin at its centre even where a button covers that point.
    form.log.clear();
    keys({ Key::Delete });
    EXPECT_EQ(form.log,
        (std::vector<std::string> { "MouseDown Tile(0) 250,250", "DragOver Image1", "DragDrop Image1 450,450" }));
    EXPECT_FALSE(app.buttonHeld());
}

} // namespace
} // namespace zelmora
