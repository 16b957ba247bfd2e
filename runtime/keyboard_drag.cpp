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

bool isJumpKey(Key key)
{
    return key == Key::PageDown || key == Key::PageUp;
}

bool isDragKey(Key key)
{
    return arrowOf(key) || isJumpKey(key) || key == Key::Escape || key == Key::Delete || key == Key::R;
}

// The place after (or before) the last one jumped to, round the table; the first jump forward
// goes to the first place, the first jump back to the last.
std::size_t nextPlace(std::optional<std::size_t> last, std::size_t count, bool forward)
{
    if (!last)
        return forward ? 0 : count - 1;
    return forward ? (*last + 1) % count : (*last + count - 1) % count;
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
        } else if (isJumpKey(key)) {
            jumpKeyboardPointer(form, key == Key::PageDown);
        } else if (key == Key::Enter || key == Key::Space) {
            releaseKeyboardDrag(form);
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
    if (m_held || key == Key::Escape || isJumpKey(key))
        return true; // the mouse holds the pointer, or there is nothing to let go of or carry
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
    Control* const subject = focused && focused->visible ? form.keyboardDragSubject(*focused) : nullptr;
    if (!subject || !subject->visible)
        return false;
    pressControl(form, *subject, subject->width / 2, subject->height / 2, MouseButton::Left);
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

void Application::jumpKeyboardPointer(Form& form, bool forward)
{
    auto const places = form.keyboardPlaces(*m_held->draggedControl);
    if (places.empty())
        return;
    std::size_t const chosen = nextPlace(m_held->place, places.size(), forward);
    m_held->place = chosen;
    KeyboardPlace const& place = places[chosen];
    double const x = place.tileCorner ? double(place.x) + m_held->grabX : place.x;
    double const y = place.tileCorner ? double(place.y) + m_held->grabY : place.y;
    movePointer(form, keptInside(x, form.window().clientWidth), keptInside(y, form.window().clientHeight));
}

void Application::releaseKeyboardDrag(Form& form)
{
    // A learner without a mouse goes on from where the window says, not from wherever the drop's
    // own rules left the focus (the button that snaps the tile, far from the palette).
    Control* const dropped = m_held->draggedControl;
    release(&form, m_held->pointerX, m_held->pointerY);
    if (!isOpen(&form) || !dropped)
        return;
    if (Control* next = form.focusAfterKeyboardDrop(*dropped); next && next->visible && next->takesFocus())
        form.setFocus(*next);
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
