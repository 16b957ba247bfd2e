// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace zelmora::qt {

// Answers what the command line asks for before any window exists, so `zelmora --help` and
// `zelmora --version` work on a terminal with no display. Returns the exit status when the program
// has nothing more to do (0 after help or version, 2 after a mistake), nothing when it should start.
std::optional<int> answerCommandLine(int argc, char** argv);

} // namespace zelmora::qt
