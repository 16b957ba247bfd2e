// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/form.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// What a control is to a screen reader. Each view maps these to its own toolkit's roles.
enum class AccessibleRole {
    Button,   // buttons and tiles: they take the focus and a press
    Text,     // labels: text the learner reads
    Entry,    // text boxes
    Picture,  // images: the bin, the rotation zone, the balance
    Graphic,  // shapes and lines: strips, halves, pans, regions, the product rectangle
    Document, // the menu's document box that opens the teacher's guide
};

// One lowercase word for scripts and tests: button, text, entry, picture, graphic, document.
std::string_view roleToken(AccessibleRole);

AccessibleRole accessibleRoleOf(Control const&);

// The Arabic name a learner hears, computed from the controls as they stand: a button by its
// caption, a tile by its kind, its sign on the boards that mark one, and where it lies.
std::string accessibleNameOf(Form const&, Control const&);

// What a screen reader lists, front to back: the visible controls that cover some of the window
// (a product rectangle with no factor yet has no size and is left out).
std::vector<Control const*> accessibleControls(Form const&);
bool isAccessible(Control const&);

} // namespace zelmora
