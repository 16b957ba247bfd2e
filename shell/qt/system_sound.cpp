// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_sound.hpp"

#include <QApplication>

#ifdef ZELMORA_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace zelmora::qt {

SystemSound::~SystemSound()
{
#ifdef ZELMORA_HAVE_CANBERRA
    if (m_context)
        ca_context_destroy(m_context);
#endif
}

void SystemSound::bell()
{
    if (playThroughCanberra()) {
        m_lastRoute = Route::Canberra;
        return;
    }
    QApplication::beep();
    m_lastRoute = Route::WindowingSystem;
}

bool SystemSound::playThroughCanberra()
{
#ifdef ZELMORA_HAVE_CANBERRA
    if (m_canberraUnusable)
        return false;
    if (!m_context) {
        // Made on the first beep, so that a program that never beeps never opens the sound system.
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
    }
    // ca_context_play starts the sound and returns at once. A failure (no device, no theme, the
    // sound disabled by the user) is answered by the fallback for this beep only: a device may
    // come back later.
    return ca_context_play(m_context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Zelmora", nullptr)
        == CA_SUCCESS;
#else
    return false;
#endif
}

} // namespace zelmora::qt
