// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_sound.hpp"

#include <QApplication>

#ifdef ZELMORA_HAVE_CANBERRA
#include <canberra.h>
#endif
#ifdef ZELMORA_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif

#include <cstdio>

namespace zelmora::qt {

namespace {

#ifdef ZELMORA_HAVE_ALSA
// ALSA prints every failure to find a device on standard error, several lines for each sound the
// sound system tries to play. The failure itself reaches us through libcanberra's result.
void ignoreAlsaError(char const*, int, char const*, int, char const*, ...)
{ }
#endif

void keepSoundLibrariesQuiet()
{
#ifdef ZELMORA_HAVE_ALSA
    snd_lib_error_set_handler(&ignoreAlsaError);
#endif
}

} // namespace

SystemSound::~SystemSound()
{
#ifdef ZELMORA_HAVE_CANBERRA
    if (m_context)
        ca_context_destroy(m_context);
#endif
}

void SystemSound::bell()
{
    if (playThroughCanberra("bell", true)) {
        m_lastRoute = Route::Canberra;
        return;
    }
    QApplication::beep();
    m_lastRoute = Route::WindowingSystem;
}

void SystemSound::goalReached()
{
    ++m_goalSounds;
    playThroughCanberra("complete", false);
}

bool SystemSound::openCanberra()
{
#ifdef ZELMORA_HAVE_CANBERRA
    if (m_context)
        return true;
    if (m_canberraUnusable)
        return false;
    // Made on the first sound, so that a program that never sounds never opens the sound system.
    keepSoundLibrariesQuiet();
    if (ca_context_create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        m_canberraUnusable = true;
        return false;
    }
    ca_context_change_props(
        m_context, CA_PROP_APPLICATION_NAME, "Zelmora", CA_PROP_APPLICATION_ID, "org.zelmora.Zelmora", nullptr);
    if (ca_context_open(m_context) != CA_SUCCESS) {
        // No sound system to talk to: nothing will change while the program runs.
        ca_context_destroy(m_context);
        m_context = nullptr;
        m_canberraUnusable = true;
        return false;
    }
    return true;
#else
    return false;
#endif
}

bool SystemSound::playThroughCanberra(char const* eventId, bool reportFailure)
{
#ifdef ZELMORA_HAVE_CANBERRA
    if (!openCanberra())
        return false;
    // ca_context_play starts the sound and returns at once. A failure (no device, no theme, the
    // sound disabled by the user) is answered by the fallback for this sound only: a device may
    // come back later.
    int const played
        = ca_context_play(m_context, 0, CA_PROP_EVENT_ID, eventId, CA_PROP_EVENT_DESCRIPTION, "Zelmora", nullptr);
    if (played != CA_SUCCESS && reportFailure && !m_failureReported) {
        // Said once: a learner's terminal is not the place for the same complaint at every beep.
        m_failureReported = true;
        std::fprintf(
            stderr, "zelmora: the alert sound cannot play (%s); the display's bell stands in\n", ca_strerror(played));
    }
    return played == CA_SUCCESS;
#else
    (void)eventId;
    (void)reportFailure;
    return false;
#endif
}

} // namespace zelmora::qt
