// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

namespace zelmora::qt {

struct CommandLine {
    // Set when the program has nothing more to do: 0 after help or version, 2 after a mistake.
    std::optional<int> exitStatus;
    // A saved board to open once the program has started.
    std::optional<std::filesystem::path> boardFile;
};

// Answers what the command line asks for before any window exists, so `zelmora --help` and
// `zelmora --version` work on a terminal with no display.
CommandLine readCommandLine(int argc, char** argv);

} // namespace zelmora::qt
