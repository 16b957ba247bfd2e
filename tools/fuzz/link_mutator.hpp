// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fuzz_random.hpp"

#include <string>

namespace zelmora::fuzz {

// Damages good links the ways a copy, a chat program, a hand and mischief do: characters
// changed, cut short, added or moved; links of a newer program; garbage; links far longer than a
// board's. Most mutants are signed again after the damage, their length and checksum made right,
// so that the damage reaches the body's reading and the board file's checks behind it: bytes of
// the body changed, and values of the board file the link stands for changed and written as a
// link again. The same seed gives the same mutants on every build.
class LinkMutator : public FuzzRandom {
public:
    using FuzzRandom::FuzzRandom;

    // One damage to `good` (a whole link or its fragment); `donor` is another good link whose
    // pieces may be spliced in.
    std::string mutate(std::string const& good, std::string const& donor);

private:
    std::string damageCharacters(std::string link, std::string const& donor);
    std::string damageSignedBytes(std::string const& good, std::string const& donor);
    std::string damageSignedBoard(std::string const& good);
    std::string otherVersion(std::string const& good);
    std::string garbage(std::string const& good);
    std::string veryLong(std::string const& good);
    char anyCharacter();
};

} // namespace zelmora::fuzz
