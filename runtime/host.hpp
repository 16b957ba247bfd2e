// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zelmora {

class Form;

// What the runtime asks of the toolkit around it. The Qt host puts real windows on the screen
// and plays sounds; the headless host used by the script driver and the tests only records.
class Host {
public:
    virtual ~Host() = default;

    virtual void beep() = 0;
    virtual void openGuide() = 0;
    // A window was loaded and is shown for the first time.
    virtual void windowShown(Form&) = 0;
    // An open window was shown again: it comes to the front.
    virtual void windowRaised(Form&) = 0;
    // A window was unloaded; its Form is destroyed once the current event has run.
    virtual void windowClosed(Form&) = 0;
    // The program ended: every window is closed, nothing more runs.
    virtual void programEnded() = 0;
    // A learner's action reached the goal set on the window for the first time: a view plays a
    // gentle sound, other than the beep, and tells a screen reader. Hosts without a goal's
    // sound need not hear it.
    virtual void goalReached(Form&) { }
};

// A host with no display: every request succeeds and nothing is shown. Tests derive from it to
// hear one request.
class HeadlessHost : public Host {
public:
    void beep() override { }
    void openGuide() override { }
    void windowShown(Form&) override { }
    void windowRaised(Form&) override { }
    void windowClosed(Form&) override { }
    void programEnded() override { }
};

} // namespace zelmora
