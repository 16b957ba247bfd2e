// SPDX-License-Identifier: GPL-3.0-or-later
// Moving a control with the keyboard alone. A keyboard drag is a mouse drag whose pointer the
// keys move: it begins as a press at the focused control's centre and ends as a release, so every
// press rule, DragOver and drop handler of the window runs exactly as it does for the mouse.
#include "application.hpp"

#include <algorithm>
#include <optional>

namespace zelmora {

namespace {

struct Arrow {
    int dx;
    int dy;
    bool fine;
};

std::optional<Arrow> arrowOf(Key key)
{
    switch (key) {
    case Key::Left:
        return Arrow { -1, 0, false };
    case Key::Right:
        return Arrow { 1, 0, false };
    case Key::Up:
        return Arrow { 0, -1, false };
    case Key::Down:
        return Arrow { 0, 1, false };
    case Key::ShiftLeft:
        return Arrow { -1, 0, true };
    case Key::ShiftRight:
        return Arrow { 1, 0, true };
    case Key::ShiftUp:
        return Arrow { 0, -1, true };
    case Key::ShiftDown:
        return Arrow { 0, 1, true };
    default:
        return std::nullopt;
    }
}

bool isDragKey(Key key)
{
    return arrowOf(key) || key == Key::Escape || key == Key::Delete || key == Key::R;
}

// The pointer stays inside the client area, [0, width) x [0, height): a step that would carry it
// out stops one twip short of the far edges, so Enter always drops on something in the window;
// Escape is the way to let go of a tile without dropping it.
Single keptInside(double at, Single extent)
{
    return static_cast<Single>(std::clamp(at, 0.0, std::max(0.0, double(extent) - 1)));
}

} // namespace

bool Application::keyboardDragKey(Form& form, Key key)
{
    if (keyboardDragInProgress()) {
        if (m_held->form != &form)
            return isDragKey(key); // this window's Tab, Space and Enter work as ever
        if (arrowOf(key)) {
            stepKeyboardPointer(form, key);
        } else if (key == Key::Enter || key == Key::Space) {
            release(&form, m_held->pointerX, m_held->pointerY);
        } else if (key == Key::Escape) {
            m_held.reset(); // as a release outside every window: nothing takes the drop
        } else if (key == Key::Delete) {
            if (Control* bin = form.keyboardBin())
                dropKeyboardDragOn(form, *bin);
        } else if (key == Key::R) {
            if (Control* zone = form.keyboardRotationZone())
                dropKeyboardDragOn(form, *zone);
        }
        // Tab and Shift+Tab wait for the drag to end: the focus stays with the dragged control.
        return true;
    }
    if (!isDragKey(key))
        return false;
    if (m_held || key == Key::Escape)
        return true; // the mouse holds the pointer, or there is nothing to let go of
    Control* const target = key == Key::Delete ? form.keyboardBin()
        : key == Key::R                        ? form.keyboardRotationZone()
                                               : nullptr;
    if ((key == Key::Delete || key == Key::R) && (!target || !target->visible))
        return true; // no drag begins for a drop that cannot happen
    if (!startKeyboardDrag(form))
        return true;
    if (target)
        dropKeyboardDragOn(form, *target);
    else
        stepKeyboardPointer(form, key);
    return true;
}

bool Application::startKeyboardDrag(Form& form)
{
    Control* const focused = form.focus();
    if (!focused || !focused->visible || !form.takesKeyboardDrag(*focused))
        return false;
    pressControl(form, *focused, focused->width / 2, focused->height / 2, MouseButton::Left);
    if (!m_held)
        return false;
    if (!m_held->dragging || m_held->form != &form || !isOpen(&form)) {
        // The press began no drag: the key is let go at once, and a key is no click.
        m_held.reset();
        return false;
    }
    m_held->byKeyboard = true;
    holdTakesAction();
    return true;
}

void Application::stepKeyboardPointer(Form& form, Key key)
{
    auto const arrow = *arrowOf(key);
    double const step = form.keyboardStep(arrow.fine);
    Single const x = keptInside(double(m_held->pointerX) + arrow.dx * step, form.window().clientWidth);
    Single const y = keptInside(double(m_held->pointerY) + arrow.dy * step, form.window().clientHeight);
    movePointer(form, x, y);
}

void Application::dropKeyboardDragOn(Form& form, Control& target)
{
    // The pointer goes to the target's centre, and the drop goes to the target even where another
    // control lies in front of it there: Delete means the bin, whatever covers it. A hidden target
    // takes nothing, and the drag goes on.
    if (!target.visible)
        return;
    Single const gx = target.width / 2;
    Single const gy = target.height / 2;
    movePointer(form, target.left + gx, target.top + gy, &target);
    if (!keyboardDragInProgress() || m_held->form != &form || !isOpen(&form) || !target.visible)
        return;
    m_held.reset();
    form.onDragDrop(&target, gx, gy);
}

} // namespace zelmora
