// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/session.hpp"
#include "runtime/host.hpp"

#include <string>
#include <utility>
#include <vector>

namespace zelmora::web {

// What the core asked of the page, in order, for the page to act on after each call: the core
// cannot call into the page while one of its handlers runs, and need not.
struct HostEvent {
    std::string type;   // beep, guide, shown, raised, closed, ended, error, announce, goal
    std::string detail; // the window's name, an error's message, or what to announce
};

// Both what the runtime asks of a toolkit and what the session tells a view, as the page's events.
class WebHost final : public Host, public SessionListener {
public:
    void beep() override { m_events.push_back({ "beep", {} }); }
    void openGuide() override { m_events.push_back({ "guide", {} }); }
    void windowShown(Form&) override;
    void windowRaised(Form&) override;
    void windowClosed(Form&) override;
    void programEnded() override { m_events.push_back({ "ended", {} }); }
    // The page plays its chime; the session announces the praise itself.
    void goalReached(Form&) override;
    void programFailed(std::string const& message) override { m_events.push_back({ "error", message }); }
    // What a learner who cannot see the board should hear: a drop, a task, its feedback.
    void announce(Form const&, std::string const& announcement) override
    {
        m_events.push_back({ "announce", announcement });
    }

    std::vector<HostEvent> take() { return std::exchange(m_events, {}); }

private:
    std::vector<HostEvent> m_events;
};

} // namespace zelmora::web
