// SPDX-License-Identifier: GPL-3.0-or-later
#include "held_keys.hpp"

namespace zelmora {

bool HeldKeys::isRepeat(KeyPress const& press) const
{
    if (press.markedRepeat)
        return true;
    return press.key != 0 && m_lastRelease && m_lastRelease->key == press.key && m_lastRelease->time == press.time;
}

void HeldKeys::release(std::uint32_t key, std::uint64_t time)
{
    m_lastRelease = Release { key, time };
}

bool repeatsWhileHeld(Key key)
{
    return key == Key::Tab || key == Key::ShiftTab;
}

} // namespace zelmora
