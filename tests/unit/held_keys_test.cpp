// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/held_keys.hpp"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

constexpr std::uint32_t space = 65;
constexpr std::uint32_t tab = 23;

// An X server without detectable auto-repeat repeats a held key as a release and a press at one
// time; the toolkit marks some of these presses and not others. Either way they are repeats.
TEST(HeldKeys, ReleaseAndPressAtOneTimeIsARepeat)
{
    HeldKeys keys;
    EXPECT_TRUE(keys.acts({ space, 1000, false }, false));
    keys.release(space, 1660);
    EXPECT_FALSE(keys.acts({ space, 1660, false }, false));
    keys.release(space, 1700);
    EXPECT_FALSE(keys.acts({ space, 1700, true }, false));
    keys.release(space, 1713); // the learner lets go
    // The next press is a new one, however soon it comes.
    EXPECT_TRUE(keys.acts({ space, 1714, false }, false));
    // Another key let go at the same moment makes no repeat of this one.
    keys.release(tab, 1800);
    EXPECT_TRUE(keys.acts({ space, 1800, false }, false));
    // Input made up by a program names no physical key; two quick clicks are two presses.
    keys.release(0, 1900);
    EXPECT_TRUE(keys.acts({ 0, 1900, false }, false));
}

// Platforms that mark every repeat send its presses with no release between.
TEST(HeldKeys, MarkedPressIsARepeatAndActsOnlyForKeysThatRepeat)
{
    HeldKeys keys;
    KeyPress const repeat { tab, 2000, true };
    EXPECT_TRUE(keys.isRepeat(repeat));
    EXPECT_FALSE(keys.acts(repeat, false));
    EXPECT_TRUE(keys.acts(repeat, true));
}

TEST(HeldKeys, OnlyTheTabOrderWalkRepeats)
{
    EXPECT_TRUE(repeatsWhileHeld(Key::Tab));
    EXPECT_TRUE(repeatsWhileHeld(Key::ShiftTab));
    for (Key key : { Key::Space, Key::Enter, Key::Left, Key::Right, Key::Up, Key::Down, Key::ShiftLeft, Key::ShiftRight,
             Key::ShiftUp, Key::ShiftDown, Key::Escape, Key::Delete, Key::R })
        EXPECT_FALSE(repeatsWhileHeld(key)) << static_cast<int>(key);
}

} // namespace
} // namespace zelmora
