// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace zelmora {

// Everything a board window offers around the board itself, in every view.
enum class BoardCommand {
    Undo,
    Redo,
    Open,
    Save,
    CopyPicture,
    SavePicture,
    Print,
    FullScreen,
    Algebra,
    ShowToolbar,
    LeaveFullScreen,
    Goal,
    Lessons,
    Share,
};

// How one command looks and is reached. Keys are written as "Ctrl+Shift+Z", "F11" or "Escape";
// letters mean the key's place, so that they work on an Arabic layout too. A command with an icon
// has a button on the bar; the icon is assets/toolbar/ICON.svg, or the desktop theme's THEMEICON
// where the theme has one. A command whose keys repeat runs again while they are held down: undo
// and redo do, as in other programs; every other command runs once per press (a held F2 must not
// flicker the band on and off).
struct BoardCommandDesign {
    BoardCommand command;
    std::string_view id; // the page's and the tests' name for it
    std::string_view text;
    std::string_view tooltip;
    std::string_view icon;      // empty for a command without a button
    std::string_view themeIcon; // the freedesktop name, or empty where no theme has one
    std::array<std::string_view, 2> keys;
    bool checkable;
    bool repeats;
    bool gapAfter;  // the bar leaves a gap after its button, between groups of commands
    bool showsText; // the button shows its text beside its icon
};

// In bar order, first to last; the bar lays them out right to left.
std::span<BoardCommandDesign const> boardCommands();

} // namespace zelmora
