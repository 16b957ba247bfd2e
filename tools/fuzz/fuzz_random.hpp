// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

namespace zelmora::fuzz {

// The one sequence a fuzz run draws from: the same seed gives the same mutants and the same
// learner's work on every build.
class FuzzRandom {
public:
    explicit FuzzRandom(std::uint64_t seed)
        : m_random(seed)
    { }

    // A whole number below `bound`.
    std::size_t below(std::size_t bound) { return bound == 0 ? 0 : static_cast<std::size_t>(m_random() % bound); }

private:
    std::mt19937_64 m_random;
};

} // namespace zelmora::fuzz
