// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar_keyboard.hpp"

#include <QKeyEvent>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

namespace zelmora::qt {

ToolbarKeyboard::ToolbarKeyboard(QToolBar* toolbar, QWidget* board)
    : QObject(toolbar)
    , m_toolbar(toolbar)
    , m_board(board)
{
    QWidget* const window = board->window();
    for (QKeySequence const& keys : { QKeySequence(Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_F6) }) {
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &ToolbarKeyboard::toggle);
    }
}

void ToolbarKeyboard::watch(QToolButton* button)
{
    button->installEventFilter(this);
}

QList<QToolButton*> ToolbarKeyboard::reachable() const
{
    // In the order the buttons stand, which is the order of the toolbar's actions.
    QList<QToolButton*> buttons;
    for (QAction* action : m_toolbar->actions()) {
        auto* button = qobject_cast<QToolButton*>(m_toolbar->widgetForAction(action));
        if (button && button->isVisible() && button->isEnabled())
            buttons.append(button);
    }
    return buttons;
}

void ToolbarKeyboard::toggle()
{
    auto* focused = qobject_cast<QToolButton*>(m_toolbar->focusWidget());
    if (focused && focused->hasFocus()) {
        m_board->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    auto const buttons = reachable();
    if (!m_toolbar->isVisible() || buttons.isEmpty())
        return; // a hidden toolbar (F10, full screen) has nothing to offer
    buttons.front()->setFocus(Qt::ShortcutFocusReason);
}

void ToolbarKeyboard::step(QToolButton* from, int by)
{
    auto const buttons = reachable();
    if (buttons.isEmpty())
        return;
    qsizetype const here = buttons.indexOf(from);
    qsizetype const next = ((here < 0 ? 0 : here + by) % buttons.size() + buttons.size()) % buttons.size();
    buttons[next]->setFocus(Qt::ShortcutFocusReason);
}

bool ToolbarKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!button || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto const* key = static_cast<QKeyEvent*>(event);
    // The toolbar runs from the right in the Arabic layout: the arrow towards the reading
    // direction goes on to the next button.
    bool const rightToLeft = m_toolbar->layoutDirection() == Qt::RightToLeft;
    switch (key->key()) {
    case Qt::Key_Left:
        step(button, rightToLeft ? 1 : -1);
        return true;
    case Qt::Key_Right:
        step(button, rightToLeft ? -1 : 1);
        return true;
    case Qt::Key_Down:
        step(button, 1);
        return true;
    case Qt::Key_Up:
        step(button, -1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!key->isAutoRepeat() || button->autoRepeat())
            button->click();
        return true;
    case Qt::Key_Escape:
        m_board->setFocus(Qt::ShortcutFocusReason);
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace zelmora::qt
