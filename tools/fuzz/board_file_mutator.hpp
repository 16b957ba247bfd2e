// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fuzz_random.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace zelmora::fuzz {

// Damages good board files the ways disks, editors and mischief do: flipped bytes, pieces of one
// file spliced into another, values swapped or of the wrong kind, numbers too large for any type,
// nesting far deeper than a board's. The same seed gives the same mutants on every build.
class BoardFileMutator : public FuzzRandom {
public:
    using FuzzRandom::FuzzRandom;

    // One to three damages to `good`; `donor` is another good file whose pieces may be spliced in.
    std::string mutate(std::string const& good, std::string const& donor);

private:
    std::string mutateValues(std::string const& good);
    void mutateBytes(std::string& bytes, std::string const& donor);
};

} // namespace zelmora::fuzz
