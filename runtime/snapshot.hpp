// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "types.hpp"

#include <string>
#include <vector>

namespace zelmora {

// Every property of one control that a handler may read or write. The look is left out: it is
// the layout's and never changes while the program runs.
struct ControlState {
    Single left = 0;
    Single top = 0;
    Single width = 0;
    Single height = 0;
    bool visible = true;
    std::string caption;
    std::string text;
    Integer appearance = 1;
    Integer tabIndex = -1;
    Single x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string picture;

    friend bool operator==(ControlState const&, ControlState const&) = default;
};

// One Integer field of a window's module, or an array of them (homes, drag state).
struct ModuleField {
    std::string name;
    std::vector<Integer> values;
    bool isArray = false;

    friend bool operator==(ModuleField const&, ModuleField const&) = default;
};
using ModuleState = std::vector<ModuleField>;

// A window's complete state: its controls in layout order, the control holding its focus and its
// module's fields and its record. Putting it back gives the window exactly this state and runs no handler.
struct FormSnapshot {
    std::vector<ControlState> controls;
    int focus = -1; // position in layout order, -1 when nothing holds the focus
    ModuleState module;
    // Lines that a layer above the runtime keeps as part of the window's state (the equations a
    // task on the balance went through), so that undo and redo take them back and forth with it.
    std::vector<std::string> record;

    friend bool operator==(FormSnapshot const&, FormSnapshot const&) = default;
};

} // namespace zelmora
