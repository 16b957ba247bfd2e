// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zelmora::fuzz {

// Damages good board files the ways disks, editors and mischief do: flipped bytes, pieces of one
// file spliced into another, values swapped or of the wrong kind, numbers too large for any type,
// nesting far deeper than a board's. The same seed gives the same mutants on every build.
class BoardFileMutator {
public:
    explicit BoardFileMutator(std::uint64_t seed)
        : m_random(seed)
    { }

    // One to three damages to `good`; `donor` is another good file whose pieces may be spliced in.
    std::string mutate(std::string const& good, std::string const& donor);
    // A whole number below `bound`, from the mutator's own sequence.
    std::size_t below(std::size_t bound) { return bound == 0 ? 0 : static_cast<std::size_t>(m_random() % bound); }

private:
    std::string mutateValues(std::string const& good);
    void mutateBytes(std::string& bytes, std::string const& donor);

    std::mt19937_64 m_random;
};

} // namespace zelmora::fuzz
