// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_host.hpp"

#include "runtime/form.hpp"

namespace zelmora::web {

void WebHost::windowShown(Form& form)
{
    m_events.push_back({ "shown", form.name() });
}

void WebHost::windowRaised(Form& form)
{
    m_events.push_back({ "raised", form.name() });
}

void WebHost::windowClosed(Form& form)
{
    m_events.push_back({ "closed", form.name() });
}

void WebHost::goalReached(Form& form)
{
    m_events.push_back({ "goal", form.name() });
}

} // namespace zelmora::web
