// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>

namespace zelmora::fuzz {

// What a fuzz run did: how many mutants, how many the program took and refused, how many it
// failed on, and its slowest opening of one.
struct FuzzFigures {
    std::uint64_t mutants = 0;
    std::uint64_t accepted = 0;
    std::uint64_t refused = 0;
    std::uint64_t failures = 0;
    std::chrono::duration<double> slowestLoad { 0 };
};

} // namespace zelmora::fuzz
