// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_form.hpp"

#include "form_view.hpp"
#include "program/accessible_names.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>

namespace zelmora::qt {

namespace {

QAccessible::Role qtRoleOf(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Button:
        return QAccessible::Button;
    case AccessibleRole::Text:
        return QAccessible::StaticText;
    case AccessibleRole::Entry:
        return QAccessible::EditableText;
    case AccessibleRole::Picture:
        return QAccessible::Graphic;
    case AccessibleRole::Graphic:
        return QAccessible::Canvas;
    case AccessibleRole::Document:
        return QAccessible::Document;
    }
    return QAccessible::Canvas;
}

class FormViewAccessible;

// Something painted in a window's view, with no widget of its own and no children: the view is
// its parent and its window the view's window.
class PaintedAccessible : public QAccessibleInterface {
public:
    explicit PaintedAccessible(FormView* view)
        : m_view(view)
    { }

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(QAccessibleInterface const*) const override { return -1; }
    void setText(QAccessible::Text, QString const&) override { }

protected:
    QPointer<FormView> m_view;
};

// One painted control. It holds no copy of anything: every answer is read from the control as
// it stands, and it turns invalid once its window is closed.
class ControlAccessible final : public PaintedAccessible {
public:
    ControlAccessible(FormView* view, Form const* form, Control const* control)
        : PaintedAccessible(view)
        , m_form(form)
        , m_control(control)
    { }

    bool isValid() const override { return live() && isAccessible(*m_control); }

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override
    {
        return live() ? qtRoleOf(accessibleRoleOf(*m_control)) : QAccessible::NoRole;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!live()) {
            s.invalid = true;
            return s;
        }
        s.invisible = !isAccessible(*m_control);
        s.focusable = m_control->takesFocus();
        s.focused = s.focusable && m_form->focus() == m_control;
        return s;
    }

private:
    bool live() const { return m_view && m_view->form() == m_form; }

    Form const* m_form;
    Control const* m_control;
};

// Where the outcome of a drop is heard: a status object whose name is the last announcement.
class StatusAccessible final : public PaintedAccessible {
public:
    explicit StatusAccessible(FormView* view)
        : PaintedAccessible(view)
    { }
    bool isValid() const override { return m_view; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? m_text : QString(); }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }

    void setAnnouncement(QString text) { m_text = std::move(text); }

private:
    QString m_text;
};

// The window's accessible: its controls as children, front to back, then the status object.
class FormViewAccessible final : public QAccessibleWidget {
public:
    explicit FormViewAccessible(FormView* view)
        : QAccessibleWidget(view, view->isWindow() ? QAccessible::Window : QAccessible::Client)
    { }
    ~FormViewAccessible() override { forgetControls(); }

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + static_cast<int>(controls().size()) + 1;
    }
    QAccessibleInterface* child(int index) const override
    {
        int const widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return index < 0 ? nullptr : QAccessibleWidget::child(index);
        auto const list = controls();
        auto const i = static_cast<std::size_t>(index - widgets);
        if (i < list.size())
            return interfaceFor(list[i]);
        return i == list.size() ? status() : nullptr;
    }
    int indexOfChild(QAccessibleInterface const* child) const override
    {
        for (int i = 0, n = childCount(); i < n; ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (Control const* c : controls()) // front to back: the first hit is the topmost
            if (QAccessibleInterface* iface = interfaceFor(c); iface->rect().contains(x, y))
                return iface;
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override
    {
        Form const* form = view()->form();
        if (form && form->focus() && isAccessible(*form->focus()))
            return interfaceFor(form->focus());
        return QAccessibleWidget::focusChild();
    }

    QAccessibleInterface* interfaceFor(Control const* c) const
    {
        syncForm();
        if (auto const found = m_ids.find(c); found != m_ids.end())
            return QAccessible::accessibleInterface(found->second);
        auto* iface = new ControlAccessible(view(), m_idsForm, c);
        m_ids.emplace(c, QAccessible::registerAccessibleInterface(iface));
        return iface;
    }
    StatusAccessible* status() const
    {
        if (!m_statusId)
            m_statusId = QAccessible::registerAccessibleInterface(new StatusAccessible(view()));
        return static_cast<StatusAccessible*>(QAccessible::accessibleInterface(m_statusId));
    }

    // Also the description of the control that holds the focus once the drop has run, since
    // screen readers speak a change of the focused object's description at once.
    void setAnnouncement(Control const* focused, QString const& text)
    {
        m_announced = focused;
        m_announcement = text;
        status()->setAnnouncement(text);
    }
    QString announcementFor(Control const* c) const { return c == m_announced ? m_announcement : QString(); }

private:
    FormView* view() const { return static_cast<FormView*>(widget()); }
    std::vector<Control const*> controls() const
    {
        Form const* form = view()->form();
        return form ? accessibleControls(*form) : std::vector<Control const*> {};
    }
    // A closed window's controls are gone: their interfaces go with them.
    void syncForm() const
    {
        if (m_idsForm != view()->form()) {
            forgetControls();
            m_idsForm = view()->form();
        }
    }
    void forgetControls() const
    {
        for (auto const& [control, id] : m_ids)
            QAccessible::deleteAccessibleInterface(id);
        m_ids.clear();
        m_announced = nullptr;
        if (m_statusId)
            QAccessible::deleteAccessibleInterface(std::exchange(m_statusId, 0));
    }

    mutable Form const* m_idsForm = nullptr;
    mutable std::map<Control const*, QAccessible::Id> m_ids;
    mutable QAccessible::Id m_statusId = 0;
    mutable Control const* m_announced = nullptr;
    QString m_announcement;
};

QString ControlAccessible::text(QAccessible::Text t) const
{
    if (!live())
        return {};
    if (t == QAccessible::Name)
        return QString::fromStdString(accessibleNameOf(*m_form, *m_control));
    if (t == QAccessible::Description) {
        auto const* owner = dynamic_cast<FormViewAccessible*>(parent());
        return owner ? owner->announcementFor(m_control) : QString();
    }
    return {};
}

QRect ControlAccessible::rect() const
{
    if (!live())
        return {};
    Control const& c = *m_control;
    ViewScale const scale = m_view->scale();
    QRect const local = c.kind == ControlKind::Line
        ? scale.rect(std::min(c.x1, c.x2), std::min(c.y1, c.y2), std::abs(c.x2 - c.x1), std::abs(c.y2 - c.y1))
              .adjusted(0, 0, 1, 1)
        : scale.rect(c.left, c.top, c.width, c.height);
    return local.translated(m_view->mapToGlobal(QPoint(0, 0)));
}

QAccessibleInterface* accessibleFormFactory(QString const&, QObject* object)
{
    if (auto* view = qobject_cast<FormView*>(object))
        return new FormViewAccessible(view);
    return nullptr;
}

FormViewAccessible* accessibleOf(FormView* view)
{
    return dynamic_cast<FormViewAccessible*>(QAccessible::queryAccessibleInterface(view));
}

void send(QAccessibleInterface* iface, QAccessible::Event type)
{
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void installAccessibleForms()
{
    static bool const installed = [] {
        QAccessible::installFactory(accessibleFormFactory);
        return true;
    }();
    (void)installed;
}

void AccessibilityReporter::after(Application const& app, ViewLookup const& viewOf)
{
    auto const& open = app.windowsFrontToBack();
    std::erase_if(m_reportedFocus,
        [&](auto const& entry) { return std::find(open.begin(), open.end(), entry.first) == open.end(); });
    if (!QAccessible::isActive())
        return;

    for (Form const* form : open) {
        Control const* const focus = form->focus();
        auto& reported = m_reportedFocus[form];
        if (reported == focus)
            continue;
        reported = focus;
        FormView* view = viewOf(*form);
        if (view && focus && isAccessible(*focus))
            if (auto* owner = accessibleOf(view))
                send(owner->interfaceFor(focus), QAccessible::Focus);
    }
}

void AccessibilityReporter::announce(Form const& form, std::string const& announcement, FormView* view)
{
    // The status holds the last announcement even while no screen reader listens, so that one
    // started later finds it there; only the events wait for a listener.
    auto* owner = view ? accessibleOf(view) : nullptr;
    if (!owner)
        return;
    Control const* focus = form.focus();
    owner->setAnnouncement(focus, QString::fromStdString(announcement));
    if (!QAccessible::isActive())
        return;
    send(owner->status(), QAccessible::NameChanged);
    if (focus && isAccessible(*focus))
        send(owner->interfaceFor(focus), QAccessible::DescriptionChanged);
}

} // namespace zelmora::qt
