// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct ca_context;

namespace zelmora::qt {

// The desktop's sounds: the alert, the sound theme's "bell" event through libcanberra, or the
// windowing system's bell where libcanberra cannot play it; and the gentler sound of a goal
// reached, the theme's "complete" event, which nothing stands in for: a bell there would sound
// like a mistake. Playing never waits for the sound and never fails, with or without a sound
// device; an alert that cannot play is reported once on standard error, and the sound libraries'
// own complaints are kept off it.
class SystemSound {
public:
    SystemSound() = default;
    ~SystemSound();
    SystemSound(SystemSound const&) = delete;
    SystemSound& operator=(SystemSound const&) = delete;

    void bell();
    void goalReached();

    // How the last bell was sounded, for the tests.
    enum class Route { None, Canberra, WindowingSystem };
    Route lastRoute() const { return m_lastRoute; }
    // How many goal sounds were asked for, played or not, for the tests.
    int goalSounds() const { return m_goalSounds; }

private:
    bool playThroughCanberra(char const* eventId, bool reportFailure);
    bool openCanberra();

    ca_context* m_context = nullptr;
    bool m_canberraUnusable = false;
    bool m_failureReported = false;
    Route m_lastRoute = Route::None;
    int m_goalSounds = 0;
};

} // namespace zelmora::qt
