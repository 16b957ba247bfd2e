// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/application.hpp"

#include <functional>
#include <map>
#include <string>

namespace zelmora::qt {

class FormView;

// Makes every painted control of every window an accessible object for screen readers: the
// view's own accessible lists the controls front to back, with the roles and names the core
// gives them, and one status object that carries what a drop did. Installed once, before the
// first window is shown.
void installAccessibleForms();

// Tells screen readers what each piece of input did: the focus moving between painted controls,
// which Qt cannot see, and the outcome of a drop of a tile.
class AccessibilityReporter {
public:
    using ViewLookup = std::function<FormView*(Form const&)>;

    // The focus moves each window's input left behind, once it has run.
    void after(Application const&, ViewLookup const&);
    // What a drop did, as the program put it, on the window the tile was dropped in.
    void announce(Form const&, std::string const& announcement, FormView*);

private:
    std::map<Form const*, Control const*> m_reportedFocus;
};

} // namespace zelmora::qt
