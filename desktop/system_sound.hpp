// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct ca_context;

namespace zelmora::qt {

// The desktop's alert sound: the sound theme's "bell" event through libcanberra, or the windowing
// system's bell where libcanberra cannot play it. Playing never waits for the sound and never
// fails, with or without a sound device; a sound that cannot play is reported once on standard
// error, and the sound libraries' own complaints are kept off it.
class SystemSound {
public:
    SystemSound() = default;
    ~SystemSound();
    SystemSound(SystemSound const&) = delete;
    SystemSound& operator=(SystemSound const&) = delete;

    void bell();

    // How the last bell was sounded, for the tests.
    enum class Route { None, Canberra, WindowingSystem };
    Route lastRoute() const { return m_lastRoute; }

private:
    bool playThroughCanberra();

    ca_context* m_context = nullptr;
    bool m_canberraUnusable = false;
    bool m_failureReported = false;
    Route m_lastRoute = Route::None;
};

} // namespace zelmora::qt
