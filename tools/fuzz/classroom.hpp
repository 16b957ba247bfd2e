// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fuzz_random.hpp"

#include "boards/common/tile_board.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace zelmora::fuzz {

inline constexpr std::array<char const*, 4> boardWindows { "frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5" };

// The program with every board open and worked on, and good files of each board to damage.
struct Classroom {
    HeadlessHost host;
    Application app { host, &createWindow };
    std::map<std::string, std::vector<std::string>> goodFiles;
    std::map<std::string, std::string> liveFiles; // each board as the mutants find it

    explicit Classroom(FuzzRandom& random);

    // A learner's action: a tile out of the palette, dragged somewhere, into the bin, or Tab.
    void work(TileBoard& board, FuzzRandom& random);
};

// What the mutants must not change when they are refused: which windows are open, in which
// order, and how each looks, what it holds as a task and what undo can take back.
struct WindowsState {
    std::vector<std::string> names;
    std::vector<FormSnapshot> snapshots;
    std::vector<std::string> tasks;
    std::vector<bool> undoable;

    // Every window's order; the state of `only` when given, of every window otherwise.
    WindowsState(Application const& app, Form const* only);
    // What differs in `after`, or empty.
    std::string changeTo(WindowsState const& after) const;
};

} // namespace zelmora::fuzz
