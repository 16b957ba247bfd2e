// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/board_file/board_file.hpp"
#include "runtime/application.hpp"

#include <filesystem>
#include <string_view>

namespace zelmora {

// Opens a saved board into the board it was saved from, as a double click on the file in a file
// manager or a file dropped on the browser's page does: that board is shown (loaded first when it
// is not open) and the file is loaded into it as one action. When the file is refused, a board
// opened for it is closed again and a board that was open is left exactly as it was.
// The loader may be another that reads more of the file (a task's).
using BoardLoader = LoadResult (*)(Application&, Form&, std::string_view bytes);
LoadResult openSavedBoard(Application&, std::string_view bytes, BoardLoader = &loadBoard);
LoadResult openSavedBoardFile(Application&, std::filesystem::path const&, BoardLoader = &loadBoard);

} // namespace zelmora
