// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fuzz_figures.hpp"

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace zelmora::fuzz {

// Loads `count` mutants of good board files of every board into live windows and checks each:
// a refused file leaves every window as it was; an accepted one saves and loads again to the
// same board, which goes on working; no load takes longer than loadLimit. Each failure is written
// to `report` with the mutant's number, and the mutant itself into keepFolder when one is given.
FuzzFigures runBoardFileFuzz(std::uint64_t seed, std::uint64_t count, std::ostream& report,
    std::string const& keepFolder = {}, std::chrono::duration<double> loadLimit = std::chrono::seconds(2));

} // namespace zelmora::fuzz
