// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.hpp"

#include "runtime_error.hpp"

#include <algorithm>

namespace zelmora {

Application::Application(Host& host, WindowFactory factory)
    : m_host(host)
    , m_factory(std::move(factory))
{ }

Application::~Application() = default;

template<typename Action> void Application::dispatch(Action&& action)
{
    if (!m_running)
        return;
    ++m_depth;
    try {
        action();
    } catch (...) {
        leaveHandler();
        throw;
    }
    leaveHandler();
}

void Application::leaveHandler()
{
    if (--m_depth > 0)
        return;
    endHeldActionIfLetGo();
    m_closing.clear();
}

void Application::holdTakesAction()
{
    if (!m_held || m_heldAction)
        return;
    beginAction();
    m_heldAction = true;
}

void Application::endHeldActionIfLetGo()
{
    // Inside a handler the action goes on: what the rest of the handler changes belongs to it.
    if (!m_heldAction || m_held || m_depth > 0)
        return;
    m_heldAction = false;
    endAction();
}

bool Application::isOpen(Form const* form) const
{
    return form && std::find(m_frontToBack.begin(), m_frontToBack.end(), form) != m_frontToBack.end();
}

Form& Application::show(std::string_view name)
{
    if (!m_running)
        throw RuntimeError("The program has ended");
    if (Form* open = window(name)) {
        bringToFront(*open);
        m_host.windowRaised(*open);
        return *open;
    }
    auto created = m_factory(name);
    if (!created)
        throw RuntimeError("There is no window " + std::string(name));
    Form& form = *created;
    form.attach(*this);
    m_open.push_back(std::move(created));
    m_frontToBack.insert(m_frontToBack.begin(), &form);
    ++m_depth;
    try {
        form.onLoad();
        if (isOpen(&form))
            form.focusFirstInTabOrder();
    } catch (...) {
        leaveHandler();
        throw;
    }
    if (isOpen(&form))
        m_host.windowShown(form);
    leaveHandler();
    return form;
}

void Application::unload(Form& form)
{
    auto const it = std::find_if(m_open.begin(), m_open.end(), [&](auto const& f) { return f.get() == &form; });
    if (it == m_open.end())
        return;
    if (m_held && m_held->form == &form)
        m_held.reset();
    // The window's history goes with it; a window loaded later at the same address starts afresh.
    m_histories.erase(&form);
    m_beforeAction.erase(&form);
    std::erase(m_frontToBack, &form);
    m_closing.push_back(std::move(*it));
    m_open.erase(it);
    m_host.windowClosed(form);
    // A window closed with a button held on it (its close box, a key, the window manager) ends
    // the action that press began; otherwise undo and opening files would wait for ever.
    endHeldActionIfLetGo();
    if (m_depth == 0)
        m_closing.clear();
}

void Application::end()
{
    if (!m_running)
        return;
    while (!m_frontToBack.empty())
        unload(*m_frontToBack.front());
    m_held.reset();
    m_heldAction = false;
    m_actionDepth = 0;
    m_beforeAction.clear();
    m_histories.clear();
    m_running = false;
    m_host.programEnded();
}

Form* Application::window(std::string_view name) const
{
    for (auto* f : m_frontToBack)
        if (f->name() == name)
            return f;
    return nullptr;
}

void Application::bringToFront(Form& form)
{
    auto const it = std::find(m_frontToBack.begin(), m_frontToBack.end(), &form);
    if (it != m_frontToBack.end())
        std::rotate(m_frontToBack.begin(), it, it + 1);
}

void Application::beep()
{
    ++m_beeps;
    m_host.beep();
}

void Application::openGuide()
{
    ++m_guideOpenings;
    m_host.openGuide();
}

void Application::mouseDown(Form& form, Single x, Single y, MouseButton button)
{
    if (!m_running || m_held || !isOpen(&form))
        return;
    beginAction();
    Control* target = form.topmostAt(x, y, [](Control const& c) { return c.takesPointer(); });
    if (target) {
        pressControl(form, *target, x - target->left, y - target->top, button);
    } else {
        bringToFront(form);
        m_held = Held { .form = &form, .pointerX = x, .pointerY = y };
    }
    holdTakesAction();
    endAction();
}

void Application::mouseDownOn(Form& form, Control& control, Single x, Single y, MouseButton button)
{
    if (!m_running || m_held || !isOpen(&form) || !control.visible)
        return;
    beginAction();
    pressControl(form, control, x, y, button);
    holdTakesAction();
    endAction();
}

void Application::pressControl(Form& form, Control& control, Single x, Single y, MouseButton button)
{
    dispatch([&] {
        bringToFront(form);
        m_held = Held { .form = &form,
            .control = &control,
            .grabX = x,
            .grabY = y,
            .pointerX = control.left + x,
            .pointerY = control.top + y };
        // The focus moves first, so the loser's LostFocus runs before MouseDown.
        if (control.takesFocus())
            form.setFocus(control);
        if (isOpen(&form) && m_held)
            form.onMouseDown(control, button, 0, x, y);
    });
}

void Application::beginDrag(Form& form, Control& control)
{
    if (!m_held || m_held->form != &form)
        return;
    m_held->dragging = true;
    m_held->draggedControl = &control;
    if (&control != m_held->control) {
        m_held->grabX = m_held->pointerX - control.left;
        m_held->grabY = m_held->pointerY - control.top;
    }
}

void Application::mouseMove(Form& form, Single x, Single y)
{
    if (!m_running || !m_held || m_held->byKeyboard)
        return;
    dispatch([&] { movePointer(form, x, y); });
}

void Application::movePointer(Form& form, Single x, Single y, Control* forcedOver)
{
    Held& held = *m_held;
    bool const inForm = &form == held.form && form.clientAreaCovers(x, y);
    held.pointerInForm = inForm;
    if (inForm) {
        held.pointerX = x;
        held.pointerY = y;
    }
    if (!held.dragging)
        return;
    Control* const target = forcedOver ? forcedOver
        : inForm                       ? form.topmostAt(x, y, [](Control const& c) { return c.takesDrops(); })
                                       : nullptr;
    Control* const previous = held.over;
    held.over = target;
    if (previous && previous != target)
        held.form->onDragOver(*previous, x - previous->left, y - previous->top, DragState::Leave);
    if (target && isOpen(&form))
        form.onDragOver(
            *target, x - target->left, y - target->top, previous == target ? DragState::Over : DragState::Enter);
}

void Application::mouseUp(Form* form, Single x, Single y)
{
    if (!m_running || !m_held || m_held->byKeyboard)
        return;
    release(form, x, y);
}

void Application::release(Form* form, Single x, Single y)
{
    Held const held = *m_held;
    m_held.reset();
    if (form != held.form || !isOpen(form)) {
        endHeldActionIfLetGo();
        return; // released in another window or outside every window: nothing takes it
    }
    dispatch([&] {
        if (held.dragging) {
            if (!form->clientAreaCovers(x, y))
                return;
            Control* const target = form->topmostAt(x, y, [](Control const& c) { return c.takesDrops(); });
            if (target)
                form->onDragDrop(target, x - target->left, y - target->top);
            else
                form->onDragDrop(nullptr, x, y);
            return;
        }
        // A click needs the release to be on the control that got the press.
        if (held.control && held.control->visible && held.control->covers(x, y))
            form->onClick(*held.control);
    });
}

void Application::doubleClick(Form& form, Single x, Single y)
{
    if (!m_running || !isOpen(&form) || keyboardDragInProgress())
        return;
    beginAction();
    dispatch([&] {
        if (Control* target = form.topmostAt(x, y, [](Control const& c) { return c.takesPointer(); }))
            form.onDoubleClick(*target);
    });
    endAction();
}

void Application::key(Form& form, Key key)
{
    if (!m_running || !isOpen(&form))
        return;
    // A keyboard drag is one action from the key that begins it to the key that ends it: the
    // drag holds an action of its own, in which each key's action nests.
    beginAction();
    dispatch([&] {
        bringToFront(form);
        if (keyboardDragKey(form, key))
            return;
        switch (key) {
        case Key::Tab:
            form.moveFocusAlongTabOrder(true);
            break;
        case Key::ShiftTab:
            form.moveFocusAlongTabOrder(false);
            break;
        case Key::Space:
        case Key::Enter:
            if (Control* focused = form.focus(); focused && focused->visible && focused->isButton())
                form.onClick(*focused);
            break;
        default:
            break; // the keys of keyboard dragging, handled above
        }
    });
    endAction();
}

void Application::closeBox(Form& form)
{
    if (!m_running || !isOpen(&form))
        return;
    beginAction();
    dispatch([&] { unload(form); });
    endAction();
}

void Application::beginAction()
{
    if (m_actionDepth++ > 0)
        return;
    for (Form const* form : m_frontToBack)
        m_beforeAction.emplace(form, form->snapshot());
}

void Application::endAction()
{
    if (m_actionDepth == 0 || --m_actionDepth > 0)
        return;
    auto before = std::move(m_beforeAction);
    m_beforeAction.clear();
    // A companion (a task's check) writes what the action led to before the action is recorded.
    for (Form* form : std::vector<Form*>(m_frontToBack))
        if (before.contains(form) && form->companion() && isOpen(form))
            form->companion()->afterAction(*form);
    // Windows unloaded meanwhile took their entry with them; those loaded meanwhile have none.
    for (auto& [form, state] : before)
        if (form->snapshot() != state)
            m_histories[form].record(std::move(state));
}

bool Application::mayTravelInHistory(Form const& form) const
{
    return m_running && !m_held && m_actionDepth == 0 && isOpen(&form);
}

bool Application::canUndo(Form const& form) const
{
    auto const it = m_histories.find(&form);
    return mayTravelInHistory(form) && it != m_histories.end() && it->second.canUndo();
}

bool Application::canRedo(Form const& form) const
{
    auto const it = m_histories.find(&form);
    return mayTravelInHistory(form) && it != m_histories.end() && it->second.canRedo();
}

bool Application::undo(Form& form)
{
    if (!canUndo(form))
        return false;
    form.restore(m_histories[&form].undo(form.snapshot()));
    return true;
}

bool Application::redo(Form& form)
{
    if (!canRedo(form))
        return false;
    form.restore(m_histories[&form].redo(form.snapshot()));
    return true;
}

bool Application::replaceState(Form& form, FormSnapshot const& state)
{
    if (!mayTravelInHistory(form))
        return false;
    beginAction();
    form.restore(state);
    endAction();
    return true;
}

std::optional<DragInProgress> Application::drag() const
{
    if (!m_held || !m_held->dragging || !m_held->draggedControl)
        return std::nullopt;
    return DragInProgress { m_held->form, m_held->draggedControl, m_held->pointerX, m_held->pointerY, m_held->grabX,
        m_held->grabY, m_held->pointerInForm };
}

} // namespace zelmora
