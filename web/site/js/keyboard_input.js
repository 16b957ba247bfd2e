// SPDX-License-Identifier: GPL-3.0-or-later
// Tab, Shift+Tab, Space and Enter for the window whose canvas has the keyboard, as on the
// desktop. A held key acts once: the browser's repeats are dropped.
const KEYS = { Tab: (e) => (e.shiftKey ? "shift+tab" : "tab"), " ": () => "space", Enter: () => "enter" };

export function attachKeyboardInput(desktop) {
  desktop.root.addEventListener("keydown", (e) => {
    const canvas = e.target.closest?.("canvas[data-window]");
    const name = KEYS[e.key]?.(e);
    if (!canvas || !name || e.altKey || e.ctrlKey || e.metaKey) return;
    e.preventDefault(); // Tab moves along the window's own tab order, not the page's
    if (e.repeat) return;
    desktop.deliver((core) => core.key(canvas.dataset.window, name));
  });
}
