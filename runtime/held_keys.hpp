// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "types.hpp"

#include <cstdint>
#include <optional>

namespace zelmora {

// One press of a key as the platform reports it: the physical key (a code that stays the same for
// its press and release; 0 where the platform names none, as for synthetic input), the platform's
// time of the press in milliseconds, and whether the platform itself marked the press as a repeat.
struct KeyPress {
    std::uint32_t key = 0;
    std::uint64_t time = 0;
    bool markedRepeat = false;
};

// Tells a new press of a key from the presses that a key held down repeats, and decides which
// presses act. A key held down clicks its button once, as buttons do on every desktop; only keys
// that repeat (the walk along the tab order, undo and redo) act again while held.
//
// Platforms report repeats in two ways. Most mark each repeated press. An X server without
// detectable auto-repeat lets go of the key and presses it again for every repeat, the release
// and the press carrying one time stamp; the toolkit marks such a press only when it happens to
// see the press already queued behind the release, so an unmarked press that follows the
// release of the same physical key at the same time is a repeat too. A learner's own release
// and press are never the same millisecond; input made up by a program may be, and names no
// physical key.
class HeldKeys {
public:
    // True when the press is to act: a new press always does, a repeat only for a key that repeats.
    bool acts(KeyPress const& press, bool keyRepeats) const { return keyRepeats || !isRepeat(press); }
    bool isRepeat(KeyPress const&) const;
    void release(std::uint32_t key, std::uint64_t time);

private:
    struct Release {
        std::uint32_t key;
        std::uint64_t time;
    };
    std::optional<Release> m_lastRelease;
};

// The runtime's keys that act again while held down: Tab and Shift+Tab walk on along the tab
// order. Space and Enter click once, and every key of keyboard dragging moves, drops or turns
// once per press.
bool repeatsWhileHeld(Key);

} // namespace zelmora
