// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>

#include <span>

namespace zelmora::qt {

// Everything a board window offers around the board itself.
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
};

// How one command looks and is reached: its Arabic name and tooltip, its icon (the desktop
// theme's, else the one drawn for Zelmora), its keys, whether it has a button, and whether its
// keys run it again while held down: undo and redo do, as they do in other programs; every other
// command runs once per press (a held F2 must not flicker the band on and off).
struct BoardCommandDesign {
    BoardCommand command;
    char const* text;
    char const* tooltip;
    char const* themeIcon;   // the freedesktop name, or null where no theme has one
    char const* bundledIcon; // a resource path, or null for a command without a button
    QList<QKeySequence> keys;
    bool onToolbar;
    bool checkable;
    bool repeats;
};

// In toolbar order, first to last; the toolbar lays them out right to left.
std::span<BoardCommandDesign const> boardCommands();

// The command one of whose keys is this combination, or null.
BoardCommandDesign const* boardCommandOfKey(QKeyCombination);

// The command's icon: the desktop theme's when it has one (its right-to-left variant first for a
// right-to-left window), else Zelmora's own.
QIcon boardCommandIcon(BoardCommandDesign const&, Qt::LayoutDirection);

} // namespace zelmora::qt
