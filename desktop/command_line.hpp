// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zelmora::qt {

struct CommandLine {
    // Set when the program has nothing more to do: 0 after help or version, 2 after a mistake.
    std::optional<int> exitStatus;
    // A saved board to open once the program has started.
    std::optional<std::filesystem::path> boardFile;
    // A shared link to open the same way: its board with its task.
    std::optional<std::string> shareLink;
};

// Answers what the command line asks for before any window exists, so `zelmora --help` and
// `zelmora --version` work on a terminal with no display.
CommandLine readCommandLine(int argc, char** argv);

} // namespace zelmora::qt
