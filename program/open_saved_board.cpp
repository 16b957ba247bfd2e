// SPDX-License-Identifier: GPL-3.0-or-later
#include "open_saved_board.hpp"

#include "program/board_file/refusal_messages.hpp"
#include "windows.hpp"

namespace zelmora {

LoadResult openSavedBoard(Application& app, std::string_view bytes, BoardLoader load)
{
    auto const board = boardNamedIn(bytes);
    if (!board || !isBoardWindow(*board))
        return refusedLoad(Refusal::NotBoardFile, "the file names no board of this program");
    if (!app.running())
        return refusedLoad(Refusal::Busy, "the program has ended");
    // An open board comes to the front only once its file is loaded: a refused file leaves every
    // window where it was.
    Form* const open = app.window(*board);
    Form& form = open ? *open : app.show(*board);
    LoadResult result = load(app, form, bytes);
    if (result.loaded() && open)
        app.show(*board);
    else if (!result.loaded() && !open)
        app.unload(form);
    return result;
}

LoadResult openSavedBoardFile(Application& app, std::filesystem::path const& source, BoardLoader load)
{
    std::string bytes;
    if (auto const unread = readBoardFileBytes(source, bytes); !unread.loaded())
        return unread;
    return openSavedBoard(app, bytes, load);
}

} // namespace zelmora
