// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fuzz_figures.hpp"

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace zelmora::fuzz {

// Opens `count` mutants of good links of every board, as `openlink` does, through a session with
// every board open and worked on, and checks each: a refused link leaves every window as it was
// (its look, its task, its undo); an accepted one opens a board whose own link opens it again
// the same, and which goes on working; the program never fails and no opening takes longer than
// openLimit. Each failure is written to `report` with the mutant's number, and the mutant itself
// into keepFolder when one is given.
FuzzFigures runLinkFuzz(std::uint64_t seed, std::uint64_t count, std::ostream& report,
    std::string const& keepFolder = {}, std::chrono::duration<double> openLimit = std::chrono::seconds(2));

} // namespace zelmora::fuzz
