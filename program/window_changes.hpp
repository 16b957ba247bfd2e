// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/application.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zelmora {

// Which open windows look different since the views last asked, so that a view repaints those
// and nothing else. A window is compared by a fingerprint of everything a view draws of it or
// around it: every control's place, size, visibility, texts, picture and look, the stacking
// order, the focus, the outline of a drag over it, what undo and redo offer, its companion and
// its record. A fingerprint costs a pass over the controls, far less than painting one.
// A fingerprint of everything a view draws of the window itself, leaving out a drag over it: a
// view that kept what it drew for one fingerprint may draw only the drag while it stays the same.
std::uint64_t lookOf(Application const&, Form const&);

class WindowChanges {
public:
    // Compares every open window with how it was last seen.
    void look(Application const&);
    // A window changed by something other than input (a goal set on it), seen at the next look.
    void forget(Form const&);
    // The windows that changed since the last call, by name, front to back.
    std::vector<std::string> take();

private:
    std::map<std::string, std::uint64_t> m_seen;
    std::vector<std::string> m_changed;
};

} // namespace zelmora
