// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/board_file/board_file.hpp"
#include "runtime/application.hpp"

#include <filesystem>
#include <string>
#include <string_view>

namespace zelmora {

// A task file is a saved board with a `task` member: the goal, the prompt and, on the balance,
// the steps recorded so far. A board with no goal is saved exactly as a board file.
std::string saveTask(Form const&);
SaveResult saveTaskFile(Form const&, std::filesystem::path const& target);

// Opens a task file, or a plain board file, into the window. The task is checked first, whole,
// then the board as any board file is; either refused leaves the window, its goal and its steps
// as they were. A task file gives the window its tiles, goal, prompt and steps in one action for
// undo (the goal stays when undo takes the tiles back); a plain board file keeps the window's goal.
LoadResult loadTask(Application&, Form&, std::string_view bytes);
LoadResult loadTaskFile(Application&, Form&, std::filesystem::path const& source);

// As openSavedBoard: the window the file names is shown, then the file is loaded as above.
LoadResult openSavedTask(Application&, std::string_view bytes);

} // namespace zelmora
