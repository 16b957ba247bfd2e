// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.hpp"

#include "application.hpp"
#include "runtime_error.hpp"

#include <algorithm>
#include <set>
#include <utility>

namespace zelmora {

Form::Form(FormLayout layout)
    : m_window(std::move(layout.window))
{
    m_controls.reserve(layout.controls.size());
    for (auto& row : layout.controls) {
        auto control = std::make_unique<Control>(std::move(row));
        auto const qualified = control->qualifiedName();
        if (m_byName.contains(qualified))
            throw RuntimeError("Duplicate control " + qualified + " in " + m_window.name);
        m_byName.emplace(qualified, control.get());
        if (control->index >= 0) {
            auto& members = m_arrays[control->name];
            if (members.size() <= static_cast<std::size_t>(control->index))
                members.resize(static_cast<std::size_t>(control->index) + 1, nullptr);
            members[static_cast<std::size_t>(control->index)] = control.get();
        }
        m_laidOutPictures.push_back(control->picture);
        m_controls.push_back(std::move(control));
    }
    // Two layers, each in the layout's stacking order.
    for (auto& c : m_controls)
        if (c->inUpperLayer())
            m_frontToBack.push_back(c.get());
    for (auto& c : m_controls)
        if (!c->inUpperLayer())
            m_frontToBack.push_back(c.get());
    assignMissingTabIndices();
}

Form::~Form() = default;

void Form::assignMissingTabIndices()
{
    // Controls that the layout gives no tab index take the free places in order: the members of
    // control arrays first, by index, then the rest in stacking order.
    auto hasTabIndex = [](Control const& c) {
        return c.kind == ControlKind::Button || c.kind == ControlKind::TextBox || c.kind == ControlKind::Label
            || c.kind == ControlKind::Ole;
    };
    std::set<int> taken;
    std::vector<Control*> missing;
    for (auto& c : m_controls) {
        if (!hasTabIndex(*c))
            continue;
        if (c->tabIndex >= 0)
            taken.insert(c->tabIndex);
        else
            missing.push_back(c.get());
    }
    std::stable_sort(missing.begin(), missing.end(), [](Control* a, Control* b) {
        bool const aArray = a->index >= 0;
        bool const bArray = b->index >= 0;
        if (aArray != bArray)
            return aArray;
        if (aArray && a->name == b->name)
            return a->index < b->index;
        return false;
    });
    int next = 0;
    for (auto* c : missing) {
        while (taken.contains(next))
            ++next;
        c->tabIndex = static_cast<Integer>(next++);
    }
}

Control& Form::control(std::string_view name)
{
    return const_cast<Control&>(std::as_const(*this).control(name));
}

Control& Form::control(std::string_view name, int index)
{
    return const_cast<Control&>(std::as_const(*this).control(name, index));
}

Control const& Form::control(std::string_view name) const
{
    if (auto* c = findControl(name))
        return *c;
    throw RuntimeError("Control " + std::string(name) + " does not exist in " + m_window.name);
}

Control const& Form::control(std::string_view name, int index) const
{
    auto const it = m_arrays.find(name);
    if (it != m_arrays.end() && index >= 0 && static_cast<std::size_t>(index) < it->second.size()
        && it->second[static_cast<std::size_t>(index)])
        return *it->second[static_cast<std::size_t>(index)];
    throw RuntimeError("Control array element " + std::string(name) + "(" + std::to_string(index)
        + ") does not exist in " + m_window.name);
}

Control* Form::findControl(std::string_view qualifiedName) const
{
    auto const it = m_byName.find(qualifiedName);
    return it == m_byName.end() ? nullptr : it->second;
}

std::vector<Control*> const& Form::array(std::string_view name) const
{
    static std::vector<Control*> const none;
    auto const it = m_arrays.find(name);
    return it == m_arrays.end() ? none : it->second;
}

bool Form::clientAreaCovers(Single x, Single y) const
{
    return x >= 0 && x < m_window.clientWidth && y >= 0 && y < m_window.clientHeight;
}

Control* Form::topmostAt(Single x, Single y, bool (*accepts)(Control const&)) const
{
    if (!clientAreaCovers(x, y))
        return nullptr;
    for (auto* c : m_frontToBack)
        if (c->visible && accepts(*c) && c->covers(x, y))
            return c;
    return nullptr;
}

void Form::setFocus(Control& target)
{
    if (!target.takesFocus() || !target.visible)
        throw RuntimeError("Invalid procedure call or argument: " + target.qualifiedName() + " cannot take the focus");
    if (m_focus == &target)
        return;
    Control* const loser = m_focus;
    m_focus = &target;
    if (loser)
        onLostFocus(*loser);
}

void Form::press(Control& button)
{
    if (!button.isButton())
        throw RuntimeError("Object doesn't support this property or method: " + button.qualifiedName() + ".Value");
    onClick(button);
}

void Form::beginDrag(Control& control)
{
    app().beginDrag(*this, control);
}

void Form::setTabIndex(Control& target, int tabIndex)
{
    if (target.tabIndex < 0)
        throw RuntimeError("Object doesn't support this property or method: " + target.qualifiedName() + ".TabIndex");
    int count = 0;
    for (auto& c : m_controls)
        count += c->tabIndex >= 0;
    int const wanted = std::clamp(tabIndex, 0, count - 1);
    int const old = target.tabIndex;
    for (auto& c : m_controls) {
        if (c.get() == &target || c->tabIndex < 0)
            continue;
        if (wanted < old && c->tabIndex >= wanted && c->tabIndex < old)
            ++c->tabIndex;
        else if (wanted > old && c->tabIndex > old && c->tabIndex <= wanted)
            --c->tabIndex;
    }
    target.tabIndex = static_cast<Integer>(wanted);
}

void Form::beep()
{
    app().beep();
}

void Form::unload()
{
    app().unload(*this);
}

Application& Form::app() const
{
    if (!m_app)
        throw RuntimeError("Form " + m_window.name + " is not loaded");
    return *m_app;
}

std::vector<Control*> Form::tabOrder() const
{
    std::vector<Control*> order;
    for (auto& c : m_controls)
        if (c->takesFocus() && c->visible && c->tabIndex >= 0)
            order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

void Form::moveFocusAlongTabOrder(bool forward)
{
    auto const order = tabOrder();
    if (order.empty())
        return;
    // A hidden holder is no longer in the order; continue from its tab index all the same.
    int const here = m_focus ? m_focus->tabIndex : (forward ? -1 : 1 << 20);
    Control* next = nullptr;
    if (forward) {
        auto const it = std::find_if(order.begin(), order.end(), [&](Control* c) { return c->tabIndex > here; });
        next = it == order.end() ? order.front() : *it;
    } else {
        auto const it = std::find_if(order.rbegin(), order.rend(), [&](Control* c) { return c->tabIndex < here; });
        next = it == order.rend() ? order.back() : *it;
    }
    setFocus(*next);
}

void Form::focusFirstInTabOrder()
{
    auto const order = tabOrder();
    if (!order.empty() && !m_focus)
        setFocus(*order.front());
}

FormSnapshot Form::snapshot() const
{
    FormSnapshot shot;
    shot.controls.reserve(m_controls.size());
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        Control const& c = *m_controls[i];
        shot.controls.push_back(ControlState { c.left, c.top, c.width, c.height, c.visible, c.caption, c.text,
            c.appearance, c.tabIndex, c.x1, c.y1, c.x2, c.y2, c.picture });
        if (m_focus == &c)
            shot.focus = static_cast<int>(i);
    }
    shot.module = moduleState();
    shot.record = m_record;
    return shot;
}

void Form::restore(FormSnapshot const& shot)
{
    if (shot.controls.size() != m_controls.size() || shot.focus >= static_cast<int>(m_controls.size()))
        throw RuntimeError("A saved state of another window cannot be put back in " + m_window.name);
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        Control& c = *m_controls[i];
        ControlState const& s = shot.controls[i];
        c.left = s.left;
        c.top = s.top;
        c.width = s.width;
        c.height = s.height;
        c.visible = s.visible;
        c.caption = s.caption;
        c.text = s.text;
        c.appearance = s.appearance;
        c.tabIndex = s.tabIndex;
        c.x1 = s.x1;
        c.y1 = s.y1;
        c.x2 = s.x2;
        c.y2 = s.y2;
        c.picture = s.picture;
    }
    m_focus = shot.focus < 0 ? nullptr : m_controls[static_cast<std::size_t>(shot.focus)].get();
    restoreModuleState(shot.module);
    m_record = shot.record;
}

std::unique_ptr<FormCompanion> Form::setCompanion(std::unique_ptr<FormCompanion> companion)
{
    std::swap(m_companion, companion);
    return companion;
}

std::string const& Form::laidOutPicture(Control const& control) const
{
    auto const it
        = std::find_if(m_controls.begin(), m_controls.end(), [&](auto const& c) { return c.get() == &control; });
    if (it == m_controls.end())
        throw RuntimeError("No control " + control.qualifiedName() + " in " + m_window.name);
    return m_laidOutPictures[static_cast<std::size_t>(it - m_controls.begin())];
}

std::vector<std::string> Form::picturesItMayShow(Control const& control) const
{
    return { laidOutPicture(control) };
}

std::vector<Control const*> Form::controlsInLayoutOrder() const
{
    std::vector<Control const*> order;
    order.reserve(m_controls.size());
    for (auto const& c : m_controls)
        order.push_back(c.get());
    return order;
}

} // namespace zelmora
