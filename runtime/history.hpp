// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "snapshot.hpp"

#include <cstddef>
#include <deque>
#include <vector>

namespace zelmora {

// One window's undo and redo: the states before the actions that can be taken back, and the
// states that taking them back left behind, newest last.
class WindowHistory {
public:
    // Enough for a whole lesson's slips; the oldest actions are forgotten first.
    static constexpr std::size_t depth = 200;

    // An action changed the window from `before`; what could be redone no longer follows from it.
    void record(FormSnapshot before);
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // Trades the current state for the one to go back (or forward) to.
    FormSnapshot undo(FormSnapshot current);
    FormSnapshot redo(FormSnapshot current);

private:
    std::deque<FormSnapshot> m_undo;
    std::vector<FormSnapshot> m_redo;
};

} // namespace zelmora
