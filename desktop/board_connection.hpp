// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_actions.hpp"
#include "runtime/application.hpp"

namespace zelmora::qt {

// What a board window's tools do, all of it decided by the program: undo and redo in the
// window's history, board and task files in and out, the algebra band's text and the task.
BoardActions boardActionsFor(Application&, Form&);

} // namespace zelmora::qt
