// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/algebra_band.hpp"

#include <QString>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zelmora::qt {

// What a board window's toolbar asks of the program. The view only offers these; the program
// decides what they do. A member left empty leaves its action disabled.
struct BoardActions {
    // Take back and redo the last action; each runs as one piece of input.
    std::function<void()> undo;
    std::function<void()> redo;
    // Whether there is anything to take back or redo now. When left empty, undo and redo stay
    // enabled whenever they are connected.
    std::function<bool()> canUndo;
    std::function<bool()> canRedo;
    // Load a board or task file into the window, or save the window's board with its task to a
    // file, at a path the teacher chose. Each returns the reason in Arabic when it refuses or
    // fails, else "".
    std::function<std::string(std::filesystem::path const&)> open;
    std::function<std::string(std::filesystem::path const&)> save;
    // The text of the algebra band, asked again after every input that changed the board while
    // the band is shown.
    std::function<QString()> algebraText;
    // The same band as rows, an equation's sides apart; when left empty, each line of the text
    // is a row of words.
    std::function<std::vector<BandRow>()> algebraRows = {};
    // Whether the window holds a task, whose goal and feedback the band shows.
    std::function<bool()> hasTask;
};

} // namespace zelmora::qt
