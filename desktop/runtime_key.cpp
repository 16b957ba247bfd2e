// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime_key.hpp"

#include <QKeyEvent>

namespace zelmora::qt {

std::optional<Key> runtimeKeyOf(QKeyEvent const& event)
{
    bool const shift = event.modifiers() & Qt::ShiftModifier;
    switch (event.key()) {
    // Keyboard dragging: the arrows (finer with Shift), Escape, Delete, and R for a quarter turn;
    // on an Arabic layout the R key types "ق".
    case Qt::Key_Left:
        return shift ? Key::ShiftLeft : Key::Left;
    case Qt::Key_Right:
        return shift ? Key::ShiftRight : Key::Right;
    case Qt::Key_Up:
        return shift ? Key::ShiftUp : Key::Up;
    case Qt::Key_Down:
        return shift ? Key::ShiftDown : Key::Down;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_R:
    case 0x0642: // ARABIC LETTER QAF
        if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return std::nullopt;
        return Key::R;
    // Page Down and Page Up jump a held tile between the board's places; the brackets do the same
    // on keyboards without them.
    case Qt::Key_PageDown:
    case Qt::Key_BracketRight:
        return Key::PageDown;
    case Qt::Key_PageUp:
    case Qt::Key_BracketLeft:
        return Key::PageUp;
    case Qt::Key_Tab:
        return event.modifiers() & Qt::ShiftModifier ? Key::ShiftTab : Key::Tab;
    case Qt::Key_Backtab:
        return Key::ShiftTab;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    default:
        return std::nullopt;
    }
}

} // namespace zelmora::qt
