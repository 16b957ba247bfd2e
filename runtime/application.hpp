// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.hpp"
#include "history.hpp"
#include "host.hpp"
#include "types.hpp"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace zelmora {

// Makes the window of a given name, freshly laid out, or returns null for an unknown name.
using WindowFactory = std::function<std::unique_ptr<Form>(std::string_view name)>;

// The manual drag in progress, as the view draws its outline.
struct DragInProgress {
    Form const* form = nullptr;
    Control const* control = nullptr;
    Single pointerX = 0; // window twips
    Single pointerY = 0;
    Single grabX = 0; // where the control was taken, from its corner
    Single grabY = 0;
    bool pointerInForm = false;
};

// The running program: its open windows front to back, the pointer held down, the input that
// the view or the script driver feeds in, and the end of the program.
class Application {
public:
    Application(Host&, WindowFactory);
    ~Application();
    Application(Application const&) = delete;
    Application& operator=(Application const&) = delete;

    Host& host() { return m_host; }

    // Show: loads the window if it is not open (Load runs first), then brings it to the front.
    Form& show(std::string_view name);
    // Closes the window. Its Form lives on until the event that unloaded it has run.
    void unload(Form&);
    // Ends the program: every window closes at once and no handler runs any more.
    void end();
    bool running() const { return m_running; }

    Form* window(std::string_view name) const;
    std::vector<Form*> const& windowsFrontToBack() const { return m_frontToBack; }
    void bringToFront(Form&);

    void beep();
    void openGuide();
    int beeps() const { return m_beeps; }
    int guideOpenings() const { return m_guideOpenings; }

    // --- input ------------------------------------------------------------------------------
    // A press at (x, y) of the window: it goes to the topmost control under the pointer.
    void mouseDown(Form&, Single x, Single y, MouseButton);
    // A press delivered to this control, at (x, y) from its corner, whatever lies in front of it.
    void mouseDownOn(Form&, Control&, Single x, Single y, MouseButton);
    void mouseMove(Form&, Single x, Single y);
    // A release at (x, y) of the window; null for a release outside every window.
    void mouseUp(Form*, Single x, Single y);
    void doubleClick(Form&, Single x, Single y);
    void key(Form&, Key);
    void closeBox(Form&);

    bool buttonHeld() const { return m_held.has_value(); }
    std::optional<DragInProgress> drag() const;

    // Called by Form::beginDrag while its MouseDown runs.
    void beginDrag(Form&, Control&);

    // --- undo and redo ----------------------------------------------------------------------
    // An action is what undo takes back in one step: a press up to the release that ends it, one
    // key, or whatever a view brackets with these (a drag made with the keyboard). They nest;
    // when the outermost ends, every window the action changed records its state from before.
    void beginAction();
    void endAction();
    bool actionInProgress() const { return m_actionDepth > 0; }

    // Undo puts the window back as it was before its last action, redo as it was after it. Neither
    // runs a handler or sounds anything; both do nothing (and return false) while an action runs
    // or when there is nothing to take back or do again.
    bool canUndo(Form const&) const;
    bool canRedo(Form const&) const;
    bool undo(Form&);
    bool redo(Form&);
    // Gives the window this state as one action of its own, which undo can take back (opening a
    // board file). False, with the window untouched, while another action runs.
    bool replaceState(Form&, FormSnapshot const&);
    // A drag that the keyboard holds (keyboard_drag.cpp): begun by the first arrow key, Delete or
    // R as a press at the focused control's centre, ended by Enter, Space, Escape, Delete or R as a
    // release. While it lasts the pointer belongs to it, so the mouse counts as held. From the key
    // that begins it to the key that ends it, it is one learner action: a key that finds none in
    // progress begins the action, and the first key after which none is in progress ends it.
    bool keyboardDragInProgress() const { return m_held && m_held->byKeyboard; }

private:
    struct Held {
        Form* form = nullptr;
        Control* control = nullptr;
        Single grabX = 0;
        Single grabY = 0;
        bool dragging = false;
        Control* draggedControl = nullptr;
        Control* over = nullptr; // last control that got DragOver
        Single pointerX = 0;
        Single pointerY = 0;
        bool pointerInForm = true;
        bool byKeyboard = false;
        std::optional<std::size_t> place = std::nullopt; // the keyboard place jumped to last, if any
    };
    // Runs one piece of input; windows unloaded meanwhile are destroyed when the outermost ends.
    template<typename Action> void dispatch(Action&&);
    bool isOpen(Form const*) const;
    void pressControl(Form&, Control&, Single x, Single y, MouseButton);
    // A press that leaves a button held begins the action that its release (or the closing of
    // its window) ends; the press's own action nests inside it.
    void holdTakesAction();
    void endHeldActionIfLetGo();
    // The outermost handler has returned: windows unloaded meanwhile go, and so does the action
    // of a button let go meanwhile.
    void leaveHandler();
    bool mayTravelInHistory(Form const&) const;
    // The pointer of the held button moves; a drag raises DragOver there, on forcedOver if given.
    void movePointer(Form&, Single x, Single y, Control* forcedOver = nullptr);
    // The held button is released at (x, y) of the window: a drop, or a click.
    void release(Form*, Single x, Single y);

    // keyboard_drag.cpp: true when the key belongs to keyboard dragging and has been handled.
    bool keyboardDragKey(Form&, Key);
    bool startKeyboardDrag(Form&);
    void stepKeyboardPointer(Form&, Key);
    void jumpKeyboardPointer(Form&, bool forward);
    void releaseKeyboardDrag(Form&);
    void dropKeyboardDragOn(Form&, Control&);

    Host& m_host;
    WindowFactory m_factory;
    std::vector<std::unique_ptr<Form>> m_open;
    std::vector<Form*> m_frontToBack;
    std::vector<std::unique_ptr<Form>> m_closing;
    std::optional<Held> m_held;
    int m_depth = 0;
    int m_actionDepth = 0;
    bool m_heldAction = false; // the held button holds one level of m_actionDepth
    // The state of every window open when the current action began.
    std::map<Form const*, FormSnapshot> m_beforeAction;
    std::map<Form const*, WindowHistory> m_histories;
    int m_beeps = 0;
    int m_guideOpenings = 0;
    bool m_running = true;
};

} // namespace zelmora
