// SPDX-License-Identifier: GPL-3.0-or-later
// Task files on disk, apart from their text, so that a build without a file system (the page's)
// links none of it.
#include "task_file.hpp"

namespace zelmora {

SaveResult saveTaskFile(Form const& form, std::filesystem::path const& target)
{
    return writeBoardFileBytes(saveTask(form), target);
}

LoadResult loadTaskFile(Application& app, Form& form, std::filesystem::path const& source)
{
    std::string bytes;
    if (auto const unread = readBoardFileBytes(source, bytes); !unread.loaded())
        return unread;
    return loadTask(app, form, bytes);
}

} // namespace zelmora
