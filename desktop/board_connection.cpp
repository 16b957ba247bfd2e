// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_connection.hpp"

#include "program/algebra_band.hpp"
#include "program/session.hpp"
#include "program/tasks/task_file.hpp"
#include "program/tasks/tasks.hpp"

namespace zelmora::qt {

BoardActions boardActionsFor(Application& app, Form& form)
{
    BoardActions actions;
    actions.undo = [&app, &form] { app.undo(form); };
    actions.redo = [&app, &form] { app.redo(form); };
    actions.canUndo = [&app, &form] { return app.canUndo(form); };
    actions.canRedo = [&app, &form] { return app.canRedo(form); };
    // A teacher's file carries the window's task with its board, both ways.
    actions.open = [&app, &form](std::filesystem::path const& path) { return loadTaskFile(app, form, path).message; };
    actions.save = [&form](std::filesystem::path const& path) { return Session::saveFile(form, path).message; };
    actions.algebraText = [&form] { return QString::fromStdString(algebraBandText(form)); };
    actions.algebraRows = [&form] { return algebraBandRows(form); };
    actions.hasTask = [&form] { return goalOf(form).has_value(); };
    return actions;
}

} // namespace zelmora::qt
