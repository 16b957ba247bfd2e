// SPDX-License-Identifier: GPL-3.0-or-later
// The board bar for a learner without a mouse. F6 (or Ctrl+F6) carries the keyboard from the
// board to its bar's first button and back, as desktop programs do; in the bar the arrows move
// between the buttons, Enter and Space press the one that has the focus (as any button does), and
// Escape goes back to the board. The buttons stay out of the page's Tab order and never take the
// focus from the pointer, so the board keeps its own Tab, Space and Enter.
const NEXT = { ArrowLeft: 1, ArrowDown: 1, ArrowRight: -1, ArrowUp: -1 }; // the bar runs right to left

const reachable = (bar) => [...bar.querySelectorAll("button")].filter((b) => !b.disabled && b.offsetParent);

export function isToolbarSwitch(e) {
  return e.key === "F6" && !e.altKey && !e.metaKey && !e.shiftKey;
}

// frames() lists the board windows whose bars the keys reach.
export function attachToolbarKeys(frames) {
  window.addEventListener("keydown", (e) => {
    if (!isToolbarSwitch(e) || e.target.closest?.("dialog")) return;
    const inBar = frames().find((f) => f.toolbar.contains(document.activeElement));
    if (inBar) {
      e.preventDefault();
      inBar.focusBoard();
      return;
    }
    const frame = frames().find((f) => f.hasKeyboard());
    const first = frame && !frame.toolbar.hidden && reachable(frame.toolbar)[0];
    if (!first) return; // a hidden bar (F10, full screen) has nothing to offer
    e.preventDefault();
    first.focus();
  });
}

// Arrows and Escape inside one bar; returns whether the key was one of them.
export function toolbarKey(frame, e) {
  const button = e.target.closest?.("button");
  if (!button || !frame.toolbar.contains(button)) return false;
  if (e.key === "Escape") {
    frame.focusBoard();
    return true;
  }
  if (!(e.key in NEXT)) return false;
  const buttons = reachable(frame.toolbar);
  const here = buttons.indexOf(button);
  const next = (Math.max(here, 0) + NEXT[e.key] + buttons.length) % buttons.length;
  buttons[next]?.focus();
  return true;
}
