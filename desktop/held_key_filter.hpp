// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/held_keys.hpp"

#include <QObject>

class QKeyEvent;

namespace zelmora::qt {

// Stops the repeats of a held key that must not act, before any widget or shortcut of a board or
// menu window sees them. It watches the application, where every key of the platform reaches its
// window first, feeds each press and release to HeldKeys and asks the runtime's keys and the board
// commands which keys repeat. The guide's window is left alone: its arrows scroll on while held.
class HeldKeyFilter : public QObject {
public:
    HeldKeyFilter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool acts(QKeyEvent const& press) const;

    HeldKeys m_keys;
};

} // namespace zelmora::qt
