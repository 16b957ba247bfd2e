// SPDX-License-Identifier: GPL-3.0-or-later
#include "held_key_filter.hpp"

#include "board_commands.hpp"
#include "form_view.hpp"
#include "runtime_key.hpp"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

namespace zelmora::qt {

namespace {

// The physical key: the same for its press and its release whatever the modifiers make of it;
// 0 for synthetic events, which name none.
std::uint32_t physicalKey(QKeyEvent const& event)
{
    return event.nativeScanCode();
}

// A window that shows a board or the menu, as opposed to the guide's.
bool showsAForm(QObject* watched)
{
    auto* const window = qobject_cast<QWindow*>(watched);
    QWidget* const widget = window ? QWidget::find(window->winId()) : nullptr;
    return widget && (qobject_cast<FormView*>(widget) || widget->findChild<FormView*>());
}

// Keys that neither the runtime nor a board command knows keep the platform's repeats.
bool keyRepeats(QKeyEvent const& event)
{
    if (auto const key = runtimeKeyOf(event))
        return repeatsWhileHeld(*key);
    if (BoardCommandDesign const* command = boardCommandOfKey(event.keyCombination()))
        return command->repeats;
    return true;
}

} // namespace

HeldKeyFilter::HeldKeyFilter()
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool HeldKeyFilter::acts(QKeyEvent const& press) const
{
    return m_keys.acts({ physicalKey(press), press.timestamp(), press.isAutoRepeat() }, keyRepeats(press));
}

bool HeldKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto const type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    // The widgets inside the window see the same press after it; it is judged once, here.
    if (!watched->isWindowType() || !showsAForm(watched))
        return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    if (type == QEvent::KeyRelease) {
        m_keys.release(physicalKey(key), key.timestamp());
        return false;
    }
    // Every press is offered as a shortcut first. An override accepted here keeps a command from
    // running; the key press that then follows stops here as well.
    if (acts(key))
        return false;
    key.accept();
    return true;
}

} // namespace zelmora::qt
