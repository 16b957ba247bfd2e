// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.hpp"
#include "snapshot.hpp"
#include "types.hpp"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

class Application;
class Form;

// A place a keyboard drag can jump to. A tile corner is where the held control's top-left
// corner should come to rest: the pointer goes there plus the grab, so the drop lands the control
// exactly there. Otherwise (x, y) is the pointer itself, as for a drop on the bin.
struct KeyboardPlace {
    Single x = 0;
    Single y = 0;
    bool tileCorner = true;
};

// What a layer above the runtime keeps with one open window (a task's goal and its check). It
// lives as long as the window, and hears the end of every learner action that the window saw
// before undo records it, so that whatever it writes in the window's record goes with the action.
class FormCompanion {
public:
    virtual ~FormCompanion() = default;
    virtual void afterAction(Form&) = 0;
};

enum class WindowPlacement { CenteredOnScreen, ChosenBySystem };

// The window itself as the designer lays it out.
struct WindowDesign {
    std::string name;
    std::string caption;
    Single clientWidth = 11880;
    Single clientHeight = 8490;
    Color back { 0xC0, 0xC0, 0xC0 };
    bool titled = true; // a border, a title bar and a close box
    bool hasIcon = true;
    WindowPlacement placement = WindowPlacement::CenteredOnScreen;
};

// A window and all its controls, in stacking order front to back.
struct FormLayout {
    WindowDesign window;
    std::vector<Control> controls;
};

// A window of the program: its controls, its input focus and one handler per control event.
// Boards derive from it and override the handlers they have; the defaults do nothing.
class Form {
public:
    explicit Form(FormLayout layout);
    virtual ~Form();
    Form(Form const&) = delete;
    Form& operator=(Form const&) = delete;

    WindowDesign const& window() const { return m_window; }
    std::string const& name() const { return m_window.name; }

    // Controls by name, as the layout names them. Raise a runtime error when there is none.
    Control& control(std::string_view name);
    Control& control(std::string_view name, int index);
    Control const& control(std::string_view name) const;
    Control const& control(std::string_view name, int index) const;
    Control* findControl(std::string_view qualifiedName) const;
    // Every member of a control array, by index; entries for missing indices are null.
    std::vector<Control*> const& array(std::string_view name) const;

    // Front to back, upper layer (buttons, text boxes) first.
    std::vector<Control*> const& paintOrderFrontToBack() const { return m_frontToBack; }
    // The topmost visible control at (x, y) that passes the filter, or null.
    Control* topmostAt(Single x, Single y, bool (*accepts)(Control const&)) const;
    bool clientAreaCovers(Single x, Single y) const;

    // --- runtime operations ---------------------------------------------------------------
    Control* focus() const { return m_focus; }
    // The loser's LostFocus runs before this returns.
    void setFocus(Control&);
    // Value = True: the button's Click runs before this returns.
    void press(Control&);
    // Begins a manual drag of the control that is being pressed.
    void beginDrag(Control&);
    // Places the control in the tab order; the others move up or down to make room.
    void setTabIndex(Control&, int tabIndex);
    void beep();
    void unload();
    Application& app() const;

    // Tab and Shift+Tab: the next visible control that takes the focus, in tab order.
    void moveFocusAlongTabOrder(bool forward);
    // The control that holds the focus when the window opens.
    void focusFirstInTabOrder();

    // --- state ------------------------------------------------------------------------------
    // The window as it stands, and putting such a state back; no handler runs.
    FormSnapshot snapshot() const;
    // The snapshot must come from this window (or be checked against it, as board files are).
    void restore(FormSnapshot const&);
    // The controls in layout order, as a snapshot lists them.
    std::vector<Control const*> controlsInLayoutOrder() const;

    // The module's own fields. A window with none keeps the empty defaults.
    virtual ModuleState moduleState() const { return {}; }
    virtual void restoreModuleState(ModuleState const&) { }
    // Why the module could not hold these fields (a value its rules cannot work with), or empty.
    // The names, kinds and sizes already match moduleState() when this is asked.
    virtual std::string moduleStateProblem(ModuleState const&) const { return {}; }
    // The pictures an image may show: the one the layout gives it, and those a window's handlers
    // copy into it from other images, as the layout gave them. What it shows now does not count:
    // a state checked against that could lose a picture for good.
    virtual std::vector<std::string> picturesItMayShow(Control const&) const;
    std::string const& laidOutPicture(Control const&) const;

    // --- what a layer above the runtime keeps with the window ------------------------------
    // At most one companion; setting another (or none) ends the one before. The companion is no
    // part of the window's state: undo neither takes it back nor brings it again.
    FormCompanion* companion() const { return m_companion.get(); }
    std::unique_ptr<FormCompanion> setCompanion(std::unique_ptr<FormCompanion>);
    // The record is part of the state: snapshots hold it and restoring puts it back.
    std::vector<std::string> const& record() const { return m_record; }
    void setRecord(std::vector<std::string> record) { m_record = std::move(record); }

    // --- events -----------------------------------------------------------------------------
    virtual void onLoad() { }
    virtual void onClick(Control&) { }
    virtual void onDoubleClick(Control&) { }
    virtual void onMouseDown(Control&, MouseButton, int /*shift*/, Single /*x*/, Single /*y*/) { }
    // target is null for a drop on the window itself; x, y are from the target's corner.
    virtual void onDragDrop(Control* /*target*/, Single /*x*/, Single /*y*/) { }
    virtual void onDragOver(Control&, Single /*x*/, Single /*y*/, DragState) { }
    virtual void onLostFocus(Control&) { }

    // --- keyboard drag ----------------------------------------------------------------------
    // What a learner without a mouse may move and where to. The runtime knows no tiles: the
    // window says which focused controls an arrow key drags (as a press at their centre would),
    // how far one arrow moves the pointer (fine: with Shift), and which controls Delete and R drop
    // on. The defaults take no keyboard drag at all.
    virtual bool takesKeyboardDrag(Control const&) const { return false; }
    virtual Single keyboardStep(bool /*fine*/) const { return 0; }
    virtual Control* keyboardBin() { return nullptr; }
    virtual Control* keyboardRotationZone() { return nullptr; }
    // Where Page Down and Page Up carry the held control, in the order Page Down visits them: the
    // places where a drop means something on this window, worked out afresh for each key from
    // what the window holds now. None: the keys do nothing.
    virtual std::vector<KeyboardPlace> keyboardPlaces(Control const& /*held*/) { return {}; }
    // The control that takes the focus after the keyboard has dropped the held control with Enter
    // or Space, so that a learner goes on from there; none leaves the focus where the drop put it.
    virtual Control* focusAfterKeyboardDrop(Control const& /*dropped*/) { return nullptr; }
    // What a keyboard drag begun on the focused control takes hold of: the control itself when
    // it takes keyboard drags, or another that it stands for (a palette button for the tile it
    // has just brought out); none begins no drag.
    virtual Control* keyboardDragSubject(Control& focused) { return takesKeyboardDrag(focused) ? &focused : nullptr; }

private:
    friend class Application;
    void attach(Application& app) { m_app = &app; }
    void assignMissingTabIndices();
    std::vector<Control*> tabOrder() const;

    WindowDesign m_window;
    std::vector<std::unique_ptr<Control>> m_controls; // stacking order as laid out
    std::vector<std::string> m_laidOutPictures;       // by the same order
    std::vector<Control*> m_frontToBack;
    std::map<std::string, Control*, std::less<>> m_byName;
    std::map<std::string, std::vector<Control*>, std::less<>> m_arrays;
    Control* m_focus = nullptr;
    Application* m_app = nullptr;
    std::vector<std::string> m_record;
    std::unique_ptr<FormCompanion> m_companion;
};

} // namespace zelmora
