// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas's accessible mirror: one element for each control the core lists for a screen
// reader, front to back, with the core's name and its role, laid over the control's place so that
// exploring the screen by touch finds what lies under the finger. The element of the focused
// control holds the page's focus whenever the board has the keyboard.
import { toCss } from "./view_scale.js";

// The core's roles as ARIA gives them. Labels are plain text, read as they stand; the board's
// strips, regions and lines are pictures to a screen reader, as the bin is.
export const ARIA_ROLES = { button: "button", text: null, entry: "textbox", picture: "img", graphic: "img",
  document: "document" };

export class AccessibleMirror {
  constructor(caption, windowName) {
    this.el = document.createElement("div");
    this.el.className = "mirror";
    // An application: a screen reader passes the arrows and Space to the board, not its own reading.
    this.el.setAttribute("role", "application");
    this.el.setAttribute("aria-label", caption);
    this.el.dataset.window = windowName;
    this.items = new Map(); // control name -> element
    this.focused = null;
  }

  // The core's names as they now stand, placed with the window's scale in CSS pixels.
  update(names, scale) {
    const seen = new Set();
    let previous = null;
    this.focused = null;
    names.forEach((entry, place) => {
      const item = this.itemFor(entry);
      seen.add(entry.control);
      const corner = toCss(scale, entry.left, entry.top);
      Object.assign(item.style, { left: `${corner.x}px`, top: `${corner.y}px`,
        width: `${entry.width * scale.perTwip}px`, height: `${entry.height * scale.perTwip}px`,
        zIndex: String(names.length - place) });
      // Kept in the core's order, front to back, moving only what moved.
      const next = previous ? previous.nextSibling : this.el.firstChild;
      if (next !== item) this.el.insertBefore(item, next);
      previous = item;
      if (entry.focused) this.focused = item;
    });
    for (const [control, item] of this.items)
      if (!seen.has(control)) { item.remove(); this.items.delete(control); }
  }

  itemFor(entry) {
    let item = this.items.get(entry.control);
    const role = ARIA_ROLES[entry.role];
    if (!item || item.dataset.role !== entry.role) {
      item?.remove();
      item = document.createElement("div");
      item.dataset.control = entry.control;
      item.dataset.role = entry.role;
      if (role) item.setAttribute("role", role);
      if (role === "textbox") item.setAttribute("aria-readonly", "true");
      if (role === "button") item.tabIndex = -1;
      this.items.set(entry.control, item);
    }
    if (role) {
      if (item.getAttribute("aria-label") !== entry.name) item.setAttribute("aria-label", entry.name);
    } else if (item.textContent !== entry.name) {
      item.textContent = entry.name;
    }
    return item;
  }

  // The element that should hold the page's focus: the focused control's, if it has one.
  focusTarget() { return this.focused; }
}
