// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/control.hpp"

#include <map>
#include <vector>

namespace zelmora {

// Assembles a window's controls in stacking order, front to back, with the tiles slotted in
// between the other controls exactly where the layout puts them.
class StackingList {
public:
    explicit StackingList(std::vector<Control> members);

    StackingList& add(Control control);
    StackingList& addMembers(std::vector<int> const& order);
    // Every member must have been placed exactly once.
    std::vector<Control> finish();

private:
    std::map<int, Control> m_unplaced;
    std::vector<Control> m_controls;
};

} // namespace zelmora
