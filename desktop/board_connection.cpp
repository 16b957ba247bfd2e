// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_connection.hpp"

#include "program/algebra_band.hpp"
#include "program/board_file/board_file.hpp"

namespace zelmora::qt {

BoardActions boardActionsFor(Application& app, Form& form)
{
    BoardActions actions;
    actions.undo = [&app, &form] { app.undo(form); };
    actions.redo = [&app, &form] { app.redo(form); };
    actions.canUndo = [&app, &form] { return app.canUndo(form); };
    actions.canRedo = [&app, &form] { return app.canRedo(form); };
    actions.open = [&app, &form](std::filesystem::path const& path) { return loadBoardFile(app, form, path).message; };
    actions.save = [&form](std::filesystem::path const& path) { return saveBoardFile(form, path).message; };
    actions.algebraText = [&form] { return QString::fromStdString(algebraBandText(form)); };
    return actions;
}

} // namespace zelmora::qt
